// SPDX-License-Identifier: GPL-3.0-or-later

#include "reporttext.h"

#include "boxlines.h"
#include "weekdays.h"

#include <QStringBuilder>

namespace {

constexpr int alwaysExportedWeeks = 18;
constexpr int longestItemShown = 60;

QString number(qint64 value)
{
    return QString::number(value);
}

bool isEmptyWeek(const std::array<PeriodTotals, 7> &week)
{
    for (const PeriodTotals &totals : week) {
        if (!isEmpty(totals))
            return false;
    }
    return true;
}

// Cut between two characters, never between the halves of a surrogate pair.
QString shown(const QString &item)
{
    if (item.size() <= longestItemShown)
        return item;
    int cut = longestItemShown;
    if (item.at(cut - 1).isHighSurrogate() && item.at(cut).isLowSurrogate())
        --cut;
    return item.left(cut) + QStringLiteral("…");
}

} // namespace

QStringList viewParagraphs(int week, int day, const PeriodTotals &totals, TableCell::Kind numbers)
{
    const auto figure = [numbers](qint64 value) { return cellText(numberCell(value, numbers)); };
    return {
        QStringLiteral("第") + number(week) + QStringLiteral("周 星期") + dayName(day)
                + QStringLiteral("：\n"),
        QStringLiteral("上午第 4节：") + figure(totals.period4) + QStringLiteral(" 人\n"),
        QStringLiteral("上午第 5节：") + figure(totals.period5) + QStringLiteral(" 人\n"),
        QStringLiteral("下午第 9节：") + figure(totals.period9) + QStringLiteral(" 人\n"),
        QStringLiteral("晚上第11节：") + figure(totals.period11) + QStringLiteral(" 人\n"),
        QStringLiteral("晚上第12节：") + figure(totals.period12) + QStringLiteral(" 人"),
    };
}

int lastTableWeek(const TermTotals &term)
{
    int lastBusyWeek = 0;
    for (int week = 1; week <= lastTeachingWeek; ++week) {
        if (!isEmptyWeek(term[week - 1]))
            lastBusyWeek = week;
    }
    return qBound(alwaysExportedWeeks + 1, lastBusyWeek + 1, lastTeachingWeek);
}

Table termTable(const TermTotals &term, bool firstDay, int lastWeek, TableCell::Kind numbers)
{
    Table table{{QStringLiteral("周数"), QStringLiteral("星期"), QStringLiteral("上午4"),
                 QStringLiteral("上午5"), QStringLiteral("下午9"), QStringLiteral("晚上11"),
                 QStringLiteral("晚上12")},
                {}};
    // Each name made once and shared by its rows.
    std::array<TableCell, 7> dayCells;
    for (int d = 0; d < 7; ++d)
        dayCells[d] = textCell(QStringLiteral("星期") + dayName(firstDay + d));
    table.cells.reserve(7 * 7 * lastWeek);
    for (int week = 1; week <= lastWeek; ++week) {
        const TableCell weekLabel = textCell(QStringLiteral("第") + number(week) + QStringLiteral("周"));
        for (int d = 0; d < 7; ++d) {
            const PeriodTotals &totals = term[week - 1][d];
            table.addRow({weekLabel, dayCells[d],
                               numberCell(totals.period4, numbers), numberCell(totals.period5, numbers),
                               numberCell(totals.period9, numbers), numberCell(totals.period11, numbers),
                               numberCell(totals.period12, numbers)});
        }
    }
    return table;
}

QString termTableText(const TermTotals &term, bool firstDay)
{
    return tableText(termTable(term, firstDay, lastTableWeek(term)));
}

UncountedTally tally(const QList<UncountedItem> &items)
{
    UncountedTally counts{};
    for (const UncountedItem &item : items)
        ++counts[item.kind];
    return counts;
}

TabbedLines tabbedLines(const QString &timeText, const QString &countText)
{
    return {linesWithTabs(timeText), linesWithTabs(countText)};
}

QString severalColumnsText(const TabbedLines &lines)
{
    const auto sentence = [](const QString &column, int count) {
        return QStringLiteral("%1有 %2 行含有制表符，可能复制了多列：请只复制“%1”一列。")
                .arg(column, QString::number(count));
    };
    QStringList sentences;
    if (lines.time > 0)
        sentences.append(sentence(QStringLiteral("上课时间"), lines.time));
    if (lines.headCount > 0)
        sentences.append(sentence(QStringLiteral("上课人数"), lines.headCount));
    return sentences.join(QLatin1Char('\n'));
}

QString uncountedHeading(const UncountedTally &counts, const TabbedLines &tabbed)
{
    static const char16_t *const kinds[UncountedItem::kindCount] = {
        u"%1 项上课时间无法识别，未计入统计",
        u"%1 项上课时间不在第 1–29 周内，未计入统计",
        u"%1 行人数不是整数，按 0 人计",
        u"%1 行人数超出范围，按 0 人计",
        u"%1 行人数为空，按 0 人计",
        u"%1 行没有上课时间，人数未计入",
    };
    QStringList parts;
    for (int kind = 0; kind < UncountedItem::kindCount; ++kind) {
        if (counts[kind] > 0)
            parts.append(QString::fromUtf16(kinds[kind]).arg(counts[kind]));
    }
    QStringList lines{severalColumnsText(tabbed)};
    if (!parts.isEmpty())
        lines.append(QStringLiteral("有 ") + parts.join(QStringLiteral("；")) + QStringLiteral("："));
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

QString uncountedDescription(const UncountedItem &item)
{
    // A head count is named by its value: the spaces around it are no news.
    const QString text = shown(item.kind == UncountedItem::NoClassTime ? item.text.trimmed() : item.text);
    switch (item.kind) {
    case UncountedItem::UnreadTime:
        return text;
    case UncountedItem::NoTeachingWeek:
        return text % QStringLiteral("（不在第 1–29 周内）");
    case UncountedItem::UnreadHeadCount:
        return QStringLiteral("人数“") % text % QStringLiteral("”不是整数，按 0 人计");
    case UncountedItem::HeadCountTooLarge:
        return QStringLiteral("人数“") % text % QStringLiteral("”超出范围，按 0 人计");
    case UncountedItem::BlankHeadCount:
        return QStringLiteral("人数为空，按 0 人计");
    case UncountedItem::NoClassTime:
        return QStringLiteral("没有上课时间，") % text % QStringLiteral(" 人未计入");
    }
    return QString();
}

QString uncountedLine(const UncountedItem &item)
{
    return QStringLiteral("第") % number(item.line) % QStringLiteral("行：") % uncountedDescription(item);
}
