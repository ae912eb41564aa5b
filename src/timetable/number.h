// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NUMBER_H
#define NUMBER_H

#include <QString>
#include <QStringRef>
#include <QtGlobal>

#include <algorithm>

// Numbers as typed in class times and head counts.

inline bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The text from `from` to `to` as QString::toInt reads it where it is at
// most nine ASCII digits, which always fit an int: the empty text reads 0.
// Gives false, and reads nothing, for any other text.
inline bool readAsciiDigits(const QChar *from, const QChar *to, int *value)
{
    if (to - from > 9)
        return false;
    int number = 0;
    for (; from < to; ++from) {
        if (!isAsciiDigit(*from))
            return false;
        number = number * 10 + (from->unicode() - '0');
    }
    *value = number;
    return true;
}

// An integer as QString::toInt reads it in base 10, except that the decimal
// digits of any script count by their value: "\d" in the grammar also takes
// the full-width "１" of some course lists, so they are read as numbers, not
// as 0. The minus sign U+2212 is "-", as Qt 5's toInt reads it and Qt 6's
// no longer does. *ok (when given) tells whether the text was a whole
// integer in range.
// Always inline: as a call of its own it costs the parser of a long course
// list more in instruction-cache misses than in instructions.
Q_ALWAYS_INLINE int readNumber(const QStringRef &text, bool *ok = nullptr)
{
    // Most numbers are a few ASCII digits: toInt is slow to read them.
    int value = 0;
    if (!text.isEmpty() && readAsciiDigits(text.unicode(), text.unicode() + text.size(), &value)) {
        if (ok)
            *ok = true;
        return value;
    }
    const QChar minusSign(0x2212);
    const auto isNonAscii = [minusSign](QChar c) {
        return c.unicode() > 0x7f && (c.isDigit() || c == minusSign);
    };
    if (std::none_of(text.cbegin(), text.cend(), isNonAscii))
        return text.toInt(ok);
    QString ascii = text.toString();
    for (QChar &c : ascii) {
        if (c == minusSign)
            c = QLatin1Char('-');
        else if (isNonAscii(c))
            c = QLatin1Char(char('0' + c.digitValue()));
    }
    return ascii.toInt(ok);
}

// Only the first and the last number of a period list are read: "1,3,5"
// gives 1 and 5, "1-4" gives 1 and 4, "1," gives 1 and 0.
inline void readPeriods(const QStringRef &periods, int *first, int *last)
{
    const auto isSeparator = [](QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('-'); };
    const auto firstEnd = std::find_if(periods.cbegin(), periods.cend(), isSeparator);
    if (firstEnd == periods.cend()) {
        *first = *last = readNumber(periods);
        return;
    }
    const auto lastStart = std::find_if(periods.crbegin(), periods.crend(), isSeparator).base();
    *first = readNumber(periods.left(int(firstEnd - periods.cbegin())));
    *last = readNumber(periods.mid(int(lastStart - periods.cbegin())));
}

#endif // NUMBER_H
