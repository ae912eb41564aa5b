// SPDX-License-Identifier: GPL-3.0-or-later

#include "weekdays.h"

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

int dayIndex(QChar name, bool firstDay)
{
    if (!firstDay && name == names[0].at(0))
        return 0;
    for (int number = 1; number <= 7; ++number) {
        if (name == names[number].at(0))
            return number;
    }
    return -1;
}
