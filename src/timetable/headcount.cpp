// SPDX-License-Identifier: GPL-3.0-or-later

#include "headcount.h"

#include "number.h"

#include <algorithm>
#include <climits>

namespace {

bool isZeros(const QStringRef &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit() && c.digitValue() == 0; });
}

} // namespace

// Read in one pass, without pieces: a count may be megabytes of commas.
HeadCount readShownNumber(const QStringRef &text, int *value)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const int start = negative || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    const int point = text.indexOf(QLatin1Char('.'), start);
    if (point >= 0 && (point + 1 == text.size() || !isZeros(text.mid(point + 1))))
        return HeadCount::NotWhole;

    const qint64 limit = negative ? -qint64(INT_MIN) : qint64(INT_MAX);
    qint64 magnitude = 0;
    bool tooLarge = false;
    bool grouped = false;
    int digitsInGroup = 0;
    const int end = point < 0 ? text.size() : point;
    for (int i = start; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',')) {
            if (digitsInGroup == 0 || digitsInGroup > 3 || (grouped && digitsInGroup != 3))
                return HeadCount::NotWhole;
            grouped = true;
            digitsInGroup = 0;
        } else if (c.isDigit()) {
            ++digitsInGroup;
            if (!tooLarge) {
                magnitude = magnitude * 10 + c.digitValue();
                tooLarge = magnitude > limit;
            }
        } else {
            return HeadCount::NotWhole;
        }
    }
    if (digitsInGroup == 0 || (grouped && digitsInGroup != 3))
        return HeadCount::NotWhole;
    if (tooLarge)
        return HeadCount::TooLarge;
    *value = int(negative ? -magnitude : magnitude);
    return HeadCount::Read;
}

HeadCount readHeadCount(const QStringRef &line, int *students)
{
    bool isInteger = false;
    *students = readNumber(line, &isInteger);
    if (isInteger)
        return HeadCount::Read;
    *students = 0;
    const QStringRef text = line.trimmed();
    return text.isEmpty() ? HeadCount::Blank : readShownNumber(text, students);
}
