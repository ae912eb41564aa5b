// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BOXLINES_H
#define BOXLINES_H

#include <QList>
#include <QString>
#include <QStringRef>

// The column a box (or file) holds: the lines of a spreadsheet cell are
// joined by what separates them in that column.
enum class Column { ClassTimes, HeadCounts };

// One course's line of a box. A spreadsheet copies a cell that holds line
// breaks in double quotes ("a""b" for a"b); such a cell is one line, its own
// lines trimmed and joined. `line` is the 1-based box line on which it begins,
// the line by which the user finds it.
struct BoxLine
{
    QString text;
    int line = 1;
    int lines = 1; // how many box lines it takes
};

inline bool operator==(const BoxLine &a, const BoxLine &b)
{
    return a.text == b.text && a.line == b.line && a.lines == b.lines;
}

// A course line where it stands: in the box text, or for a spreadsheet
// cell in the text of its lines joined. `source` is the course line as the
// box shows it, on `lines` box lines: for a cell, quotes and line breaks
// included.
struct BoxLineView
{
    QStringRef text;
    int line = 1;
    QStringRef source = QStringRef();
    int lines = 1;
    bool cell = false;
};

// Reads a trimmed box text one course line at a time, so that a long text
// need not be split. The empty text is one empty line.
class BoxLineReader
{
public:
    // firstLine: the box line on which the trimmed text begins.
    BoxLineReader(const QString &text, Column column, int firstLine = 1);

    bool atEnd() const { return next < 0; }

    // The next course line, or an empty line below the last. A plain line is
    // not copied: the view holds until the next take().
    BoxLineView take();

private:
    const QString *text;
    Column column;
    int next = 0; // where the next line starts in the text (-1: no more)
    int line;
    QString cell; // the last cell's lines, joined
};

// Every course line of a trimmed box text.
QList<BoxLine> boxLines(const QString &text, Column column, int firstLine = 1);

// How many course lines a trimmed box text holds: what the line counts of
// the two boxes compare.
int boxLineCount(const QString &text);

// How many lines of a box hold a tab: a sign that several spreadsheet
// columns were copied into it.
int linesWithTabs(const QString &text);

#endif // BOXLINES_H
