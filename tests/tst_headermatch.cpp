// SPDX-License-Identifier: GPL-3.0-or-later

#include "headermatch.h"

#include <QtTest>

class TestHeaderMatch : public QObject
{
    Q_OBJECT

private slots:
    void headerColumns_data();
    void headerColumns();
};

void TestHeaderMatch::headerColumns_data()
{
    QTest::addColumn<QStringList>("row"); // the header row's cells from column A
    QTest::addColumn<QString>("timeColumn"); // the user's choice, empty for the defaults
    QTest::addColumn<QString>("countColumn");
    QTest::addColumn<QList<int>>("columns"); // time, count, name; -1 for none

    const auto row = [](const char *cells) { return QString::fromUtf8(cells).split(QLatin1Char('|')); };
    QTest::newRow("exported course list")
            << row("课程代码|课程名称|教师|上课时间|上课地点|选课人数") << QString() << QString() << QList<int>{3, 5, 1};
    QTest::newRow("spaces dropped, full-width read as half-width")
            << row("课程 名称|\u3000上课时间 |选课人数\t|Ｎａｍｅ") << QString() << QString() << QList<int>{1, 2, 0};
    QTest::newRow("short names") << row("课程名|时间|人数") << QString() << QString() << QList<int>{1, 2, 0};
    QTest::newRow("leftmost of the count names")
            << row("时间|实际人数|学生人数|教学班人数|上课人数") << QString() << QString() << QList<int>{0, 1, -1};
    QTest::newRow("leftmost of the time names") << row("时间|上课时间|人数") << QString() << QString() << QList<int>{0, 2, -1};
    QTest::newRow("near misses do not match")
            << row("上课时间1|考试时间|选课人数（人）|课程名称：") << QString() << QString() << QList<int>{-1, -1, -1};
    QTest::newRow("a named column replaces the defaults")
            << row("上课时间|周次时间|人数|容量") << QStringLiteral("周次 时间") << QStringLiteral("容量")
            << QList<int>{1, 3, -1};
    QTest::newRow("a named column found as the headers are")
            << row("Time|Ｓｔｕｄｅｎｔｓ") << QStringLiteral("Ｔｉｍｅ") << QStringLiteral("Students")
            << QList<int>{0, 1, -1};
    QTest::newRow("empty row") << QStringList() << QString() << QString() << QList<int>{-1, -1, -1};
}

void TestHeaderMatch::headerColumns()
{
    QFETCH(QStringList, row);
    QFETCH(QString, timeColumn);
    QFETCH(QString, countColumn);
    QFETCH(QList<int>, columns);

    const HeaderColumns found = ::headerColumns(row, headerNames(timeColumn, countColumn));
    QCOMPARE((QList<int>{found.time, found.count, found.name}), columns);
}

QTEST_APPLESS_MAIN(TestHeaderMatch)
#include "tst_headermatch.moc"
