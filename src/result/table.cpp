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
    text.reserve(text.size() + table.rows.size() * (table.header.size() * 8 + 8));
    for (const QVector<TableCell> &row : table.rows) {
        for (int column = 0; column < row.size(); ++column) {
            if (column > 0)
                text += tab;
            const TableCell &cell = row.at(column);
            if (cell.kind == TableCell::Text)
                text += cell.text;
            else
                text += cellText(cell);
        }
        text += lineEnd;
    }
    return text;
}
