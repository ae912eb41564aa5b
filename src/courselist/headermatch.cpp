// SPDX-License-Identifier: GPL-3.0-or-later

#include "headermatch.h"

namespace {

int leftmost(const QStringList &keys, const QStringList &names)
{
    for (int column = 0; column < keys.size(); ++column) {
        if (names.contains(keys.at(column)))
            return column;
    }
    return -1;
}

} // namespace

QString headerKey(QStringView header)
{
    QString key;
    key.reserve(int(header.size()));
    for (const QChar c : header) {
        if (c.isSpace())
            continue;
        const ushort code = c.unicode();
        key += code >= 0xFF01 && code <= 0xFF5E ? QChar(ushort(code - 0xFEE0)) : c;
    }
    return key;
}

HeaderNames headerNames(const QString &timeColumn, const QString &countColumn)
{
    HeaderNames names{{QStringLiteral("上课时间"), QStringLiteral("时间")},
                      {QStringLiteral("选课人数"), QStringLiteral("上课人数"), QStringLiteral("教学班人数"),
                       QStringLiteral("人数"), QStringLiteral("学生人数"), QStringLiteral("实际人数")},
                      {QStringLiteral("课程名称"), QStringLiteral("课程名")}};
    if (!timeColumn.isEmpty())
        names.time = QStringList{headerKey(timeColumn)};
    if (!countColumn.isEmpty())
        names.count = QStringList{headerKey(countColumn)};
    return names;
}

HeaderColumns headerColumns(const QStringList &row, const HeaderNames &names)
{
    QStringList keys;
    keys.reserve(row.size());
    for (const QString &cell : row)
        keys.append(headerKey(cell));
    return {leftmost(keys, names.time), leftmost(keys, names.count), leftmost(keys, names.name)};
}
