// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as the two pasted files, through the
// whole core, with checks that a fault in any part would break.
//
// The input is the class-time file, a NUL byte, then the head-count file;
// without a NUL byte the head-count file is empty. Any further NUL byte is
// part of the head-count file, which the decoder must then refuse.

#include "pastedtext.h"
#include "count.h"
#include "countchange.h"
#include "reporttext.h"
#include "termgrid.h"
#include "timeparser.h"
#include "tolerantitem.h"
#include "weekdays.h"
#include "wellformeditem.h"

#include <QByteArray>
#include <QRegExp>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextCodec>
#include <QVector>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr bool mondayFirst = true;

void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// Every unread class time would be logged; that is only noise here.
void dropDebugMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Whatever the UTF-8 codec reads strictly is read as that codec reads it:
// the same text sent as UTF-16 reads the same.
void checkUtf8Reading(const QByteArray &bytes, const QString &text, int firstLine)
{
    QTextCodec::ConverterState state;
    const QString strict = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || state.invalidChars != 0
        || state.remainingChars != 0)
        return;
    QByteArray utf16("\xFF\xFE");
    for (QChar c : strict)
        utf16.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    QString problem;
    int utf16FirstLine = 0;
    check(pastedText(utf16, &problem, &utf16FirstLine) == text && utf16FirstLine == firstLine,
          "UTF-8 is read as the codec reads it strictly");
}

QString decoded(const QByteArray &bytes, int *firstLine)
{
    QString problem;
    const QString text = pastedText(bytes, &problem, firstLine);
    checkUtf8Reading(bytes, text, *firstLine);
    check(*firstLine >= 1, "a text begins on line 1 or later");
    check(problem.isEmpty() || text.isEmpty(), "a file that is no text gives no text");
    check(text == text.trimmed(), "pasted text is trimmed");
    check(!text.contains(QLatin1Char('\r')) && !text.contains(QChar(u'\0')),
          "pasted text holds no carriage return and no NUL");
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else
            check(!text.at(i).isSurrogate(), "pasted text pairs every surrogate");
    }
    return text;
}

// A number as the parser reads it: decimal digits of any script by value.
int plainNumber(QString text)
{
    for (QChar &c : text) {
        if (c.isDigit())
            c = QLatin1Char(char('0' + c.digitValue()));
    }
    return text.toInt();
}

// A head count the plain way: trimmed, an integer or a whole number as a
// spreadsheet shows it ("1,500.00"), matched by a pattern.
int plainHeadCount(const QString &line, bool *named, UncountedItem::Kind *kind)
{
    *named = false;
    const QString text = line.trimmed();
    if (text.isEmpty())
        return 0;
    QRegExp form(QStringLiteral("([+\\x2212-]?)(\\d+|\\d{1,3}(,\\d{3})+)(\\.(\\d+))?"));
    *named = true;
    *kind = UncountedItem::UnreadHeadCount;
    if (!form.exactMatch(text))
        return 0;
    // toInt also takes the minus sign U+2212, the shown form does not.
    const bool minusSign = form.cap(1) == QChar(0x2212);
    if (minusSign && (!form.cap(3).isEmpty() || !form.cap(4).isEmpty()))
        return 0;
    for (QChar c : form.cap(5)) {
        if (c.digitValue() != 0)
            return 0;
    }
    QString digits = form.cap(2).remove(QLatin1Char(','));
    for (QChar &c : digits)
        c = QLatin1Char(char('0' + c.digitValue()));
    bool inRange = false;
    const qint64 value = ((minusSign ? QStringLiteral("-") : form.cap(1)) + digits).toLongLong(&inRange);
    if (minusSign && value < INT_MIN)
        return 0;
    if (!inRange || value < INT_MIN || value > INT_MAX) {
        *kind = UncountedItem::HeadCountTooLarge;
        return 0;
    }
    *named = false;
    return int(value);
}

// Whether the entry, made to count, counts in any teaching week.
bool countsInSomeWeek(ClassEntry entry)
{
    entry.lastPeriod = 4;
    entry.students = 1;
    const TermTotals term = termTotals({entry}, mondayFirst);
    for (const auto &week : term) {
        for (const PeriodTotals &totals : week) {
            if (totals.period4 > 0)
                return true;
        }
    }
    return false;
}

// An item read the plain way: new pattern objects, every capture copied out,
// the period list split by a pattern. The parser's faster reading must agree.
ClassEntry plainReading(QString item, int students, bool *matched)
{
    *matched = false;
    ClassEntry entry;
    entry.students = students;
    item.replace(QStringLiteral("星期"), QStringLiteral("周"));
    for (const char16_t *marker : {u"|双周", u"(双)", u"（双）"}) {
        if (item.contains(QString::fromUtf16(marker))) {
            entry.evenWeeksOnly = true;
            item.remove(QString::fromUtf16(marker));
        }
    }
    for (const char16_t *marker : {u"|单周", u"(单)", u"（单）"}) {
        if (item.contains(QString::fromUtf16(marker))) {
            entry.oddWeeksOnly = true;
            item.remove(QString::fromUtf16(marker));
        }
    }
    QRegExp form(QStringLiteral("周(.)第?([\\d,-]+)节\\{第?(\\d+)-(\\d+)周\\}"));
    const bool isRange = form.exactMatch(item);
    if (!isRange) {
        form.setPattern(QStringLiteral("周(.)第?([\\d,-]+)节\\{第?(\\d+)周\\}"));
        if (!form.exactMatch(item))
            return entry;
    }
    *matched = true;
    entry.day = dayIndex(form.cap(1), mondayFirst);
    const QStringList periods = form.cap(2).split(QRegularExpression(QStringLiteral("[,-]")));
    entry.firstPeriod = plainNumber(periods.first());
    entry.lastPeriod = plainNumber(periods.last());
    entry.weekFrom = plainNumber(form.cap(3));
    entry.weekTo = isRange ? plainNumber(form.cap(4)) : entry.weekFrom;
    return entry;
}

// The items of a line the plain way: split at both semicolons, then after
// every "}" that white space and the next weekday follow.
QStringList plainItems(const QString &line)
{
    QStringList items;
    const QRegExp itemEnd(QStringLiteral("[}｝]\\s*(?=周|星期)"));
    for (QString piece : line.split(QRegularExpression(QStringLiteral("[;；]")))) {
        for (int end = itemEnd.indexIn(piece); end >= 0; end = itemEnd.indexIn(piece)) {
            items.append(piece.left(end + 1));
            piece.remove(0, end + itemEnd.matchedLength());
        }
        items.append(piece);
    }
    return items;
}

bool operator==(const ClassEntry &a, const ClassEntry &b)
{
    return a.weekFrom == b.weekFrom && a.weekTo == b.weekTo && a.day == b.day
            && a.firstPeriod == b.firstPeriod && a.lastPeriod == b.lastPeriod
            && a.evenWeeksOnly == b.evenWeeksOnly && a.oddWeeksOnly == b.oddWeeksOnly
            && a.students == b.students;
}

// The well-formed reading leaves an item to the grammar, or reads it, or the
// item it begins with, on either first weekday, exactly as the grammar does.
void checkWellFormedReading(const QString &item, const QString &countLine, int students)
{
    for (bool firstDay : {true, false}) {
        ClassEntry read;
        const int length = readWellFormedItem(QStringRef(&item), students, firstDay, &read);
        if (length < 0)
            continue;
        bool matched = false;
        check(read == parseTimeItem(item.left(length), countLine, firstDay, &matched) && matched,
              "a well-formed item is read as the grammar reads it");
    }
}

QList<BoxLine> checkedBoxLines(const QString &text, Column column, int firstLine)
{
    const QList<BoxLine> lines = boxLines(text, column, firstLine);
    check(boxLineCount(text) == lines.size(), "the line counts are those of the box lines");
    int below = firstLine;
    for (const BoxLine &line : lines) {
        check(line.line >= below && !line.text.contains(QLatin1Char('\n')), "a box line is one line, below the last");
        below = line.line + 1;
    }
    check(linesWithTabs(text) <= text.count(QLatin1Char('\n')) + 1, "no more lines with tabs than lines");
    return lines;
}

void checkEntries(const QList<BoxLine> &timeLines, const QList<BoxLine> &countLines,
                  const QList<ClassEntry> &entries, const QList<UncountedItem> &uncounted)
{
    int index = 0;
    QList<UncountedItem> expected;
    int belowCounts = 1;
    for (int line = 0; line < timeLines.size(); ++line) {
        const QStringList items = plainItems(timeLines.at(line).text);
        const QString countLine = line < countLines.size() ? countLines.at(line).text : QString();
        bool countNamed = false;
        UncountedItem::Kind countKind = UncountedItem::UnreadHeadCount;
        const int students = plainHeadCount(countLine, &countNamed, &countKind);
        const int timeLine = timeLines.at(line).line;
        const int headCountLine = line < countLines.size() ? countLines.at(line).line : belowCounts;
        // Below a spreadsheet cell of several lines, the next line is below all of them.
        belowCounts = headCountLine + (line < countLines.size() ? countLines.at(line).lines : 1);
        bool allBlank = true;
        bool anyRead = false;
        checkWellFormedReading(timeLines.at(line).text, countLine, students);
        for (const QString &item : items) {
            checkWellFormedReading(item, countLine, students);
            bool matched = false;
            const ClassEntry plain = plainReading(item, students, &matched);
            // The tolerant reading is only asked about items the grammar
            // leaves unread: an item the grammar reads gives its one entry,
            // exactly as with the grammar alone.
            const QList<ClassEntry> read = matched ? QList<ClassEntry>{plain}
                                                   : readTolerantItem(item, students, mondayFirst);
            for (const ClassEntry &entry : read.isEmpty() ? QList<ClassEntry>{plain} : read) {
                check(index < entries.size(), "one entry per item of every line, or per part of its weeks");
                check(entries.at(index) == entry,
                      "every item is read as the plain reading reads it, or else as the tolerant reading");
                check(entry.day >= -1 && entry.day <= 7, "a weekday is -1 or 0 to 7");
                check(entry.students == students, "every entry carries the head count of its line");
                ++index;
            }
            // Items that count nowhere are named, unless they are blank.
            if (!item.trimmed().isEmpty()) {
                allBlank = false;
                const bool itemRead = !read.isEmpty() && read.first().day >= 0;
                anyRead = anyRead || itemRead;
                if (!itemRead)
                    expected.append({timeLine, item, UncountedItem::UnreadTime});
                else if (!std::all_of(read.cbegin(), read.cend(), countsInSomeWeek))
                    expected.append({timeLine, item, UncountedItem::NoTeachingWeek});
            }
        }
        if (countNamed)
            expected.append({headCountLine, countLine, countKind});
        else if (countLine.trimmed().isEmpty() && anyRead)
            expected.append({headCountLine, countLine, UncountedItem::BlankHeadCount});
        if (allBlank && students != 0)
            expected.append({headCountLine, countLine, UncountedItem::NoClassTime});
    }
    check(index == entries.size(), "one entry per item of every line, no more");
    check(expected == uncounted, "the uncounted items are named by their line, kind and as typed");
}

// The labels of every row, made once: the checks allocate as little as
// possible, so that the fuzzer spends its time in the code under test.
struct Labels
{
    Labels()
    {
        for (int week = 1; week <= lastTeachingWeek; ++week)
            weeks[week - 1] = QStringLiteral("第%1周").arg(week);
        for (int d = 0; d < 7; ++d)
            days[d] = QStringLiteral("星期") + dayName(mondayFirst + d);
    }
    QString weeks[lastTeachingWeek];
    QString days[7];
};

bool holdsNumber(const QStringRef &field, qint64 value)
{
    char digits[24];
    std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
    return field == QLatin1String(digits);
}

bool isRow(const QStringRef &line, int week, int d, const PeriodTotals &totals)
{
    static const Labels labels;
    const QVector<QStringRef> fields = line.split(QLatin1Char('\t'));
    return fields.size() == 7 && fields.at(0) == labels.weeks[week - 1]
            && fields.at(1) == labels.days[d] && holdsNumber(fields.at(2), totals.period4)
            && holdsNumber(fields.at(3), totals.period5) && holdsNumber(fields.at(4), totals.period9)
            && holdsNumber(fields.at(5), totals.period11)
            && holdsNumber(fields.at(6), totals.period12);
}

bool operator==(const TermTotals &a, const TermTotals &b)
{
    for (int week = 0; week < lastTeachingWeek; ++week) {
        for (int d = 0; d < 7; ++d) {
            if (a[week][d] != b[week][d])
                return false;
        }
    }
    return true;
}

// The command-line tool adds up the term line by line, without the entries.
void checkLineByLine(const QString &timeText, const QString &countText, FirstLines firstLines,
                     const QList<ClassEntry> &entries, const QList<UncountedItem> &uncounted)
{
    QList<UncountedItem> named;
    const auto collect = [&](const UncountedItem &item) { named.append(item); };
    check(termOfTexts(timeText, countText, mondayFirst, collect, firstLines)
                  == termTotals(entries, mondayFirst),
          "the term added up line by line is the same");
    check(named == uncounted, "line by line, the same items are named");
}

void checkNotice(const QList<UncountedItem> &uncounted, const TabbedLines &tabbed)
{
    const UncountedTally counts = tally(uncounted);
    int total = 0;
    for (int count : counts)
        total += count;
    check(total == uncounted.size(), "the heading counts every item once");
    const QString heading = uncountedHeading(counts, tabbed);
    check(uncounted.isEmpty() || heading.endsWith(QStringLiteral("：")), "a heading over items ends in a colon");
    check(heading.isEmpty() == (uncounted.isEmpty() && tabbed.time == 0 && tabbed.headCount == 0),
          "a heading exactly when there is something to say");
    for (const UncountedItem &item : uncounted) {
        const QString line = uncountedLine(item);
        check(line.startsWith(QStringLiteral("第%1行：").arg(item.line)), "an item is named by its line");
        check(pairsSurrogates(line), "a shortened item keeps whole characters");
    }
}

void checkTable(const TermTotals &term)
{
    const QString table = termTableText(term, mondayFirst);
    check(table.endsWith(QLatin1Char('\n')), "the table ends with a line feed");
    QVector<QStringRef> lines = QStringRef(&table).split(QLatin1Char('\n'));
    lines.removeLast();
    const int weeks = (lines.size() - 1) / 7;
    check(lines.size() == 1 + 7 * weeks, "the table has a header and seven rows a week");
    check(weeks >= 19 && weeks <= lastTeachingWeek, "the table ends between week 19 and 29");
    check(lines.first() == QStringLiteral("周数\t星期\t上午4\t上午5\t下午9\t晚上11\t晚上12"),
          "the table's header");

    bool lastWeekEmpty = true;
    for (int week = 1; week <= weeks; ++week) {
        for (int d = 0; d < 7; ++d) {
            const PeriodTotals &totals = term[week - 1][d];
            check(isRow(lines.at(1 + 7 * (week - 1) + d), week, d, totals),
                  "seven fields a row: its week, its weekday and the totals of both");
            if (week == weeks && !isEmpty(totals))
                lastWeekEmpty = false;
        }
    }
    check(weeks == lastTeachingWeek || lastWeekEmpty,
          "a table that ends before week 29 ends with an empty week");
}

// Each period's grid holds the weeks of the table and that period's column
// of every one of its rows.
void checkGrids(const TermTotals &term)
{
    const int weeks = lastTableWeek(term);
    for (int period : reportedPeriods) {
        const QString grid = gridText(term, period, mondayFirst);
        QVector<QStringRef> lines = QStringRef(&grid).split(QLatin1Char('\n'));
        check(lines.takeLast().isEmpty(), "the grid ends with a line feed");
        check(lines.size() == 1 + weeks, "the grid has a header and the weeks of the table");
        for (int week = 1; week < lines.size(); ++week) {
            const QVector<QStringRef> fields = lines.at(week).split(QLatin1Char('\t'));
            check(fields.size() == 8, "a week and seven weekdays a row");
            for (int d = 0; d < 7 && d + 1 < fields.size(); ++d)
                check(holdsNumber(fields.at(d + 1), studentsIn(term[week - 1][d], period)),
                      "the grid holds the period's totals");
        }
        const Peak peak = peakOf(term, period, weeks);
        check(peak.week == 0 || studentsIn(term[peak.week - 1][peak.column], period) == peak.students,
              "the peak is a cell of the grid");
    }
}

// One result view; which one depends on the input.
void checkView(const TermTotals &term, int week, int day)
{
    const PeriodTotals &totals = term[week - 1][day - mondayFirst];
    const QStringList view = viewParagraphs(week, day, totals);
    check(view.size() == 6, "the result view has six paragraphs");
    check(view.last() == QStringLiteral("晚上第12节：%1 人").arg(totals.period12),
          "the view's last paragraph holds period 12");
}

// Against the same texts with the first class-time line taken out, which
// moves every head count up a line: in every cell, the changed courses add
// up to the change, each of them in one count only.
void checkChange(const QString &timeText, const QString &countText, FirstLines firstLines)
{
    const Count count = countOfTexts(timeText, countText, mondayFirst, firstLines);
    const int secondLine = timeText.indexOf(QLatin1Char('\n')) + 1;
    const Count other = countOfTexts(secondLine > 0 ? timeText.mid(secondLine) : QString(), countText,
                                     mondayFirst, firstLines);
    const CountChange change(count, QString(), other, QString());
    for (int week = 1; week <= lastTeachingWeek; ++week) {
        for (int column = 0; column < 7; ++column) {
            for (int period : reportedPeriods) {
                qint64 sum = 0;
                for (const ChangedCourse &course : change.inCell(week, column, period)) {
                    check((course.course < 0) != (course.otherCourse < 0), "a changed course is in one count");
                    sum += course.change;
                }
                check(sum == studentsIn(change.term()[week - 1][column], period),
                      "a cell's changed courses add up to its change");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QtMessageHandler previousHandler = qInstallMessageHandler(dropDebugMessages);
    Q_UNUSED(previousHandler)

    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     int(size));
    const int separator = bytes.indexOf('\0');
    FirstLines firstLines;
    const QString timeText = decoded(separator < 0 ? bytes : bytes.left(separator), &firstLines.time);
    const QString countText = decoded(separator < 0 ? QByteArray() : bytes.mid(separator + 1),
                                      &firstLines.headCount);

    const QList<BoxLine> timeLines = checkedBoxLines(timeText, Column::ClassTimes, firstLines.time);
    const QList<BoxLine> countLines = checkedBoxLines(countText, Column::HeadCounts, firstLines.headCount);
    QList<ClassEntry> entries;
    QList<UncountedItem> uncounted;
    buildEntries(timeLines, countLines, entries, mondayFirst,
                 [&](const UncountedItem &item) { uncounted.append(item); });
    checkEntries(timeLines, countLines, entries, uncounted);
    const TermTotals term = termTotals(entries, mondayFirst);
    checkTable(term);
    checkGrids(term);
    checkLineByLine(timeText, countText, firstLines, entries, uncounted);
    checkView(term, 1 + int(size % lastTeachingWeek), mondayFirst + int(size % 7));
    checkNotice(uncounted, tabbedLines(timeText, countText));
    checkChange(timeText, countText, firstLines);
    return 0;
}
