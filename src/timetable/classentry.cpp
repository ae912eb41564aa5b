// SPDX-License-Identifier: GPL-3.0-or-later

#include "classentry.h"

bool takesPlaceInTerm(const ClassEntry &entry)
{
    const int lastWeek = qMin(lastTeachingWeek, entry.weekTo);
    for (int week = qMax(1, entry.weekFrom); week <= lastWeek; ++week) {
        if (takesPlaceIn(entry, week))
            return true;
    }
    return false;
}
