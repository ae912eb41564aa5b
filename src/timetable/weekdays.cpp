// SPDX-License-Identifier: GPL-3.0-or-later

#include "weekdays.h"

#include <array>

namespace {
const QString names[] = {
    QStringLiteral("日"), QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
    QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("日"),
};
}

QString dayName(int number)
{
    if (number < 0 || number > 7)
        return QString();
    return names[number];
}

int dayIndex(const QString &name, bool firstDay)
{
    return name.size() == 1 ? dayIndex(name.at(0), firstDay) : -1;
}

// The seven names differ in their last four bits, so one look in a table of
// sixteen finds the only name a character can be. Every item asks, and a
// search name by name would branch at random on the weekday.
int dayIndex(QChar name, bool firstDay)
{
    static const std::array<int, 16> byLastBits = [] {
        std::array<int, 16> numbers;
        numbers.fill(-1);
        for (int number = 1; number <= 7; ++number) {
            int &slot = numbers[names[number].at(0).unicode() & 0xF];
            Q_ASSERT(slot < 0);
            slot = number;
        }
        return numbers;
    }();
    const int number = byLastBits[name.unicode() & 0xF];
    if (number < 0 || name != names[number].at(0))
        return -1;
    return number == 7 && !firstDay ? 0 : number;
}
