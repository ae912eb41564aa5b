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

// Adds each entry to every cell of its weekday in the weeks it takes place in.
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

} // namespace

// One pass over the entries, not one pass per cell.
TermTotals termTotals(const QList<ClassEntry> &entries, bool firstDay)
{
    TermTotals term{};
    addToTerm(term, entries, firstDay);
    return term;
}

void addEntries(TermTotals &term, const QVector<ClassEntry> &entries, bool firstDay)
{
    addToTerm(term, entries, firstDay);
}

TermTotals termDifference(const TermTotals &term, const TermTotals &other)
{
    TermTotals difference{};
    for (int week = 0; week < lastTeachingWeek; ++week) {
        for (int d = 0; d < 7; ++d) {
            const PeriodTotals &a = term[week][d];
            const PeriodTotals &b = other[week][d];
            difference[week][d] = {a.period4 - b.period4, a.period5 - b.period5, a.period9 - b.period9,
                                   a.period11 - b.period11, a.period12 - b.period12};
        }
    }
    return difference;
}
