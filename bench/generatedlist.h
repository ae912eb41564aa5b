// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GENERATEDLIST_H
#define GENERATEDLIST_H

#include <QByteArray>

// A made-up course list of a whole university, as the two files a user would
// paste: class times and head counts, line for line, UTF-8.
struct GeneratedList
{
    QByteArray times;
    QByteArray counts;
    int items = 0;
};

// How many items carry an odd/even marker: a quarter, or half.
enum class Marking { Some, Half };

// The same seed always gives the same list, on every machine and compiler.
GeneratedList generateList(quint64 seed, int lines, Marking marking = Marking::Some);

// The same list with `moved` of its courses, spread evenly over it, moved to
// the next weekday: a timetable office's planned change.
GeneratedList withMovedCourses(const GeneratedList &list, int moved);

#endif // GENERATEDLIST_H
