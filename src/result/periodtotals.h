// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PERIODTOTALS_H
#define PERIODTOTALS_H

#include "classentry.h"
#include "termcourses.h"
#include "timeparser.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

// Students in class in the five reported periods of one week and weekday.
// An entry counts under its last period only. The sums are 64-bit so that
// no list of 32-bit head counts can overflow them.
struct PeriodTotals
{
    qint64 period4 = 0;
    qint64 period5 = 0;
    qint64 period9 = 0;
    qint64 period11 = 0;
    qint64 period12 = 0;
};

bool operator==(const PeriodTotals &a, const PeriodTotals &b);
bool operator!=(const PeriodTotals &a, const PeriodTotals &b);
bool isEmpty(const PeriodTotals &totals);

// The totals of every teaching week W (1-based) and the seven weekdays D
// from firstDay to firstDay + 6, in the numbering the entries were parsed
// with: term[W - 1][D - firstDay]. Every number shown is one of these.
using TermTotals = std::array<std::array<PeriodTotals, 7>, lastTeachingWeek>;
TermTotals termTotals(const QList<ClassEntry> &entries, bool firstDay);

// termTotals of what buildEntries makes of the two texts split into lines,
// read line by line so that memory grows with the texts and not with their
// number of items; uncounted items go to `uncounted` one by one, when given.
// `courses`, when given, keeps the courses of the same reading, so that a
// cell can name what it adds up.
TermTotals termOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                       const UncountedItemHandler &uncounted = {}, FirstLines firstLines = {},
                       TermCourses *courses = nullptr);

// The courses of one reported period of the same reading alone, where no
// totals are wanted.
TermCourses coursesOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                           const UncountedItemHandler &uncounted, FirstLines firstLines,
                           int period);

#endif // PERIODTOTALS_H
