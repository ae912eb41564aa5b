// SPDX-License-Identifier: GPL-3.0-or-later

#include "termgrid.h"
#include "testentries.h"

#include <QtTest>

class TestTermGrid : public QObject
{
    Q_OBJECT

private slots:
    void peakLine_data();
    void peakLine();
    void selectedCells_data();
    void selectedCells();
};

void TestTermGrid::peakLine_data()
{
    QTest::addColumn<QList<ClassEntry>>("entries");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("line");

    QTest::newRow("one class") << QList<ClassEntry>{makeEntry(3, 5, 2, 9, 40)} << 9
                               << QStringLiteral("下午第9节人数最多：第3周 星期二，40 人");
    QTest::newRow("two classes add up")
            << QList<ClassEntry>{makeEntry(1, 8, 1, 4, 30), makeEntry(7, 7, 3, 4, 1204),
                                 makeEntry(7, 7, 3, 4, 30)}
            << 4 << QStringLiteral("上午第4节人数最多：第7周 星期三，1234 人");
    QTest::newRow("tie between weeks: the earliest week")
            << QList<ClassEntry>{makeEntry(9, 12, 1, 12, 50), makeEntry(4, 4, 6, 12, 50)} << 12
            << QStringLiteral("晚上第12节人数最多：第4周 星期六，50 人");
    QTest::newRow("tie within a week: the earliest weekday")
            << QList<ClassEntry>{makeEntry(2, 2, 7, 5, 25), makeEntry(2, 2, 4, 5, 25)} << 5
            << QStringLiteral("上午第5节人数最多：第2周 星期四，25 人");
    QTest::newRow("the fullest cell in the last week")
            << QList<ClassEntry>{makeEntry(1, 28, 1, 4, 50), makeEntry(29, 29, 3, 4, 60)} << 4
            << QStringLiteral("上午第4节人数最多：第29周 星期三，60 人");
    QTest::newRow("other periods do not count")
            << QList<ClassEntry>{makeEntry(1, 1, 1, 11, 99), makeEntry(5, 5, 5, 10, 300)} << 11
            << QStringLiteral("晚上第11节人数最多：第1周 星期一，99 人");
    QTest::newRow("no class at all") << QList<ClassEntry>() << 4
                                     << QStringLiteral("上午第4节整个学期都没有学生上课");
    QTest::newRow("classes in other periods only")
            << QList<ClassEntry>{makeEntry(1, 29, 1, 4, 99)} << 12
            << QStringLiteral("晚上第12节整个学期都没有学生上课");
    QTest::newRow("negative and zero head counts only")
            << QList<ClassEntry>{makeEntry(1, 3, 1, 9, -5), makeEntry(2, 2, 2, 9, 0)} << 9
            << QStringLiteral("下午第9节整个学期都没有学生上课");
}

void TestTermGrid::peakLine()
{
    QFETCH(QList<ClassEntry>, entries);
    QFETCH(int, period);
    QFETCH(QString, line);

    const TermTotals term = termTotals(entries, true);
    QCOMPARE(::peakLine(peakOf(term, period, lastTeachingWeek), period, true), line);
}

void TestTermGrid::selectedCells_data()
{
    QTest::addColumn<QList<int>>("weeks");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QString>("text");

    QTest::newRow("one cell") << QList<int>{7} << QList<int>{2}
                              << QStringLiteral("周数\t星期三\n第7周\t1234\n");
    QTest::newRow("a block") << QList<int>{6, 7, 8} << QList<int>{0, 1, 2}
                             << QStringLiteral("周数\t星期一\t星期二\t星期三\n"
                                               "第6周\t30\t0\t0\n第7周\t30\t0\t1234\n第8周\t30\t0\t0\n");
    QTest::newRow("weeks and weekdays apart") << QList<int>{1, 29} << QList<int>{0, 6}
                                              << QStringLiteral("周数\t星期一\t星期日\n"
                                                                "第1周\t30\t0\n第29周\t0\t-3\n");
}

// Monday 30 students in weeks 1 to 8, Wednesday of week 7 1234, Sunday of
// week 29 -3: all in period 4.
void TestTermGrid::selectedCells()
{
    QFETCH(QList<int>, weeks);
    QFETCH(QList<int>, columns);
    QFETCH(QString, text);

    const TermTotals term = termTotals({makeEntry(1, 8, 1, 4, 30), makeEntry(7, 7, 3, 4, 1234),
                                        makeEntry(29, 29, 7, 4, -3), makeEntry(7, 7, 3, 5, 8)},
                                       true);
    QCOMPARE(gridText(term, 4, true, weeks, columns), text);
}

QTEST_GUILESS_MAIN(TestTermGrid)
#include "tst_termgrid.moc"
