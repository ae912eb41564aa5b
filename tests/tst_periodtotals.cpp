// SPDX-License-Identifier: GPL-3.0-or-later

#include "periodtotals.h"
#include "testentries.h"
#include "testtotals.h"

#include <QtTest>

#include <climits>

// Found by QCOMPARE through argument-dependent lookup.
char *toString(const PeriodTotals &t)
{
    return QTest::toString(QStringLiteral("(%1, %2, %3, %4, %5)")
                                   .arg(t.period4)
                                   .arg(t.period5)
                                   .arg(t.period9)
                                   .arg(t.period11)
                                   .arg(t.period12));
}

class TestPeriodTotals : public QObject
{
    Q_OBJECT

private slots:
    void oneCell_data();
    void oneCell();
    void termTotals_data();
    void termTotals();
};

void TestPeriodTotals::oneCell_data()
{
    QTest::addColumn<QList<ClassEntry>>("entries");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("day");
    QTest::addColumn<PeriodTotals>("expected");

    const PeriodTotals none;
    QTest::newRow("no entries, week 1") << QList<ClassEntry>() << 1 << 1 << none;
    QTest::newRow("no entries, week 29") << QList<ClassEntry>() << 29 << 7 << none;

    // Monday, periods 3 and 4, weeks 1 to 8, 30 students.
    ClassEntry monday = makeEntry(1, 8, 1, 4, 30);
    monday.firstPeriod = 3;
    const QList<ClassEntry> mondays{monday};
    QTest::newRow("first week of the range") << mondays << 1 << 1 << totals(30, 0, 0, 0, 0);
    QTest::newRow("inside the range") << mondays << 5 << 1 << totals(30, 0, 0, 0, 0);
    QTest::newRow("last week of the range") << mondays << 8 << 1 << totals(30, 0, 0, 0, 0);
    QTest::newRow("after the range") << mondays << 9 << 1 << none;
    QTest::newRow("other weekday") << mondays << 1 << 2 << none;

    ClassEntry fourAndFive = makeEntry(1, 8, 1, 5, 30);
    fourAndFive.firstPeriod = 4;
    QTest::newRow("counted under the last period only")
            << QList<ClassEntry>{fourAndFive} << 3 << 1 << totals(0, 30, 0, 0, 0);
    QTest::newRow("each reported period")
            << QList<ClassEntry>{makeEntry(1, 1, 3, 4, 1), makeEntry(1, 1, 3, 5, 2), makeEntry(1, 1, 3, 9, 3),
                                 makeEntry(1, 1, 3, 11, 4), makeEntry(1, 1, 3, 12, 5)}
            << 1 << 3 << totals(1, 2, 3, 4, 5);
    QList<ClassEntry> unreported;
    for (int period : {INT_MIN, -4, 0, 1, 2, 3, 6, 7, 8, 10, 13, 14, INT_MAX})
        unreported.append(makeEntry(1, 29, 2, period, 50));
    QTest::newRow("other periods are not reported") << unreported << 4 << 2 << none;

    const QList<ClassEntry> even{makeEntry(2, 8, 4, 9, 35, true, false)};
    QTest::newRow("even weeks: week 2") << even << 2 << 4 << totals(0, 0, 35, 0, 0);
    QTest::newRow("even weeks: week 8") << even << 8 << 4 << totals(0, 0, 35, 0, 0);
    QTest::newRow("even weeks: week 3") << even << 3 << 4 << none;
    QTest::newRow("even weeks: week 7") << even << 7 << 4 << none;
    const QList<ClassEntry> odd{makeEntry(1, 7, 4, 11, 35, false, true)};
    QTest::newRow("odd weeks: week 1") << odd << 1 << 4 << totals(0, 0, 0, 35, 0);
    QTest::newRow("odd weeks: week 7") << odd << 7 << 4 << totals(0, 0, 0, 35, 0);
    QTest::newRow("odd weeks: week 6") << odd << 6 << 4 << none;
    const QList<ClassEntry> both{makeEntry(1, 29, 4, 11, 35, true, true)};
    QTest::newRow("both restrictions: week 2") << both << 2 << 4 << none;
    QTest::newRow("both restrictions: week 3") << both << 3 << 4 << none;

    const QList<ClassEntry> overlapping{makeEntry(1, 8, 1, 4, 20), makeEntry(5, 12, 1, 4, 35)};
    QTest::newRow("overlap adds up") << overlapping << 5 << 1 << totals(55, 0, 0, 0, 0);
    QTest::newRow("overlap, first only") << overlapping << 4 << 1 << totals(20, 0, 0, 0, 0);
    QTest::newRow("overlap, second only") << overlapping << 12 << 1 << totals(35, 0, 0, 0, 0);

    QTest::newRow("unread item lies in no week") << QList<ClassEntry>{makeEntry(0, 0, 0, 0, 20)} << 1 << 0 << none;
    QTest::newRow("week range 0 to 0 with a period") << QList<ClassEntry>{makeEntry(0, 0, 1, 4, 20)} << 1 << 1 << none;
    QTest::newRow("reversed weeks never count") << QList<ClassEntry>{makeEntry(8, 2, 1, 4, 20)} << 5 << 1 << none;
    QTest::newRow("zero students")
            << QList<ClassEntry>{makeEntry(1, 8, 1, 12, 0), makeEntry(1, 8, 1, 12, 10)} << 2 << 1
            << totals(0, 0, 0, 0, 10);
    QTest::newRow("negative head count")
            << QList<ClassEntry>{makeEntry(1, 8, 1, 5, -5), makeEntry(1, 8, 1, 5, 20)} << 2 << 1
            << totals(0, 15, 0, 0, 0);
    QTest::newRow("unknown weekday -1") << QList<ClassEntry>{makeEntry(1, 8, -1, 4, 20)} << 2 << 1 << none;
    QTest::newRow("Sunday as 7") << QList<ClassEntry>{makeEntry(1, 8, 7, 4, 20)} << 2 << 7 << totals(20, 0, 0, 0, 0);
    QTest::newRow("Sunday as 0") << QList<ClassEntry>{makeEntry(1, 8, 0, 4, 20)} << 2 << 0 << totals(20, 0, 0, 0, 0);
    QTest::newRow("Sunday as 0 is not 7") << QList<ClassEntry>{makeEntry(1, 8, 0, 4, 20)} << 2 << 7 << none;

    // The sums do not overflow at 32 bits.
    QTest::newRow("two largest head counts")
            << QList<ClassEntry>{makeEntry(1, 1, 1, 12, INT_MAX), makeEntry(1, 1, 1, 12, INT_MAX)} << 1 << 1
            << totals(0, 0, 0, 0, Q_INT64_C(4294967294));
    QTest::newRow("two smallest head counts")
            << QList<ClassEntry>{makeEntry(1, 1, 1, 4, INT_MIN), makeEntry(1, 1, 1, 4, INT_MIN)} << 1 << 1
            << totals(Q_INT64_C(-4294967296), 0, 0, 0, 0);
}

void TestPeriodTotals::oneCell()
{
    QFETCH(QList<ClassEntry>, entries);
    QFETCH(int, week);
    QFETCH(int, day);
    QFETCH(PeriodTotals, expected);

    // Sunday is 0 only where the week starts on Sunday.
    const bool firstDay = day != 0;
    const PeriodTotals computed = ::termTotals(entries, firstDay)[week - 1][day - firstDay];
    QCOMPARE(computed, expected);
    QCOMPARE(isEmpty(computed), expected == PeriodTotals());
}

void TestPeriodTotals::termTotals_data()
{
    QTest::addColumn<QList<ClassEntry>>("entries");
    QTest::addColumn<bool>("firstDay");
    QTest::addColumn<QStringList>("busyCells"); // "week/column" of every cell with a total

    QTest::newRow("no entries") << QList<ClassEntry>() << true << QStringList();
    QTest::newRow("Monday first: Monday in column 0")
            << QList<ClassEntry>{makeEntry(3, 3, 1, 4, 1)} << true << QStringList{QStringLiteral("3/0")};
    QTest::newRow("Monday first: Sunday in column 6")
            << QList<ClassEntry>{makeEntry(3, 3, 7, 4, 1)} << true << QStringList{QStringLiteral("3/6")};
    QTest::newRow("Monday first: Sunday as 0 nowhere")
            << QList<ClassEntry>{makeEntry(3, 3, 0, 4, 1)} << true << QStringList();
    QTest::newRow("Sunday first: Sunday in column 0")
            << QList<ClassEntry>{makeEntry(3, 3, 0, 4, 1)} << false << QStringList{QStringLiteral("3/0")};
    QTest::newRow("Sunday first: Monday in column 1")
            << QList<ClassEntry>{makeEntry(3, 3, 1, 4, 1)} << false << QStringList{QStringLiteral("3/1")};
    QTest::newRow("Sunday first: Saturday in column 6")
            << QList<ClassEntry>{makeEntry(3, 3, 6, 4, 1)} << false << QStringList{QStringLiteral("3/6")};
    QTest::newRow("Sunday first: Sunday as 7 nowhere")
            << QList<ClassEntry>{makeEntry(3, 3, 7, 4, 1)} << false << QStringList();
    QTest::newRow("first and last teaching week")
            << QList<ClassEntry>{makeEntry(1, 1, 2, 5, 1), makeEntry(29, 40, 5, 9, 1), makeEntry(30, 40, 3, 9, 1)}
            << true << QStringList{QStringLiteral("1/1"), QStringLiteral("29/4")};

    const auto mondays = [](int firstWeek) {
        QStringList cells;
        for (int week = firstWeek; week <= lastTeachingWeek; week += 2)
            cells.append(QStringLiteral("%1/0").arg(week));
        return cells;
    };
    QTest::newRow("even weeks from week 1")
            << QList<ClassEntry>{makeEntry(1, 29, 1, 4, 1, true, false)} << true << mondays(2);
    QTest::newRow("odd weeks from week 2")
            << QList<ClassEntry>{makeEntry(2, 29, 1, 4, 1, false, true)} << true << mondays(3);
    QTest::newRow("odd weeks, every week number")
            << QList<ClassEntry>{makeEntry(INT_MIN, INT_MAX, 1, 4, 1, false, true)} << true << mondays(1);
    QTest::newRow("odd weeks from the largest week number")
            << QList<ClassEntry>{makeEntry(INT_MAX, INT_MAX, 1, 4, 1, false, true)} << true << QStringList();
}

void TestPeriodTotals::termTotals()
{
    QFETCH(QList<ClassEntry>, entries);
    QFETCH(bool, firstDay);
    QFETCH(QStringList, busyCells);

    const TermTotals term = ::termTotals(entries, firstDay);
    QStringList found;
    for (int week = 1; week <= lastTeachingWeek; ++week) {
        for (int column = 0; column < 7; ++column) {
            const PeriodTotals &cell = term[week - 1][column];
            if (!isEmpty(cell))
                found.append(QStringLiteral("%1/%2").arg(week).arg(column));
        }
    }
    QCOMPARE(found, busyCells);
}

QTEST_APPLESS_MAIN(TestPeriodTotals)
#include "tst_periodtotals.moc"
