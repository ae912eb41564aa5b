// SPDX-License-Identifier: GPL-3.0-or-later

#include "courselistfile.h"

#include "csvsheet.h"
#include "headermatch.h"
#include "pastedtext.h"
#include "sheet.h"
#include "xlsbook.h"
#include "xlsxbook.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// The header row is looked for in this many rows from the top.
constexpr int headerRowLimit = 10;
constexpr qint64 fileSizeLimit = 200 * 1024 * 1024;

using SheetReader = std::function<bool(int index, const SheetFilter &filter, Sheet *sheet, QString *problem)>;

QString quoted(const QStringList &texts)
{
    QStringList parts;
    for (const QString &text : texts)
        parts.append(QStringLiteral("“%1”").arg(text));
    return parts.join(QStringLiteral("、"));
}

// "“a”、“b”或“c”": the headers one of which a column must have.
QString eitherOf(const QStringList &names)
{
    const QString last = quoted(names.mid(names.size() - 1));
    return names.size() < 2 ? last : quoted(names.mid(0, names.size() - 1)) + QStringLiteral("或") + last;
}

// What the user is told when no sheet has the header row.
QString noHeaderProblem(const HeaderNames &names, const QStringList &found)
{
    QString problem = QStringLiteral("找不到表头：上课时间一列的表头须是%1，人数一列的须是%2")
                              .arg(eitherOf(names.time), eitherOf(names.count));
    QStringList shown;
    for (const QString &text : found) {
        if (!text.trimmed().isEmpty() && shown.size() < 20)
            shown.append(text.simplified().left(20));
    }
    return problem
            + (shown.isEmpty() ? QStringLiteral("；表格前 10 行是空的")
                               : QStringLiteral("；找到的表头有%1").arg(quoted(shown)));
}

// A cell as a box line: a cell with line breaks is quoted, as a spreadsheet
// copies it, so that it stays one course; so is one that begins with a
// quote, which would otherwise open a cell of the lines below.
QString boxLine(QString cell)
{
    const QChar lineFeed = QLatin1Char('\n');
    if (cell.contains(QLatin1Char('\r'))) {
        cell.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cell.replace(QLatin1Char('\r'), lineFeed);
    }
    cell.replace(QChar(QChar::LineSeparator), lineFeed);
    cell.replace(QChar(QChar::ParagraphSeparator), lineFeed);
    if (!cell.contains(lineFeed) && !cell.startsWith(QLatin1Char('"')))
        return cell;
    cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

// The courses below the header row, through the last row with content in a
// column that is read; a row with nothing is an empty course.
bool takeCourses(const Sheet &sheet, int headerIndex, const HeaderColumns &columns, CourseList *list,
                 QString *problem)
{
    const QVector<SheetRow> &rows = sheet.rows;
    const auto read = [&](const SheetRow &row) {
        return !row.cell(columns.time).isEmpty() || !row.cell(columns.count).isEmpty()
                || (columns.name >= 0 && !row.cell(columns.name).isEmpty());
    };
    int last = rows.size() - 1;
    while (last > headerIndex && !read(rows.at(last)))
        --last;
    if (last == headerIndex) {
        *problem = QStringLiteral("表头（第 %1 行）下面没有课程").arg(rows.at(headerIndex).number);
        return false;
    }
    QStringList times;
    QStringList counts;
    int index = headerIndex + 1;
    for (int number = rows.at(headerIndex).number + 1; number <= rows.at(last).number; ++number) {
        const SheetRow *row = rows.at(index).number == number ? &rows.at(index++) : nullptr;
        times.append(row ? boxLine(row->cell(columns.time)) : QString());
        counts.append(row ? boxLine(row->cell(columns.count)) : QString());
        if (columns.name >= 0)
            list->names.append(row ? row->cell(columns.name) : QString());
        list->rows.append(number);
    }
    list->timeText = times.join(QLatin1Char('\n'));
    list->countText = counts.join(QLatin1Char('\n'));
    return true;
}

bool readSheets(const QStringList &sheetNames, const SheetReader &readSheet, const CourseListChoice &choice,
                CourseList *list, QString *problem)
{
    QList<int> candidates;
    for (int index = 0; index < sheetNames.size(); ++index) {
        if (choice.sheet.isEmpty() || sheetNames.at(index) == choice.sheet)
            candidates.append(index);
    }
    if (candidates.isEmpty()) {
        *problem = choice.sheet.isEmpty()
                ? QStringLiteral("工作簿里没有工作表")
                : QStringLiteral("没有名为“%1”的工作表；工作表有%2").arg(choice.sheet, quoted(sheetNames));
        return false;
    }
    const HeaderNames names = headerNames(choice.timeColumn, choice.countColumn);
    QStringList found;
    for (const int index : candidates) {
        Sheet top;
        if (!readSheet(index, SheetFilter{headerRowLimit, {}}, &top, problem))
            return false;
        for (const SheetRow &row : std::as_const(top.rows)) {
            const QStringList texts = row.texts();
            const HeaderColumns columns = headerColumns(texts, names);
            if (columns.time >= 0 && columns.count >= 0) {
                list->sheet = sheetNames.at(index);
                list->timeHeader = texts.at(columns.time).simplified();
                list->countHeader = texts.at(columns.count).simplified();
                SheetFilter read{sheetRowLimit, {columns.time, columns.count}};
                if (columns.name >= 0)
                    read.columns.append(columns.name);
                Sheet sheet;
                if (!readSheet(index, read, &sheet, problem))
                    return false;
                // The header row holds both columns, so it is among the rows read.
                int header = 0;
                while (sheet.rows.at(header).number != row.number)
                    ++header;
                return takeCourses(sheet, header, columns, list, problem);
            }
            if (found.isEmpty() || columns.time >= 0)
                found = texts;
        }
    }
    *problem = noHeaderProblem(names, found);
    return false;
}

template <typename Book>
bool readBook(const QByteArray &bytes, const CourseListChoice &choice, CourseList *list, QString *problem)
{
    Book book(bytes);
    return book.open(problem)
            && readSheets(book.sheetNames(),
                          [&](int index, const SheetFilter &filter, Sheet *sheet, QString *why) {
                              return book.readSheet(index, filter, sheet, why);
                          },
                          choice, list, problem);
}

// The course that begins on each line of a list's box text, read as a box
// reads it from its line 1; -1 on the other lines and on line 0.
QVector<int> coursesByLine(const QString &boxText, Column column, int courseCount)
{
    QVector<int> byLine(1, -1);
    int course = 0;
    for (BoxLineReader reader(boxText, column); !reader.atEnd() && course < courseCount; ++course) {
        const BoxLineView line = reader.take();
        byLine.resize(line.line + line.lines);
        std::fill(byLine.begin() + line.line, byLine.end(), -1);
        byLine[line.line] = course;
    }
    return byLine;
}

} // namespace

bool courseListFormat(const QString &path, CourseListFormat *format)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xlsx"))
        *format = CourseListFormat::Xlsx;
    else if (suffix == QLatin1String("xls"))
        *format = CourseListFormat::Xls;
    else if (suffix == QLatin1String("csv"))
        *format = CourseListFormat::Csv;
    else
        return false;
    return true;
}

bool readCourseList(const QByteArray &bytes, CourseListFormat format, const CourseListChoice &choice,
                    CourseList *list, QString *problem)
{
    *list = CourseList();
    switch (format) {
    case CourseListFormat::Xlsx:
        return readBook<XlsxBook>(bytes, choice, list, problem);
    case CourseListFormat::Xls:
        return readBook<XlsBook>(bytes, choice, list, problem);
    case CourseListFormat::Csv: {
        QString why;
        const QString text = decodedText(bytes, &why);
        if (!why.isEmpty()) {
            *problem = QStringLiteral("文件%1").arg(why);
            return false;
        }
        const bool read = readSheets(
                {QString()},
                [&](int, const SheetFilter &filter, Sheet *sheet, QString *reason) {
                    return readCsvSheet(text, filter, sheet, reason);
                },
                CourseListChoice{QString(), choice.timeColumn, choice.countColumn}, list, problem);
        list->sheet.clear();
        return read;
    }
    }
    return false;
}

bool readCourseListFile(const QString &path, const CourseListChoice &choice, CourseList *list,
                        QString *problem)
{
    CourseListFormat format = CourseListFormat::Csv;
    if (!courseListFormat(path, &format)) {
        *problem = QStringLiteral("只能读入 .xlsx、.xls 和 .csv 文件");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("无法打开：%1").arg(file.errorString());
        return false;
    }
    if (file.size() > fileSizeLimit) {
        *problem = QStringLiteral("文件超过 200 MB，不予读取");
        return false;
    }
    const QByteArray bytes = file.read(fileSizeLimit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > fileSizeLimit) {
        *problem = bytes.size() > fileSizeLimit ? QStringLiteral("文件超过 200 MB，不予读取")
                                                : QStringLiteral("无法读取：%1").arg(file.errorString());
        return false;
    }
    return readCourseList(bytes, format, choice, list, problem);
}

QVector<int> fileRowsByLine(const QString &boxText, Column column, const QVector<int> &rows)
{
    const QVector<int> courses = coursesByLine(boxText, column, rows.size());
    QVector<int> byLine;
    byLine.reserve(courses.size());
    for (int course : courses)
        byLine.append(course < 0 ? 0 : rows.at(course));
    return byLine;
}

CourseNames courseNamesByLine(const QString &timeBoxText, const CourseList &list)
{
    CourseNames byLine;
    if (list.names.isEmpty())
        return byLine;
    const QVector<int> courses = coursesByLine(timeBoxText, Column::ClassTimes, list.rows.size());
    byLine.rows.reserve(courses.size());
    for (int course : courses) {
        byLine.names.append(course < 0 ? QString() : list.names.value(course));
        byLine.rows.append(course < 0 ? 0 : list.rows.at(course));
    }
    return byLine;
}

QString readNotice(const QString &fileName, const CourseList &list)
{
    const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    const QString rows = list.rows.size() == 1
            ? QString::number(list.rows.constFirst())
            : QStringLiteral("%1–%2").arg(list.rows.constFirst()).arg(list.rows.constLast());
    const QString source = list.sheet.isEmpty() ? fileName : QStringLiteral("%1 的“%2”表").arg(fileName, list.sheet);
    return QStringLiteral("已读入 %1：%2 门课（第 %3 行），上课时间取自“%4”列，人数取自“%5”列")
            .arg(source, grouped.toString(list.rows.size()), rows, list.timeHeader, list.countHeader);
}
