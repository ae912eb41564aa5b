// SPDX-License-Identifier: GPL-3.0-or-later

#include "weekdays.h"

#include <QtTest>

#include <climits>

class TestWeekdays : public QObject
{
    Q_OBJECT

private slots:
    void dayName_data();
    void dayName();
    void dayIndex_data();
    void dayIndex();
};

void TestWeekdays::dayName_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");

    QTest::newRow("0 is Sunday") << 0 << QStringLiteral("日");
    QTest::newRow("1") << 1 << QStringLiteral("一");
    QTest::newRow("2") << 2 << QStringLiteral("二");
    QTest::newRow("3") << 3 << QStringLiteral("三");
    QTest::newRow("4") << 4 << QStringLiteral("四");
    QTest::newRow("5") << 5 << QStringLiteral("五");
    QTest::newRow("6") << 6 << QStringLiteral("六");
    QTest::newRow("7 is Sunday too") << 7 << QStringLiteral("日");
    QTest::newRow("8") << 8 << QString();
    QTest::newRow("-1") << -1 << QString();
    QTest::newRow("INT_MIN") << INT_MIN << QString();
    QTest::newRow("INT_MAX") << INT_MAX << QString();
}

void TestWeekdays::dayName()
{
    QFETCH(int, number);
    QFETCH(QString, name);

    QCOMPARE(::dayName(number), name);
}

void TestWeekdays::dayIndex_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("firstDay");
    QTest::addColumn<int>("index");

    const QStringList weekdays{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                               QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六")};
    for (int i = 0; i < weekdays.size(); ++i) {
        for (bool firstDay : {true, false}) {
            QTest::addRow("%s, Monday first %d", qPrintable(weekdays.at(i)), firstDay)
                    << weekdays.at(i) << firstDay << i + 1;
        }
    }
    QTest::newRow("Sunday, Monday first") << QStringLiteral("日") << true << 7;
    QTest::newRow("Sunday, Sunday first") << QStringLiteral("日") << false << 0;

    // Nothing but one exact weekday character is a weekday.
    for (bool firstDay : {true, false}) {
        QTest::addRow("other character %d", firstDay) << QStringLiteral("天") << firstDay << -1;
        QTest::addRow("digit %d", firstDay) << QStringLiteral("1") << firstDay << -1;
        QTest::addRow("two weekdays %d", firstDay) << QStringLiteral("一二") << firstDay << -1;
        QTest::addRow("leading space %d", firstDay) << QStringLiteral(" 一") << firstDay << -1;
        QTest::addRow("trailing space %d", firstDay) << QStringLiteral("日 ") << firstDay << -1;
        QTest::addRow("with prefix %d", firstDay) << QStringLiteral("周日") << firstDay << -1;
        QTest::addRow("empty %d", firstDay) << QString() << firstDay << -1;
        QTest::addRow("seven %d", firstDay) << QStringLiteral("七") << firstDay << -1;
    }
}

void TestWeekdays::dayIndex()
{
    QFETCH(QString, name);
    QFETCH(bool, firstDay);
    QFETCH(int, index);

    QCOMPARE(::dayIndex(name, firstDay), index);
    // Every weekday number read from a name gives that name back.
    if (index != -1)
        QCOMPARE(::dayName(index), name);
}

QTEST_APPLESS_MAIN(TestWeekdays)
#include "tst_weekdays.moc"
