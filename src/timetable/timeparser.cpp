#include "timeparser.h"

#include "weekdays.h"

#include <QDebug>
#include <QRegExp>

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

// Only the first and the last number of a period list are read: "1,3,5"
// gives 1 and 5, "1-4" gives 1 and 4.
void readPeriods(const QString &periods, ClassEntry &entry)
{
    const QRegExp separator(QStringLiteral("[,-]"));
    const int firstEnd = periods.indexOf(separator);
    if (firstEnd < 0) {
        entry.firstPeriod = entry.lastPeriod = periods.toInt();
        return;
    }
    entry.firstPeriod = periods.left(firstEnd).toInt();
    entry.lastPeriod = periods.mid(periods.lastIndexOf(separator) + 1).toInt();
}

} // namespace

QStringList splitLines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

ClassEntry parseTimeItem(QString item, const QString &headCountLine, bool firstDay,
                         bool *matched)
{
    ClassEntry entry;
    entry.students = headCountLine.toInt();

    item.replace(QStringLiteral("星期"), QStringLiteral("周"));
    static const QStringList evenMarkers{QStringLiteral("|双周"), QStringLiteral("(双)"),
                                         QStringLiteral("（双）")};
    static const QStringList oddMarkers{QStringLiteral("|单周"), QStringLiteral("(单)"),
                                        QStringLiteral("（单）")};
    entry.evenWeeksOnly = takeMarkers(item, evenMarkers);
    entry.oddWeeksOnly = takeMarkers(item, oddMarkers);

    QRegExp grammar(QStringLiteral("周(.)第?([\\d,-]+)节\\{第?(\\d+)-(\\d+)周\\}"));
    bool isRange = grammar.exactMatch(item);
    if (!isRange) {
        grammar.setPattern(QStringLiteral("周(.)第?([\\d,-]+)节\\{第?(\\d+)周\\}"));
        if (!grammar.exactMatch(item)) {
            qDebug() << "无法正则匹配时间：" << item;
            if (matched)
                *matched = false;
            return entry;
        }
    }

    entry.day = dayIndex(grammar.cap(1), firstDay);
    readPeriods(grammar.cap(2), entry);
    entry.weekFrom = grammar.cap(3).toInt();
    entry.weekTo = isRange ? grammar.cap(4).toInt() : entry.weekFrom;
    if (matched)
        *matched = true;
    return entry;
}

QList<ClassEntry> parseTimeLine(const QString &line, const QString &headCountLine,
                                bool firstDay, QStringList *rejected)
{
    QList<ClassEntry> entries;
    const QStringList items = line.split(QLatin1Char(';'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    entries.reserve(items.size());
    for (const QString &item : items) {
        bool matched = false;
        entries.append(parseTimeItem(item, headCountLine, firstDay, &matched));
        // A trailing ";" or an empty line leaves a blank item: not worth a word.
        if (!matched && rejected && !item.trimmed().isEmpty())
            rejected->append(item);
    }
    return entries;
}

void buildEntries(const QStringList &timeLines, const QStringList &headCountLines,
                  QList<ClassEntry> &entries, bool firstDay, QList<RejectedItem> *rejected)
{
    entries.clear();
    QStringList unread;
    for (int i = 0; i < timeLines.size(); ++i) {
        const QString headCount = i < headCountLines.size() ? headCountLines.at(i) : QString();
        entries.append(parseTimeLine(timeLines.at(i), headCount, firstDay,
                                     rejected ? &unread : nullptr));
        for (const QString &item : qAsConst(unread))
            rejected->append({i + 1, item});
        unread.clear();
    }
}
