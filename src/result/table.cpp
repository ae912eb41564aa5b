// SPDX-License-Identifier: GPL-3.0-or-later

#include "table.h"

QString changeText(qint64 change)
{
    return change > 0 ? QLatin1Char('+') + QString::number(change) : QString::number(change);
}

QString cellText(const TableCell &cell)
{
    switch (cell.kind) {
    case TableCell::Number: return QString::number(cell.number);
    case TableCell::Change: return changeText(cell.number);
    case TableCell::Text: break;
    }
    return cell.text;
}

QString tableText(const Table &table)
{
    const QChar tab = QLatin1Char('\t');
    const QChar lineEnd = QLatin1Char('\n');
    QString text = table.header.join(tab);
    text += lineEnd;
    // Appended piece by piece: a chain of "+" would make a new string for
    // every piece of every row.
    text.reserve(text.size() + table.rowCount() * (table.header.size() * 8 + 8));
    const int columns = table.header.size();
    for (int at = 0; at < table.cells.size(); ++at) {
        const TableCell &cell = table.cells.at(at);
        if (cell.kind == TableCell::Text)
            text += cell.text;
        else
            text += cellText(cell);
        text += at % columns == columns - 1 ? lineEnd : tab;
    }
    return text;
}
