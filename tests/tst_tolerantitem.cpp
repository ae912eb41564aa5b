// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxlines.h"
#include "reporttext.h"
#include "testentries.h"
#include "timeparser.h"
#include "tolerantitem.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// A class time as the timetable office means it, before it is written down.
struct Part { int from, to; bool odd, even; };
struct Item { int day; QList<int> periods; QList<Part> parts; bool odd, even; }; // day 1 to 7
struct Course { QList<Item> items; int students; };

// The model: each part adds the students to every week it takes in, under
// the item's last period. Nothing is parsed.
TermTotals modelTerm(const QList<Course> &courses)
{
    TermTotals term{};
    for (const Course &course : courses) {
        for (const Item &item : course.items) {
            const int column = QList<int>{4, 5, 9, 11, 12}.indexOf(item.periods.last());
            for (const Part &part : item.parts) {
                for (int week = part.from; week <= part.to && column >= 0; ++week) {
                    PeriodTotals &cell = term[week - 1][item.day - 1];
                    qint64 *const periods[] = {&cell.period4, &cell.period5, &cell.period9, &cell.period11, &cell.period12};
                    if (!((part.odd || item.odd) && week % 2 == 0) && !((part.even || item.even) && week % 2 == 1))
                        *periods[column] += course.students;
                }
            }
        }
    }
    return term;
}

QString pick(QRandomGenerator &random, std::initializer_list<const char *> texts)
{
    return QString::fromUtf8(texts.begin()[random.bounded(int(texts.size()))]);
}

Item makeItem(QRandomGenerator &random, bool newForms)
{
    Item item{random.bounded(1, 8), {}, {}, false, false};
    for (int period = random.bounded(1, 6); period <= 12 && item.periods.size() < 3; period += random.bounded(1, 5))
        item.periods.append(period);
    const int parts = newForms ? random.bounded(1, 4) : 1;
    for (int from = random.bounded(1, 10); item.parts.size() < parts && from <= 29;
         from = item.parts.last().to + random.bounded(1, 4)) {
        const int marks = random.bounded(4);
        item.parts.append({from, qMin(29, from + random.bounded(8)), bool(marks & 1), bool(marks & 2)});
    }
    const int marks = newForms ? random.bounded(4) : 0;
    item.odd = marks & 1;
    item.even = marks & 2;
    return item;
}

// The grammar's markers, or every mark of the tolerant reading.
QString marks(QRandomGenerator &random, bool odd, bool even, bool newForms)
{
    QString text;
    if (odd)
        text += newForms ? pick(random, {"|单周", "(单)", "(单周)", "单周", "（单周）", "｜单周"})
                         : pick(random, {"|单周", "(单)", "（单）"});
    if (even)
        text += newForms ? pick(random, {"|双周", "(双)", "(双周)", "双周", "（双）", "｜双周"})
                         : pick(random, {"|双周", "(双)", "（双）"});
    return text;
}

// In the grammar's forms: one part, markers in the braces. In all forms
// also: spaces, "、" and full-width signs, week lists, marks on the item.
QString written(QRandomGenerator &random, const Item &item, bool newForms)
{
    QStringList periods;
    for (int period : item.periods)
        periods.append(QString::number(period));
    QString text = pick(random, {"周", "星期"}) + QStringLiteral("一二三四五六日").at(item.day - 1)
            + pick(random, {"第", ""})
            + periods.join(newForms ? pick(random, {",", " ", "、", " , ", "，", "\u3000"}) : pick(random, {",", "-"}))
            + QStringLiteral("节");
    const QString itemMarks = marks(random, item.odd, item.even, newForms);
    const bool marksBefore = random.bounded(2);
    text += (marksBefore ? itemMarks : QString()) + (newForms ? pick(random, {"{", "｛"}) : QStringLiteral("{"));
    for (const Part &part : item.parts) {
        if (&part != &item.parts.first())
            text += pick(random, {",", "，", "、"});
        text += pick(random, {"第", ""}) + QString::number(part.from)
                + (part.to == part.from ? QString() : QLatin1Char('-') + QString::number(part.to))
                + (newForms && &part != &item.parts.last() ? pick(random, {"周", ""}) : QStringLiteral("周"))
                + marks(random, part.odd, part.even, newForms);
    }
    text += (newForms ? pick(random, {"}", "｝"}) : QStringLiteral("}")) + (marksBefore ? QString() : itemMarks);
    return newForms ? pick(random, {"", " ", "\u3000"}) + text + pick(random, {"", " "}) : text;
}

// Without a ";" the next weekday ends an item after its "}".
QString writtenLine(QRandomGenerator &random, const Course &course, bool newForms)
{
    QString line;
    for (const Item &item : course.items) {
        const QString end = line.trimmed();
        if (!line.isEmpty() && !newForms)
            line += QLatin1Char(';');
        else if (!line.isEmpty())
            line += end.endsWith(QLatin1Char('}')) || end.endsWith(QChar(u'｝')) ? pick(random, {";", "；", "", " "})
                                                                               : pick(random, {";", "；"});
        line += written(random, item, newForms);
    }
    return line;
}

} // namespace

class TestTolerantItem : public QObject
{
    Q_OBJECT

private slots:
    void readTolerantItem_data();
    void readTolerantItem();
    void modelOfGeneratedLists_data();
    void modelOfGeneratedLists();
};

void TestTolerantItem::readTolerantItem_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("entries"); // none: not read

    const auto read = [](const char *tag, const char16_t *item, std::initializer_list<const char *> entries) {
        QStringList texts;
        for (const char *entry : entries)
            texts.append(QString::fromUtf8(entry));
        QTest::newRow(tag) << QString::fromUtf16(item) << texts;
    };
    const auto unread = [](const char *tag, const char16_t *item) {
        QTest::newRow(tag) << QString::fromUtf16(item) << QStringList();
    };

    // The head count is 20 throughout.
    read("spaces in the periods", u"周一第6 7节{第1-16周}", {"w1-16 d1 p6-7 s20"});
    read("a list of weeks", u"星期四第3-5节{1-6周,9-17周}", {"w1-6 d4 p3-5 s20", "w9-17 d4 p3-5 s20"});
    read("a mark for its own part", u"星期一第5-8节{4-6周(双),7-8周}", {"w4-6 d1 p5-8 s20 even", "w7-8 d1 p5-8 s20"});
    read("a mark without |", u"周五第3,4节{第1-15周单周}", {"w1-15 d5 p3-4 s20 odd"});
    read("full-width signs and 、", u"周一第1、2节｛第1-4，6-16周｝", {"w1-4 d1 p1-2 s20", "w6-16 d1 p1-2 s20"});
    read("spaces around, mark after the braces", u" 周三第12节{第1-8周}（双周） ", {"w1-8 d3 p12-12 s20 even"});
    read("a mark before the braces holds for every part", u"周二第5节(单周){1-3周,7-9周}",
         {"w1-3 d2 p5-5 s20 odd", "w7-9 d2 p5-5 s20 odd"});
    read("marks on two parts", u"周一第4节{1-8周|单周、9-16周|双周}", {"w1-8 d1 p4-4 s20 odd", "w9-16 d1 p4-4 s20 even"});
    read("a part marked both ways", u"周一第4节{1-8周(单),9周}(双)", {"w1-8 d1 p4-4 s20 even odd", "w9-9 d1 p4-4 s20 even"});
    read("a mark that forms once another is out", u"周一第4节{第1-8周单|双周周}", {"w1-8 d1 p4-4 s20 even odd"});
    read("a lone |", u"周一第4节{第1-8周|}", {"w1-8 d1 p4-4 s20"});
    read("single weeks, 第 on each part", u"周日第9节{第1周,第3周,5-6周}",
         {"w1-1 d7 p9-9 s20", "w3-3 d7 p9-9 s20", "w5-6 d7 p9-9 s20"});
    read("full-width digits", u"周一第３ ４节{第１-２周，５周}", {"w1-2 d1 p3-4 s20", "w5-5 d1 p3-4 s20"});
    read("the periods read as the grammar reads them", u"周一第1,节{1周,3周}", {"w1-1 d1 p1-0 s20", "w3-3 d1 p1-0 s20"});
    read("unknown weekday", u"周天第4节{1-2周,4周}", {"w1-2 d-1 p4-4 s20", "w4-4 d-1 p4-4 s20"});

    // Near misses: never half a course.
    unread("an empty part", u"周一第1节{第1-8周,,9周}");
    unread("a trailing comma", u"周一第1节{第1-8周,}");
    unread("two {", u"周一第1节{{第1-8周}");
    unread("text after }", u"周一第1节{第1-8周}上课");
    unread("last part without 周", u"周一第1节{1-8周,9}");
    unread("an empty period list", u"周一第节{第1-8周}");
    unread("a period list of spaces", u"周一第  节{第1-8周}");
    unread("a tab in the periods", u"周一第1\t2节{第1周}");
    unread("a space inside a part", u"周一第1节{第1 - 8周}");
    unread("another sign between the weeks", u"周一第1节{第4~6周}");
    unread("a space before 第", u"周一 第4节{第1-8周}");
    unread("marks leave ()", u"周一第1节{第1周(单周|单周)}");
    unread("an unknown marker", u"周一第1节{第1-15周|2节/周}");
    unread("a span in words", u"周4第1节连续2节{第1-16周}");
    unread("no braces", u"周一第1节第1周");
}

void TestTolerantItem::readTolerantItem()
{
    QFETCH(QString, item);
    QFETCH(QStringList, entries);

    QCOMPARE(describe(::readTolerantItem(item, 20, true)), entries);
}

void TestTolerantItem::modelOfGeneratedLists_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("newForms");

    for (quint32 seed = 1; seed <= 3; ++seed) {
        QTest::addRow("grammar's forms, seed %u", seed) << seed << false;
        QTest::addRow("all forms, seed %u", seed) << seed << true;
    }
}

// The term table of a generated list equals the model's; every item is read.
void TestTolerantItem::modelOfGeneratedLists()
{
    QFETCH(quint32, seed);
    QFETCH(bool, newForms);

    QRandomGenerator random(seed);
    QList<Course> courses;
    QStringList timeLines;
    QStringList countLines;
    for (int i = 0; i < 300; ++i) {
        Course course{{}, random.bounded(1, 300)};
        for (int items = random.bounded(1, 4); items > 0; --items)
            course.items.append(makeItem(random, newForms));
        courses.append(course);
        timeLines.append(writtenLine(random, course, newForms));
        countLines.append(QString::number(course.students));
    }
    QList<ClassEntry> entries;
    QStringList unread;
    buildEntries(boxLines(timeLines.join(QLatin1Char('\n')), Column::ClassTimes),
                 boxLines(countLines.join(QLatin1Char('\n')), Column::HeadCounts), entries, true,
                 [&](const UncountedItem &item) {
        if (item.kind == UncountedItem::UnreadTime)
            unread.append(item.text);
    });
    QCOMPARE(unread, QStringList());
    QCOMPARE(termTableText(termTotals(entries, true), true), termTableText(modelTerm(courses), true));
}

QTEST_APPLESS_MAIN(TestTolerantItem)
#include "tst_tolerantitem.moc"
