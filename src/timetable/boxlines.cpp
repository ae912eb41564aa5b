// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxlines.h"

namespace {

const QChar quote = QLatin1Char('"');
const QChar lineFeed = QLatin1Char('\n');

// Just past the closing quote of the cell opened at `start`: the first quote
// that is not doubled, which must end its line. -1 when there is none, or
// when text follows it: then the line is no cell but what it shows.
int cellEnd(const QString &text, int start)
{
    int from = start + 1;
    for (;;) {
        const int at = text.indexOf(quote, from);
        if (at < 0)
            return -1;
        const int after = at + 1;
        if (after < text.size() && text.at(after) == quote) {
            from = after + 1;
            continue;
        }
        return after == text.size() || text.at(after) == lineFeed ? after : -1;
    }
}

// Where the course line at `start` ends: at a line feed or at the end of the text.
int courseLineEnd(const QString &text, int start, bool *isCell)
{
    *isCell = false;
    if (start < text.size() && text.at(start) == quote) {
        const int end = cellEnd(text, start);
        if (end >= 0) {
            *isCell = true;
            return end;
        }
    }
    const int feed = text.indexOf(lineFeed, start);
    return feed < 0 ? text.size() : feed;
}

// A cell's lines, trimmed, without the blank ones, joined as the column
// separates them: class times by ";" (unless the line ends in one already),
// head counts by a space.
QString cellText(const QStringRef &cell, Column column)
{
    QString content = cell.mid(1, cell.size() - 2).toString();
    content.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    QString joined;
    for (const QStringRef &part : QStringRef(&content).split(lineFeed)) {
        const QStringRef trimmed = part.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!joined.isEmpty() && column == Column::HeadCounts)
            joined += QLatin1Char(' ');
        else if (!joined.isEmpty() && !joined.endsWith(QLatin1Char(';')))
            joined += QLatin1Char(';');
        joined += trimmed;
    }
    return joined;
}

} // namespace

BoxLineReader::BoxLineReader(const QString &text, Column column, int firstLine)
    : text(&text)
    , column(column)
    , line(firstLine)
{
}

BoxLineView BoxLineReader::take()
{
    if (atEnd())
        return {QStringRef(), line++};
    bool isCell = false;
    const int end = courseLineEnd(*text, next, &isCell);
    const QStringRef span(text, next, end - next);
    BoxLineView course{span, line, span};
    // Only a cell holds line feeds: a plain line ends at the first.
    if (isCell) {
        cell = cellText(span, column);
        course.text = QStringRef(&cell);
        course.lines += span.count(lineFeed);
        course.cell = true;
    }
    line += course.lines;
    next = end < text->size() ? end + 1 : -1;
    return course;
}

QList<BoxLine> boxLines(const QString &text, Column column, int firstLine)
{
    QList<BoxLine> lines;
    for (BoxLineReader reader(text, column, firstLine); !reader.atEnd();) {
        const BoxLineView course = reader.take();
        lines.append({course.text.toString(), course.line, course.lines});
    }
    return lines;
}

int boxLineCount(const QString &text)
{
    int count = 0;
    bool isCell = false;
    for (int start = 0; start <= text.size(); start = courseLineEnd(text, start, &isCell) + 1)
        ++count;
    return count;
}

int linesWithTabs(const QString &text)
{
    int lines = 0;
    for (int tab = text.indexOf(QLatin1Char('\t')); tab >= 0;) {
        ++lines;
        const int feed = text.indexOf(lineFeed, tab);
        tab = feed < 0 ? -1 : text.indexOf(QLatin1Char('\t'), feed);
    }
    return lines;
}
