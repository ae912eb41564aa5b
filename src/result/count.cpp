// SPDX-License-Identifier: GPL-3.0-or-later

#include "count.h"

#include "boxlines.h"

namespace {

// The one reading of two texts, line by line, into the totals, the courses or both.
void readTexts(const QString &timeText, const QString &countText, bool firstDay,
               const UncountedItemHandler &uncounted, FirstLines firstLines, TermTotals *term,
               TermCourses *courses)
{
    QVector<ClassEntry> lineEntries;
    buildEntriesLineByLine(timeText, countText, lineEntries, firstDay, uncounted, firstLines,
                           [&](const BoxLineView &time, const BoxLineView &headCount) {
        if (term)
            addEntries(*term, lineEntries, firstDay);
        if (courses)
            courses->add(time, headCount, lineEntries);
        // Emptied without giving up its array, which the next line reuses.
        lineEntries.clear();
    });
}

} // namespace

TermTotals termOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                       const UncountedItemHandler &uncounted, FirstLines firstLines,
                       TermCourses *courses, const CourseNames &names)
{
    TermTotals term{};
    if (courses)
        *courses = TermCourses(timeText, firstDay, 0, names);
    readTexts(timeText, countText, firstDay, uncounted, firstLines, &term, courses);
    return term;
}

TermCourses coursesOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                           const UncountedItemHandler &uncounted, FirstLines firstLines,
                           int period, const CourseNames &names)
{
    TermCourses courses(timeText, firstDay, period, names);
    readTexts(timeText, countText, firstDay, uncounted, firstLines, nullptr, &courses);
    return courses;
}

Count countOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                   FirstLines firstLines, const CourseNames &names)
{
    Count count;
    count.timeText = timeText;
    count.countText = countText;
    count.term = termOfTexts(timeText, countText, firstDay,
                             [&](const UncountedItem &item) { count.uncounted.append(item); },
                             firstLines, &count.courses, names);
    count.tabbed = tabbedLines(timeText, countText);
    count.courseLines = boxLineCount(timeText);
    return count;
}
