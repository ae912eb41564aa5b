// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SHEET_H
#define SHEET_H

#include <QString>
#include <QStringList>
#include <QVector>

// The largest sheet a spreadsheet holds; anything larger is refused.
constexpr int sheetRowLimit = 1048576;
constexpr int sheetColumnLimit = 16384;

// A cell with content: its column (0 for column A) and its text as the
// spreadsheet shows it.
struct SheetCell
{
    int column = 0;
    QString text;
};

// A row with content, numbered as a spreadsheet shows it (from 1). Only the
// cells with content are kept: a row may hold one cell far to the right.
struct SheetRow
{
    int number = 1;
    QVector<SheetCell> cells;

    // The text in `column`, empty where there is none.
    QString cell(int column) const;
    // Every cell from column A to the last with content.
    QStringList texts() const;
};

// What of a sheet is read: the rows down to `lastRow`, and of them only the
// cells in `columns` (every cell while it is empty). A course list is read
// twice: its top rows whole to find the header, then the columns named
// there; the cells of the other columns would only take memory.
struct SheetFilter
{
    int lastRow = sheetRowLimit;
    QVector<int> columns;

    bool keeps(int column) const { return columns.isEmpty() || columns.contains(column); }
};

// A whole number as a spreadsheet shows it: "35", never "35.0". Null when
// the number has a fraction or is too large to be shown whole.
QString wholeNumberText(double number);

// The rows of one sheet that hold anything, in order.
struct Sheet
{
    QVector<SheetRow> rows;
};

#endif // SHEET_H
