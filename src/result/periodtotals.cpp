// SPDX-License-Identifier: GPL-3.0-or-later

#include "periodtotals.h"

bool operator==(const PeriodTotals &a, const PeriodTotals &b)
{
    return a.period4 == b.period4 && a.period5 == b.period5 && a.period9 == b.period9
            && a.period11 == b.period11 && a.period12 == b.period12;
}

bool operator!=(const PeriodTotals &a, const PeriodTotals &b)
{
    return !(a == b);
}

bool isEmpty(const PeriodTotals &totals)
{
    return totals == PeriodTotals();
}

namespace {

// The total an entry adds to, by its last period; none for a period that
// is not reported.
qint64 PeriodTotals::*totalOf(int lastPeriod)
{
    switch (lastPeriod) {
    case 4: return &PeriodTotals::period4;
    case 5: return &PeriodTotals::period5;
    case 9: return &PeriodTotals::period9;
    case 11: return &PeriodTotals::period11;
    case 12: return &PeriodTotals::period12;
    default: return nullptr;
    }
}

// Adds each entry to every cell of its weekday in the weeks it takes place
// in: adding the entries of every line in turn gives the totals of them all.
template <typename Entries>
void addToTerm(TermTotals &term, const Entries &entries, bool firstDay)
{
    for (const ClassEntry &entry : entries) {
        qint64 PeriodTotals::*const total = totalOf(entry.lastPeriod);
        if (!total || entry.day < int(firstDay) || entry.day > int(firstDay) + 6)
            continue;
        const int d = entry.day - int(firstDay);
        const TeachingWeeks weeks = teachingWeeks(entry);
        for (int week = weeks.first; week <= weeks.last; week += weeks.step)
            term[week - 1][d].*total += entry.students;
    }
}

// The one reading of two texts, line by line, into the totals, the courses or both.
void readTexts(const QString &timeText, const QString &countText, bool firstDay,
               const UncountedItemHandler &uncounted, FirstLines firstLines, TermTotals *term,
               TermCourses *courses)
{
    QVector<ClassEntry> lineEntries;
    buildEntriesLineByLine(timeText, countText, lineEntries, firstDay, uncounted, firstLines,
                           [&](const BoxLineView &time, const BoxLineView &headCount) {
        if (term)
            addToTerm(*term, lineEntries, firstDay);
        if (courses)
            courses->add(time, headCount, lineEntries);
        // Emptied without giving up its array, which the next line reuses.
        lineEntries.clear();
    });
}

} // namespace

// One pass over the entries, not one pass per cell.
TermTotals termTotals(const QList<ClassEntry> &entries, bool firstDay)
{
    TermTotals term{};
    addToTerm(term, entries, firstDay);
    return term;
}

TermTotals termOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                       const UncountedItemHandler &uncounted, FirstLines firstLines,
                       TermCourses *courses)
{
    TermTotals term{};
    if (courses)
        *courses = TermCourses(timeText, firstDay);
    readTexts(timeText, countText, firstDay, uncounted, firstLines, &term, courses);
    return term;
}

TermCourses coursesOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                           const UncountedItemHandler &uncounted, FirstLines firstLines,
                           int period)
{
    TermCourses courses(timeText, firstDay, period);
    readTexts(timeText, countText, firstDay, uncounted, firstLines, nullptr, &courses);
    return courses;
}
