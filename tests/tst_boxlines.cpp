// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxlines.h"

#include <QtTest>

class TestBoxLines : public QObject
{
    Q_OBJECT

private slots:
    void boxLines_data();
    void boxLines();
};

void TestBoxLines::boxLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("headCounts"); // the column: head counts, else class times
    QTest::addColumn<int>("firstLine");
    QTest::addColumn<QString>("lines"); // "box line:text", one a line

    QTest::newRow("empty text is one line") << "" << false << 1 << "1:";
    QTest::newRow("plain lines, blank one kept") << "a\nb\n\nc" << false << 1 << "1:a\n2:b\n3:\n4:c";
    QTest::newRow("cell joined by semicolons")
            << "\"周二第3,4节{第1-8周}\n周四第3,4节{第2-8周|双周}\"\n周一第1节{第1周}" << false << 1
            << "1:周二第3,4节{第1-8周};周四第3,4节{第2-8周|双周}\n3:周一第1节{第1周}";
    QTest::newRow("lines trimmed, blank ones dropped, no second semicolon")
            << "\"\n 周一第1节{第1周}; \n\n\t周二第1节{第1周}\n\"" << false << 1
            << "1:周一第1节{第1周};周二第1节{第1周}";
    QTest::newRow("head counts joined by a space") << "\"40\n\n 5 \"\n30" << true << 1 << "1:40 5\n4:30";
    QTest::newRow("one-line cell unquoted") << "\"40\"" << true << 1 << "1:40";
    QTest::newRow("doubled quote is one") << "\"a\"\"b\"\"\nc\"" << false << 1 << "1:a\"b\";c";
    QTest::newRow("cell of blank lines is empty") << "\" \n \"\nx" << false << 1 << "1:\n3:x";
    QTest::newRow("numbered from the first line") << "\"x\ny\nz\"\nw\n\"v\"" << false << 4
                                                  << "4:x;y;z\n7:w\n8:v";
    QTest::newRow("quote inside a line opens nothing") << "a\"b\n\"c\"" << false << 1 << "1:a\"b\n2:c";
    QTest::newRow("unclosed at the end loses nothing") << "a\n\"b\nc" << false << 1
                                                       << "1:a\n2:\"b\n3:c";
    QTest::newRow("text after the closing quote")
            << "\"a\nb\"x\nc" << false << 1 << "1:\"a\n2:b\"x\n3:c";
    QTest::newRow("next line opens a cell of its own")
            << "\"a\"x\n\"b\nc\"" << false << 1 << "1:\"a\"x\n2:b;c";
    QTest::newRow("doubled quote at a line end closes nothing")
            << "\"a\"\"\nb" << false << 1 << "1:\"a\"\"\n2:b";
    QTest::newRow("tabbed row with a cell stays as it is")
            << "\"a\nb\"\t40\t1\nc\t30" << false << 1 << "1:\"a\n2:b\"\t40\t1\n3:c\t30";
}

void TestBoxLines::boxLines()
{
    QFETCH(QString, text);
    QFETCH(bool, headCounts);
    QFETCH(int, firstLine);
    QFETCH(QString, lines);

    QStringList read;
    for (const BoxLine &line : ::boxLines(text, headCounts ? Column::HeadCounts : Column::ClassTimes, firstLine))
        read.append(QString::number(line.line) + QLatin1Char(':') + line.text);
    QCOMPARE(read.join(QLatin1Char('\n')), lines);
    QCOMPARE(boxLineCount(text), read.size());
    QCOMPARE(linesWithTabs(text), text.split(QLatin1Char('\n')).filter(QStringLiteral("\t")).size());
}

QTEST_APPLESS_MAIN(TestBoxLines)
#include "tst_boxlines.moc"
