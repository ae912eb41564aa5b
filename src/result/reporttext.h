#ifndef REPORTTEXT_H
#define REPORTTEXT_H

#include "periodtotals.h"
#include "timeparser.h"

#include <QString>
#include <QStringList>

// The six paragraphs of the result view for one week and weekday.
QStringList viewParagraphs(int week, int day, const PeriodTotals &totals);

// The last week of the term table: weeks 1 to 18 always, then through the
// first empty week from 19 on after which no week has a class, or week 29.
int lastTableWeek(const TermTotals &term);

// The term table for a spreadsheet: a header line, then one line per week and
// weekday, seven tab-separated fields, every line ended by "\n".
QString termTableText(const QList<ClassEntry> &entries, bool firstDay);
QString termTableText(const TermTotals &term, bool firstDay);

// Tells how many class-time items were not read and names the first `limit`
// of them by line.
QString rejectedNotice(const QList<RejectedItem> &rejected, int limit);

// The notice's first line, and the line that names one item, for writing the
// notice piece by piece.
QString rejectedNoticeHeading(int count);
QString rejectedNoticeLine(const RejectedItem &item);

#endif // REPORTTEXT_H
