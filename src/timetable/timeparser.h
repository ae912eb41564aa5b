// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TIMEPARSER_H
#define TIMEPARSER_H

#include "boxlines.h"
#include "classentry.h"
#include "uncounteditem.h"

#include <QList>
#include <QString>
#include <QVector>

#include <functional>

// The 1-based line of `text` on which text.trimmed() begins: the blank lines
// trimmed off the top still count for the line numbers the user sees.
int firstLineOfTrimmed(const QString &text);

// The lines of the boxes (or files) on which the two trimmed texts begin.
struct FirstLines
{
    int time = 1;
    int headCount = 1;
};

// One item such as "周一第1,2节{第1-8周|双周}", read by the grammar alone. An
// item that fits neither the week-range nor the single-week form is logged
// and gives an entry in no week; *matched (when given) tells which happened.
// The head count is read as buildEntries reads it.
ClassEntry parseTimeItem(QString item, const QString &headCountLine, bool firstDay,
                         bool *matched = nullptr);

// One course line: its items separated by ";" or "；" (or a "}" followed by
// the next weekday), each with the full head count of the line. The grammar
// reads each item into one entry; an item it leaves unread is read again by
// readTolerantItem (tolerantitem.h), which may give one entry per part of the
// week list; an item that neither reads gives one entry in no week.
QList<ClassEntry> parseTimeLine(const QString &line, const QString &headCountLine,
                                bool firstDay);

// Replaces entries with the entries of every time line, line i taking its
// head count from headCountLines[i] (0 where that line is missing). A head
// count is an integer, or a whole number as a spreadsheet shows it ("1,500",
// "20.00"); anything else counts as 0. Every uncounted item goes to
// `uncounted` (when given), named by the box line of its course line.
void buildEntries(const QList<BoxLine> &timeLines, const QList<BoxLine> &headCountLines,
                  QList<ClassEntry> &entries, bool firstDay, const UncountedItemHandler &uncounted = {});

// Told of each course line read: its class time and its head count.
using CourseLineHandler = std::function<void(const BoxLineView &time, const BoxLineView &headCount)>;

// buildEntries on the boxLines of two trimmed texts, which begin on the box
// lines firstLines, read one line at a time: after the entries of each line
// are appended, lineRead is called and may take them out of `entries`, so
// that memory need not grow with the number of items. A vector, so that an
// entry is not a block of memory of its own.
void buildEntriesLineByLine(const QString &timeText, const QString &countText,
                            QVector<ClassEntry> &entries, bool firstDay,
                            const UncountedItemHandler &uncounted, FirstLines firstLines,
                            const CourseLineHandler &lineRead);

#endif // TIMEPARSER_H
