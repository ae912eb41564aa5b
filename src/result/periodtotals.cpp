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

void add(PeriodTotals &totals, const ClassEntry &entry)
{
    switch (entry.lastPeriod) {
    case 4: totals.period4 += entry.students; break;
    case 5: totals.period5 += entry.students; break;
    case 9: totals.period9 += entry.students; break;
    case 11: totals.period11 += entry.students; break;
    case 12: totals.period12 += entry.students; break;
    default: break;
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

void addToTerm(TermTotals &term, const QList<ClassEntry> &entries, bool firstDay)
{
    for (const ClassEntry &entry : entries) {
        if (entry.day < int(firstDay) || entry.day > int(firstDay) + 6)
            continue;
        const int d = entry.day - int(firstDay);
        const int firstWeek = qMax(1, entry.weekFrom);
        const int lastWeek = qMin(lastTeachingWeek, entry.weekTo);
        for (int week = firstWeek; week <= lastWeek; ++week) {
            if (takesPlaceIn(entry, week))
                add(term[week - 1][d], entry);
        }
    }
}

TermTotals termOfTexts(const QString &timeText, const QString &countText, bool firstDay,
                       const UncountedItemHandler &uncounted, FirstLines firstLines)
{
    TermTotals term{};
    QList<ClassEntry> lineEntries;
    buildEntriesLineByLine(timeText, countText, lineEntries, firstDay, uncounted, firstLines, [&] {
        addToTerm(term, lineEntries, firstDay);
        lineEntries.clear();
    });
    return term;
}
