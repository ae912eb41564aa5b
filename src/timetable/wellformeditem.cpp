// SPDX-License-Identifier: GPL-3.0-or-later

#include "wellformeditem.h"

#include "number.h"
#include "weekdays.h"

#include <algorithm>
#include <iterator>

namespace {

// The odd/even marks that the grammar takes out of an item before it
// matches it. Each is three characters long and begins with "|", "(" or
// "（", which begins no other text of the grammar.
struct Mark
{
    char16_t text[3];
    bool even;
};

constexpr Mark marks[] = {
    {{u'|', u'双', u'周'}, true}, {{u'(', u'双', u')'}, true}, {{u'（', u'双', u'）'}, true},
    {{u'|', u'单', u'周'}, false}, {{u'(', u'单', u')'}, false}, {{u'（', u'单', u'）'}, false},
};

bool isPeriodSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('-');
}

// The characters of an item as the grammar matches them: the marks skipped
// wherever they stand between two of the grammar's elements, and noted.
//
// Why that is the grammar's own rewrite: the reading below takes every
// character that is no mark as one of the grammar's, and none of those is
// "|", "(", "（" or 星 (the weekday, which may be any character, is none of
// these either). So in an item it reads, every "|", "(" and "（" begins a
// mark that it skipped, and no other text is a mark; taking out one kind of
// mark makes no new mark of another kind, and the only 星期 is the leading
// one, which is read as it is written, both characters together. What the
// grammar matches is then the item without the marks it skipped, and it
// flags exactly the kinds of mark skipped.
class ItemReader
{
public:
    explicit ItemReader(const QStringRef &text)
        : begin(text.unicode())
        , at(begin)
        , end(at + text.size())
    {
    }

    bool evenWeeks = false;
    bool oddWeeks = false;

    // How far the item and the marks right after it reach.
    int length()
    {
        skipMarks();
        return int(at - begin);
    }

    // The next character, unread.
    QChar peek()
    {
        skipMarks();
        return at < end ? *at : QChar();
    }

    // Reads the next character when it is c. No mark begins with c: marks
    // need skipping only where c does not come next.
    bool take(QChar c)
    {
        if (!startsWith(c))
            skipMarks();
        if (!startsWith(c))
            return false;
        ++at;
        return true;
    }

    // 周, or 星期, which the grammar reads as 周.
    bool takeWeekWord()
    {
        if (take(QChar(u'周')))
            return true;
        if (end - at < 2 || at[0] != QChar(u'星') || at[1] != QChar(u'期'))
            return false;
        at += 2;
        return true;
    }

    // The weekday: any one character except one that may begin a mark or
    // 星期, and half a pair (which the grammar would not read as one).
    bool takeWeekday(QChar *day)
    {
        *day = peek();
        if (at == end || day->isSurrogate() || *day == QChar(u'星') || *day == QLatin1Char('|')
            || *day == QLatin1Char('(') || *day == QChar(u'（'))
            return false;
        ++at;
        return true;
    }

    // One or more ASCII digits, as "\d+" and then toInt read them.
    bool takeNumber(int *value)
    {
        if (!startsWithDigit())
            skipMarks();
        const QChar *const from = at;
        while (at < end && isAsciiDigit(*at))
            ++at;
        return at != from && readAsciiDigits(from, at, value);
    }

    // "[\d,-]+" in ASCII: only its first and last piece are read.
    bool takePeriods(int *first, int *last)
    {
        if (!startsWithDigit())
            skipMarks();
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
        return at != periods && readAsciiDigits(periods, firstSeparator ? firstSeparator : at, first)
                && readAsciiDigits(lastPiece, at, last);
    }

private:
    bool startsWith(QChar c) const { return at < end && *at == c; }
    bool startsWithDigit() const { return at < end && isAsciiDigit(*at); }

    // Most characters begin no mark: one look at them is enough.
    Q_ALWAYS_INLINE void skipMarks()
    {
        while (at < end && (*at == QLatin1Char('|') || *at == QLatin1Char('(') || *at == QChar(u'（'))
               && skipMark()) {
        }
    }

    bool skipMark()
    {
        const auto mark = std::find_if(std::begin(marks), std::end(marks), [this](const Mark &m) {
            return end - at >= 3 && at[0] == QChar(m.text[0]) && at[1] == QChar(m.text[1])
                    && at[2] == QChar(m.text[2]);
        });
        if (mark == std::end(marks))
            return false;
        (mark->even ? evenWeeks : oddWeeks) = true;
        at += 3;
        return true;
    }

    const QChar *const begin;
    const QChar *at;
    const QChar *const end;
};

} // namespace

// The grammar, "周(.)第?([\d,-]+)节\{第?(\d+)(-(\d+))?周\}" as a whole, has one
// way to match: 第 is neither a digit nor a separator, and the period list
// ends at 节. Only the weekday is any character; every other one is fixed.
int readWellFormedItem(const QStringRef &line, int students, bool firstDay, ClassEntry *entry)
{
    ItemReader text(line);
    ClassEntry read;
    read.students = students;
    QChar day;
    if (!text.takeWeekWord() || !text.takeWeekday(&day))
        return -1;
    text.take(QChar(u'第'));
    if (!text.takePeriods(&read.firstPeriod, &read.lastPeriod) || !text.take(QChar(u'节'))
        || !text.take(QLatin1Char('{')))
        return -1;
    text.take(QChar(u'第'));
    if (!text.takeNumber(&read.weekFrom))
        return -1;
    read.weekTo = read.weekFrom;
    if (text.take(QLatin1Char('-')) && !text.takeNumber(&read.weekTo))
        return -1;
    if (!text.take(QChar(u'周')) || !text.take(QLatin1Char('}')))
        return -1;

    // The marks after the weeks count too.
    const int length = text.length();
    read.day = dayIndex(day, firstDay);
    read.evenWeeksOnly = text.evenWeeks;
    read.oddWeeksOnly = text.oddWeeks;
    *entry = read;
    return length;
}
