// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet.h"

#include <QtTest>

#include <limits>

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void wholeNumberText_data();
    void wholeNumberText();
};

void TestSheet::wholeNumberText_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text"); // null: not shown as a whole number

    QTest::newRow("head count") << 35.0 << QStringLiteral("35");
    QTest::newRow("negative") << -12.0 << QStringLiteral("-12");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("largest shown whole") << 999999999999999.0 << QStringLiteral("999999999999999");
    QTest::newRow("fraction") << 35.5 << QString();
    QTest::newRow("too large to show whole") << 1e15 << QString();
    QTest::newRow("beyond a 64-bit integer") << 9.2e162 << QString();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QString();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QString();
}

void TestSheet::wholeNumberText()
{
    QFETCH(double, number);
    QFETCH(QString, text);

    const QString shown = ::wholeNumberText(number);
    QCOMPARE(shown, text);
    QCOMPARE(shown.isNull(), text.isNull());
}

QTEST_APPLESS_MAIN(TestSheet)
#include "tst_sheet.moc"
