// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CLASSENTRY_H
#define CLASSENTRY_H

#include <QtGlobal>

// One class time of one course: which weeks, which weekday, which periods,
// and how many students attend. Everything is stored as read, unchecked.
struct ClassEntry
{
    int weekFrom = 0;
    int weekTo = 0;
    int day = 0;
    int firstPeriod = 0;
    int lastPeriod = 0;
    bool evenWeeksOnly = false;
    bool oddWeeksOnly = false;
    int students = 0;
};

// Teaching weeks are numbered 1 to lastTeachingWeek.
constexpr int lastTeachingWeek = 29;

// Whether the entry's weeks and odd/even markers take in the given week.
// Inline: adding up a term asks it for every week of every entry.
inline bool takesPlaceIn(const ClassEntry &entry, int week)
{
    if (week < entry.weekFrom || week > entry.weekTo)
        return false;
    const bool odd = week & 1;
    if (entry.evenWeeksOnly && odd)
        return false;
    if (entry.oddWeeksOnly && !odd)
        return false;
    return true;
}

// The teaching weeks that takesPlaceIn takes in, found without asking week
// by week: from `first` to `last` by `step`, none when first > last.
struct TeachingWeeks
{
    int first;
    int last;
    int step;
};

inline TeachingWeeks teachingWeeks(const ClassEntry &entry)
{
    TeachingWeeks weeks{qMax(1, entry.weekFrom), qMin(lastTeachingWeek, entry.weekTo), 1};
    if (entry.evenWeeksOnly && entry.oddWeeksOnly) {
        weeks.last = 0;
    } else if ((entry.evenWeeksOnly || entry.oddWeeksOnly) && weeks.first <= weeks.last) {
        weeks.step = 2;
        if (bool(weeks.first & 1) != entry.oddWeeksOnly)
            ++weeks.first;
    }
    return weeks;
}

// Whether they take in any teaching week at all.
bool takesPlaceInTerm(const ClassEntry &entry);

#endif // CLASSENTRY_H
