// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NUMBER_H
#define NUMBER_H

#include <QString>
#include <QStringRef>

#include <algorithm>

// An integer as QString::toInt reads it in base 10, except that the decimal
// digits of any script count by their value: "\d" in the grammar also takes
// the full-width "１" of some course lists, so they are read as numbers, not
// as 0. *ok (when given) tells whether the text was a whole integer in range.
// Inline: the parser reads several numbers per item.
inline int readNumber(const QStringRef &text, bool *ok = nullptr)
{
    const auto isNonAsciiDigit = [](QChar c) { return c.unicode() > 0x7f && c.isDigit(); };
    if (std::none_of(text.cbegin(), text.cend(), isNonAsciiDigit))
        return text.toInt(ok);
    QString ascii = text.toString();
    for (QChar &c : ascii) {
        if (isNonAsciiDigit(c))
            c = QLatin1Char(char('0' + c.digitValue()));
    }
    return ascii.toInt(ok);
}

#endif // NUMBER_H
