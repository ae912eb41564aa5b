// SPDX-License-Identifier: GPL-3.0-or-later

#include "examplecontent.h"
#include "goldenfile.h"
#include "pastedtext.h"
#include "reporttext.h"
#include "tabletext.h"
#include "timeparser.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

namespace {


QByteArray lines(const QStringList &list, const char *lineBreak = "\n")
{
    return list.join(QString::fromLatin1(lineBreak)).toUtf8();
}

QByteArray gb18030(const QByteArray &utf8)
{
    return QTextCodec::codecForName("GB18030")->fromUnicode(QString::fromUtf8(utf8));
}

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

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
    void lineCountsDiffer_data();
    void lineCountsDiffer();
    void usageErrors_data();
    void usageErrors();
    void rejectedItems();
    void uncountedItems_data();
    void uncountedItems();
    void largeHeadCounts();
    void help();
    void version();

private:
    QString file(const QString &name, const QByteArray &bytes);
    QStringList withFiles(QStringList arguments) const;
    Run run(const QStringList &arguments, const QByteArray &input = QByteArray());

    QTemporaryDir dir;
    QString timesFile;
    QString countsFile;
};

QString TestClassCountTable::file(const QString &name, const QByteArray &bytes)
{
    QFile out(dir.filePath(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return QString();
    return out.fileName();
}

// Puts the example files in place of "TIMES" and "COUNTS".
QStringList TestClassCountTable::withFiles(QStringList arguments) const
{
    arguments.replaceInStrings(QStringLiteral("TIMES"), timesFile);
    arguments.replaceInStrings(QStringLiteral("COUNTS"), countsFile);
    arguments.replaceInStrings(QStringLiteral("DIR"), dir.path());
    return arguments;
}

Run TestClassCountTable::run(const QStringList &arguments, const QByteArray &input)
{
    Run result;
    QProcess process;
    process.start(QString::fromUtf8(CLASSCOUNT_TABLE), arguments);
    if (!process.waitForStarted(5000))
        return result;
    process.write(input);
    process.closeWriteChannel();
    result.finished = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

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
    const Run result = run({timesFile, countsFile});
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
    QCOMPARE(result.out, termTableText(entries, true).toUtf8());
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
    const Run result = fromStandardInput == 1   ? run({dash, countsPath}, times)
                       : fromStandardInput == 2 ? run({timesPath, dash}, counts)
                                                : run({timesPath, countsPath});
    const Run example = run({timesFile, countsFile});
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

    const Run result = run({QStringLiteral("--week"), week, QStringLiteral("--day"), day, timesFile, countsFile});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(QString::fromUtf8(result.out), view.join(QLatin1Char('\n')) + QLatin1Char('\n'));
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

    const Run result = run({file(QStringLiteral("t.txt"), times), file(QStringLiteral("c.txt"), counts)});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(QString::fromUtf8(result.err),
             QStringLiteral("上课时间数量：%1\n上课人数数量：%2\n").arg(timeLines).arg(countLines) + below);
}

void TestClassCountTable::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("badFile"); // written to DIR/bad.txt when not null

    const QString week = QStringLiteral("--week");
    const QString day = QStringLiteral("--day");
    const QString times = QStringLiteral("TIMES");
    const QString counts = QStringLiteral("COUNTS");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--frobnicate"), times, counts} << QByteArray();
    QTest::newRow("missing counts file") << QStringList{times, QStringLiteral("DIR/missing.txt")} << QByteArray();
    QTest::newRow("missing times file") << QStringList{QStringLiteral("DIR/missing.txt"), counts} << QByteArray();
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
    QTest::newRow("counts file not text") << QStringList{times, QStringLiteral("DIR/bad.txt")} << QByteArray("20\n\xFF\xFE\xFD");
    QTest::newRow("times file holds NUL") << QStringList{QStringLiteral("DIR/bad.txt"), counts} << QByteArray("a\0b", 3);
}

void TestClassCountTable::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, badFile);

    if (!badFile.isNull())
        QVERIFY(!file(QStringLiteral("bad.txt"), badFile).isEmpty());
    const Run result = run(withFiles(arguments));
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    QVERIFY(!result.err.isEmpty());
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
    const Run result = run({file(QStringLiteral("t.txt"), lines(times)), file(QStringLiteral("c.txt"), lines(counts))});
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
    const Run result = fromStandardInput == 1   ? run({dash, counts}, contents(QStringLiteral("-times.txt")))
                       : fromStandardInput == 2 ? run({times, dash}, contents(QStringLiteral("-counts.txt")))
                                                : run({times, counts});
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

    const Run table = run({times, counts});
    QVERIFY(table.finished);
    QCOMPARE(table.exitCode, 0);
    const QString problem = tableProblem(QString::fromUtf8(table.out), 19, true,
                                         {QStringLiteral("第1周\t星期五\t0\t0\t0\t4294967294\t0")});
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    const Run view = run({QStringLiteral("--week"), QStringLiteral("1"), QStringLiteral("--day"),
                          QStringLiteral("5"), times, counts});
    QVERIFY(view.finished);
    QCOMPARE(view.exitCode, 0);
    QVERIFY2(QString::fromUtf8(view.out).contains(QStringLiteral("\n晚上第11节：4294967294 人\n")),
             view.out.constData());
}

void TestClassCountTable::help()
{
    const Run result = run({QStringLiteral("--help")});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.startsWith("Usage: classcount-table [options] TIMES_FILE COUNTS_FILE\n"),
             result.out.constData());
    QVERIFY(result.out.contains("--week"));
    QVERIFY(result.out.contains("--day"));
    QVERIFY(result.out.contains("--version"));
}

void TestClassCountTable::version()
{
    const Run result = run({QStringLiteral("--version")});
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("classcount-table " CLASSCOUNT_VERSION "\n"));
    QCOMPARE(result.err, QByteArray());
}

QTEST_GUILESS_MAIN(TestClassCountTable)
#include "tst_classcounttable.moc"
