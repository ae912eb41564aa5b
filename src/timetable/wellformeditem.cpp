// SPDX-License-Identifier: GPL-3.0-or-later

#include "wellformeditem.h"

#include "number.h"
#include "weekdays.h"

namespace {

const QChar *skipDigits(const QChar *at, const QChar *end)
{
    while (at < end && isAsciiDigit(*at))
        ++at;
    return at;
}

bool isPeriodSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('-');
}

} // namespace

// The grammar, "周(.)第?([\d,-]+)节\{第?(\d+)(-(\d+))?周\}" as a whole, has one
// way to match: 第 is neither a digit nor a separator, and the period list
// ends at 节. Only the weekday is any character; every other one is fixed,
// so that 星, 单 and 双, which start a rewrite, can stand nowhere else.
bool readWellFormedItem(const QStringRef &item, int students, bool firstDay, ClassEntry *entry)
{
    const QChar *at = item.unicode();
    const QChar *const end = at + item.size();
    // The shortest is "周一1节{1周}".
    if (end - at < 8 || at[0] != QChar(u'周'))
        return false;
    const QChar day = at[1];
    if (day == QChar(u'星') || day == QChar(u'单') || day == QChar(u'双') || day.isSurrogate())
        return false;
    at += 2;
    if (*at == QChar(u'第'))
        ++at;

    // Only the first and the last piece of the period list are read.
    const QChar *const periods = at;
    const QChar *firstSeparator = nullptr;
    const QChar *lastPiece = periods;
    for (; at < end && (isAsciiDigit(*at) || isPeriodSeparator(*at)); ++at) {
        if (isAsciiDigit(*at))
            continue;
        if (!firstSeparator)
            firstSeparator = at;
        lastPiece = at + 1;
    }
    ClassEntry read;
    read.students = students;
    if (at == periods || at == end || *at != QChar(u'节')
        || !readAsciiDigits(periods, firstSeparator ? firstSeparator : at, &read.firstPeriod)
        || !readAsciiDigits(lastPiece, at, &read.lastPeriod))
        return false;
    ++at;

    if (at == end || *at != QLatin1Char('{'))
        return false;
    ++at;
    if (at < end && *at == QChar(u'第'))
        ++at;
    const QChar *const from = at;
    at = skipDigits(at, end);
    if (at == from || !readAsciiDigits(from, at, &read.weekFrom))
        return false;
    read.weekTo = read.weekFrom;
    if (at < end && *at == QLatin1Char('-')) {
        const QChar *const to = ++at;
        at = skipDigits(at, end);
        if (at == to || !readAsciiDigits(to, at, &read.weekTo))
            return false;
    }
    if (end - at != 2 || at[0] != QChar(u'周') || at[1] != QLatin1Char('}'))
        return false;

    read.day = dayIndex(day, firstDay);
    *entry = read;
    return true;
}
