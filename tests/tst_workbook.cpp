// SPDX-License-Identifier: GPL-3.0-or-later

#include "workbook.h"

#include <QtTest>

class TestWorkbook : public QObject
{
    Q_OBJECT

private slots:
    void workbookPath_data();
    void workbookPath();
};

void TestWorkbook::workbookPath_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("path");

    QTest::newRow("bare name") << QStringLiteral("/home/u/plain/统计") << QStringLiteral("/home/u/plain/统计.xlsx");
    QTest::newRow("dotted folder") << QStringLiteral("/home/u/a.b/统计") << QStringLiteral("/home/u/a.b/统计.xlsx");
    QTest::newRow("other suffix") << QStringLiteral("/home/u/a.b/统计.2025") << QStringLiteral("/home/u/a.b/统计.2025.xlsx");
    QTest::newRow("suffix without dot") << QStringLiteral("D:/2025.2026-1/统计xlsx") << QStringLiteral("D:/2025.2026-1/统计xlsx.xlsx");
    QTest::newRow("xls") << QStringLiteral("统计.xls") << QStringLiteral("统计.xls.xlsx");
    QTest::newRow("xlsx kept") << QStringLiteral("/home/u/a.b/统计.xlsx") << QStringLiteral("/home/u/a.b/统计.xlsx");
    QTest::newRow("XLSX kept") << QStringLiteral("C:/Users/zhang.san/统计.XLSX") << QStringLiteral("C:/Users/zhang.san/统计.XLSX");
    QTest::newRow("Xlsx kept") << QStringLiteral("统计.Xlsx") << QStringLiteral("统计.Xlsx");
}

void TestWorkbook::workbookPath()
{
    QFETCH(QString, chosen);
    QFETCH(QString, path);
    QCOMPARE(::workbookPath(chosen), path);
}

QTEST_APPLESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
