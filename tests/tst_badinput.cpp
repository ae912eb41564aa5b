// SPDX-License-Identifier: GPL-3.0-or-later

// classcount-table on files that are empty, huge, not text, not files at all:
// each run gives the right table, or one line of error and exit code 2, and
// never a crash, a hang, a partial table or runaway memory.

#include "encodings.h"
#include "tablerun.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int secondsBeforeHang = 120;
constexpr qint64 fixedMemoryAllowance = 50 * 1024 * 1024;
constexpr int memoryPerInputByte = 10;
// GNU time measures the peak memory; Windows has no such tool, and there
// only the output is checked.
#ifdef Q_OS_WIN
constexpr bool measuresMemory = false;
#else
constexpr bool measuresMemory = true;
#endif
const QString timeProgram = QStringLiteral("/usr/bin/time");

// Placeholders for the arguments (tablerun.h); anything else is passed as it is.
const QString timesFile = QStringLiteral("@times");
const QString countsFile = QStringLiteral("@counts");
const QString aFolder = QStringLiteral("@folder");
const QString missingFile = QStringLiteral("@missing");
const QString underAFile = QStringLiteral("@counts/times");
const QString lockedFile = QStringLiteral("@locked");
const QString standardInput = QStringLiteral("-");

// The one class used throughout: Monday, periods 3 and 4, weeks 1 to 8.
const QByteArray mondayClass = QByteArrayLiteral("周一第3,4节{第1-8周}");
// The same class in GB18030, which is not valid UTF-8.
const QByteArray mondayClassGb18030 = gb18030(QString::fromUtf8(mondayClass));

constexpr qint64 failure = -1;

// The table with `students` in Monday's period 4 of weeks 1 to 8 and zeros
// everywhere else, weeks 1 to 19; written out here, not by the code under test.
QByteArray expectedTable(qint64 students)
{
    static const char *const days[] = {"一", "二", "三", "四", "五", "六", "日"};
    QByteArray table = QByteArrayLiteral("周数\t星期\t上午4\t上午5\t下午9\t晚上11\t晚上12\n");
    for (int week = 1; week <= 19; ++week) {
        for (int d = 0; d < 7; ++d) {
            const qint64 period4 = d == 0 && week <= 8 ? students : 0;
            table += QByteArrayLiteral("第") + QByteArray::number(week)
                    + QByteArrayLiteral("周\t星期") + days[d] + '\t'
                    + QByteArray::number(period4) + "\t0\t0\t0\t0\n";
        }
    }
    return table;
}

} // namespace

class BadInputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void givesTableOrOneLineError_data();
    void givesTableOrOneLineError();

private:
    QTemporaryDir dir;
};

void BadInputTest::initTestCase()
{
    QVERIFY2(QFileInfo::exists(QStringLiteral(CLASSCOUNT_TABLE)), CLASSCOUNT_TABLE);
    QVERIFY2(!measuresMemory || QFileInfo(timeProgram).isExecutable(),
             "/usr/bin/time measures peak memory: install the package time (make test does)");
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
#ifdef Q_OS_UNIX
    QFile locked(dir.filePath(QStringLiteral("locked")));
    QVERIFY(locked.open(QIODevice::WriteOnly));
    locked.write(mondayClass);
    locked.close();
    QVERIFY(locked.setPermissions(QFileDevice::Permissions()));
#endif
}

void BadInputTest::givesTableOrOneLineError_data()
{
    QTest::addColumn<QByteArray>("times");
    QTest::addColumn<QByteArray>("counts");
    QTest::addColumn<QString>("timesArgument");
    QTest::addColumn<QString>("countsArgument");
    QTest::addColumn<QByteArray>("input");
    // Students in Monday's period 4 of weeks 1 to 8, or failure.
    QTest::addColumn<qint64>("expected");

    const QByteArray none;
    auto files = [&](const char *name, const QByteArray &times, const QByteArray &counts,
                     qint64 expected) {
        QTest::newRow(name) << times << counts << timesFile << countsFile << none << expected;
    };

    files("empty files", "", "", 0);
    files("empty times, white-space counts", "", " \n\t\n", 0);
    files("white space only", " \t\r\n \n\xc2\xa0", "\n \r\n\t", 0);
    files("white space around the lines", "\n\n" + mondayClass + " \r\n\t", "\r\n 7 \n", 7);

    files("NUL byte in the times", mondayClass + '\0', "7", failure);
    files("NUL byte in the counts", mondayClass, QByteArray("7\0", 2), failure);
    files("NUL byte alone", QByteArray(1, '\0'), "7", failure);
    files("NUL character in UTF-16",
          utf16(QString::fromUtf8(mondayClass) + QChar(u'\0'), true), "7",
          failure);

    files("UTF-8 with byte-order mark", "\xef\xbb\xbf" + mondayClass, "\xef\xbb\xbf" "7", 7);
    files("invalid UTF-8, read as GB18030", mondayClassGb18030, "7", 7);
    files("GB18030 times, UTF-8 counts", mondayClassGb18030 + "\r\n", "8\n", 8);
    files("invalid GB18030: bad second byte", mondayClass + "\x81\x20", "7", failure);
    files("invalid GB18030: byte FF", "\xff" + mondayClass, "7", failure);
    files("invalid GB18030: cut-off sequence", mondayClass + "\x81", "7", failure);
    files("invalid counts", mondayClass, "7\x80", failure);

    const QString mondayText = QString::fromUtf8(mondayClass);
    files("UTF-16 little-endian with byte-order mark",
          utf16(mondayText + QStringLiteral("\r\n"), true),
          utf16(QStringLiteral("9"), true), 9);
    files("UTF-16 big-endian with byte-order mark", utf16(mondayText, false),
          utf16(QStringLiteral("9\n"), false), 9);
    files("UTF-16 with an odd number of bytes",
          utf16(mondayText, true).chopped(1), "9", failure);
    files("UTF-16 with a lone surrogate",
          utf16(mondayText + QChar(0xd800), true), "9", failure);

    const int tenMegabytes = 10 * 1024 * 1024;
    const int itemsInTenMegabytes = tenMegabytes / (mondayClass.size() + 1) + 1;
    QByteArray longLine = mondayClass;
    for (int i = 1; i < itemsInTenMegabytes; ++i)
        longLine += ';' + mondayClass;
    files("one 10 MB line of classes", longLine, "2", 2 * qint64(itemsInTenMegabytes));
    files("one 10 MB line of junk", QByteArray(tenMegabytes, 'x'), "2", 0);
    files("one 10 MB line of junk without end", QByteArray(tenMegabytes, '{'), "2", 0);
    files("one 10 MB head count", mondayClass, QByteArray(tenMegabytes, '9'), 0);

    const int million = 1000000;
    files("1,000,000 lines", QByteArrayLiteral("周一4节{1-8周}\n").repeated(million),
          QByteArrayLiteral("1\n").repeated(million), million);
    files("1,000,000 unreadable lines", QByteArrayLiteral("x;\n").repeated(million),
          QByteArrayLiteral("1\n").repeated(million), 0);
    files("1,000,000 empty lines inside", "周一4节{1-8周}" + QByteArray(million, '\n') + "x",
          "3" + QByteArray(million, '\n') + "x", 3);

    auto paths = [&](const char *name, const QString &times, const QString &counts,
                     const QByteArray &input, qint64 expected) {
        QTest::newRow(name) << mondayClass << QByteArray("5") << times << counts << input
                            << expected;
    };
    paths("times from standard input", standardInput, countsFile, mondayClass, 5);
    paths("counts from standard input", timesFile, standardInput, "6", 6);
    paths("both from standard input", standardInput, standardInput, mondayClass, failure);
    paths("a folder as times", aFolder, countsFile, none, failure);
    paths("a folder as counts", timesFile, aFolder, none, failure);
    paths("a missing file", missingFile, countsFile, none, failure);
    paths("a path under a file", timesFile, underAFile, none, failure);
#ifdef Q_OS_LINUX
    paths("a file that opens but cannot be read", QStringLiteral("/proc/self/mem"), countsFile,
          none, failure);
#endif
    paths("an empty file name", QString(), countsFile, none, failure);
    // The superuser reads a file without permissions all the same; Windows
    // has no such permissions.
#ifdef Q_OS_UNIX
    if (geteuid() != 0)
        paths("a file without read permission", lockedFile, countsFile, none, failure);
#endif
}

void BadInputTest::givesTableOrOneLineError()
{
    QFETCH(QByteArray, times);
    QFETCH(QByteArray, counts);
    QFETCH(QString, timesArgument);
    QFETCH(QString, countsArgument);
    QFETCH(QByteArray, input);
    QFETCH(qint64, expected);

    for (const auto &file : {qMakePair(QStringLiteral("times"), times),
                             qMakePair(QStringLiteral("counts"), counts)}) {
        QFile written(dir.filePath(file.first));
        QVERIFY(written.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(written.write(file.second), qint64(file.second.size()));
    }

    const QString memoryReport = dir.filePath(QStringLiteral("memory"));
    QFile::remove(memoryReport);
    const QStringList toolArguments = withFiles({timesArgument, countsArgument}, dir.path());
    const TableRun tool = measuresMemory
            ? runTable(QStringList{QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"),
                                   memoryReport, QStringLiteral(CLASSCOUNT_TABLE)}
                               + toolArguments,
                       input, secondsBeforeHang, timeProgram)
            : runTable(toolArguments, input, secondsBeforeHang);
    QVERIFY2(tool.finished, "classcount-table hangs or crashes");
    const QByteArray &output = tool.out;
    const QByteArray &errors = tool.err;

    if (expected == failure) {
        QCOMPARE(tool.exitCode, 2);
        QVERIFY2(output.isEmpty(), output.left(200).constData());
        QVERIFY2(errors.startsWith("classcount-table：") && errors.endsWith('\n')
                         && errors.count('\n') == 1,
                 errors.left(500).constData());
    } else {
        QVERIFY2(tool.exitCode == 0, errors.left(500).constData());
        QCOMPARE(output, expectedTable(expected));
    }

    if (!measuresMemory)
        QSKIP("Peak memory is measured with GNU time, which this system lacks");
    QFile report(memoryReport);
    QVERIFY(report.open(QIODevice::ReadOnly));
    // The figure comes last, after a line on the exit status where it is not 0.
    const QByteArray reported = report.readAll().trimmed();
    bool isNumber = false;
    const qint64 peakBytes = reported.mid(reported.lastIndexOf('\n') + 1).toLongLong(&isNumber) * 1024;
    QVERIFY2(isNumber, reported.constData());
#ifdef CLASSCOUNT_SANITIZED
    Q_UNUSED(peakBytes)
#else
    const qint64 inputBytes = times.size() + counts.size() + input.size();
    const qint64 allowed = memoryPerInputByte * inputBytes + fixedMemoryAllowance;
    QVERIFY2(peakBytes <= allowed,
             qPrintable(QStringLiteral("peak memory %1 MiB, allowed %2 MiB")
                                .arg(peakBytes >> 20)
                                .arg(allowed >> 20)));
#endif
}

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_badinput.moc"
