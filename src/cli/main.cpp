// SPDX-License-Identifier: GPL-3.0-or-later

// classcount-table: the term table (or one result view) for two text files,
// exactly as the desktop program computes it.

#include "boxlines.h"
#include "count.h"
#include "countchange.h"
#include "courselistfile.h"
#include "pastedtext.h"
#include "reporttext.h"
#include "standardstreams.h"
#include "termgrid.h"
#include "toolkittexts.h"
#include "utf8locale.h"
#include "workbook.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <cstdio>

namespace {

// A file that cannot be read or written is a BadUsage too.
enum ExitCode { Success = 0, LineCountsDiffer = 1, BadUsage = 2 };

constexpr bool mondayFirst = true;

void write(FILE *stream, const QString &text)
{
    writeUtf8(stream, text.toUtf8());
}

int fail(const QString &problem)
{
    write(stderr, QStringLiteral("classcount-table：%1（--help 显示用法）\n").arg(problem));
    return BadUsage;
}

// The parser logs every unread class time; this tool names them itself, by line.
void dropDebugMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg)
        write(stderr, qFormatLogMessage(type, context, message) + QLatin1Char('\n'));
}

// The whole file, or standard input for "-".
bool readBytes(const QString &path, QByteArray *bytes, QString *problem)
{
    if (path == QLatin1String("-")) {
        if (readStandardInput(bytes))
            return true;
        *problem = QStringLiteral("无法读取标准输入");
        return false;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        *bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    *problem = QStringLiteral("无法读取文件“%1”：%2").arg(path, file.errorString());
    return false;
}

bool readInput(const QString &path, QString *text, int *firstLine, QString *problem)
{
    // QFile would warn about it on a line of its own.
    if (path.isEmpty()) {
        *problem = QStringLiteral("文件名为空");
        return false;
    }
    QByteArray bytes;
    if (!readBytes(path, &bytes, problem))
        return false;
    QString decodeProblem;
    *text = pastedText(bytes, &decodeProblem, firstLine);
    if (!decodeProblem.isEmpty()) {
        *problem = QStringLiteral("文件“%1”%2").arg(path, decodeProblem);
        return false;
    }
    return true;
}

// The two texts of a course list file as the boxes would hold them, the
// file's row of each of their lines, and the courses' names if it has them.
bool readCourseListInput(const QString &path, const CourseListChoice &choice, QString *timeText,
                         QString *countText, FirstLines *firstLines, QVector<int> rowsByLine[2],
                         CourseNames *names, QString *problem)
{
    CourseList list;
    if (!readCourseListFile(path, choice, &list, problem)) {
        *problem = QStringLiteral("无法读入课程表“%1”：%2").arg(path, *problem);
        return false;
    }
    *names = courseNamesByLine(list.timeText, list);
    rowsByLine[0] = fileRowsByLine(list.timeText, Column::ClassTimes, list.rows);
    rowsByLine[1] = fileRowsByLine(list.countText, Column::HeadCounts, list.rows);
    *timeText = asPasted(std::move(list.timeText), &firstLines->time);
    *countText = asPasted(std::move(list.countText), &firstLines->headCount);
    return true;
}

// An uncounted item of a course list file is named by the file's row.
UncountedItem byFileRow(UncountedItem item, const QVector<int> rowsByLine[2])
{
    const bool inTimes = item.kind == UncountedItem::UnreadTime || item.kind == UncountedItem::NoTeachingWeek;
    const QVector<int> &rows = rowsByLine[inTimes ? 0 : 1];
    if (item.line < rows.size() && rows.at(item.line) > 0)
        item.line = rows.at(item.line);
    return item;
}

bool readNumber(const QCommandLineParser &options, const QString &name, int lowest, int highest,
                int *value)
{
    bool ok = false;
    *value = options.value(name).toInt(&ok);
    return ok && *value >= lowest && *value <= highest;
}

bool isCourseListFile(const QString &path)
{
    CourseListFormat format = CourseListFormat::Csv;
    return courseListFormat(path, &format);
}

// Two files of class times and head counts, or one course list file (then
// without a counts path), as read.
struct Pair
{
    QString timesPath;
    QString countsPath;
    QString timeText;
    QString countText;
    FirstLines firstLines;
    QVector<int> fileRows[2]; // of a course list file: see readCourseListInput
    CourseNames names;
};

bool readPair(Pair *pair, const CourseListChoice &choice, QString *problem)
{
    if (pair->countsPath.isEmpty())
        return readCourseListInput(pair->timesPath, choice, &pair->timeText, &pair->countText,
                                   &pair->firstLines, pair->fileRows, &pair->names, problem);
    return readInput(pair->timesPath, &pair->timeText, &pair->firstLines.time, problem)
            && readInput(pair->countsPath, &pair->countText, &pair->firstLines.headCount, problem);
}

// The line that names a pair's files above what is said of them.
QString pairHeading(const Pair &pair)
{
    if (pair.countsPath.isEmpty())
        return QStringLiteral("%1：\n").arg(pair.timesPath);
    return QStringLiteral("%1 和 %2：\n").arg(pair.timesPath, pair.countsPath);
}

// Says on standard error when the two files differ in line count, under
// `heading`, and whether several columns were copied into them.
bool sameLineCounts(const Pair &pair, const QString &heading)
{
    const int timeLineCount = boxLineCount(pair.timeText);
    const int countLineCount = boxLineCount(pair.countText);
    if (timeLineCount == countLineCount)
        return true;
    const QString severalColumns = severalColumnsText(tabbedLines(pair.timeText, pair.countText));
    write(stderr, heading + QStringLiteral("上课时间数量：%1\n上课人数数量：%2\n")
                                    .arg(timeLineCount)
                                    .arg(countLineCount));
    if (!severalColumns.isEmpty())
        write(stderr, severalColumns + QLatin1Char('\n'));
    return false;
}

// What a pair's reading keeps of its courses: all of them, those of one
// period alone (then without totals), or none.
enum { NoCourses = -1, AllCourses = 0 };

// Reads a pair into a count and writes its notice to standard error, under
// `heading` when there is one. The notice is kept as compact UTF-8 lines: a
// million uncounted lines must not take a million list entries; the items
// themselves are kept only for the workbook, which lists them.
Count readCount(const Pair &pair, int coursesPeriod, bool keepUncounted, const QString &heading)
{
    Count count;
    count.tabbed = tabbedLines(pair.timeText, pair.countText);
    UncountedTally counts{};
    QByteArray uncountedLines;
    const bool courseList = pair.countsPath.isEmpty();
    const auto notice = [&](const UncountedItem &read) {
        const UncountedItem item = courseList ? byFileRow(read, pair.fileRows) : read;
        ++counts[item.kind];
        uncountedLines += '\n';
        uncountedLines += uncountedLine(item).toUtf8();
        if (keepUncounted)
            count.uncounted.append(item);
    };
    if (coursesPeriod > AllCourses)
        count.courses = coursesOfTexts(pair.timeText, pair.countText, mondayFirst, notice,
                                       pair.firstLines, coursesPeriod, pair.names);
    else
        count.term = termOfTexts(pair.timeText, pair.countText, mondayFirst, notice, pair.firstLines,
                                 coursesPeriod == AllCourses ? &count.courses : nullptr, pair.names);
    const QString severalColumns = severalColumnsText(count.tabbed);
    if (!uncountedLines.isEmpty() || !severalColumns.isEmpty()) {
        write(stderr, heading + uncountedHeading(counts, count.tabbed));
        writeUtf8(stderr, uncountedLines);
        write(stderr, QStringLiteral("\n"));
    }
    return count;
}

// "--against OLD_TIMES OLD_COUNTS" takes two values, which the parser
// cannot: the second is taken out here and returned, the first is left to
// the parser as the option's value. Nothing is taken out when the option is
// not given, or given a course list file, which is one value alone;
// *problem tells when it is given without two files or twice.
QString takeOldCounts(QStringList *arguments, QString *problem)
{
    const QString prefix = QStringLiteral("--against=");
    QString oldCounts;
    bool given = false;
    for (int i = 1; i < arguments->size(); ++i) {
        const QString &argument = arguments->at(i);
        if (argument == QLatin1String("--"))
            break;
        const bool separate = argument == QLatin1String("--against");
        if (!separate && !argument.startsWith(prefix))
            continue;
        if (given) {
            *problem = QStringLiteral("--against 只能给出一次");
            return QString();
        }
        given = true;
        const QString oldTimes = separate ? arguments->value(i + 1) : argument.mid(prefix.size());
        if (isCourseListFile(oldTimes))
            continue;
        const int at = separate ? i + 2 : i + 1;
        if (at >= arguments->size()) {
            *problem = QStringLiteral("--against 须后跟两个文件：原来的上课时间和上课人数，或一个课程表文件");
            return QString();
        }
        oldCounts = arguments->takeAt(at);
    }
    return oldCounts;
}

// The usage line names the program as it is installed, not by the path it
// was started by, so that a manual page made from it reads right.
QString helpText(const QCommandLineParser &options)
{
    QString text = options.helpText();
    const QString startedAs = QCoreApplication::arguments().constFirst();
    const int at = text.indexOf(startedAs);
    if (at >= 0)
        text.replace(at, startedAs.size(), QCoreApplication::applicationName());
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    useBinaryStandardStreams();
    chooseUtf8Locale();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("classcount-table"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CLASSCOUNT_VERSION));
    qInstallMessageHandler(dropDebugMessages);
    // The parser's own headings and messages, in Chinese like the rest.
    QTranslator toolkitTexts;
    installToolkitTexts(toolkitTexts);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
            "按“开始统计”和“复制所有”的算法，输出整个学期的上课人数表（制表符分隔），"
            "或用 --week 和 --day 输出某周某天的结果，或用 --period 输出某一节次"
            "各周各天的人数（“全学期概览”的表），或用 --courses 列出某周某天某一节在上课的课程，"
            "或用 --xlsx 把这些表写成 Excel 工作簿。"
            "用 --against 给出原来的两个文件时，输出的每个数都是变化（现在的减原来的）。"
            "文件名为 - 时读标准输入。"
            "只给一个 .xlsx、.xls 或 .csv 课程表文件时，从它表头为“上课时间”和“选课人数”等的两列读入，"
            "未计入统计的项目按表格的行号列出；它有“课程名称”一列时，--courses 列出的课程后面再加"
            "课程名称和表格的行号，比较时再加课程名称。"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("显示用法。"));
    // Not addVersionOption(): its description would be in English.
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("显示版本号。"));
    const QCommandLineOption week(QStringLiteral("week"), QStringLiteral("周数，1 到 29。"),
                                  QStringLiteral("W"));
    const QCommandLineOption day(QStringLiteral("day"),
                                 QStringLiteral("星期，1（周一）到 7（周日）。"),
                                 QStringLiteral("D"));
    const QCommandLineOption period(QStringLiteral("period"),
                                    QStringLiteral("节次，4、5、9、11 或 12：输出这一节"
                                                   "每周每天的人数，一行一周。"),
                                    QStringLiteral("P"));
    const QCommandLineOption xlsx(QStringLiteral("xlsx"),
                                  QStringLiteral("写成 Excel 工作簿 FILE：整个学期的表、各节次"
                                                 "每周每天的人数、各节次人数最多那一格的课程、"
                                                 "未计入统计的项目；不输出到标准输出。"),
                                  QStringLiteral("FILE"));
    const QCommandLineOption courses(QStringLiteral("courses"),
                                     QStringLiteral("与 --week、--day 和 --period 一起用：列出"
                                                    "这一格在上课的课程，一行一门课：时间文件里的"
                                                    "行号、人数和上课时间，人数多的在前。"));
    options.addOption(help);
    options.addOption(version);
    options.addOption(week);
    options.addOption(day);
    options.addOption(period);
    options.addOption(xlsx);
    const QCommandLineOption against(
            QStringLiteral("against"),
            QStringLiteral("与紧跟在后面的两个文件比较，即原来的上课时间文件 OLD_TIMES 和"
                           "上课人数文件 OLD_COUNTS（或原来的课程表文件，只一个）。输出的表格式不变，每个数都是变化，"
                           "如 +120、-479、0，周数取两次统计中较多的。与 --courses 一起用时，"
                           "列出有变化的课程：变化、现在的行号、原来的行号、上课时间，"
                           "变化大的在前。与 --xlsx 一起用时，工作簿多一张“变化”表。"),
            QStringLiteral("OLD_TIMES OLD_COUNTS"));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("与课程表文件一起用：读名为 NAME 的工作表。"),
                                   QStringLiteral("NAME"));
    const QCommandLineOption timeColumn(QStringLiteral("time-column"),
                                        QStringLiteral("与课程表文件一起用：上课时间取自表头为 NAME 的一列。"),
                                        QStringLiteral("NAME"));
    const QCommandLineOption countColumn(QStringLiteral("count-column"),
                                         QStringLiteral("与课程表文件一起用：人数取自表头为 NAME 的一列。"),
                                         QStringLiteral("NAME"));
    options.addOption(courses);
    options.addOption(against);
    options.addOption(sheet);
    options.addOption(timeColumn);
    options.addOption(countColumn);
    options.addPositionalArgument(QStringLiteral("TIMES_FILE"),
                                  QStringLiteral("上课时间，一行一门课；或课程表文件"
                                                 "（.xlsx、.xls 或 .csv），这时不给 COUNTS_FILE。"));
    options.addPositionalArgument(QStringLiteral("COUNTS_FILE"),
                                  QStringLiteral("上课人数，一行一个数字。"));

    QStringList arguments = QCoreApplication::arguments();
    QString problem;
    Pair old;
    old.countsPath = takeOldCounts(&arguments, &problem);
    if (!problem.isEmpty())
        return fail(problem);
    if (!options.parse(arguments))
        return fail(options.errorText());
    if (options.isSet(help)) {
        write(stdout, helpText(options));
        return Success;
    }
    if (options.isSet(version)) {
        write(stdout, QStringLiteral("classcount-table %1\n").arg(QCoreApplication::applicationVersion()));
        return Success;
    }
    const QStringList files = options.positionalArguments();
    const bool courseList = files.size() == 1 && isCourseListFile(files.at(0));
    if (files.size() != 2 && !courseList)
        return fail(QStringLiteral("需要两个文件：上课时间和上课人数，或一个课程表文件"));
    const bool comparing = options.isSet(against);
    old.timesPath = options.value(against);
    const bool anyCourseList = courseList || (comparing && old.countsPath.isEmpty());
    if (!anyCourseList && (options.isSet(sheet) || options.isSet(timeColumn) || options.isSet(countColumn)))
        return fail(QStringLiteral("--sheet、--time-column 和 --count-column 只能与课程表文件一起使用"));
    const QStringList allFiles = comparing ? files + QStringList{old.timesPath, old.countsPath} : files;
    if (allFiles.count(QStringLiteral("-")) > 1)
        return fail(QStringLiteral("只有一个文件可以是标准输入（-）"));
    const bool listCourses = options.isSet(courses);
    if (listCourses && options.isSet(xlsx))
        return fail(QStringLiteral("--courses 不能与 --xlsx 一起使用"));
    if (listCourses && !(options.isSet(week) && options.isSet(day) && options.isSet(period)))
        return fail(QStringLiteral("--courses 须与 --week、--day 和 --period 一起给出"));
    const bool dayChosen = options.isSet(week) || options.isSet(day);
    const bool oneView = dayChosen && !listCourses;
    if (options.isSet(period) && oneView)
        return fail(QStringLiteral("--period 不能与 --week 或 --day 一起使用"));
    if (options.isSet(xlsx) && (oneView || options.isSet(period)))
        return fail(QStringLiteral("--xlsx 不能与 --week、--day 或 --period 一起使用"));
    if (options.isSet(xlsx) && options.value(xlsx).isEmpty())
        return fail(QStringLiteral("--xlsx 的文件名为空"));
    if (oneView && !(options.isSet(week) && options.isSet(day)))
        return fail(QStringLiteral("--week 和 --day 须一起给出"));
    int gridPeriod = 0;
    if (options.isSet(period)
        && !(readNumber(options, period.names().first(), 4, 12, &gridPeriod)
             && isReportedPeriod(gridPeriod)))
        return fail(QStringLiteral("节次须是 4、5、9、11 或 12：%1").arg(options.value(period)));
    int viewWeek = 0;
    int viewDay = 0;
    if (dayChosen && !readNumber(options, week.names().first(), 1, lastTeachingWeek, &viewWeek))
        return fail(QStringLiteral("周数须在 1 到 29 之间：%1").arg(options.value(week)));
    if (dayChosen && !readNumber(options, day.names().first(), 1, 7, &viewDay))
        return fail(QStringLiteral("星期须在 1 到 7 之间：%1").arg(options.value(day)));

    Pair pair;
    pair.timesPath = files.at(0);
    pair.countsPath = files.value(1);
    const CourseListChoice choice{options.value(sheet), options.value(timeColumn), options.value(countColumn)};
    if (!readPair(&pair, choice, &problem) || (comparing && !readPair(&old, choice, &problem)))
        return fail(problem);
    // Each pair is named by its files where there are two.
    const QString oldHeading = pairHeading(old);
    const bool countsDiffer = !sameLineCounts(pair, comparing ? pairHeading(pair) : QString());
    if ((comparing && !sameLineCounts(old, oldHeading)) || countsDiffer)
        return LineCountsDiffer;

    // Courses are kept only where they are listed, and a list of courses needs no totals.
    const int coursesPeriod = listCourses ? gridPeriod : options.isSet(xlsx) ? AllCourses : NoCourses;
    const Count count = readCount(pair, coursesPeriod, options.isSet(xlsx), QString());
    const CountChange change = comparing ? CountChange(count, pair.timesPath,
                                                       readCount(old, coursesPeriod, false, oldHeading),
                                                       old.timesPath)
                                         : CountChange();
    const TermTotals &term = comparing ? change.term() : count.term;
    const int lastWeek = comparing ? change.lastWeek() : lastTableWeek(count.term);
    const TableCell::Kind numbers = comparing ? TableCell::Change : TableCell::Number;

    if (options.isSet(xlsx)) {
        const QString path = options.value(xlsx);
        QString reason;
        if (!writeWorkbook(path, count, mondayFirst, comparing ? &change : nullptr, &reason)) {
            write(stderr, QStringLiteral("classcount-table：无法导出到 %1：%2\n").arg(path, reason));
            return BadUsage;
        }
    } else if (listCourses) {
        const int column = viewDay - int(mondayFirst);
        write(stdout, tableText(comparing ? changedCoursesTable(change, change.inCell(viewWeek, column, gridPeriod))
                                          : courseTable(count.courses,
                                                        count.courses.inCell(viewWeek, column, gridPeriod))));
    } else if (oneView) {
        const PeriodTotals &totals = term[viewWeek - 1][viewDay - int(mondayFirst)];
        write(stdout, viewParagraphs(viewWeek, viewDay, totals, numbers).join(QLatin1Char('\n'))
                              + QLatin1Char('\n'));
    } else if (gridPeriod != 0) {
        write(stdout, tableText(gridTable(term, gridPeriod, mondayFirst, lastWeek, numbers)));
    } else {
        write(stdout, tableText(termTable(term, mondayFirst, lastWeek, numbers)));
    }
    return Success;
}
