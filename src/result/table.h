// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TABLE_H
#define TABLE_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <initializer_list>

// One cell of a table: a text, a number, or the change of a number, which
// is written with its sign ("+120", "-479", "0"). Numbers stay numbers until
// they are written, so that a workbook gets them as numbers.
struct TableCell
{
    enum Kind { Text, Number, Change };

    Kind kind = Text;
    QString text;
    qint64 number = 0;
};

inline TableCell textCell(const QString &text)
{
    return {TableCell::Text, text, 0};
}

inline TableCell numberCell(qint64 number, TableCell::Kind kind = TableCell::Number)
{
    return {kind, QString(), number};
}

// A table as the clipboard, the command-line tool and the workbook give it:
// a header of texts, then rows of cells, as many a row as the header has,
// kept one row after the other.
struct Table
{
    QStringList header;
    QVector<TableCell> cells;

    int rowCount() const { return header.isEmpty() ? 0 : int(cells.size() / header.size()); }
    const TableCell &cell(int row, int column) const { return cells.at(row * header.size() + column); }
    void addRow(std::initializer_list<TableCell> row)
    {
        for (const TableCell &cell : row)
            cells.append(cell);
    }
};

// "+120", "-479" or "0", with an ASCII minus that a spreadsheet reads.
QString changeText(qint64 change);

QString cellText(const TableCell &cell);

// Tab-separated, the header first, every line ended by "\n".
QString tableText(const Table &table);

#endif // TABLE_H
