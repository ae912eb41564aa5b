// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COUNT_H
#define COUNT_H

#include "periodtotals.h"
#include "reporttext.h"
#include "termcourses.h"
#include "timeparser.h"
#include "uncounteditem.h"

#include <QList>
#include <QString>

// termTotals of what buildEntries makes of the two texts split into lines,
// read line by line so that memory grows with the texts and not with their
// number of items; uncounted items go to `uncounted` one by one, when given.
// `courses`, when given, keeps the courses of the same reading, so that a
// cell can name what it adds up, and by `names` what they are called.
TermTotals termOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                       const UncountedItemHandler &uncounted = {}, FirstLines firstLines = {},
                       TermCourses *courses = nullptr, const CourseNames &names = CourseNames());

// The courses of one reported period of the same reading alone, where no
// totals are wanted.
TermCourses coursesOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                           const UncountedItemHandler &uncounted, FirstLines firstLines,
                           int period, const CourseNames &names = CourseNames());

// What one press of "开始统计" reads from the two trimmed texts: the totals,
// the courses behind them and what was left out. A result window holds one,
// and a comparison takes two.
struct Count
{
    QString timeText;
    QString countText;
    TermTotals term{};
    TermCourses courses;
    QList<UncountedItem> uncounted;
    TabbedLines tabbed;
    int courseLines = 0;
};

// `names` are those of the courses of a course list file that filled the
// boxes, while they hold what it gave them.
Count countOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                   FirstLines firstLines = {}, const CourseNames &names = CourseNames());

#endif // COUNT_H
