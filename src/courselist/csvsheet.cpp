// SPDX-License-Identifier: GPL-3.0-or-later

#include "csvsheet.h"

namespace {

const QChar quote = QLatin1Char('"');

QChar separatorOf(const QString &text)
{
    int end = -1;
    for (int line = 0; line < 10; ++line) {
        end = text.indexOf(QLatin1Char('\n'), end + 1);
        if (end < 0)
            break;
    }
    const QStringView head = QStringView(text).left(end < 0 ? text.size() : end);
    return head.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
}

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The field at *at, which moves past it (to its separator or line break);
// a quoted field's quotes are taken off and its doubled quotes made single.
// A field not kept is only passed over.
QString takeField(const QString &text, int *at, QChar separator, bool keep)
{
    QString field;
    int i = *at;
    if (i < text.size() && text.at(i) == quote) {
        for (++i;;) {
            const int close = text.indexOf(quote, i);
            if (keep)
                field.append(QStringView(text).mid(i, (close < 0 ? text.size() : close) - i));
            i = close < 0 ? text.size() : close + 1;
            if (i >= text.size() || text.at(i) != quote)
                break;
            if (keep)
                field += quote; // doubled
            ++i;
        }
    }
    // After a closing quote, as before any field: text up to the separator.
    const int start = i;
    while (i < text.size() && text.at(i) != separator && !isLineBreak(text.at(i)))
        ++i;
    if (keep)
        field.append(QStringView(text).mid(start, i - start));
    *at = i;
    return field;
}

} // namespace

bool readCsvSheet(const QString &text, const SheetFilter &filter, Sheet *sheet, QString *problem)
{
    const QChar separator = separatorOf(text);
    int at = 0;
    for (int record = 1; at < text.size() && record <= filter.lastRow; ++record) {
        if (record > sheetRowLimit) {
            *problem = QStringLiteral("超过 1,048,576 行，不予读取");
            return false;
        }
        SheetRow row{record, {}};
        for (int column = 0;; ++column) {
            const QString field = takeField(text, &at, separator, filter.keeps(column));
            if (column >= sheetColumnLimit) {
                *problem = QStringLiteral("超过 16,384 列，不予读取");
                return false;
            }
            if (!field.isEmpty())
                row.cells.append({column, field});
            if (at >= text.size() || text.at(at) != separator)
                break;
            ++at;
        }
        if (at < text.size() && text.at(at) == QLatin1Char('\r'))
            ++at;
        if (at < text.size() && text.at(at) == QLatin1Char('\n'))
            ++at;
        if (!row.cells.isEmpty())
            sheet->rows.append(row);
    }
    return true;
}
