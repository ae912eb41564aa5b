// SPDX-License-Identifier: GPL-3.0-or-later

// classcount-table: the term table (or one result view) for two text files,
// exactly as the desktop program computes it.

#include "boxlines.h"
#include "courselistfile.h"
#include "pastedtext.h"
#include "periodtotals.h"
#include "reporttext.h"
#include "standardstreams.h"
#include "termcourses.h"
#include "termgrid.h"
#include "timeparser.h"
#include "toolkittexts.h"
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

// The two texts of a course list file as the boxes would hold them, and the
// file's row of each of their lines.
bool readCourseListInput(const QString &path, const CourseListChoice &choice, QString *timeText,
                         QString *countText, FirstLines *firstLines, QVector<int> rowsByLine[2],
                         QString *problem)
{
    CourseList list;
    if (!readCourseListFile(path, choice, &list, problem)) {
        *problem = QStringLiteral("无法读入课程表“%1”：%2").arg(path, *problem);
        return false;
    }
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
            "文件名为 - 时读标准输入。"
            "只给一个 .xlsx、.xls 或 .csv 课程表文件时，从它表头为“上课时间”和“选课人数”等的两列读入，"
            "未计入统计的项目按表格的行号列出。"));
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
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("与课程表文件一起用：读名为 NAME 的工作表。"),
                                   QStringLiteral("NAME"));
    const QCommandLineOption timeColumn(QStringLiteral("time-column"),
                                        QStringLiteral("与课程表文件一起用：上课时间取自表头为 NAME 的一列。"),
                                        QStringLiteral("NAME"));
    const QCommandLineOption countColumn(QStringLiteral("count-column"),
                                         QStringLiteral("与课程表文件一起用：人数取自表头为 NAME 的一列。"),
                                         QStringLiteral("NAME"));
    options.addOption(help);
    options.addOption(version);
    options.addOption(week);
    options.addOption(day);
    options.addOption(period);
    options.addOption(xlsx);
    options.addOption(courses);
    options.addOption(sheet);
    options.addOption(timeColumn);
    options.addOption(countColumn);
    options.addPositionalArgument(QStringLiteral("TIMES_FILE"),
                                  QStringLiteral("上课时间，一行一门课；或课程表文件"
                                                 "（.xlsx、.xls 或 .csv），这时不给 COUNTS_FILE。"));
    options.addPositionalArgument(QStringLiteral("COUNTS_FILE"),
                                  QStringLiteral("上课人数，一行一个数字。"));

    if (!options.parse(QCoreApplication::arguments()))
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
    CourseListFormat format = CourseListFormat::Csv;
    const bool courseList = files.size() == 1 && courseListFormat(files.at(0), &format);
    if (!courseList && (options.isSet(sheet) || options.isSet(timeColumn) || options.isSet(countColumn)))
        return fail(QStringLiteral("--sheet、--time-column 和 --count-column 只能与课程表文件一起使用"));
    if (files.size() != 2 && !courseList)
        return fail(QStringLiteral("需要两个文件：上课时间和上课人数"));
    if (files.at(0) == QLatin1String("-") && files.at(1) == QLatin1String("-"))
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

    QString timeText;
    QString countText;
    FirstLines firstLines;
    QString problem;
    QVector<int> rowsByLine[2];
    const CourseListChoice choice{options.value(sheet), options.value(timeColumn), options.value(countColumn)};
    if (courseList ? !readCourseListInput(files.at(0), choice, &timeText, &countText, &firstLines, rowsByLine, &problem)
                   : !readInput(files.at(0), &timeText, &firstLines.time, &problem)
                           || !readInput(files.at(1), &countText, &firstLines.headCount, &problem))
        return fail(problem);

    const TabbedLines tabbed = tabbedLines(timeText, countText);
    const QString severalColumns = severalColumnsText(tabbed);
    const int timeLineCount = boxLineCount(timeText);
    const int countLineCount = boxLineCount(countText);
    if (timeLineCount != countLineCount) {
        write(stderr, QStringLiteral("上课时间数量：%1\n上课人数数量：%2\n")
                              .arg(timeLineCount)
                              .arg(countLineCount));
        if (!severalColumns.isEmpty())
            write(stderr, severalColumns + QLatin1Char('\n'));
        return LineCountsDiffer;
    }

    // The notice of the desktop program, kept as compact UTF-8 lines: a
    // million uncounted lines must not take a million list entries.
    // The workbook lists them too, so only then are they kept as items.
    UncountedTally counts{};
    QByteArray uncountedLines;
    QList<UncountedItem> uncounted;
    const bool keepUncounted = options.isSet(xlsx);
    const auto notice = [&](const UncountedItem &read) {
        const UncountedItem item = courseList ? byFileRow(read, rowsByLine) : read;
        ++counts[item.kind];
        uncountedLines += '\n';
        uncountedLines += uncountedLine(item).toUtf8();
        if (keepUncounted)
            uncounted.append(item);
    };
    // Courses are kept only where they are listed, and a list of courses needs no totals.
    TermCourses termCourses;
    TermTotals term{};
    if (listCourses)
        termCourses = coursesOfTexts(timeText, countText, mondayFirst, notice, firstLines, gridPeriod);
    else
        term = termOfTexts(timeText, countText, mondayFirst, notice, firstLines,
                           options.isSet(xlsx) ? &termCourses : nullptr);
    if (!uncountedLines.isEmpty() || !severalColumns.isEmpty()) {
        write(stderr, uncountedHeading(counts, tabbed));
        writeUtf8(stderr, uncountedLines);
        write(stderr, QStringLiteral("\n"));
    }

    if (options.isSet(xlsx)) {
        const QString path = options.value(xlsx);
        QString reason;
        if (!writeWorkbook(path, term, termCourses, mondayFirst, uncounted, tabbed, &reason)) {
            write(stderr, QStringLiteral("classcount-table：无法导出到 %1：%2\n").arg(path, reason));
            return BadUsage;
        }
    } else if (listCourses) {
        const int column = viewDay - int(mondayFirst);
        write(stdout, courseTableText(termCourses, termCourses.inCell(viewWeek, column, gridPeriod)));
    } else if (oneView) {
        const PeriodTotals &totals = term[viewWeek - 1][viewDay - int(mondayFirst)];
        write(stdout, viewParagraphs(viewWeek, viewDay, totals).join(QLatin1Char('\n'))
                              + QLatin1Char('\n'));
    } else if (gridPeriod != 0) {
        write(stdout, gridText(term, gridPeriod, mondayFirst));
    } else {
        write(stdout, termTableText(term, mondayFirst));
    }
    return Success;
}
