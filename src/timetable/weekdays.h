// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WEEKDAYS_H
#define WEEKDAYS_H

#include <QString>

// Weekdays are named by one character: "一" to "六" for Monday to Saturday,
// "日" for Sunday. With firstDay true the week starts on Monday (1) and
// Sunday is 7; with firstDay false it starts on Sunday (0).

// The name of a weekday number; both Sunday numbers (0 and 7) give "日",
// anything outside 0 to 7 gives the empty string.
QString dayName(int number);

// The number of a one-character weekday name, or -1 for anything else.
int dayIndex(const QString &name, bool firstDay);

// The same for the character itself, read where it stands in an item.
int dayIndex(QChar name, bool firstDay);

#endif // WEEKDAYS_H
