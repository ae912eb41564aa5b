// SPDX-License-Identifier: GPL-3.0-or-later

#include "testentries.h"
#include "timeparser.h"

#include <QtTest>

#include <climits>

namespace {

// Counts the debug lines written while it lives and passes every message on
// to the handler before it, so that QTest::ignoreMessage keeps working.
class DebugLineCounter
{
public:
    DebugLineCounter()
    {
        lines = 0;
        previous = qInstallMessageHandler(&DebugLineCounter::handle);
    }
    ~DebugLineCounter() { qInstallMessageHandler(previous); }
    DebugLineCounter(const DebugLineCounter &) = delete;
    DebugLineCounter &operator=(const DebugLineCounter &) = delete;

    int count() const { return lines; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtDebugMsg)
            ++lines;
        previous(type, context, message);
    }

    static inline QtMessageHandler previous = nullptr;
    static inline int lines = 0;
};

// The debug line for an item that fits no pattern, as rewritten before matching.
void expectRejection(const QString &rewrittenItem)
{
    const QString line = QStringLiteral("无法正则匹配时间： \"") + rewrittenItem + QLatin1Char('"');
    QTest::ignoreMessage(QtDebugMsg, line.toUtf8().constData());
}

void expectRejections(const QStringList &rewrittenItems)
{
    for (const QString &item : rewrittenItems)
        expectRejection(item);
}

// "line:text" for an unread class time, "line:[kind]text" for the others.
QStringList describe(const QList<UncountedItem> &uncounted)
{
    static const char *const tags[UncountedItem::kindCount] = {"", "[weeks]", "[count]", "[large]", "[blank]",
                                                               "[no time]"};
    QStringList texts;
    for (const UncountedItem &item : uncounted)
        texts.append(QString::number(item.line) + QLatin1Char(':') + QLatin1String(tags[item.kind]) + item.text);
    return texts;
}

// The course lines of a box that holds these lines.
QList<BoxLine> box(const QStringList &lines, Column column, int firstLine = 1)
{
    return boxLines(lines.join(QLatin1Char('\n')), column, firstLine);
}

// What buildEntries names for the given box lines.
QStringList named(const QStringList &timeLines, const QStringList &headCountLines)
{
    QList<ClassEntry> entries;
    QList<UncountedItem> uncounted;
    ::buildEntries(box(timeLines, Column::ClassTimes), box(headCountLines, Column::HeadCounts), entries, true,
                   [&](const UncountedItem &item) { uncounted.append(item); });
    return describe(uncounted);
}

} // namespace

class TestTimeParser : public QObject
{
    Q_OBJECT

private slots:
    void firstLineOfTrimmed_data();
    void firstLineOfTrimmed();
    void parseTimeItem_data();
    void parseTimeItem();
    void headCount_data();
    void headCount();
    void parseTimeLine_data();
    void parseTimeLine();
    void buildEntries_data();
    void buildEntries();
};

void TestTimeParser::firstLineOfTrimmed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");

    QTest::newRow("empty text") << QString() << 1;
    QTest::newRow("no blank line above") << QStringLiteral("20\n\n30") << 1;
    QTest::newRow("spaces before the first line") << QStringLiteral("  20") << 1;
    QTest::newRow("two blank lines above") << QStringLiteral("\n\n20\n30") << 3;
    QTest::newRow("blank lines holding white space") << QStringLiteral(" \t\n\u3000\n 20") << 3;
    QTest::newRow("blank lines below do not count") << QStringLiteral("20\n\n\n") << 1;
}

void TestTimeParser::firstLineOfTrimmed()
{
    QFETCH(QString, text);
    QFETCH(int, line);

    QCOMPARE(::firstLineOfTrimmed(text), line);
}

void TestTimeParser::parseTimeItem_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("firstDay");
    QTest::addColumn<bool>("matched");
    QTest::addColumn<QString>("logged"); // the item as written to the debug log
    QTest::addColumn<QString>("entry");

    const auto accepted = [](const char *tag, const QString &item, const QString &entry,
                             bool firstDay = true) {
        QTest::newRow(tag) << item << firstDay << true << QString() << entry;
    };
    const auto rejected = [](const char *tag, const QString &item, const QString &logged,
                             const QString &entry) {
        QTest::newRow(tag) << item << true << false << logged << entry;
    };

    // The head count is 20 throughout.
    accepted("week range", QStringLiteral("周一第1,2节{第1-8周}"), QStringLiteral("w1-8 d1 p1-2 s20"));
    accepted("single week", QStringLiteral("周三第1,2节{第5周}"), QStringLiteral("w5-5 d3 p1-2 s20"));
    accepted("星期 for 周", QStringLiteral("星期五第3,4节{第1-16周}"), QStringLiteral("w1-16 d5 p3-4 s20"));
    accepted("Sunday, Monday first", QStringLiteral("周日第1,2节{第1-8周}"), QStringLiteral("w1-8 d7 p1-2 s20"));
    accepted("Sunday, Sunday first", QStringLiteral("周日第1,2节{第1-8周}"), QStringLiteral("w1-8 d0 p1-2 s20"), false);
    accepted("Monday, Sunday first", QStringLiteral("周一第11节{第3周}"), QStringLiteral("w3-3 d1 p11-11 s20"), false);
    accepted("period range gives its ends", QStringLiteral("周一第1-4节{第1-8周}"), QStringLiteral("w1-8 d1 p1-4 s20"));
    accepted("period list, no week prefix", QStringLiteral("周一第1,3,5节{1-8周}"), QStringLiteral("w1-8 d1 p1-5 s20"));
    accepted("no period prefix", QStringLiteral("周四8,9节{第2-8周}"), QStringLiteral("w2-8 d4 p8-9 s20"));
    accepted("two-digit numbers", QStringLiteral("周六第10,11,12节{第10-18周}"), QStringLiteral("w10-18 d6 p10-12 s20"));
    accepted("trailing comma reads 0", QStringLiteral("周一第1,节{第1-8周}"), QStringLiteral("w1-8 d1 p1-0 s20"));
    accepted("hyphen alone reads 0 and 0", QStringLiteral("周一第-节{第1周}"), QStringLiteral("w1-1 d1 p0-0 s20"));
    accepted("unknown weekday", QStringLiteral("周八第1节{第1周}"), QStringLiteral("w1-1 d-1 p1-1 s20"));
    accepted("any character as weekday", QStringLiteral("周第1节{第1周}"), QStringLiteral("w1-1 d-1 p1-1 s20"));
    accepted("full-width digits read by value", QStringLiteral("周一第３,４节{第１-１２周}"), QStringLiteral("w1-12 d1 p3-4 s20"));
    accepted("reversed weeks stored as read", QStringLiteral("周一第1,2节{第8-2周}"), QStringLiteral("w8-2 d1 p1-2 s20"));

    // Week markers.
    accepted("|双周", QStringLiteral("周四第6,7节{第2-8周|双周}"), QStringLiteral("w2-8 d4 p6-7 s20 even"));
    accepted("(双) after the braces", QStringLiteral("周四第8节{第2-8周}(双)"), QStringLiteral("w2-8 d4 p8-8 s20 even"));
    accepted("（双） before the braces", QStringLiteral("周四第8节（双）{第2-8周}"), QStringLiteral("w2-8 d4 p8-8 s20 even"));
    accepted("|双周 at the start", QStringLiteral("|双周周一第1节{第1周}"), QStringLiteral("w1-1 d1 p1-1 s20 even"));
    accepted("marker twice", QStringLiteral("周一第1节{第1-8周|双周|双周}"), QStringLiteral("w1-8 d1 p1-1 s20 even"));
    accepted("|单周", QStringLiteral("周二第5节{第1-15周|单周}"), QStringLiteral("w1-15 d2 p5-5 s20 odd"));
    accepted("(单) after the braces", QStringLiteral("周二第5节{第1-15周}(单)"), QStringLiteral("w1-15 d2 p5-5 s20 odd"));
    accepted("|单周 at the start", QStringLiteral("|单周周一第1节{第1周}"), QStringLiteral("w1-1 d1 p1-1 s20 odd"));
    accepted("(单) at the start", QStringLiteral("(单)周一第1节{第1周}"), QStringLiteral("w1-1 d1 p1-1 s20 odd"));
    accepted("(单) at position 1", QStringLiteral("周(单)三第4节{第1-9周}"), QStringLiteral("w1-9 d3 p4-4 s20 odd"));
    accepted("（单） after the braces", QStringLiteral("周二第5节{第1-15周}（单）"), QStringLiteral("w1-15 d2 p5-5 s20 odd"));
    accepted("（单） at the start", QStringLiteral("（单）周二第5节{第1-15周}"), QStringLiteral("w1-15 d2 p5-5 s20 odd"));
    accepted("（单） twice", QStringLiteral("周二（单）第5节{第1-15周}（单）"), QStringLiteral("w1-15 d2 p5-5 s20 odd"));
    accepted("both markers", QStringLiteral("周一第1节{第1-8周|双周|单周}"), QStringLiteral("w1-8 d1 p1-1 s20 even odd"));
    accepted("星期 with a marker", QStringLiteral("星期日第12节(单){第3-9周}"), QStringLiteral("w3-9 d7 p12-12 s20 odd"));

    // Rejected items keep the head count and the markers found, and lie in no week.
    rejected("empty item", QString(), QString(), QStringLiteral("w0-0 d0 p0-0 s20"));
    rejected("leading space", QStringLiteral(" 周一第1节{第1周}"), QStringLiteral(" 周一第1节{第1周}"), QStringLiteral("w0-0 d0 p0-0 s20"));
    rejected("trailing space", QStringLiteral("周一第1节{第1周} "), QStringLiteral("周一第1节{第1周} "), QStringLiteral("w0-0 d0 p0-0 s20"));
    rejected("full-width semicolon", QStringLiteral("周一第1节{第1周}；周二第1节{第1周}"),
             QStringLiteral("周一第1节{第1周}；周二第1节{第1周}"), QStringLiteral("w0-0 d0 p0-0 s20"));
    rejected("full-width braces", QStringLiteral("周一第1节｛第1周｝"), QStringLiteral("周一第1节｛第1周｝"), QStringLiteral("w0-0 d0 p0-0 s20"));
    rejected("full-width comma", QStringLiteral("周一第1，2节{第1周}"), QStringLiteral("周一第1，2节{第1周}"), QStringLiteral("w0-0 d0 p0-0 s20"));
    rejected("text after the braces", QStringLiteral("周一第1节{第1周}上课"), QStringLiteral("周一第1节{第1周}上课"), QStringLiteral("w0-0 d0 p0-0 s20"));
    rejected("no 节", QStringLiteral("周一第1{第1周}"), QStringLiteral("周一第1{第1周}"), QStringLiteral("w0-0 d0 p0-0 s20"));
    rejected("logged as rewritten", QStringLiteral("星期一第1节{第1周|双周} "), QStringLiteral("周一第1节{第1周} "),
             QStringLiteral("w0-0 d0 p0-0 s20 even"));
    rejected("odd marker found before failing", QStringLiteral("(单)周一第1节{第1周}x"), QStringLiteral("周一第1节{第1周}x"),
             QStringLiteral("w0-0 d0 p0-0 s20 odd"));
}

void TestTimeParser::parseTimeItem()
{
    QFETCH(QString, item);
    QFETCH(bool, firstDay);
    QFETCH(bool, matched);
    QFETCH(QString, logged);
    QFETCH(QString, entry);

    if (!matched)
        expectRejection(logged);
    DebugLineCounter debugLines;
    bool wasMatched = !matched;
    const ClassEntry parsed = ::parseTimeItem(item, QStringLiteral("20"), firstDay, &wasMatched);

    QCOMPARE(wasMatched, matched);
    QCOMPARE(describe(parsed), entry);
    QCOMPARE(debugLines.count(), matched ? 0 : 1);
    // The flag is optional.
    if (matched)
        QCOMPARE(describe(::parseTimeItem(item, QStringLiteral("20"), firstDay)), entry);
}

void TestTimeParser::headCount_data()
{
    QTest::addColumn<QString>("headCount");
    QTest::addColumn<int>("students");
    QTest::addColumn<QString>("named"); // how buildEntries names it, if at all

    const QString none;
    QTest::newRow("plain") << QStringLiteral("35") << 35 << none;
    QTest::newRow("spaces around") << QStringLiteral(" 35 ") << 35 << none;
    QTest::newRow("negative") << QStringLiteral("-5") << -5 << none;
    QTest::newRow("plus sign") << QStringLiteral("+7") << 7 << none;
    QTest::newRow("zero") << QStringLiteral("0") << 0 << none;
    QTest::newRow("full-width digits") << QStringLiteral("３５") << 35 << none;
    QTest::newRow("empty") << QString() << 0 << QStringLiteral("1:[blank]");
    QTest::newRow("blank") << QStringLiteral(" \t") << 0 << QStringLiteral("1:[blank] \t");
    QTest::newRow("largest") << QStringLiteral("2147483647") << INT_MAX << none;
    QTest::newRow("smallest") << QStringLiteral("-2147483648") << INT_MIN << none;

    // Whole numbers as a spreadsheet shows them.
    QTest::newRow("thousands grouped") << QStringLiteral("1,500") << 1500 << none;
    QTest::newRow("grouped with zero fraction") << QStringLiteral("1,500.00") << 1500 << none;
    QTest::newRow("zero fraction") << QStringLiteral("20.00") << 20 << none;
    QTest::newRow("negative with zero fraction") << QStringLiteral("-3.0") << -3 << none;
    QTest::newRow("millions, spaces around") << QStringLiteral(" +1,234,567 ") << 1234567 << none;
    QTest::newRow("full-width digits grouped") << QStringLiteral("１,５００.００") << 1500 << none;
    QTest::newRow("largest grouped") << QStringLiteral("2,147,483,647.0") << INT_MAX << none;

    // Anything else counts as 0 and is named.
    QTest::newRow("with a word") << QStringLiteral("35人") << 0 << QStringLiteral("1:[count]35人");
    QTest::newRow("about") << QStringLiteral("约30") << 0 << QStringLiteral("1:[count]约30");
    QTest::newRow("fraction") << QStringLiteral("3.5") << 0 << QStringLiteral("1:[count]3.5");
    QTest::newRow("fraction after zeros") << QStringLiteral("20.05") << 0 << QStringLiteral("1:[count]20.05");
    QTest::newRow("point without zeros") << QStringLiteral("20.") << 0 << QStringLiteral("1:[count]20.");
    QTest::newRow("group of two") << QStringLiteral("1,50") << 0 << QStringLiteral("1:[count]1,50");
    QTest::newRow("group of four") << QStringLiteral("1,5000") << 0 << QStringLiteral("1:[count]1,5000");
    QTest::newRow("four digits before a group") << QStringLiteral("1500,000") << 0 << QStringLiteral("1:[count]1500,000");
    QTest::newRow("comma first") << QStringLiteral(",500") << 0 << QStringLiteral("1:[count],500");
    QTest::newRow("sign alone") << QStringLiteral("-") << 0 << QStringLiteral("1:[count]-");
    QTest::newRow("hexadecimal") << QStringLiteral("0x10") << 0 << QStringLiteral("1:[count]0x10");
    QTest::newRow("too large") << QStringLiteral("2147483648") << 0 << QStringLiteral("1:[large]2147483648");
    QTest::newRow("too small") << QStringLiteral("-2147483649") << 0 << QStringLiteral("1:[large]-2147483649");
    QTest::newRow("too large grouped") << QStringLiteral("2,147,483,648.00") << 0
                                       << QStringLiteral("1:[large]2,147,483,648.00");
    QTest::newRow("twenty digits") << QStringLiteral("99999999999999999999") << 0
                                   << QStringLiteral("1:[large]99999999999999999999");
}

void TestTimeParser::headCount()
{
    QFETCH(QString, headCount);
    QFETCH(int, students);
    QFETCH(QString, named);

    QCOMPARE(::parseTimeItem(QStringLiteral("周一第4节{第1周}"), headCount, true).students, students);
    // An item that is not read keeps the head count all the same.
    expectRejection(QStringLiteral("周一"));
    QCOMPARE(::parseTimeItem(QStringLiteral("周一"), headCount, true).students, students);

    QCOMPARE(::named({QStringLiteral("周一第4节{第1周}")}, {headCount}),
             named.isEmpty() ? QStringList() : QStringList{named});
}

void TestTimeParser::parseTimeLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("headCount");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QStringList>("rejected");

    QTest::newRow("one item") << QStringLiteral("周一第3,4节{第1-8周}") << QStringLiteral("20")
                              << QStringList{QStringLiteral("w1-8 d1 p3-4 s20")}
                              << QStringList() << QStringList();
    QTest::newRow("each item takes the full head count")
            << QStringLiteral("周一第1,2节{第1-8周};周三第1,2节{第1-8周}") << QStringLiteral("30")
            << QStringList{QStringLiteral("w1-8 d1 p1-2 s30"), QStringLiteral("w1-8 d3 p1-2 s30")}
            << QStringList() << QStringList();
    QTest::newRow("three items in order")
            << QStringLiteral("周一第1,2节{第1-8周};周四8,9节{第2-8周|双周};周四第11节{第2-8周|双周}")
            << QStringLiteral("35")
            << QStringList{QStringLiteral("w1-8 d1 p1-2 s35"), QStringLiteral("w2-8 d4 p8-9 s35 even"),
                           QStringLiteral("w2-8 d4 p11-11 s35 even")}
            << QStringList() << QStringList();
    QTest::newRow("final semicolon adds a blank item")
            << QStringLiteral("周一第1,2节{第1-8周};") << QStringLiteral("30")
            << QStringList{QStringLiteral("w1-8 d1 p1-2 s30"), QStringLiteral("w0-0 d0 p0-0 s30")}
            << QStringList{QString()} << QStringList();
    QTest::newRow("empty line") << QString() << QStringLiteral("12")
                                << QStringList{QStringLiteral("w0-0 d0 p0-0 s12")}
                                << QStringList{QString()} << QStringList();
    QTest::newRow("blank item") << QStringLiteral("周二第4节{第2周};  ") << QStringLiteral("3")
                                << QStringList{QStringLiteral("w2-2 d2 p4-4 s3"), QStringLiteral("w0-0 d0 p0-0 s3")}
                                << QStringList{QStringLiteral("  ")} << QStringList();
    QTest::newRow("space after semicolon")
            << QStringLiteral("周一第1,2节{第1-8周}; 周三第1,2节{第1-8周}") << QStringLiteral("30")
            << QStringList{QStringLiteral("w1-8 d1 p1-2 s30"), QStringLiteral("w1-8 d3 p1-2 s30")}
            << QStringList() << QStringList();
    QTest::newRow("rejected item named as typed")
            << QStringLiteral("星期一第1节{第1周|双周} x;周二第4节{第2周}") << QStringLiteral("4")
            << QStringList{QStringLiteral("w0-0 d0 p0-0 s4 even"), QStringLiteral("w2-2 d2 p4-4 s4")}
            << QStringList{QStringLiteral("周一第1节{第1周} x")}
            << QStringList{QStringLiteral("星期一第1节{第1周|双周} x")};
    QTest::newRow("unknown weekday is named but not logged")
            << QStringLiteral("周天第4节{第1周};周日第4节{第1周}") << QStringLiteral("6")
            << QStringList{QStringLiteral("w1-1 d-1 p4-4 s6"), QStringLiteral("w1-1 d7 p4-4 s6")}
            << QStringList() << QStringList{QStringLiteral("周天第4节{第1周}")};
    QTest::newRow("full-width semicolon separates items")
            << QStringLiteral("周一第1节{第1周}；周二第1节{第1周}") << QStringLiteral("5")
            << QStringList{QStringLiteral("w1-1 d1 p1-1 s5"), QStringLiteral("w1-1 d2 p1-1 s5")}
            << QStringList() << QStringList();
    QTest::newRow("a } before the next weekday ends an item")
            << QStringLiteral("周一第4节{第1-8周} 周二第4节{第1-8周}") << QStringLiteral("6")
            << QStringList{QStringLiteral("w1-8 d1 p4-4 s6"), QStringLiteral("w1-8 d2 p4-4 s6")}
            << QStringList() << QStringList();
    QTest::newRow("numbers of ten digits and more read as the grammar reads them")
            << QStringLiteral("周日1节{1周};周一第0000000012节{第2147483647-2147483648周};周二第1,99999999999,5节{第1周}")
            << QStringLiteral("7")
            << QStringList{QStringLiteral("w1-1 d7 p1-1 s7"), QStringLiteral("w2147483647-0 d1 p12-12 s7"),
                           QStringLiteral("w1-1 d2 p1-5 s7")}
            << QStringList() << QStringList();
    QTest::newRow("weekdays that may start a rewrite or are half a character")
            << QStringLiteral("周星第1节{第1周};周双1节{1周};周\U0001D7CF1节{1周}") << QStringLiteral("3")
            << QStringList{QStringLiteral("w1-1 d-1 p1-1 s3"), QStringLiteral("w1-1 d-1 p1-1 s3"),
                           QStringLiteral("w0-0 d0 p0-0 s3")}
            << QStringList{QStringLiteral("周\U0001D7CF1节{1周}")}
            << QStringList{QStringLiteral("周星第1节{第1周}"), QStringLiteral("周双1节{1周}"),
                           QStringLiteral("周\U0001D7CF1节{1周}")};
    QTest::newRow("marks of both kinds between the elements, and around 星期")
            << QStringLiteral("(单)星期一|双周第4节（双）{第1-8周|单周};星期三第5节{第2周}(双)") << QStringLiteral("6")
            << QStringList{QStringLiteral("w1-8 d1 p4-4 s6 even odd"), QStringLiteral("w2-2 d3 p5-5 s6 even")}
            << QStringList() << QStringList();
    QTest::newRow("a mark inside a number, 星 after the weeks")
            << QStringLiteral("周一第1(双)2节{第1-8周};星期二第4节{第1-8周星}") << QStringLiteral("6")
            << QStringList{QStringLiteral("w1-8 d1 p12-12 s6 even"), QStringLiteral("w0-0 d0 p0-0 s6")}
            << QStringList{QStringLiteral("周二第4节{第1-8周星}")}
            << QStringList{QStringLiteral("星期二第4节{第1-8周星}")};
    QTest::newRow("a } before 星期 ends an item, one before other text does not")
            << QStringLiteral("周一第4节{第1周}星期二第4节{第2周}x;周三第4节{第3周}") << QStringLiteral("6")
            << QStringList{QStringLiteral("w1-1 d1 p4-4 s6"), QStringLiteral("w0-0 d0 p0-0 s6"), QStringLiteral("w3-3 d3 p4-4 s6")}
            << QStringList{QStringLiteral("周二第4节{第2周}x")} << QStringList{QStringLiteral("星期二第4节{第2周}x")};
    QTest::newRow("a } before a marker does not")
            << QStringLiteral("周一第4节{第1周}(单)周二第4节{第1周}") << QStringLiteral("6")
            << QStringList{QStringLiteral("w0-0 d0 p0-0 s6 odd")}
            << QStringList{QStringLiteral("周一第4节{第1周}周二第4节{第1周}")}
            << QStringList{QStringLiteral("周一第4节{第1周}(单)周二第4节{第1周}")};
    QTest::newRow("weeks without a first number")
            << QStringLiteral("周一第1节{第-3周};周二第4节{第周}") << QStringLiteral("6")
            << QStringList{QStringLiteral("w0-0 d0 p0-0 s6"), QStringLiteral("w0-0 d0 p0-0 s6")}
            << QStringList{QStringLiteral("周一第1节{第-3周}"), QStringLiteral("周二第4节{第周}")}
            << QStringList{QStringLiteral("周一第1节{第-3周}"), QStringLiteral("周二第4节{第周}")};
}

void TestTimeParser::parseTimeLine()
{
    QFETCH(QString, line);
    QFETCH(QString, headCount);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, logged);
    QFETCH(QStringList, rejected);

    expectRejections(logged);
    QCOMPARE(describe(::parseTimeLine(line, headCount, true)), entries);

    // As one line of the texts, the same class times are named unread.
    expectRejections(logged);
    QStringList unread;
    QList<ClassEntry> built;
    ::buildEntries({{line}}, {{headCount}}, built, true, [&](const UncountedItem &item) {
        if (item.kind == UncountedItem::UnreadTime)
            unread.append(item.text);
    });
    QCOMPARE(unread, rejected);
}

void TestTimeParser::buildEntries_data()
{
    QTest::addColumn<QStringList>("timeLines");
    QTest::addColumn<QStringList>("headCountLines");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QStringList>("rejected");
    QTest::addColumn<int>("firstTimeLine");
    QTest::addColumn<int>("firstCountLine");

    const QStringList example{
        QStringLiteral("周一第3,4节{第1-8周}"),
        QStringLiteral("周一第3,4节{第1-8周};周三第1,2节{第1-8周}"),
        QStringLiteral("周一第1,2节{第1-8周};周四8,9节{第2-8周|双周};周四第11节{第2-8周|双周}"),
    };
    QTest::newRow("example content")
            << example
            << QStringList{QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("35")}
            << QStringList{QStringLiteral("w1-8 d1 p3-4 s20"), QStringLiteral("w1-8 d1 p3-4 s30"),
                           QStringLiteral("w1-8 d3 p1-2 s30"), QStringLiteral("w1-8 d1 p1-2 s35"),
                           QStringLiteral("w2-8 d4 p8-9 s35 even"), QStringLiteral("w2-8 d4 p11-11 s35 even")}
            << QStringList() << QStringList() << 1 << 1;
    QTest::newRow("missing head-count lines read 0")
            << example << QStringList{QStringLiteral("20")}
            << QStringList{QStringLiteral("w1-8 d1 p3-4 s20"), QStringLiteral("w1-8 d1 p3-4 s0"),
                           QStringLiteral("w1-8 d3 p1-2 s0"), QStringLiteral("w1-8 d1 p1-2 s0"),
                           QStringLiteral("w2-8 d4 p8-9 s0 even"), QStringLiteral("w2-8 d4 p11-11 s0 even")}
            << QStringList() << QStringList{QStringLiteral("2:[blank]"), QStringLiteral("3:[blank]")} << 1 << 1;
    QTest::newRow("no head-count lines at all")
            << QStringList{QStringLiteral("周二第5节{第3周}")} << QStringList()
            << QStringList{QStringLiteral("w3-3 d2 p5-5 s0")} << QStringList() << QStringList{QStringLiteral("1:[blank]")}
            << 1 << 1;
    QTest::newRow("extra head-count lines ignored")
            << QStringList{QStringLiteral("周二第5节{第3周}")}
            << QStringList{QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")}
            << QStringList{QStringLiteral("w3-3 d2 p5-5 s7")} << QStringList() << QStringList() << 1 << 1;
    QTest::newRow("two empty texts")
            << QStringList{QString()} << QStringList{QString()}
            << QStringList{QStringLiteral("w0-0 d0 p0-0 s0")} << QStringList{QString()} << QStringList() << 1 << 1;
    QTest::newRow("empty line between lines")
            << QStringList{QStringLiteral("周一第4节{第1周}"), QString(), QStringLiteral("周二第5节{第2周}")}
            << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}
            << QStringList{QStringLiteral("w1-1 d1 p4-4 s1"), QStringLiteral("w0-0 d0 p0-0 s2"),
                           QStringLiteral("w2-2 d2 p5-5 s3")}
            << QStringList{QString()} << QStringList{QStringLiteral("2:[no time]2")} << 1 << 1;
    QTest::newRow("rejected items by line")
            << QStringList{QStringLiteral("周一第4节{第1周}; 周二第4节{第1周}x"), QStringLiteral("周八第4节{第1周}"),
                           QStringLiteral("周三第4节{1周}；周四第4节{1周};周五第4节{1周}x")}
            << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}
            << QStringList{QStringLiteral("w1-1 d1 p4-4 s1"), QStringLiteral("w0-0 d0 p0-0 s1"),
                           QStringLiteral("w1-1 d-1 p4-4 s2"), QStringLiteral("w1-1 d3 p4-4 s3"),
                           QStringLiteral("w1-1 d4 p4-4 s3"), QStringLiteral("w0-0 d0 p0-0 s3")}
            << QStringList{QStringLiteral(" 周二第4节{第1周}x"), QStringLiteral("周五第4节{1周}x")}
            << QStringList{QStringLiteral("1: 周二第4节{第1周}x"), QStringLiteral("2:周八第4节{第1周}"),
                           QStringLiteral("3:周五第4节{1周}x")} << 1 << 1;

    // Named by the lines of the boxes, which begin lower where blank lines
    // were trimmed off the top: a class time by its box, a head count by its own.
    QTest::newRow("blank lines above the boxes")
            << QStringList{QStringLiteral("周一第4节{第1周}"), QStringLiteral("周八第4节{第1周}"), QString()}
            << QStringList{QStringLiteral("35人"), QStringLiteral("20"), QStringLiteral("40")}
            << QStringList{QStringLiteral("w1-1 d1 p4-4 s0"), QStringLiteral("w1-1 d-1 p4-4 s20"),
                           QStringLiteral("w0-0 d0 p0-0 s40")}
            << QStringList{QString()}
            << QStringList{QStringLiteral("2:[count]35人"), QStringLiteral("4:周八第4节{第1周}"),
                           QStringLiteral("4:[no time]40")}
            << 3 << 2;
    QTest::newRow("in no teaching week")
            << QStringList{QStringLiteral("周一第4节{第8-2周};周一第4节{第30-31周};周二第1,2节{第0周}"),
                           QStringLiteral("周三第5节{第3周}|双周;周四第9节{第1-8周|双周|单周}"),
                           QStringLiteral("周五第4节{第29-35周};周六第4节{第0-1周};周日第4节{第2周}(单)"),
                           QStringLiteral("周天第4节{第30周}")}
            << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}
            << QStringList{QStringLiteral("w8-2 d1 p4-4 s1"), QStringLiteral("w30-31 d1 p4-4 s1"),
                           QStringLiteral("w0-0 d2 p1-2 s1"), QStringLiteral("w3-3 d3 p5-5 s2 even"),
                           QStringLiteral("w1-8 d4 p9-9 s2 even odd"), QStringLiteral("w29-35 d5 p4-4 s3"),
                           QStringLiteral("w0-1 d6 p4-4 s3"), QStringLiteral("w2-2 d7 p4-4 s3 odd"),
                           QStringLiteral("w30-30 d-1 p4-4 s4")}
            << QStringList()
            << QStringList{QStringLiteral("1:[weeks]周一第4节{第8-2周}"), QStringLiteral("1:[weeks]周一第4节{第30-31周}"),
                           QStringLiteral("1:[weeks]周二第1,2节{第0周}"), QStringLiteral("2:[weeks]周三第5节{第3周}|双周"),
                           QStringLiteral("2:[weeks]周四第9节{第1-8周|双周|单周}"),
                           QStringLiteral("3:[weeks]周日第4节{第2周}(单)"), QStringLiteral("4:周天第4节{第30周}")}
            << 1 << 1;
    QTest::newRow("head counts without a class time")
            << QStringList{QStringLiteral("周一第4节{第1周}"), QString(), QStringLiteral(";"), QStringLiteral(" ; "),
                           QString(), QString()}
            << QStringList{QStringLiteral("1"), QStringLiteral("40"), QStringLiteral("1,500"), QStringLiteral("-3"),
                           QStringLiteral("0"), QStringLiteral("x")}
            << QStringList{QStringLiteral("w1-1 d1 p4-4 s1"), QStringLiteral("w0-0 d0 p0-0 s40"),
                           QStringLiteral("w0-0 d0 p0-0 s1500"), QStringLiteral("w0-0 d0 p0-0 s1500"),
                           QStringLiteral("w0-0 d0 p0-0 s-3"), QStringLiteral("w0-0 d0 p0-0 s-3"),
                           QStringLiteral("w0-0 d0 p0-0 s0"), QStringLiteral("w0-0 d0 p0-0 s0")}
            << QStringList{QString(), QString(), QString(), QStringLiteral(" "), QStringLiteral(" "), QString(), QString()}
            << QStringList{QStringLiteral("2:[no time]40"), QStringLiteral("3:[no time]1,500"),
                           QStringLiteral("4:[no time]-3"), QStringLiteral("6:[count]x")}
            << 1 << 1;
    QTest::newRow("blank head counts beside a class time read")
            << QStringList{QStringLiteral("周一第4节{第1周}"), QStringLiteral("周八第4节{第1周}"), QString(),
                           QStringLiteral("周一第4节{第30周};x")}
            << QStringList{QString(), QStringLiteral(" "), QString(), QStringLiteral("\u3000")}
            << QStringList{QStringLiteral("w1-1 d1 p4-4 s0"), QStringLiteral("w1-1 d-1 p4-4 s0"),
                           QStringLiteral("w0-0 d0 p0-0 s0"), QStringLiteral("w30-30 d1 p4-4 s0"),
                           QStringLiteral("w0-0 d0 p0-0 s0")}
            << QStringList{QString(), QStringLiteral("x")}
            << QStringList{QStringLiteral("1:[blank]"), QStringLiteral("2:周八第4节{第1周}"),
                           QStringLiteral("4:[weeks]周一第4节{第30周}"), QStringLiteral("4:x"),
                           QStringLiteral("4:[blank]\u3000")}
            << 1 << 1;

    // Spreadsheet cells of several lines are one course, named by the box
    // line on which they begin.
    QTest::newRow("after a three-line cell")
            << QStringList{QStringLiteral("\"周一第4节{第1周}"), QStringLiteral("周二第4节{第1周}"),
                           QStringLiteral("周八第4节{第1周}\""), QStringLiteral("周三第4节{第1周}x")}
            << QStringList{QStringLiteral("\"40"), QStringLiteral("\""), QStringLiteral("7人")}
            << QStringList{QStringLiteral("w1-1 d1 p4-4 s40"), QStringLiteral("w1-1 d2 p4-4 s40"),
                           QStringLiteral("w1-1 d-1 p4-4 s40"), QStringLiteral("w0-0 d0 p0-0 s0")}
            << QStringList{QStringLiteral("周三第4节{第1周}x")}
            << QStringList{QStringLiteral("2:周八第4节{第1周}"), QStringLiteral("5:周三第4节{第1周}x"),
                           QStringLiteral("3:[count]7人")}
            << 2 << 1;
    QTest::newRow("unclosed quote changes nothing")
            << QStringList{QStringLiteral("\"周一第4节{第1周}"), QStringLiteral("周二第4节{第1周}")}
            << QStringList{QStringLiteral("1"), QStringLiteral("2")}
            << QStringList{QStringLiteral("w0-0 d0 p0-0 s1"), QStringLiteral("w1-1 d2 p4-4 s2")}
            << QStringList{QStringLiteral("\\\"周一第4节{第1周}")} // as the debug stream escapes it
            << QStringList{QStringLiteral("1:\"周一第4节{第1周}")}
            << 1 << 1;
}

void TestTimeParser::buildEntries()
{
    QFETCH(QStringList, timeLines);
    QFETCH(QStringList, headCountLines);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, logged);
    QFETCH(QStringList, rejected);
    QFETCH(int, firstTimeLine);
    QFETCH(int, firstCountLine);

    // The list is replaced, not added to.
    QList<ClassEntry> built{makeEntry(1, 29, 1, 4, 99), makeEntry(2, 3, 5, 9, 1)};
    QList<UncountedItem> uncounted;
    expectRejections(logged);
    const QList<BoxLine> times = box(timeLines, Column::ClassTimes, firstTimeLine);
    const QList<BoxLine> counts = box(headCountLines, Column::HeadCounts, firstCountLine);
    ::buildEntries(times, counts, built, true, [&](const UncountedItem &item) { uncounted.append(item); });
    QCOMPARE(describe(built), entries);
    QCOMPARE(describe(uncounted), rejected);

    expectRejections(logged);
    ::buildEntries(times, counts, built, true);
    QCOMPARE(describe(built), entries);
}

QTEST_APPLESS_MAIN(TestTimeParser)
#include "tst_timeparser.moc"
