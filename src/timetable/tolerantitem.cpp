// SPDX-License-Identifier: GPL-3.0-or-later

#include "tolerantitem.h"

#include "number.h"
#include "weekdays.h"

#include <QStringRef>
#include <QVarLengthArray>

#include <algorithm>
#include <array>

namespace {

enum Marks : quint8 { NoMark = 0, EvenWeeks = 1, OddWeeks = 2 };

struct Mark
{
    QString text;
    Marks weeks;
};

// Where two marks begin at the same place the longer comes first.
const std::array<Mark, 8> &allMarks()
{
    static const std::array<Mark, 8> marks{{
        {QStringLiteral("(单周)"), OddWeeks}, {QStringLiteral("(双周)"), EvenWeeks},
        {QStringLiteral("|单周"), OddWeeks}, {QStringLiteral("|双周"), EvenWeeks},
        {QStringLiteral("(单)"), OddWeeks}, {QStringLiteral("(双)"), EvenWeeks},
        {QStringLiteral("单周"), OddWeeks}, {QStringLiteral("双周"), EvenWeeks},
    }};
    return marks;
}
constexpr int longestMark = 4;

bool isListSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QChar(u'、');
}

bool isSpaceInPeriods(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(u'\u3000');
}

QString normalised(const QString &item)
{
    QString text = item.trimmed();
    if (text.contains(QChar(u'星')))
        text.replace(QStringLiteral("星期"), QStringLiteral("周"));
    static const QString wide = QStringLiteral("｛｝（），－｜");
    static const QString narrow = QStringLiteral("{}(),-|");
    // The wide forms are all at U+FF08 or above, where few characters are.
    for (QChar &c : text) {
        const int i = c.unicode() >= 0xFF08 ? wide.indexOf(c) : -1;
        if (i >= 0)
            c = narrow.at(i);
    }
    return text;
}

// The marks of the whole item and of each part of its week list.
struct FoundMarks
{
    quint8 item = NoMark;
    QVarLengthArray<quint8, 8> parts;

    void add(const QString &text, int at, Marks weeks)
    {
        const int open = text.lastIndexOf(QLatin1Char('{'), at);
        if (open < 0 || text.lastIndexOf(QLatin1Char('}'), at) > open) {
            item |= weeks;
            return;
        }
        const auto begin = text.cbegin() + open;
        const int part = int(std::count_if(begin, text.cbegin() + at, isListSeparator));
        while (parts.size() <= part)
            parts.append(NoMark);
        parts[part] |= weeks;
    }

    quint8 of(int part) const { return item | (part < parts.size() ? parts.at(part) : quint8(NoMark)); }
};

// Takes the marks out of `text`, one at a time, so that a mark that forms
// once another is out is taken too. A new mark can only form across the gap
// left by the last one, so the search goes on a mark's length before it.
FoundMarks takeMarks(QString &text)
{
    FoundMarks found;
    const std::array<Mark, 8> &marks = allMarks();
    for (int at = 0; at < text.size();) {
        // Every mark begins with one of these; most characters are none.
        const QChar c = text.at(at);
        if (c != QLatin1Char('(') && c != QLatin1Char('|') && c != QChar(u'单') && c != QChar(u'双')) {
            ++at;
            continue;
        }
        const QStringView rest = QStringView(text).mid(at);
        const auto mark = std::find_if(marks.cbegin(), marks.cend(), [&](const Mark &m) {
            return rest.size() >= m.text.size()
                    && std::equal(m.text.cbegin(), m.text.cend(), rest.cbegin());
        });
        if (mark == marks.cend()) {
            ++at;
            continue;
        }
        found.add(text, at, mark->weeks);
        text.remove(at, mark->text.size());
        at = std::max(0, at - longestMark);
    }
    return found;
}

// "第6 7节" and "第1、2节" as the grammar's "第6,7节" and "第1,2节".
bool readPeriodList(QStringRef list, ClassEntry &entry)
{
    while (!list.isEmpty() && isSpaceInPeriods(list.front()))
        list = list.mid(1);
    while (!list.isEmpty() && isSpaceInPeriods(list.back()))
        list.chop(1);
    if (list.isEmpty())
        return false;
    QString periods;
    for (int i = 0; i < list.size();) {
        const QChar c = list.at(i);
        if (c.isDigit() || c == QLatin1Char('-')) {
            periods += c;
            ++i;
            continue;
        }
        const int start = i;
        bool spaced = false;
        for (; i < list.size() && (isListSeparator(list.at(i)) || isSpaceInPeriods(list.at(i))); ++i)
            spaced = spaced || list.at(i) != QLatin1Char(',');
        if (i == start)
            return false;
        if (spaced)
            periods += QLatin1Char(',');
        else
            periods.append(list.mid(start, i - start));
    }
    readPeriods(QStringRef(&periods), &entry.firstPeriod, &entry.lastPeriod);
    return true;
}

// 周, the weekday, an optional 第, the period list and 节.
bool readHead(const QStringRef &head, bool firstDay, ClassEntry &entry)
{
    if (head.size() < 3 || head.at(0) != QChar(u'周') || !head.endsWith(QChar(u'节')))
        return false;
    entry.day = dayIndex(head.at(1), firstDay);
    QStringRef periods = head.mid(2, head.size() - 3);
    if (periods.startsWith(QChar(u'第')))
        periods = periods.mid(1);
    return readPeriodList(periods, entry);
}

int digitsAt(const QStringRef &text, int at)
{
    int end = at;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    return end - at;
}

// An optional 第, a week or a range of weeks, an optional 周; a "|" is
// ignored wherever it stands.
bool readWeeks(const QStringRef &written, bool last, ClassEntry &entry)
{
    QString withoutBars;
    QStringRef text = written;
    if (written.contains(QLatin1Char('|'))) {
        withoutBars = written.toString().remove(QLatin1Char('|'));
        text = QStringRef(&withoutBars);
    }
    text = text.trimmed();
    if (text.startsWith(QChar(u'第')))
        text = text.mid(1);
    const bool endsInWeek = text.endsWith(QChar(u'周'));
    if (endsInWeek)
        text.chop(1);
    else if (last)
        return false;
    const int from = digitsAt(text, 0);
    if (from == 0)
        return false;
    entry.weekFrom = entry.weekTo = readNumber(text.left(from));
    if (from == text.size())
        return true;
    const int to = digitsAt(text, from + 1);
    if (text.at(from) != QLatin1Char('-') || to == 0 || from + 1 + to != text.size())
        return false;
    entry.weekTo = readNumber(text.mid(from + 1, to));
    return true;
}

bool isBlank(const QStringRef &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
}

} // namespace

QList<ClassEntry> readTolerantItem(const QString &item, int students, bool firstDay)
{
    QString text = normalised(item);
    const FoundMarks found = takeMarks(text);

    const int open = text.indexOf(QLatin1Char('{'));
    const int close = text.indexOf(QLatin1Char('}'));
    if (open < 0 || close < open || text.count(QLatin1Char('{')) != 1
        || text.count(QLatin1Char('}')) != 1 || !isBlank(QStringRef(&text).mid(close + 1)))
        return {};

    ClassEntry course;
    course.students = students;
    if (!readHead(QStringRef(&text).left(open).trimmed(), firstDay, course))
        return {};

    QList<ClassEntry> entries;
    const QStringRef weekList(&text, open + 1, close - open - 1);
    int part = 0;
    int start = 0;
    for (;;) {
        const auto end = std::find_if(weekList.cbegin() + start, weekList.cend(), isListSeparator);
        const int length = int(end - weekList.cbegin()) - start;
        const bool last = end == weekList.cend();
        ClassEntry entry = course;
        if (!readWeeks(weekList.mid(start, length), last, entry))
            return {};
        const quint8 weeks = found.of(part++);
        entry.evenWeeksOnly = weeks & EvenWeeks;
        entry.oddWeeksOnly = weeks & OddWeeks;
        entries.append(entry);
        if (last)
            return entries;
        start += length + 1;
    }
}
