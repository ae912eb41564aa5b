// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TABLETEXT_H
#define TABLETEXT_H

#include <QString>
#include <QStringList>

// Checks the shape of a term table: header, seven rows per week from week 1
// to lastWeek in weekday order, seven tab-separated fields per row, every
// line ended by a line feed; and that the rows holding any number other
// than 0 are exactly busyRows, in order. Returns what is wrong, or nothing.
inline QString tableProblem(const QString &table, int lastWeek, bool firstDay,
                            const QStringList &busyRows)
{
    if (!table.endsWith(QLatin1Char('\n')))
        return QStringLiteral("the table does not end with a line feed");
    if (table.contains(QLatin1Char('\r')))
        return QStringLiteral("the table holds a carriage return");
    QStringList lines = table.split(QLatin1Char('\n'));
    lines.removeLast();
    if (lines.size() != 1 + 7 * lastWeek)
        return QStringLiteral("%1 lines instead of %2").arg(lines.size()).arg(1 + 7 * lastWeek);
    if (lines.first() != QStringLiteral("周数\t星期\t上午4\t上午5\t下午9\t晚上11\t晚上12"))
        return QStringLiteral("header: ") + lines.first();

    const QStringList dayNames = firstDay
            ? QStringList{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                          QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"),
                          QStringLiteral("日")}
            : QStringList{QStringLiteral("日"), QStringLiteral("一"), QStringLiteral("二"),
                          QStringLiteral("三"), QStringLiteral("四"), QStringLiteral("五"),
                          QStringLiteral("六")};
    const QString zero = QStringLiteral("0");
    const QStringList zeros{zero, zero, zero, zero, zero};
    QStringList found;
    for (int week = 1; week <= lastWeek; ++week) {
        for (int d = 0; d < 7; ++d) {
            const QString &line = lines.at(1 + 7 * (week - 1) + d);
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() != 7)
                return QStringLiteral("not seven fields: ") + line;
            if (fields.at(0) != QStringLiteral("第%1周").arg(week)
                || fields.at(1) != QStringLiteral("星期") + dayNames.at(d))
                return QStringLiteral("out of place: ") + line;
            if (fields.mid(2) != zeros)
                found.append(line);
        }
    }
    if (found != busyRows) {
        return QStringLiteral("rows with numbers:\n  ") + found.join(QStringLiteral("\n  "))
                + QStringLiteral("\nexpected:\n  ") + busyRows.join(QStringLiteral("\n  "));
    }
    return QString();
}

#endif // TABLETEXT_H
