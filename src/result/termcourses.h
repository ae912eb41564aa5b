// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TERMCOURSES_H
#define TERMCOURSES_H

#include "boxlines.h"
#include "classentry.h"
#include "coursenames.h"
#include "table.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// Where a course stands in the two boxes.
struct CourseLines
{
    int line = 1;          // the box line on which its class time begins
    int lines = 1;         // how many box lines the class time takes (a spreadsheet cell)
    int headCountLine = 1; // the line of its head count in the other box
    int headCountLines = 1;
};

// One course of a cell and what it adds to the cell: its head count, or a
// multiple of it when several of its items count there.
struct CourseInCell
{
    int course = 0; // index in TermCourses
    qint64 students = 0;
};

// The courses behind the totals, kept as they are read so that any cell of
// the term can name the courses it adds up. Only the entries of a reported
// period and a weekday are kept.
class TermCourses
{
public:
    TermCourses() = default;
    // `timeText` is the trimmed class-time text that the course lines are read
    // from; `period`, when not 0, the one reported period whose courses are
    // kept; `names`, the courses' names by the lines of that text, if known.
    TermCourses(const QString &timeText, bool firstDay, int period = 0,
                const CourseNames &names = CourseNames());

    // The course of one line read, with the entries read from it.
    void add(const BoxLineView &time, const BoxLineView &headCount, const QVector<ClassEntry> &entries);

    // The courses in class in a cell (week 1-based, weekday column 0 to 6),
    // the most students first, then by line. Their students add up to the
    // cell's number.
    QVector<CourseInCell> inCell(int week, int column, int period) const;
    // Whether a course counts in a cell, as the totals count it, and then
    // what it adds to it.
    bool addsTo(int index, int week, int column, int period, qint64 *students) const;

    int size() const { return kept.size(); }
    // The head count of a course as read: every entry of its line has it.
    qint64 headCount(int index) const { return entries.at(kept.at(index).firstEntry).students; }

    const CourseLines &course(int index) const { return kept.at(index).course; }
    // The class time as the box shows it, trimmed, on one line: a spreadsheet
    // cell without its quotes, each tab or line break a space.
    QString classTime(int index) const;

    // Whether the courses came from a course list file with a name column,
    // and then each one's name and row in the file.
    bool hasNames() const { return !names.isEmpty(); }
    QString name(int index) const { return names.name(course(index).line); }
    int fileRow(int index) const { return names.row(course(index).line); }

private:
    struct Kept
    {
        CourseLines course;
        int sourceStart = 0;
        int sourceSize = 0;
        bool cell = false;
        int firstEntry = 0;
        int entryCount = 0;
    };

    QString timeText;
    bool firstDay = true;
    int period = 0;
    CourseNames names;
    QVector<Kept> kept;
    QVector<ClassEntry> entries;
};

// The line above a cell's courses: "第7周 星期一 上午第4节：4979 人，57 门课".
QString cellCoursesHeading(int week, int column, int period, bool firstDay, qint64 students,
                           int courseCount);

// The headers of the columns of courseTable and changedCoursesTable that
// hold texts.
inline QString classTimeHeader() { return QStringLiteral("上课时间"); }
inline QString courseNameHeader() { return QStringLiteral("课程名称"); }

// The courses of a cell as a table: a header "行", "人数", "上课时间", and
// "课程名称", "表格行" where names are known, then a row per course.
Table courseTable(const TermCourses &courses, const QVector<CourseInCell> &inCell);

// courseTable as tab-separated text.
QString courseTableText(const TermCourses &courses, const QVector<CourseInCell> &inCell);

#endif // TERMCOURSES_H
