#include "timeparser.h"

#include "weekdays.h"

#include <QDebug>
#include <QRegExp>

#include <algorithm>
#include <utility>

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

bool isNonAsciiDigit(QChar c)
{
    return c.unicode() > 0x7f && c.isDigit();
}

// "\d" in the grammar also takes the digits of other scripts, such as the
// full-width "１" of some course lists; they are read by their value, not as 0.
int readNumber(const QStringRef &text)
{
    if (std::none_of(text.cbegin(), text.cend(), isNonAsciiDigit))
        return text.toInt();
    QString ascii = text.toString();
    for (QChar &c : ascii) {
        if (isNonAsciiDigit(c))
            c = QLatin1Char(char('0' + c.digitValue()));
    }
    return ascii.toInt();
}

bool isPeriodSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('-');
}

// Only the first and the last number of a period list are read: "1,3,5"
// gives 1 and 5, "1-4" gives 1 and 4.
void readPeriods(const QStringRef &periods, ClassEntry &entry)
{
    const auto firstEnd = std::find_if(periods.cbegin(), periods.cend(), isPeriodSeparator);
    if (firstEnd == periods.cend()) {
        entry.firstPeriod = entry.lastPeriod = readNumber(periods);
        return;
    }
    const auto lastStart = std::find_if(periods.crbegin(), periods.crend(), isPeriodSeparator).base();
    entry.firstPeriod = readNumber(periods.left(int(firstEnd - periods.cbegin())));
    entry.lastPeriod = readNumber(periods.mid(int(lastStart - periods.cbegin())));
}

// Capture `nth` of the last match of `form`, which ends where `terminator`,
// the text that follows it in the pattern and that it cannot hold, begins.
// Unlike cap(), this copies no text.
QStringRef captured(const QString &item, const QRegExp &form, int nth, QChar terminator)
{
    const int start = form.pos(nth);
    return item.midRef(start, item.indexOf(terminator, start) - start);
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

ClassEntry parseItem(QString item, int students, bool firstDay, bool *matched)
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

    Grammar &forms = grammar();
    const bool isRange = forms.weekRange.exactMatch(item);
    if (!isRange && !forms.singleWeek.exactMatch(item)) {
        qDebug() << "无法正则匹配时间：" << item;
        *matched = false;
        return entry;
    }

    const QRegExp &form = isRange ? forms.weekRange : forms.singleWeek;
    entry.day = dayIndex(item.mid(form.pos(1), 1), firstDay);
    readPeriods(captured(item, form, 2, QChar(u'节')), entry);
    if (isRange) {
        entry.weekFrom = readNumber(captured(item, form, 3, QLatin1Char('-')));
        entry.weekTo = readNumber(captured(item, form, 4, QChar(u'周')));
    } else {
        entry.weekFrom = entry.weekTo = readNumber(captured(item, form, 3, QChar(u'周')));
    }
    *matched = true;
    return entry;
}

// Appends the entries of one line to entries, without a list of its own.
void appendLine(const QString &line, const QString &headCountLine, bool firstDay,
                QList<ClassEntry> &entries, QStringList *rejected)
{
    const int students = readNumber(QStringRef(&headCountLine));
    const QStringList items = line.split(QLatin1Char(';'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    for (const QString &item : items) {
        bool matched = false;
        entries.append(parseItem(item, students, firstDay, &matched));
        // An unknown weekday ("周天") fits the grammar but counts on no day.
        const bool unread = !matched || entries.constLast().day < 0;
        // A trailing ";" or an empty line leaves a blank item: not worth a word.
        if (unread && rejected && !item.trimmed().isEmpty())
            rejected->append(item);
    }
}

} // namespace

QStringList splitLines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

ClassEntry parseTimeItem(QString item, const QString &headCountLine, bool firstDay,
                         bool *matched)
{
    bool itemMatched = false;
    const ClassEntry entry = parseItem(std::move(item), readNumber(QStringRef(&headCountLine)),
                                       firstDay, &itemMatched);
    if (matched)
        *matched = itemMatched;
    return entry;
}

QList<ClassEntry> parseTimeLine(const QString &line, const QString &headCountLine,
                                bool firstDay, QStringList *rejected)
{
    QList<ClassEntry> entries;
    appendLine(line, headCountLine, firstDay, entries, rejected);
    return entries;
}

void buildEntries(const QStringList &timeLines, const QStringList &headCountLines,
                  QList<ClassEntry> &entries, bool firstDay, QList<RejectedItem> *rejected)
{
    entries.clear();
    QStringList unread;
    for (int i = 0; i < timeLines.size(); ++i) {
        const QString headCount = i < headCountLines.size() ? headCountLines.at(i) : QString();
        appendLine(timeLines.at(i), headCount, firstDay, entries, rejected ? &unread : nullptr);
        for (const QString &item : qAsConst(unread))
            rejected->append({i + 1, item});
        unread.clear();
    }
}
