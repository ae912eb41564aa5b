// SPDX-License-Identifier: GPL-3.0-or-later

#include "reporttext.h"
#include "testentries.h"
#include "timeparser.h"
#include "tolerantitem.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// A class time as the timetable office means it, before it is written down.
struct Part
{
    int from = 1;
    int to = 1;
    bool odd = false;
    bool even = false;
};

struct Item
{
    int day = 1; // 1 Monday to 7 Sunday
    QList<int> periods;
    QList<Part> parts;
    bool odd = false; // for every part
    bool even = false;
};

struct Course
{
    QList<Item> items;
    int students = 0;
};

// The model: each part adds the course's students to every week it takes in,
// under the item's last period; nothing is parsed.
TermTotals modelTerm(const QList<Course> &courses)
{
    TermTotals term{};
    for (const Course &course : courses) {
        for (const Item &item : course.items) {
            for (const Part &part : item.parts) {
                const bool odd = part.odd || item.odd;
                const bool even = part.even || item.even;
                for (int week = qMax(1, part.from); week <= qMin(lastTeachingWeek, part.to); ++week) {
                    if ((odd && week % 2 == 0) || (even && week % 2 == 1))
                        continue;
                    PeriodTotals &totals = term[week - 1][item.day - 1];
                    switch (item.periods.last()) {
                    case 4: totals.period4 += course.students; break;
                    case 5: totals.period5 += course.students; break;
                    case 9: totals.period9 += course.students; break;
                    case 11: totals.period11 += course.students; break;
                    case 12: totals.period12 += course.students; break;
                    default: break;
                    }
                }
            }
        }
    }
    return term;
}

class Writer
{
public:
    Writer(quint32 seed, bool newForms) : random(seed), newForms(newForms) {}

    Course course()
    {
        Course made;
        made.students = random.bounded(1, 300);
        for (int n = random.bounded(1, 4); n > 0; --n)
            made.items.append(item());
        return made;
    }

    QString line(const Course &course)
    {
        QString text;
        for (const Item &item : course.items) {
            // Without a ";" the next weekday ends an item after its "}".
            const QStringRef end = QStringRef(&text).trimmed();
            if (!text.isEmpty() && newForms)
                text += end.endsWith(QLatin1Char('}')) || end.endsWith(QChar(u'｝'))
                        ? pick({";", "；", " ；", "", " ", "\u3000"})
                        : pick({";", "；", " ；"});
            else if (!text.isEmpty())
                text += QLatin1Char(';');
            text += newForms ? pick({"", " ", "\u3000"}) + tolerant(item) + pick({"", " "}) : grammar(item);
        }
        return text;
    }

private:
    Item item()
    {
        Item made;
        made.day = random.bounded(1, 8);
        for (int period = random.bounded(1, 6); period <= 12 && made.periods.size() < 3;
             period += random.bounded(1, 5))
            made.periods.append(period);
        const int parts = newForms ? random.bounded(1, 4) : 1;
        for (int from = random.bounded(1, 10); made.parts.size() < parts && from <= 29;) {
            Part part;
            part.from = from;
            part.to = qMin(29, from + random.bounded(0, 8));
            mark(part.odd, part.even);
            made.parts.append(part);
            from = part.to + random.bounded(1, 4);
        }
        if (newForms)
            mark(made.odd, made.even);
        return made;
    }

    void mark(bool &odd, bool &even)
    {
        const int kind = random.bounded(0, 4);
        odd = kind == 1 || kind == 3;
        even = kind == 2 || kind == 3;
    }

    QString pick(std::initializer_list<const char *> texts)
    {
        return QString::fromUtf8(*(texts.begin() + random.bounded(int(texts.size()))));
    }

    QString head(const Item &item, const QString &separator)
    {
        QStringList periods;
        for (int period : item.periods)
            periods.append(QString::number(period));
        return pick({"周", "星期"}) + QStringLiteral("一二三四五六日").at(item.day - 1) + pick({"第", ""}) + periods.join(separator)
                + QStringLiteral("节");
    }

    QString weeks(const Part &part)
    {
        return part.from == part.to ? QString::number(part.from)
                                    : QStringLiteral("%1-%2").arg(part.from).arg(part.to);
    }

    // The two forms of the grammar, one part and its markers.
    QString grammar(const Item &item)
    {
        const Part &part = item.parts.first();
        QString text = head(item, pick({",", "-"})) + QLatin1Char('{') + pick({"第", ""}) + weeks(part)
                + QStringLiteral("周}");
        if (part.even)
            addMarker(text, pick({"|双周", "(双)", "（双）"}));
        if (part.odd)
            addMarker(text, pick({"|单周", "(单)", "（单）"}));
        return text;
    }

    static void addMarker(QString &text, const QString &marker)
    {
        if (marker.startsWith(QLatin1Char('|')))
            text.insert(text.lastIndexOf(QLatin1Char('}')), marker);
        else
            text += marker;
    }

    QString oddMark() { return pick({"|单周", "(单)", "(单周)", "单周", "（单周）", "｜单周"}); }
    QString evenMark() { return pick({"|双周", "(双)", "(双周)", "双周", "（双）", "｜双周"}); }

    QString marks(bool odd, bool even)
    {
        return (odd ? oddMark() : QString()) + (even ? evenMark() : QString());
    }

    // Everything the tolerant reading takes: spaces and "、" in the periods,
    // full-width signs, lists of weeks, marks on parts and on the item.
    QString tolerant(const Item &item)
    {
        QString text = head(item, pick({",", " ", "、", " , ", "，", "\u3000", "  "}));
        const bool marksBefore = random.bounded(2) == 0;
        if (marksBefore)
            text += marks(item.odd, item.even);
        text += pick({"{", "｛"});
        for (int i = 0; i < item.parts.size(); ++i) {
            const Part &part = item.parts.at(i);
            if (i > 0)
                text += pick({",", "，", "、"});
            const bool last = i + 1 == item.parts.size();
            text += pick({"第", ""}) + weeks(part) + (last ? QStringLiteral("周") : pick({"周", ""}))
                    + marks(part.odd, part.even);
        }
        text += pick({"}", "｝"});
        if (!marksBefore)
            text += marks(item.odd, item.even);
        return text;
    }

    QRandomGenerator random;
    bool newForms;
};

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
    read("U+3000 around and in the periods", u"\u3000周二第1\u30002节{第3周}\u3000", {"w3-3 d2 p1-2 s20"});
    read("a comma beside spaces", u"周一第10 , 11节{第1周}", {"w1-1 d1 p10-11 s20"});
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

    Writer writer(seed, newForms);
    QList<Course> courses;
    QStringList timeLines;
    QStringList countLines;
    for (int i = 0; i < 300; ++i) {
        courses.append(writer.course());
        timeLines.append(writer.line(courses.last()));
        countLines.append(QString::number(courses.last().students));
    }
    QList<ClassEntry> entries;
    QStringList unread;
    buildEntries(timeLines, countLines, entries, true, [&](const UncountedItem &item) {
        if (item.kind == UncountedItem::UnreadTime)
            unread.append(item.text);
    });
    QCOMPARE(unread, QStringList());
    QCOMPARE(termTableText(entries, true), termTableText(modelTerm(courses), true));
}

QTEST_APPLESS_MAIN(TestTolerantItem)
#include "tst_tolerantitem.moc"
