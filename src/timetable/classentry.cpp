// SPDX-License-Identifier: GPL-3.0-or-later

#include "classentry.h"

bool takesPlaceIn(const ClassEntry &entry, int week)
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

bool takesPlaceInTerm(const ClassEntry &entry)
{
    const int lastWeek = qMin(lastTeachingWeek, entry.weekTo);
    for (int week = qMax(1, entry.weekFrom); week <= lastWeek; ++week) {
        if (takesPlaceIn(entry, week))
            return true;
    }
    return false;
}
