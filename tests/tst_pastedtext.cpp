// SPDX-License-Identifier: GPL-3.0-or-later

#include "encodings.h"
#include "pastedtext.h"

#include <QtTest>

namespace {

const QString timeLine = QStringLiteral("周一第1,2节{第1-8周};周四第6,7节{第2-8周|双周}");

} // namespace

class TestPastedText : public QObject
{
    Q_OBJECT

private slots:
    void decodedText_data();
    void decodedText();
    void notText_data();
    void notText();
    void firstLine_data();
    void firstLine();
};

void TestPastedText::decodedText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString twoLines = timeLine + QStringLiteral("\n周三第3,4节{第5周}");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("ASCII") << QByteArrayLiteral("20\n30\n35") << QStringLiteral("20\n30\n35");
    QTest::newRow("UTF-8") << twoLines.toUtf8() << twoLines;
    QTest::newRow("UTF-8 with byte-order mark") << QByteArrayLiteral("\xEF\xBB\xBF") + twoLines.toUtf8() << twoLines;
    QTest::newRow("byte-order mark alone") << QByteArrayLiteral("\xEF\xBB\xBF") << QString();
    QTest::newRow("GB18030") << gb18030(twoLines) << twoLines;
    // Written out, as the toolkit's own codec cannot be trusted with them:
    // 周 is D6 DC; four bytes from 90 30 81 30 on lie beyond the BMP.
    QTest::newRow("GB18030 four-byte character")
            << QByteArrayLiteral("\xD6\xDC\x95\x32\x82\x36\xD6\xDC") << QStringLiteral("周\U00020000周");
    QTest::newRow("GB18030 first and last beyond the BMP")
            << QByteArrayLiteral("\x90\x30\x81\x30\xE3\x32\x9A\x35") << QStringLiteral("\U00010000\U0010FFFF");
    QTest::newRow("GB18030 four bytes inside the BMP")
            << QByteArrayLiteral("\x81\x30\x81\x30\xD6\xDC") << QStringLiteral("\u0080周");
    QTest::newRow("UTF-16 little-endian") << utf16(twoLines, true) << twoLines;
    QTest::newRow("UTF-16 big-endian") << utf16(twoLines, false) << twoLines;
    QTest::newRow("UTF-8 of two, three and four bytes") << QStringLiteral("·周𠜎").toUtf8() << QStringLiteral("·周𠜎");
    QTest::newRow("valid UTF-8 is read as UTF-8") << QByteArrayLiteral("\xE5\x91\xA8") << QStringLiteral("周");
    QTest::newRow("replacement character after a byte-order mark") << QByteArrayLiteral("\xEF\xBB\xBF\xEF\xBF\xBD")
                                                                    << QStringLiteral("\uFFFD");
    // D6 DC: a lead byte of two-byte UTF-8, then no continuation byte.
    QTest::newRow("GB18030 周 alone") << QByteArrayLiteral("\xD6\xDC") << QStringLiteral("周");

    // Line breaks of every kind become line feeds, one each.
    QTest::newRow("CRLF") << QByteArrayLiteral("20\r\n30\r\n35\r\n") << QStringLiteral("20\n30\n35");
    QTest::newRow("lone CR") << QByteArrayLiteral("20\r30\r35") << QStringLiteral("20\n30\n35");
    QTest::newRow("CR before CRLF") << QByteArrayLiteral("20\r\r\n30") << QStringLiteral("20\n\n30");
    QTest::newRow("LFCR is two breaks") << QByteArrayLiteral("20\n\r30") << QStringLiteral("20\n\n30");
    QTest::newRow("CRLF in GB18030") << gb18030(timeLine + QStringLiteral("\r\n") + timeLine + QStringLiteral("\r\n"))
                                     << timeLine + QLatin1Char('\n') + timeLine;
    QTest::newRow("line separator") << QStringLiteral("20\u202830").toUtf8() << QStringLiteral("20\n30");
    QTest::newRow("paragraph separator") << QStringLiteral("20\u202930").toUtf8() << QStringLiteral("20\n30");
    QTest::newRow("empty lines inside kept") << QByteArrayLiteral("20\n\n\n30") << QStringLiteral("20\n\n\n30");

    // Spaces: no-break spaces become spaces; only the whole text is trimmed.
    QTest::newRow("no-break space") << QStringLiteral("周一\u00A0第1节").toUtf8() << QStringLiteral("周一 第1节");
    QTest::newRow("no-break spaces at the ends") << QStringLiteral("\u00A020\u00A0").toUtf8() << QStringLiteral("20");
    QTest::newRow("blank lines around") << QByteArrayLiteral("\n\r\n  20\n30  \n\n") << QStringLiteral("20\n30");
    QTest::newRow("tabs around") << QByteArrayLiteral("\t20\t") << QStringLiteral("20");
    QTest::newRow("ideographic spaces around") << QStringLiteral("\u3000周一第1节{第1周}\u3000").toUtf8()
                                               << QStringLiteral("周一第1节{第1周}");
    QTest::newRow("spaces inside lines kept") << QByteArrayLiteral("20 \n 30") << QStringLiteral("20 \n 30");
    QTest::newRow("only white space") << QByteArrayLiteral(" \r\n\t \n") << QString();
}

void TestPastedText::decodedText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QString problem;
    QCOMPARE(pastedText(bytes, &problem), text);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestPastedText::notText_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("invalid in both encodings") << QByteArrayLiteral("20\n\xFF\xFF\n30");
    QTest::newRow("lone 0x80") << QByteArrayLiteral("\x80");
    QTest::newRow("surrogate in UTF-8") << QByteArrayLiteral("\xED\xA0\x80");
    QTest::newRow("UTF-8 four bytes beyond U+10FFFF") << QByteArrayLiteral("\xF4\x90\x80\x80");
    // After 周 the bytes read as GB18030 end in half a character.
    QTest::newRow("overlong UTF-8 four bytes") << QByteArrayLiteral("\xE5\x91\xA8\xF0\x8F\xBF\xBF");
    QTest::newRow("invalid GB18030 byte after Chinese text") << gb18030(timeLine).append('\xFF');
    QTest::newRow("truncated GB18030 character") << gb18030(timeLine).append('\xD6');
    QTest::newRow("GB18030 four bytes beyond U+10FFFF") << QByteArrayLiteral("\xD6\xDC\xE3\x32\x9A\x36");
    QTest::newRow("truncated GB18030 four bytes") << QByteArrayLiteral("\xD6\xDC\x95\x32\x82");
    QTest::newRow("NUL in UTF-8") << QByteArray("20\0" "30", 5);
    QTest::newRow("NUL in GB18030") << gb18030(timeLine).append('\0');
    QTest::newRow("NUL in UTF-16") << utf16(QStringLiteral("20"), true).append(QByteArray(2, '\0'));
    QTest::newRow("odd length UTF-16") << utf16(QStringLiteral("20"), true).append('3');
}

void TestPastedText::notText()
{
    QFETCH(QByteArray, bytes);

    QString problem;
    QCOMPARE(pastedText(bytes, &problem), QString());
    QVERIFY(!problem.isEmpty());
}

void TestPastedText::firstLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");

    QTest::newRow("no blank line above") << QByteArrayLiteral("20\n30") << 1;
    QTest::newRow("blank lines above") << QByteArrayLiteral("\n \n\t20\n30") << 3;
    QTest::newRow("CRLF and lone CR above") << QByteArrayLiteral("\r\n\r20") << 3;
    QTest::newRow("line separator above") << QStringLiteral("\u202820").toUtf8() << 2;
    QTest::newRow("after a byte-order mark") << QByteArrayLiteral("\xEF\xBB\xBF\n20") << 2;
    QTest::newRow("UTF-16") << utf16(QStringLiteral("\n\n\n20"), true) << 4;
    QTest::newRow("not text") << QByteArrayLiteral("\n\n\xFF\xFF") << 1;
}

void TestPastedText::firstLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);

    QString problem;
    int firstLine = 0;
    pastedText(bytes, &problem, &firstLine);
    QCOMPARE(firstLine, line);
}

QTEST_APPLESS_MAIN(TestPastedText)
#include "tst_pastedtext.moc"
