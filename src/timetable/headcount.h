// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef HEADCOUNT_H
#define HEADCOUNT_H

#include <QString>
#include <QStringRef>

// How a head-count line was read.
enum class HeadCount { Read, Blank, NotWhole, TooLarge };

// A whole number as a spreadsheet shows it: "1,500", "1,500.00", "20.00",
// "-3.0". Groups of three digits after the first, zeros only after the point.
// *value is set only when the result is Read.
HeadCount readShownNumber(const QStringRef &text, int *value);

// Integers as QString::toInt reads them, with the digits of any script, and
// whole numbers as a spreadsheet shows them; a blank line is 0 students.
// *students is 0 unless the result is Read.
HeadCount readHeadCount(const QStringRef &line, int *students);

#endif // HEADCOUNT_H
