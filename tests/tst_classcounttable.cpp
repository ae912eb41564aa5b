// SPDX-License-Identifier: GPL-3.0-or-later

#include "encodings.h"
#include "examplecontent.h"
#include "goldenfile.h"
#include "pastedtext.h"
#include "reporttext.h"
#include "tablerun.h"
#include "tabletext.h"
#include "timeparser.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <array>

namespace {

QByteArray lines(const QStringList &list, const char *lineBreak = "\n")
{
    return list.join(QString::fromLatin1(lineBreak)).toUtf8();
}

QByteArray gb18030(const QByteArray &utf8)
{
    return gb18030(QString::fromUtf8(utf8));
}

// A course as a timetable office plans it, written out as the two columns
// say it; the tool has to read the text back to this.
struct Course
{
    int day = 1; // 1 (Monday) to 7
    int firstPeriod = 1;
    int lastPeriod = 1;
    int weekFrom = 1;
    int weekTo = 1;
    int parity = 0; // 0: every week, 1: odd weeks, 2: even weeks
    int students = 0;
};

QString timeText(const Course &course)
{
    static const QStringList days{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                  QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"),
                                  QStringLiteral("日")};
    QStringList periods;
    for (int period = course.firstPeriod; period <= course.lastPeriod; ++period)
        periods.append(QString::number(period));
    const QString weeks = course.weekFrom == course.weekTo
            ? QString::number(course.weekFrom)
            : QStringLiteral("%1-%2").arg(course.weekFrom).arg(course.weekTo);
    const QString parity = course.parity == 1   ? QStringLiteral("|单周")
                           : course.parity == 2 ? QStringLiteral("|双周")
                                                : QString();
    return QStringLiteral("周%1第%2节{第%3周%4}")
            .arg(days.at(course.day - 1), periods.join(QLatin1Char(',')), weeks, parity);
}

// Lines of one to three courses each, with their head counts.
QList<QList<Course>> generatedLines(quint32 seed, int lineCount)
{
    QRandomGenerator random(seed);
    const auto between = [&](int lowest, int highest) { return int(random.bounded(lowest, highest + 1)); };
    QList<QList<Course>> lines;
    for (int i = 0; i < lineCount; ++i) {
        QList<Course> line;
        const int students = between(0, 300);
        for (int n = between(1, 3); n > 0; --n) {
            Course course;
            course.day = between(1, 7);
            course.lastPeriod = between(1, 13);
            course.firstPeriod = between(qMax(1, course.lastPeriod - 3), course.lastPeriod);
            course.weekFrom = between(1, 29);
            course.weekTo = between(course.weekFrom, qMin(29, course.weekFrom + between(0, 20)));
            course.parity = between(0, 2);
            course.students = students;
            line.append(course);
        }
        lines.append(line);
    }
    return lines;
}

// The grid of one period, straight from the courses: every course adds its
// students to each day it is held whose last period is that one.
QByteArray modelGrid(const QList<QList<Course>> &lines, int period)
{
    std::array<std::array<std::array<qint64, 7>, 29>, 13> students{};
    for (const QList<Course> &line : lines) {
        for (const Course &course : line) {
            for (int week = course.weekFrom; week <= course.weekTo; ++week) {
                if (course.parity == 0 || (course.parity == 1) == (week % 2 == 1))
                    students[course.lastPeriod - 1][week - 1][course.day - 1] += course.students;
            }
        }
    }
    // The term table runs through the first empty week after the last busy
    // one, at least through week 19 and at most through week 29.
    int lastBusyWeek = 0;
    for (int week = 1; week <= 29; ++week) {
        for (int p : {4, 5, 9, 11, 12}) {
            for (int day = 0; day < 7; ++day) {
                if (students[p - 1][week - 1][day] != 0)
                    lastBusyWeek = week;
            }
        }
    }
    const int lastWeek = qBound(19, lastBusyWeek + 1, 29);
    QByteArray grid = "周数\t星期一\t星期二\t星期三\t星期四\t星期五\t星期六\t星期日\n";
    for (int week = 1; week <= lastWeek; ++week) {
        grid += "第" + QByteArray::number(week) + "周";
        for (int day = 0; day < 7; ++day)
            grid += '\t' + QByteArray::number(students[period - 1][week - 1][day]);
        grid += '\n';
    }
    return grid;
}

} // namespace

class TestClassCountTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exampleTable();
    void sameTable_data();
    void sameTable();
    void view_data();
    void view();
    void periodGrid_data();
    void periodGrid();
    void courses_data();
    void courses();
    void against_data();
    void against();
    void courseListFile_data();
    void courseListFile();
    void periodGridMatchesModel_data();
    void periodGridMatchesModel();
    void lineCountsDiffer_data();
    void lineCountsDiffer();
    void usageErrors_data();
    void usageErrors();
    void workbookNotWritten_data();
    void workbookNotWritten();
    void rejectedItems();
    void uncountedItems_data();
    void uncountedItems();
    void largeHeadCounts();
    void help();
    void version();

private:
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(dir.path(), name, bytes); }

    QTemporaryDir dir;
    QString timesFile;
    QString countsFile;
};

void TestClassCountTable::initTestCase()
{
    QVERIFY(dir.isValid());
    timesFile = file(QStringLiteral("times.txt"), lines(exampleTimeLines));
    countsFile = file(QStringLiteral("counts.txt"), lines(exampleCountLines));
    QVERIFY(!timesFile.isEmpty());
    QVERIFY(!countsFile.isEmpty());
}

void TestClassCountTable::exampleTable()
{
    const TableRun result = runTable({timesFile, countsFile});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());

    // Monday holds 20 + 30 students in period 4 in weeks 1 to 8; Thursday
    // holds 35 in periods 9 and 11 in the even weeks 2 to 8.
    QStringList busyRows;
    for (int week = 1; week <= 8; ++week) {
        busyRows.append(QStringLiteral("第%1周\t星期一\t50\t0\t0\t0\t0").arg(week));
        if (week % 2 == 0)
            busyRows.append(QStringLiteral("第%1周\t星期四\t0\t0\t35\t35\t0").arg(week));
    }
    const QString problem = tableProblem(QString::fromUtf8(result.out), 19, true, busyRows);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    QList<ClassEntry> entries;
    buildEntries(boxLines(exampleTimes, Column::ClassTimes), boxLines(exampleCounts, Column::HeadCounts), entries, true);
    QCOMPARE(result.out, termTableText(termTotals(entries, true), true).toUtf8());
}

void TestClassCountTable::sameTable_data()
{
    QTest::addColumn<QByteArray>("times");
    QTest::addColumn<QByteArray>("counts");
    QTest::addColumn<int>("fromStandardInput"); // 0: none, 1: times, 2: counts

    const QByteArray times = lines(exampleTimeLines);
    const QByteArray counts = lines(exampleCountLines);
    QTest::newRow("CRLF") << lines(exampleTimeLines, "\r\n") + "\r\n" << lines(exampleCountLines, "\r\n") << 0;
    QTest::newRow("lone CR") << lines(exampleTimeLines, "\r") << counts << 0;
    QTest::newRow("GB18030") << gb18030(times) << gb18030(counts) << 0;
    QTest::newRow("GB18030 with CRLF") << gb18030(lines(exampleTimeLines, "\r\n")) << counts << 0;
    QTest::newRow("UTF-8 with byte-order mark") << QByteArrayLiteral("\xEF\xBB\xBF") + times << counts << 0;
    QTest::newRow("blank lines around") << "\n\n" + times + "\n \n" << "  " + counts + "\n" << 0;
    QTest::newRow("times from standard input") << times << counts << 1;
    QTest::newRow("counts from standard input") << gb18030(times) << lines(exampleCountLines, "\r\n") << 2;
}

void TestClassCountTable::sameTable()
{
    QFETCH(QByteArray, times);
    QFETCH(QByteArray, counts);
    QFETCH(int, fromStandardInput);

    const QString timesPath = file(QStringLiteral("times-variant.txt"), times);
    const QString countsPath = file(QStringLiteral("counts-variant.txt"), counts);
    QVERIFY(!timesPath.isEmpty() && !countsPath.isEmpty());
    const QString dash = QStringLiteral("-");
    const TableRun result = fromStandardInput == 1   ? runTable({dash, countsPath}, times)
                       : fromStandardInput == 2 ? runTable({timesPath, dash}, counts)
                                                : runTable({timesPath, countsPath});
    const TableRun example = runTable({timesFile, countsFile});
    QVERIFY(result.finished && example.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, example.out);
}

void TestClassCountTable::view_data()
{
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QStringList>("view"); // the lines of the output

    const auto totals = [](const QString &heading, int p4, int p9, int p11) {
        return QStringList{heading, QString(), QStringLiteral("上午第 4节：%1 人").arg(p4), QString(),
                           QStringLiteral("上午第 5节：0 人"), QString(), QStringLiteral("下午第 9节：%1 人").arg(p9),
                           QString(), QStringLiteral("晚上第11节：%1 人").arg(p11), QString(),
                           QStringLiteral("晚上第12节：0 人")};
    };
    QTest::newRow("week 1, Monday") << QStringLiteral("1") << QStringLiteral("1")
                                    << totals(QStringLiteral("第1周 星期一："), 50, 0, 0);
    QTest::newRow("week 8, Monday") << QStringLiteral("8") << QStringLiteral("1")
                                    << totals(QStringLiteral("第8周 星期一："), 50, 0, 0);
    QTest::newRow("week 9, Monday") << QStringLiteral("9") << QStringLiteral("1")
                                    << totals(QStringLiteral("第9周 星期一："), 0, 0, 0);
    QTest::newRow("week 2, Thursday") << QStringLiteral("2") << QStringLiteral("4")
                                      << totals(QStringLiteral("第2周 星期四："), 0, 35, 35);
    QTest::newRow("odd week 3, Thursday") << QStringLiteral("3") << QStringLiteral("4")
                                          << totals(QStringLiteral("第3周 星期四："), 0, 0, 0);
    QTest::newRow("week 29, Sunday") << QStringLiteral("29") << QStringLiteral("7")
                                     << totals(QStringLiteral("第29周 星期日："), 0, 0, 0);
}

void TestClassCountTable::view()
{
    QFETCH(QString, week);
    QFETCH(QString, day);
    QFETCH(QStringList, view);

    const TableRun result = runTable({QStringLiteral("--week"), week, QStringLiteral("--day"), day, timesFile, countsFile});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(QString::fromUtf8(result.out), view.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TestClassCountTable::periodGrid_data()
{
    QTest::addColumn<QString>("period");

    for (const char *period : {"4", "5", "9", "11", "12"})
        QTest::newRow(period) << QString::fromLatin1(period);
}

// A term of ordinary courses, through week 23, with odd and even weeks.
void TestClassCountTable::periodGrid()
{
    QFETCH(QString, period);

    const QString times = file(QStringLiteral("t.txt"), goldenFile(QStringLiteral("overview-times.txt")));
    const QString counts = file(QStringLiteral("c.txt"), goldenFile(QStringLiteral("overview-counts.txt")));
    const QByteArray expected = goldenFile(QStringLiteral("overview-period%1.tsv").arg(period));
    QVERIFY(!expected.isEmpty());
    const TableRun result = runTable({QStringLiteral("--period"), period, times, counts});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, expected);
}

void TestClassCountTable::courses_data()
{
    QTest::addColumn<QString>("set"); // the golden input files
    QTest::addColumn<QStringList>("cell");
    QTest::addColumn<QByteArray>("listed");

    const QByteArray header = "行\t人数\t上课时间\n";
    QTest::newRow("ties by line") << QStringLiteral("overview") << QStringList{QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("4")}
                                  << goldenFile(QStringLiteral("overview-courses.tsv"));
    QTest::newRow("empty cell") << QStringLiteral("overview") << QStringList{QStringLiteral("29"), QStringLiteral("7"), QStringLiteral("12")} << header;
    QTest::newRow("spreadsheet cell") << QStringLiteral("spreadsheet") << QStringList{QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("5")}
                                      << goldenFile(QStringLiteral("spreadsheet-courses.tsv"));
    QTest::newRow("two items in one cell") << QString() << QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("4")}
                                           << header + "2\t60\t周一第3,4节{第1周};星期一第4节{第1-2周}\n1\t0\t周一第4节{第1周}\n";
}

void TestClassCountTable::courses()
{
    QFETCH(QString, set);
    QFETCH(QStringList, cell);
    QFETCH(QByteArray, listed);

    QVERIFY(!listed.isEmpty());
    const QString times = set.isEmpty() ? file(QStringLiteral("t.txt"), "周一第4节{第1周}\n周一第3,4节{第1周};星期一第4节{第1-2周}")
                                        : file(QStringLiteral("t.txt"), goldenFile(set + QStringLiteral("-times.txt")));
    const QString counts = set.isEmpty() ? file(QStringLiteral("c.txt"), "0\n30")
                                         : file(QStringLiteral("c.txt"), goldenFile(set + QStringLiteral("-counts.txt")));
    const TableRun result = runTable({QStringLiteral("--courses"), QStringLiteral("--week"), cell.at(0), QStringLiteral("--day"), cell.at(1),
                                      QStringLiteral("--period"), cell.at(2), times, counts});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, listed);
}

// The example with its second course moved from Monday to Wednesday, against the example.
void TestClassCountTable::against_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("golden");

    QTest::newRow("grid") << QStringList{QStringLiteral("--period"), QStringLiteral("4")} << QStringLiteral("moved-period4.tsv");
    QTest::newRow("courses") << QStringList{QStringLiteral("--courses"), QStringLiteral("--week"), QStringLiteral("2"), QStringLiteral("--day"),
                                            QStringLiteral("3"), QStringLiteral("--period"), QStringLiteral("4")}
                             << QStringLiteral("moved-courses.tsv");
}

void TestClassCountTable::against()
{
    QFETCH(QStringList, options);
    QFETCH(QString, golden);

    const QString moved = file(QStringLiteral("moved.txt"), goldenFile(QStringLiteral("moved-times.txt")));
    const TableRun result = runTable(options + QStringList{QStringLiteral("--against"), timesFile, countsFile, moved, countsFile});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, goldenFile(golden));
}

// The same small course list as LibreOffice writes it in each format: its
// courses listed with their names and rows, also against the example's.
void TestClassCountTable::courseListFile_data()
{
    QTest::addColumn<QString>("name"); // in tests/courselists
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("out");

    const QStringList sunday = QStringLiteral("--courses --week 3 --day 7 --period 12").split(QLatin1Char(' '));
    const QStringList against = QStringLiteral("--courses --week 1 --day 1 --period 4 --against").split(QLatin1Char(' '));
    for (const char *name : {"courselist.xlsx", "courselist.xls", "courselist.csv"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << QStringList() << goldenFile(QStringLiteral("courselist-table.tsv"));
        QTest::addRow("%s --courses", name) << QString::fromLatin1(name) << sunday
                                            << QByteArray("行\t人数\t上课时间\t课程名称\t表格行\n8\t18\t周日第12节{第3周}\t\"化学\"实验\t9\n");
        QTest::addRow("%s --against", name) << QString::fromLatin1(name) << against + QStringList{timesFile, countsFile}
                                            << goldenFile(QStringLiteral("courselist-against.tsv"));
    }
}

void TestClassCountTable::courseListFile()
{
    QFETCH(QString, name);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, out);

    const TableRun result = runTable(options + QStringList{QStringLiteral(CLASSCOUNT_COURSE_LISTS "/") + name});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, out);
    QCOMPARE(result.err, goldenFile(QStringLiteral("courselist-stderr.txt")));
}

void TestClassCountTable::periodGridMatchesModel_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("lineCount");

    QTest::newRow("a few lines") << 1u << 5;
    QTest::newRow("a faculty") << 2u << 60;
    QTest::newRow("a school") << 3u << 400;
    QTest::newRow("another school") << 4u << 400;
}

void TestClassCountTable::periodGridMatchesModel()
{
    QFETCH(quint32, seed);
    QFETCH(int, lineCount);

    const QList<QList<Course>> courses = generatedLines(seed, lineCount);
    QStringList times;
    QStringList counts;
    for (const QList<Course> &line : courses) {
        QStringList items;
        for (const Course &course : line)
            items.append(timeText(course));
        times.append(items.join(QLatin1Char(';')));
        counts.append(QString::number(line.first().students));
    }
    const QString timesPath = file(QStringLiteral("t.txt"), lines(times));
    const QString countsPath = file(QStringLiteral("c.txt"), lines(counts));
    for (int period : {4, 5, 9, 11, 12}) {
        // Odd weeks of an even week alone are named as uncounted, on standard error.
        const TableRun result = runTable({QStringLiteral("--period"), QString::number(period), timesPath, countsPath});
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, modelGrid(courses, period));
    }
}

void TestClassCountTable::lineCountsDiffer_data()
{
    QTest::addColumn<QByteArray>("times");
    QTest::addColumn<QByteArray>("counts");
    QTest::addColumn<int>("timeLines");
    QTest::addColumn<int>("countLines");
    QTest::addColumn<QString>("below"); // what follows the counts

    QTest::newRow("one count more") << lines(exampleTimeLines) << lines(exampleCountLines) + "\n40" << 3 << 4 << "";
    QTest::newRow("one count less") << lines(exampleTimeLines) << QByteArray("20\n30") << 3 << 2 << "";
    QTest::newRow("empty line inside counts") << QByteArray("周一第4节{第1周}") << QByteArray("20\n\n30") << 1 << 3 << "";
    QTest::newRow("empty counts file") << lines(exampleTimeLines, "\r\n") << QByteArray() << 3 << 1 << "";
    QTest::newRow("counts beside the times")
            << QByteArray("周一第4节{第1周}\t20\r\n\"周二第4节{第1周}\n周三第4节{第1周}\"\t30\r\n") << QByteArray("20")
            << 3 << 1 << "上课时间有 2 行含有制表符，可能复制了多列：请只复制“上课时间”一列。\n";
}

void TestClassCountTable::lineCountsDiffer()
{
    QFETCH(QByteArray, times);
    QFETCH(QByteArray, counts);
    QFETCH(int, timeLines);
    QFETCH(int, countLines);
    QFETCH(QString, below);

    const TableRun result = runTable({file(QStringLiteral("t.txt"), times), file(QStringLiteral("c.txt"), counts)});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(QString::fromUtf8(result.err),
             QStringLiteral("上课时间数量：%1\n上课人数数量：%2\n").arg(timeLines).arg(countLines) + below);
}

void TestClassCountTable::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("badFile"); // written to @bad.txt when not null

    const QString week = QStringLiteral("--week");
    const QString day = QStringLiteral("--day");
    const QString times = QStringLiteral("@times.txt");
    const QString counts = QStringLiteral("@counts.txt");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--frobnicate"), times, counts} << QByteArray();
    QTest::newRow("missing counts file") << QStringList{times, QStringLiteral("@missing.txt")} << QByteArray();
    QTest::newRow("missing times file") << QStringList{QStringLiteral("@missing.txt"), counts} << QByteArray();
    QTest::newRow("one file") << QStringList{times} << QByteArray();
    QTest::newRow("no file") << QStringList() << QByteArray();
    QTest::newRow("three files") << QStringList{times, counts, counts} << QByteArray();
    QTest::newRow("both from standard input") << QStringList{QStringLiteral("-"), QStringLiteral("-")} << QByteArray();
    QTest::newRow("week 0") << QStringList{week, QStringLiteral("0"), day, QStringLiteral("1"), times, counts} << QByteArray();
    QTest::newRow("week 30") << QStringList{week, QStringLiteral("30"), day, QStringLiteral("1"), times, counts} << QByteArray();
    QTest::newRow("week not a number") << QStringList{week, QStringLiteral("x"), day, QStringLiteral("1"), times, counts} << QByteArray();
    QTest::newRow("day 0") << QStringList{week, QStringLiteral("1"), day, QStringLiteral("0"), times, counts} << QByteArray();
    QTest::newRow("day 8") << QStringList{week, QStringLiteral("1"), day, QStringLiteral("8"), times, counts} << QByteArray();
    QTest::newRow("day not a number") << QStringList{week, QStringLiteral("1"), day, QStringLiteral("一"), times, counts} << QByteArray();
    QTest::newRow("week without day") << QStringList{week, QStringLiteral("3"), times, counts} << QByteArray();
    QTest::newRow("day without week") << QStringList{day, QStringLiteral("3"), times, counts} << QByteArray();
    const QString period = QStringLiteral("--period");
    QTest::newRow("period 6") << QStringList{period, QStringLiteral("6"), times, counts} << QByteArray();
    QTest::newRow("period 0") << QStringList{period, QStringLiteral("0"), times, counts} << QByteArray();
    QTest::newRow("period 13") << QStringList{period, QStringLiteral("13"), times, counts} << QByteArray();
    QTest::newRow("period not a number") << QStringList{period, QStringLiteral("第4节"), times, counts} << QByteArray();
    QTest::newRow("period with week and day")
            << QStringList{period, QStringLiteral("4"), week, QStringLiteral("1"), day, QStringLiteral("1"), times, counts}
            << QByteArray();
    QTest::newRow("period with day") << QStringList{period, QStringLiteral("4"), day, QStringLiteral("1"), times, counts} << QByteArray();
    const QString xlsx = QStringLiteral("--xlsx");
    const QString book = QStringLiteral("@book.xlsx");
    QTest::newRow("xlsx with period") << QStringList{xlsx, book, period, QStringLiteral("4"), times, counts} << QByteArray();
    QTest::newRow("xlsx with week and day")
            << QStringList{xlsx, book, week, QStringLiteral("1"), day, QStringLiteral("1"), times, counts} << QByteArray();
    QTest::newRow("courses with xlsx")
            << QStringList{QStringLiteral("--courses"), week, QStringLiteral("1"), day, QStringLiteral("1"), period, QStringLiteral("4"), xlsx, book, times, counts}
            << QByteArray();
    QTest::newRow("courses without period")
            << QStringList{QStringLiteral("--courses"), week, QStringLiteral("1"), day, QStringLiteral("1"), times, counts} << QByteArray();
    QTest::newRow("xlsx without a name") << QStringList{xlsx, QString(), times, counts} << QByteArray();
    const QString against = QStringLiteral("--against");
    QTest::newRow("against one file") << QStringList{times, counts, against, times} << QByteArray();
    QTest::newRow("against twice") << QStringList{against, times, counts, against, times, counts, times, counts} << QByteArray();
    QTest::newRow("against, two from standard input") << QStringList{against, QStringLiteral("-"), counts, times, QStringLiteral("-")} << QByteArray();
    QTest::newRow("counts file not text") << QStringList{times, QStringLiteral("@bad.txt")} << QByteArray("20\n\xFF\xFE\xFD");
    const QString courseList = QStringLiteral(CLASSCOUNT_COURSE_LISTS "/courselist.csv");
    QTest::newRow("course list without the named column")
            << QStringList{QStringLiteral("--time-column"), QStringLiteral("课程时间"), courseList} << QByteArray();
    QTest::newRow("course list file missing") << QStringList{QStringLiteral("@missing.xlsx")} << QByteArray();
    QTest::newRow("sheet without a course list") << QStringList{QStringLiteral("--sheet"), QStringLiteral("x"), times, counts}
                                                 << QByteArray();
    QTest::newRow("times file holds NUL") << QStringList{QStringLiteral("@bad.txt"), counts} << QByteArray("a\0b", 3);
}

void TestClassCountTable::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, badFile);

    if (!badFile.isNull())
        QVERIFY(!file(QStringLiteral("bad.txt"), badFile).isEmpty());
    const TableRun result = runTable(withFiles(arguments, dir.path()));
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    // One line, in Chinese.
    QVERIFY2(result.err.startsWith("classcount-table：") && result.err.count('\n') == 1,
             result.err.constData());
}

// Nothing is written, and a file already there keeps its bytes.
void TestClassCountTable::workbookNotWritten_data()
{
    QTest::addColumn<QString>("target"); // in dir
    QTest::addColumn<QByteArray>("counts");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");

    const QByteArray counts = lines(exampleCountLines);
    QTest::newRow("folder") << QString() << counts << 2 << QStringLiteral("这是一个文件夹");
    QTest::newRow("missing folder") << QStringLiteral("missing/term.xlsx") << counts << 2 << QStringLiteral("文件夹不存在");
    QTest::newRow("line counts differ") << QStringLiteral("old.xlsx") << counts + "\n40" << 1 << QString();
}

void TestClassCountTable::workbookNotWritten()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, counts);
    QFETCH(int, exitCode);
    QFETCH(QString, reason);

    QTemporaryDir folder;
    const QString path = folder.filePath(target);
    const QByteArray old("an older workbook");
    if (!target.isEmpty() && !target.contains(QLatin1Char('/')))
        QVERIFY(!writeFile(folder.path(), target, old).isEmpty());
    const QStringList before = QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    const TableRun result = runTable({QStringLiteral("--xlsx"), path, timesFile,
                                      file(QStringLiteral("c.txt"), counts)});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QByteArray());
    if (!reason.isEmpty())
        QCOMPARE(QString::fromUtf8(result.err),
                 QStringLiteral("classcount-table：无法导出到 %1：%2\n").arg(path, reason));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    QFile kept(path);
    if (kept.open(QIODevice::ReadOnly))
        QCOMPARE(kept.readAll(), old);
}

void TestClassCountTable::rejectedItems()
{
    const QStringList times{
        QStringLiteral("周一第3,4节{第1-8周}"),
        QStringLiteral("周二第11节{第1-2周}; 周三第4节{第1周}x"),
        QStringLiteral("周五第4节{第2周}，周五第4节{第3周}"),
        QStringLiteral("周六第5节{第21周};"),
    };
    const QStringList counts{QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("35"), QStringLiteral("8")};
    const TableRun result = runTable({file(QStringLiteral("t.txt"), lines(times)), file(QStringLiteral("c.txt"), lines(counts))});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);

    // The unread items are named by line, as typed; the blank item after the
    // final ";" is not worth naming.
    QCOMPARE(QString::fromUtf8(result.err), QStringLiteral("有 2 项上课时间无法识别，未计入统计：\n"
                                                           "第2行： 周三第4节{第1周}x\n"
                                                           "第3行：周五第4节{第2周}，周五第4节{第3周}\n"));

    // The table holds what was read: Monday weeks 1 to 8, Tuesday weeks 1
    // and 2, Saturday week 21, so it ends with week 22.
    QStringList busyRows;
    for (int week = 1; week <= 8; ++week) {
        busyRows.append(QStringLiteral("第%1周\t星期一\t20\t0\t0\t0\t0").arg(week));
        if (week <= 2)
            busyRows.append(QStringLiteral("第%1周\t星期二\t0\t0\t0\t30\t0").arg(week));
    }
    busyRows.append(QStringLiteral("第21周\t星期六\t0\t8\t0\t0\t0"));
    const QString problem = tableProblem(QString::fromUtf8(result.out), 22, true, busyRows);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestClassCountTable::uncountedItems_data()
{
    QTest::addColumn<QString>("name"); // of the golden files in tests/golden
    QTest::addColumn<QString>("table"); // the name of the golden table
    QTest::addColumn<int>("fromStandardInput"); // 0: none, 1: times, 2: counts

    // Blank lines on top of the times only, head counts as a spreadsheet
    // shows them, and every kind of uncounted item.
    const QString uncounted = QStringLiteral("uncounted");
    QTest::newRow("files") << uncounted << uncounted << 0;
    QTest::newRow("times from standard input") << uncounted << uncounted << 1;
    QTest::newRow("counts from standard input") << uncounted << uncounted << 2;
    // The forms of other timetable systems and of hand typing, read, beside
    // near misses that are still listed.
    const QString forms = QStringLiteral("forms");
    QTest::newRow("other forms") << forms << forms << 0;

    // Columns as a spreadsheet copies them (CR LF rows, cells of several
    // lines in quotes, a blank below a merged count) give the table of the
    // same list written one course a line.
    const QString spreadsheet = QStringLiteral("spreadsheet");
    QTest::newRow("spreadsheet columns") << spreadsheet << spreadsheet << 0;
    QTest::newRow("spreadsheet times from standard input") << spreadsheet << spreadsheet << 1;
    QTest::newRow("one course a line") << QStringLiteral("spreadsheet-lines") << spreadsheet << 0;
}

void TestClassCountTable::uncountedItems()
{
    QFETCH(QString, name);
    QFETCH(QString, table);
    QFETCH(int, fromStandardInput);

    const auto contents = [&](const QString &suffix, const QString &set = QString()) {
        return goldenFile((set.isNull() ? name : set) + suffix);
    };
    QVERIFY(!contents(QStringLiteral("-table.tsv"), table).isEmpty());
    const QString times = file(name + QStringLiteral("-times.txt"), contents(QStringLiteral("-times.txt")));
    const QString counts = file(name + QStringLiteral("-counts.txt"), contents(QStringLiteral("-counts.txt")));
    const QString dash = QStringLiteral("-");
    const TableRun result = fromStandardInput == 1   ? runTable({dash, counts}, contents(QStringLiteral("-times.txt")))
                            : fromStandardInput == 2 ? runTable({times, dash}, contents(QStringLiteral("-counts.txt")))
                                                     : runTable({times, counts});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, contents(QStringLiteral("-stderr.txt")));
    QCOMPARE(result.out, contents(QStringLiteral("-table.tsv"), table));
}

void TestClassCountTable::largeHeadCounts()
{
    // Two courses of 2147483647 students each in Friday's period 11 of week 1.
    const QString times = file(QStringLiteral("t.txt"), QByteArray("周五第11节{第1周}\n周五第10,11节{第1周}"));
    const QString counts = file(QStringLiteral("c.txt"), QByteArray("2147483647\n2147483647"));

    const TableRun table = runTable({times, counts});
    QVERIFY(table.finished);
    QCOMPARE(table.exitCode, 0);
    const QString problem = tableProblem(QString::fromUtf8(table.out), 19, true,
                                         {QStringLiteral("第1周\t星期五\t0\t0\t0\t4294967294\t0")});
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    const TableRun view = runTable({QStringLiteral("--week"), QStringLiteral("1"), QStringLiteral("--day"),
                          QStringLiteral("5"), times, counts});
    QVERIFY(view.finished);
    QCOMPARE(view.exitCode, 0);
    QVERIFY2(QString::fromUtf8(view.out).contains(QStringLiteral("\n晚上第11节：4294967294 人\n")),
             view.out.constData());
}

void TestClassCountTable::help()
{
    const TableRun result = runTable({QStringLiteral("--help")});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    // The toolkit's own headings too are in Chinese.
    const QString help = QString::fromUtf8(result.out);
    QVERIFY2(help.startsWith(QStringLiteral("用法：classcount-table [选项] TIMES_FILE COUNTS_FILE\n")),
             result.out.constData());
    QVERIFY(help.contains(QStringLiteral("\n选项：\n")));
    QVERIFY(help.contains(QStringLiteral("\n参数：\n")));
    QVERIFY(!help.contains(QStringLiteral("Usage")));
    QVERIFY(result.out.contains("--period"));
    QVERIFY(result.out.contains("--week"));
    QVERIFY(result.out.contains("--day"));
    QVERIFY(result.out.contains("--version"));
}

void TestClassCountTable::version()
{
    const TableRun result = runTable({QStringLiteral("--version")});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("classcount-table " CLASSCOUNT_VERSION "\n"));
    QCOMPARE(result.err, QByteArray());
}

QTEST_GUILESS_MAIN(TestClassCountTable)
#include "tst_classcounttable.moc"
