// SPDX-License-Identifier: GPL-3.0-or-later

#include "classentry.h"

bool takesPlaceInTerm(const ClassEntry &entry)
{
    const TeachingWeeks weeks = teachingWeeks(entry);
    return weeks.first <= weeks.last;
}
