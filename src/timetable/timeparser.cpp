// SPDX-License-Identifier: GPL-3.0-or-later

#include "timeparser.h"

#include "headcount.h"
#include "number.h"
#include "tolerantitem.h"
#include "weekdays.h"
#include "wellformeditem.h"

#include <QDebug>
#include <QRegExp>

#include <algorithm>

namespace {

// Markers may stand anywhere in an item; every occurrence is dropped before
// the item is matched against the grammar.
bool takeMarkers(QString &item, const QStringList &markers)
{
    bool found = false;
    for (const QString &marker : markers) {
        if (item.contains(marker)) {
            found = true;
            item.remove(marker);
        }
    }
    return found;
}

// Capture `nth` of the last match of `form`, which ends where `terminator`,
// the text that follows it in the pattern and that it cannot hold, begins.
// Unlike cap(), this copies no text.
QStringRef captured(const QString &item, const QRegExp &form, int nth, QChar terminator)
{
    const int start = form.pos(nth);
    return QStringRef(&item).mid(start, item.indexOf(terminator, start) - start);
}

// The two forms of an item, week range and single week. Built once: building
// a pattern costs more than matching it. Per thread, as a pattern object
// keeps the captures of its last match.
struct Grammar
{
    QRegExp weekRange{QStringLiteral("周(.)第?([\\d,-]+)节\\{第?(\\d+)-(\\d+)周\\}")};
    QRegExp singleWeek{QStringLiteral("周(.)第?([\\d,-]+)节\\{第?(\\d+)周\\}")};
};

Grammar &grammar()
{
    thread_local Grammar forms;
    return forms;
}

// Whether either form could match: both begin with 周 and any character,
// and the rest of each is made of digits and these few characters only. A
// text that fails this fails both forms, which cost a reading of the whole
// item each to try.
bool mayMatch(const QString &item)
{
    if (!item.startsWith(QChar(u'周')) || !item.endsWith(QStringLiteral("周}")))
        return false;
    static const QString grammarText = QStringLiteral("第节{}周,-");
    return std::all_of(item.cbegin() + 2, item.cend(),
                       [](QChar c) { return c.isDigit() || grammarText.contains(c); });
}

// The grammar's reading of an item, which it rewrites on the way: 星期 as 周
// and the markers taken out.
ClassEntry parseItem(QString &item, int students, bool firstDay, bool *matched)
{
    ClassEntry entry;
    entry.students = students;

    // Most items hold neither "星期" nor a marker; looking for one character
    // is much cheaper than looking for each text.
    if (item.contains(QChar(u'星')))
        item.replace(QStringLiteral("星期"), QStringLiteral("周"));
    static const QStringList evenMarkers{QStringLiteral("|双周"), QStringLiteral("(双)"),
                                         QStringLiteral("（双）")};
    static const QStringList oddMarkers{QStringLiteral("|单周"), QStringLiteral("(单)"),
                                        QStringLiteral("（单）")};
    if (item.contains(QChar(u'双')))
        entry.evenWeeksOnly = takeMarkers(item, evenMarkers);
    if (item.contains(QChar(u'单')))
        entry.oddWeeksOnly = takeMarkers(item, oddMarkers);

    if (!mayMatch(item)) {
        *matched = false;
        return entry;
    }
    Grammar &forms = grammar();
    const bool isRange = forms.weekRange.exactMatch(item);
    if (!isRange && !forms.singleWeek.exactMatch(item)) {
        *matched = false;
        return entry;
    }

    const QRegExp &form = isRange ? forms.weekRange : forms.singleWeek;
    entry.day = dayIndex(item.at(form.pos(1)), firstDay);
    readPeriods(captured(item, form, 2, QChar(u'节')), &entry.firstPeriod, &entry.lastPeriod);
    if (isRange) {
        entry.weekFrom = readNumber(captured(item, form, 3, QLatin1Char('-')));
        entry.weekTo = readNumber(captured(item, form, 4, QChar(u'周')));
    } else {
        entry.weekFrom = entry.weekTo = readNumber(captured(item, form, 3, QChar(u'周')));
    }
    *matched = true;
    return entry;
}

void logUnread(const QString &rewrittenItem)
{
    qDebug() << "无法正则匹配时间：" << rewrittenItem;
}

// Appends the entries of an item that is not well formed: the grammar's,
// or where the grammar leaves it unread, the tolerant reading's. An item
// that neither reads is logged as the grammar rewrote it and gives one entry
// in no week. Returns whether the item was read.
template <typename Entries>
bool appendItem(const QStringRef &item, int students, bool firstDay, Entries &entries)
{
    const QString typed = item.toString();
    QString rewritten = typed;
    bool matched = false;
    const ClassEntry entry = parseItem(rewritten, students, firstDay, &matched);
    if (!matched) {
        const QList<ClassEntry> read = readTolerantItem(typed, students, firstDay);
        if (!read.isEmpty()) {
            for (const ClassEntry &part : read)
                entries.append(part);
            return true;
        }
        logUnread(rewritten);
    }
    entries.append(entry);
    return matched;
}

bool startsWeekday(const QChar *text, int size, int at)
{
    return at < size
            && (text[at] == QChar(u'周')
                || (text[at] == QChar(u'星') && at + 1 < size && text[at + 1] == QChar(u'期')));
}

// Where the item that begins at `start` ends: at the first ";" or "；", or
// after a "}" that white space and then 周 or 星期 follow, as a spreadsheet
// joins the lines of a cell and as people type who forget the ";".
// *next is where the next item begins: the white space belongs to neither.
// Read through a plain pointer: every character of the text passes here.
int itemEnd(const QStringRef &line, int start, int *next)
{
    const QChar *const text = line.unicode();
    const int size = line.size();
    for (int i = start; i < size; ++i) {
        const QChar c = text[i];
        // Most characters are digits, commas or Chinese, below and between
        // the four looked for.
        if (c < QLatin1Char(';') || (c > QLatin1Char('}') && c < QChar(u'；')))
            continue;
        if (c == QLatin1Char(';') || c == QChar(u'；')) {
            *next = i + 1;
            return i;
        }
        if (c == QLatin1Char('}') || c == QChar(u'｝')) {
            int after = i + 1;
            while (after < size && text[after].isSpace())
                ++after;
            if (startsWeekday(text, size, after)) {
                *next = after;
                return i + 1;
            }
        }
    }
    *next = -1;
    return size;
}

// Whether itemEnd would end at `end` the item that a well-formed item read
// there begins, and where the next begins. Such an item holds no ";" or
// "；", and its one "}" closes its weeks, with nothing or marks after it: so
// itemEnd ends it at the first of these that follows, as long as nothing
// else came between.
bool endsItem(const QStringRef &line, int end, int *next)
{
    const QChar *const text = line.unicode();
    const int size = line.size();
    if (end == size) {
        *next = -1;
        return true;
    }
    if (text[end] == QLatin1Char(';') || text[end] == QChar(u'；')) {
        *next = end + 1;
        return true;
    }
    if (text[end - 1] != QLatin1Char('}'))
        return false;
    int after = end;
    while (after < size && text[after].isSpace())
        ++after;
    if (!startsWeekday(text, size, after))
        return false;
    *next = after;
    return true;
}

bool isBlank(const QStringRef &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
}

// Appends the entries of one course line to `entries`, naming what does not
// count as typed: class times first, in order, then the head count.
template <typename Entries>
void appendCourse(const BoxLineView &time, const BoxLineView &count, bool firstDay,
                  Entries &entries, const UncountedItemHandler &uncounted)
{
    int students = 0;
    const HeadCount headCount = readHeadCount(count.text, &students);
    bool hasClassTime = false;
    bool hasReadTime = false;
    // Item by item, without a list of them: lines are many and mostly short.
    for (int start = 0, next = 0; start >= 0; start = next) {
        // The bounds are known good: no need for mid(), which is not inline.
        const QStringRef rest(time.text.string(), time.text.position() + start,
                              time.text.size() - start);
        // The common item is read where it stands, before its end is known:
        // one pass over it, not two.
        ClassEntry common;
        const int length = readWellFormedItem(rest, students, firstDay, &common);
        const bool wellFormed = length >= 0 && endsItem(time.text, start + length, &next);
        const QStringRef item(rest.string(), rest.position(),
                              wellFormed ? length : itemEnd(time.text, start, &next) - start);
        const int first = entries.size();
        if (wellFormed)
            entries.append(common);
        const bool read = wellFormed || appendItem(item, students, firstDay, entries);
        // A trailing ";" or an empty line leaves a blank item: not worth a
        // word. An item read is never blank.
        if (!uncounted || (!read && isBlank(item)))
            continue;
        hasClassTime = true;
        const ClassEntry &entry = entries.constLast();
        // An unknown weekday ("周天") fits the grammar but counts on no day.
        if (!read || entry.day < 0)
            uncounted({time.line, item.toString(), UncountedItem::UnreadTime});
        else if (!std::all_of(entries.cbegin() + first, entries.cend(), takesPlaceInTerm))
            uncounted({time.line, item.toString(), UncountedItem::NoTeachingWeek});
        hasReadTime = hasReadTime || (read && entry.day >= 0);
    }
    if (!uncounted)
        return;
    if (headCount == HeadCount::NotWhole)
        uncounted({count.line, count.text.toString(), UncountedItem::UnreadHeadCount});
    else if (headCount == HeadCount::TooLarge)
        uncounted({count.line, count.text.toString(), UncountedItem::HeadCountTooLarge});
    // Below a merged cell, a spreadsheet copies blanks: say that they are 0.
    else if (headCount == HeadCount::Blank && hasReadTime)
        uncounted({count.line, count.text.toString(), UncountedItem::BlankHeadCount});
    if (!hasClassTime && students != 0)
        uncounted({count.line, count.text.toString(), UncountedItem::NoClassTime});
}

// Course lines already listed, taken as a BoxLineReader takes them from a
// text, so that both kinds of input go through one loop.
class ListedLines
{
public:
    explicit ListedLines(const QList<BoxLine> &lines) : lines(&lines) {}

    bool atEnd() const { return next >= lines->size(); }

    // The next line, or an empty line below the last.
    BoxLineView take()
    {
        if (atEnd())
            return {QStringRef(), below++};
        const BoxLine &line = lines->at(next++);
        below = line.line + line.lines;
        return {QStringRef(&line.text), line.line, QStringRef(&line.text)};
    }

private:
    const QList<BoxLine> *lines;
    int next = 0;
    int below = 1;
};

// The loop over the course lines: the time lines decide how many there are.
template <typename Lines, typename Entries>
void readCourses(Lines times, Lines counts, Entries &entries, bool firstDay,
                 const UncountedItemHandler &uncounted, const CourseLineHandler &lineRead)
{
    while (!times.atEnd()) {
        const BoxLineView time = times.take();
        const BoxLineView count = counts.take();
        appendCourse(time, count, firstDay, entries, uncounted);
        if (lineRead)
            lineRead(time, count);
    }
}

} // namespace

int firstLineOfTrimmed(const QString &text)
{
    int line = 1;
    for (QChar c : text) {
        if (!c.isSpace())
            break;
        if (c == QLatin1Char('\n'))
            ++line;
    }
    return line;
}

ClassEntry parseTimeItem(QString item, const QString &headCountLine, bool firstDay,
                         bool *matched)
{
    int students = 0;
    readHeadCount(QStringRef(&headCountLine), &students);
    bool itemMatched = false;
    const ClassEntry entry = parseItem(item, students, firstDay, &itemMatched);
    if (!itemMatched)
        logUnread(item);
    if (matched)
        *matched = itemMatched;
    return entry;
}

QList<ClassEntry> parseTimeLine(const QString &line, const QString &headCountLine,
                                bool firstDay)
{
    QList<ClassEntry> entries;
    appendCourse({QStringRef(&line)}, {QStringRef(&headCountLine)}, firstDay, entries,
                 UncountedItemHandler());
    return entries;
}

void buildEntries(const QList<BoxLine> &timeLines, const QList<BoxLine> &headCountLines,
                  QList<ClassEntry> &entries, bool firstDay, const UncountedItemHandler &uncounted)
{
    entries.clear();
    readCourses(ListedLines(timeLines), ListedLines(headCountLines), entries, firstDay, uncounted,
                CourseLineHandler());
}

void buildEntriesLineByLine(const QString &timeText, const QString &countText,
                            QVector<ClassEntry> &entries, bool firstDay,
                            const UncountedItemHandler &uncounted, FirstLines firstLines,
                            const CourseLineHandler &lineRead)
{
    entries.clear();
    readCourses(BoxLineReader(timeText, Column::ClassTimes, firstLines.time),
                BoxLineReader(countText, Column::HeadCounts, firstLines.headCount), entries, firstDay,
                uncounted, lineRead);
}
