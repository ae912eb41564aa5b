// SPDX-License-Identifier: GPL-3.0-or-later

#include "reporttext.h"
#include "tabletext.h"
#include "testentries.h"
#include "testtotals.h"

#include <QtTest>

#include <climits>

namespace {

QList<int> weeks(int from, int to)
{
    QList<int> list;
    for (int week = from; week <= to; ++week)
        list.append(week);
    return list;
}

// A class every week from `from` to `to`: Monday, period 4, 10 students.
QList<ClassEntry> mondayClass(int from, int to)
{
    return {makeEntry(from, to, 1, 4, 10)};
}

QStringList mondayRows(int from, int to)
{
    QStringList rows;
    for (int week = from; week <= to; ++week)
        rows.append(QStringLiteral("第%1周\t星期一\t10\t0\t0\t0\t0").arg(week));
    return rows;
}

} // namespace

class TestReportText : public QObject
{
    Q_OBJECT

private slots:
    void viewParagraphs_data();
    void viewParagraphs();
    void lastTableWeek_data();
    void lastTableWeek();
    void termTableText_data();
    void termTableText();
    void uncountedLine_data();
    void uncountedLine();
    void uncountedHeading_data();
    void uncountedHeading();
};

void TestReportText::viewParagraphs_data()
{
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("day");
    QTest::addColumn<PeriodTotals>("totals");
    QTest::addColumn<QStringList>("paragraphs");

    QTest::newRow("week 3, Tuesday")
            << 3 << 2 << totals(30, 0, 0, 55, 0)
            << QStringList{QStringLiteral("第3周 星期二：\n"), QStringLiteral("上午第 4节：30 人\n"),
                           QStringLiteral("上午第 5节：0 人\n"), QStringLiteral("下午第 9节：0 人\n"),
                           QStringLiteral("晚上第11节：55 人\n"), QStringLiteral("晚上第12节：0 人")};
    QTest::newRow("week 29, Sunday as 7")
            << 29 << 7 << PeriodTotals()
            << QStringList{QStringLiteral("第29周 星期日：\n"), QStringLiteral("上午第 4节：0 人\n"),
                           QStringLiteral("上午第 5节：0 人\n"), QStringLiteral("下午第 9节：0 人\n"),
                           QStringLiteral("晚上第11节：0 人\n"), QStringLiteral("晚上第12节：0 人")};
    QTest::newRow("week 1, Sunday as 0")
            << 1 << 0 << totals(1, 2, 3, 4, 5)
            << QStringList{QStringLiteral("第1周 星期日：\n"), QStringLiteral("上午第 4节：1 人\n"),
                           QStringLiteral("上午第 5节：2 人\n"), QStringLiteral("下午第 9节：3 人\n"),
                           QStringLiteral("晚上第11节：4 人\n"), QStringLiteral("晚上第12节：5 人")};
    QTest::newRow("negative and 64-bit sums")
            << 12 << 5 << totals(-5, Q_INT64_C(4294967294), 0, Q_INT64_C(-4294967296), 100)
            << QStringList{QStringLiteral("第12周 星期五：\n"), QStringLiteral("上午第 4节：-5 人\n"),
                           QStringLiteral("上午第 5节：4294967294 人\n"), QStringLiteral("下午第 9节：0 人\n"),
                           QStringLiteral("晚上第11节：-4294967296 人\n"), QStringLiteral("晚上第12节：100 人")};
}

void TestReportText::viewParagraphs()
{
    QFETCH(int, week);
    QFETCH(int, day);
    QFETCH(PeriodTotals, totals);
    QFETCH(QStringList, paragraphs);

    QCOMPARE(::viewParagraphs(week, day, totals), paragraphs);
}

void TestReportText::lastTableWeek_data()
{
    QTest::addColumn<QList<int>>("busyWeeks");
    QTest::addColumn<int>("column"); // the weekday column holding the classes
    QTest::addColumn<qint64>("students");
    QTest::addColumn<int>("lastWeek");

    QTest::newRow("no classes") << QList<int>() << 0 << qint64(1) << 19;
    QTest::newRow("week 3 only") << QList<int>{3} << 0 << qint64(1) << 19;
    QTest::newRow("weeks 1 to 16") << weeks(1, 16) << 0 << qint64(1) << 19;
    QTest::newRow("weeks 1 to 18") << weeks(1, 18) << 0 << qint64(1) << 19;
    QTest::newRow("week 19 only") << QList<int>{19} << 0 << qint64(1) << 20;
    QTest::newRow("week 20 only") << QList<int>{20} << 0 << qint64(1) << 21;
    QTest::newRow("weeks 1 to 22") << weeks(1, 22) << 0 << qint64(1) << 23;
    QTest::newRow("weeks 1 to 8 and 20 to 25") << weeks(1, 8) + weeks(20, 25) << 0 << qint64(1) << 26;
    QTest::newRow("weeks 1 to 8 and 20 to 25 on Sunday") << weeks(1, 8) + weeks(20, 25) << 6 << qint64(1) << 26;
    QTest::newRow("weeks 20 and 27") << QList<int>{20, 27} << 3 << qint64(1) << 28;
    QTest::newRow("weeks 1 to 28") << weeks(1, 28) << 0 << qint64(1) << 29;
    QTest::newRow("week 29 only") << QList<int>{29} << 0 << qint64(1) << 29;
    QTest::newRow("weeks 20 and 29") << QList<int>{20, 29} << 0 << qint64(1) << 29;
    QTest::newRow("every week") << weeks(1, 29) << 0 << qint64(1) << 29;
    QTest::newRow("a negative total is not empty") << QList<int>{25} << 2 << qint64(-3) << 26;
}

void TestReportText::lastTableWeek()
{
    QFETCH(QList<int>, busyWeeks);
    QFETCH(int, column);
    QFETCH(qint64, students);
    QFETCH(int, lastWeek);

    TermTotals term{};
    for (int week : busyWeeks)
        term[week - 1][column].period9 = students;
    QCOMPARE(::lastTableWeek(term), lastWeek);
}

void TestReportText::termTableText_data()
{
    QTest::addColumn<QList<ClassEntry>>("entries");
    QTest::addColumn<bool>("firstDay");
    QTest::addColumn<int>("lastWeek");
    QTest::addColumn<QStringList>("busyRows");

    QTest::newRow("no entries") << QList<ClassEntry>() << true << 19 << QStringList();
    QTest::newRow("classes in weeks 1 to 16") << mondayClass(1, 16) << true << 19 << mondayRows(1, 16);
    QTest::newRow("classes in weeks 1 to 22") << mondayClass(1, 22) << true << 23 << mondayRows(1, 22);
    QTest::newRow("classes in weeks 1 to 8 and 20 to 25")
            << mondayClass(1, 8) + mondayClass(20, 25) << true << 26 << mondayRows(1, 8) + mondayRows(20, 25);
    QTest::newRow("a class in every week") << mondayClass(1, 29) << true << 29 << mondayRows(1, 29);
    QTest::newRow("a week of nothing that counts")
            << mondayClass(1, 20) + QList<ClassEntry>{makeEntry(21, 21, 2, 4, 0), makeEntry(21, 21, 3, 3, 40)}
            << true << 21 << mondayRows(1, 20);
    QTest::newRow("one busy weekday keeps a week")
            << mondayClass(1, 20) + QList<ClassEntry>{makeEntry(21, 21, 7, 12, 6)} << true << 22
            << mondayRows(1, 20) + QStringList{QStringLiteral("第21周\t星期日\t0\t0\t0\t0\t6")};

    ClassEntry evenMondays = makeEntry(2, 8, 1, 4, 20, true, false);
    evenMondays.firstPeriod = 3;
    QTest::newRow("even weeks only")
            << QList<ClassEntry>{evenMondays} << true << 19
            << QStringList{QStringLiteral("第2周\t星期一\t20\t0\t0\t0\t0"), QStringLiteral("第4周\t星期一\t20\t0\t0\t0\t0"),
                           QStringLiteral("第6周\t星期一\t20\t0\t0\t0\t0"), QStringLiteral("第8周\t星期一\t20\t0\t0\t0\t0")};
    QTest::newRow("64-bit sum")
            << QList<ClassEntry>{makeEntry(1, 1, 5, 11, INT_MAX), makeEntry(1, 1, 5, 11, INT_MAX)} << true << 19
            << QStringList{QStringLiteral("第1周\t星期五\t0\t0\t0\t4294967294\t0")};
    QTest::newRow("negative sum")
            << QList<ClassEntry>{makeEntry(24, 24, 1, 9, -3)} << true << 25
            << QStringList{QStringLiteral("第24周\t星期一\t0\t0\t-3\t0\t0")};
    QTest::newRow("Sunday first")
            << QList<ClassEntry>{makeEntry(1, 1, 0, 5, 7), makeEntry(2, 2, 6, 12, 8), makeEntry(2, 2, 7, 12, 9)}
            << false << 19
            << QStringList{QStringLiteral("第1周\t星期日\t0\t7\t0\t0\t0"), QStringLiteral("第2周\t星期六\t0\t0\t0\t0\t8")};
}

void TestReportText::termTableText()
{
    QFETCH(QList<ClassEntry>, entries);
    QFETCH(bool, firstDay);
    QFETCH(int, lastWeek);
    QFETCH(QStringList, busyRows);

    const QString table = ::termTableText(::termTotals(entries, firstDay), firstDay);
    const QString problem = tableProblem(table, lastWeek, firstDay, busyRows);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(::lastTableWeek(::termTotals(entries, firstDay)), lastWeek);
}

void TestReportText::uncountedLine_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("named");

    const int unread = UncountedItem::UnreadTime;
    QTest::newRow("unread class time") << 2 << QStringLiteral("周八第1节") << unread << QStringLiteral("第2行：周八第1节");
    QTest::newRow("spaces kept") << 12 << QStringLiteral(" 周三第4节{第1周} ") << unread
                                 << QStringLiteral("第12行： 周三第4节{第1周} ");
    QTest::newRow("percent signs kept") << 3 << QStringLiteral("周%1第%2节") << unread << QStringLiteral("第3行：周%1第%2节");
    QTest::newRow("no teaching week") << 1 << QStringLiteral("周一第4节{第8-2周}") << int(UncountedItem::NoTeachingWeek)
                                      << QStringLiteral("第1行：周一第4节{第8-2周}（不在第 1–29 周内）");
    QTest::newRow("head count not an integer") << 4 << QStringLiteral("35人") << int(UncountedItem::UnreadHeadCount)
                                               << QStringLiteral("第4行：人数“35人”不是整数，按 0 人计");
    QTest::newRow("head count too large") << 7 << QStringLiteral("3000000000") << int(UncountedItem::HeadCountTooLarge)
                                          << QStringLiteral("第7行：人数“3000000000”超出范围，按 0 人计");
    QTest::newRow("no class time") << 4 << QStringLiteral(" 40 ") << int(UncountedItem::NoClassTime)
                                   << QStringLiteral("第4行：没有上课时间，40 人未计入");
    QTest::newRow("blank head count") << 9 << QStringLiteral(" ") << int(UncountedItem::BlankHeadCount)
                                      << QStringLiteral("第9行：人数为空，按 0 人计");

    // Long texts are cut after 60 UTF-16 units, or 59 where the 60th would
    // be the first half of a surrogate pair.
    const QString item = QStringLiteral("周一第1节{第1周}；");
    QTest::newRow("long item") << 4 << item.repeated(20) << unread
                               << QStringLiteral("第4行：") + item.repeated(20).left(60) + QStringLiteral("…");
    QTest::newRow("60 units kept whole") << 4 << QString(60, QLatin1Char('x')) << unread
                                       << QStringLiteral("第4行：") + QString(60, QLatin1Char('x'));
    const QString pair = QStringLiteral("\U00020000");
    QTest::newRow("surrogate pair across the cut") << 5 << QString(59, QLatin1Char('x')) + pair + pair << unread
                                                   << QStringLiteral("第5行：") + QString(59, QLatin1Char('x')) + QStringLiteral("…");
    QTest::newRow("surrogate pair before the cut") << 5 << QString(58, QLatin1Char('x')) + pair + pair << unread
                                                   << QStringLiteral("第5行：") + QString(58, QLatin1Char('x')) + pair
                    + QStringLiteral("…");
    QTest::newRow("long head count") << 6 << QString(100, QLatin1Char('9')) << int(UncountedItem::HeadCountTooLarge)
                                     << QStringLiteral("第6行：人数“") + QString(60, QLatin1Char('9'))
                    + QStringLiteral("…”超出范围，按 0 人计");
}

void TestReportText::uncountedLine()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, named);

    QCOMPARE(::uncountedLine({line, text, UncountedItem::Kind(kind)}), named);
}

void TestReportText::uncountedHeading_data()
{
    QTest::addColumn<QList<int>>("kinds"); // of the items, in order
    QTest::addColumn<int>("tabbedTimes"); // lines with tabs in each box
    QTest::addColumn<int>("tabbedCounts");
    QTest::addColumn<QString>("heading");

    const int unread = UncountedItem::UnreadTime;
    QTest::newRow("one unread class time") << QList<int>{unread} << 0 << 0
                                           << QStringLiteral("有 1 项上课时间无法识别，未计入统计：");
    QTest::newRow("every kind, in a fixed order")
            << QList<int>{UncountedItem::NoClassTime, UncountedItem::BlankHeadCount, UncountedItem::HeadCountTooLarge,
                          UncountedItem::UnreadHeadCount, UncountedItem::UnreadHeadCount, UncountedItem::NoTeachingWeek,
                          unread, unread, unread} << 0 << 0
            << QStringLiteral("有 3 项上课时间无法识别，未计入统计；1 项上课时间不在第 1–29 周内，未计入统计；"
                              "2 行人数不是整数，按 0 人计；1 行人数超出范围，按 0 人计；1 行人数为空，按 0 人计；"
                              "1 行没有上课时间，人数未计入：");
    QTest::newRow("head counts only") << QList<int>{UncountedItem::UnreadHeadCount} << 0 << 0
                                      << QStringLiteral("有 1 行人数不是整数，按 0 人计：");
    QTest::newRow("tabs in the class times, said above the counts")
            << QList<int>{unread, unread} << 2 << 0
            << QStringLiteral("上课时间有 2 行含有制表符，可能复制了多列：请只复制“上课时间”一列。\n"
                              "有 2 项上课时间无法识别，未计入统计：");
    QTest::newRow("tabs in both boxes, nothing uncounted")
            << QList<int>() << 1 << 3
            << QStringLiteral("上课时间有 1 行含有制表符，可能复制了多列：请只复制“上课时间”一列。\n"
                              "上课人数有 3 行含有制表符，可能复制了多列：请只复制“上课人数”一列。");
}

void TestReportText::uncountedHeading()
{
    QFETCH(QList<int>, kinds);
    QFETCH(int, tabbedTimes);
    QFETCH(int, tabbedCounts);
    QFETCH(QString, heading);

    QList<UncountedItem> items;
    for (int kind : kinds)
        items.append({1, QStringLiteral("x"), UncountedItem::Kind(kind)});
    QCOMPARE(::uncountedHeading(tally(items), TabbedLines{tabbedTimes, tabbedCounts}), heading);
}

QTEST_APPLESS_MAIN(TestReportText)
#include "tst_reporttext.moc"
