// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef REPORTTEXT_H
#define REPORTTEXT_H

#include "periodtotals.h"
#include "table.h"
#include "uncounteditem.h"

#include <QString>
#include <QStringList>

#include <array>

// The six paragraphs of the result view for one week and weekday, its
// numbers written as `numbers` says.
QStringList viewParagraphs(int week, int day, const PeriodTotals &totals,
                           TableCell::Kind numbers = TableCell::Number);

// The last week of the term table: weeks 1 to 18 always, then through the
// first empty week from 19 on after which no week has a class, or week 29.
int lastTableWeek(const TermTotals &term);

// The term table for a spreadsheet: a header, then a row per week and
// weekday of weeks 1 to lastWeek, seven fields each.
Table termTable(const TermTotals &term, bool firstDay, int lastWeek,
                TableCell::Kind numbers = TableCell::Number);

// The term table through lastTableWeek as tab-separated text.
QString termTableText(const TermTotals &term, bool firstDay);

// How many uncounted items there are of each kind, by UncountedItem::Kind.
using UncountedTally = std::array<int, UncountedItem::kindCount>;
UncountedTally tally(const QList<UncountedItem> &items);

// How many lines of each box hold a tab.
struct TabbedLines
{
    int time = 0;
    int headCount = 0;
};

TabbedLines tabbedLines(const QString &timeText, const QString &countText);

// For each box with tabs, one line that says several columns were probably
// copied into it, and which one to copy; empty when neither box has tabs.
QString severalColumnsText(const TabbedLines &lines);

// The notice on uncounted items: a heading that says how many there are of
// each kind, below what severalColumnsText says of the tabs, then one line
// for each item that names its line and, shortened where long, its text.
QString uncountedHeading(const UncountedTally &counts, const TabbedLines &tabbed = {});
QString uncountedLine(const UncountedItem &item);
// What uncountedLine says of the item after "第N行：".
QString uncountedDescription(const UncountedItem &item);

#endif // REPORTTEXT_H
