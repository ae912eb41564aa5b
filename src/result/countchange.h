// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COUNTCHANGE_H
#define COUNTCHANGE_H

#include "count.h"
#include "table.h"
#include "termgrid.h"

#include <QString>
#include <QVector>

// A course that only one of two counts has, and what it adds to a cell: its
// students there in this count, or less its students there in the other.
struct ChangedCourse
{
    int course = -1;      // as this count's courses number it, or -1
    int otherCourse = -1; // as the other count's courses number it, or -1
    qint64 change = 0;
};

// What a count changed against another, cell by cell and course by course.
// A course is the same in both when its class time, as the course list
// shows it, and its head count are; equal courses are paired in line
// order, so that a line inserted above pairs every later one all the same.
// The courses left unpaired are those of the change: in any cell, what they
// add up to is the cell's change, since paired courses add the same.
class CountChange
{
public:
    CountChange() = default;
    // Each count is named by `name` and `otherName` in the lines that name it.
    CountChange(const Count &count, const QString &name, const Count &other, const QString &otherName);

    // Cell by cell, this count's students less the other's.
    const TermTotals &term() const { return difference; }
    // Each count's own totals.
    const TermTotals &countTerm() const { return thisTerm; }
    const TermTotals &otherTerm() const { return otherTermTotals; }
    // The last week of either count's term table.
    int lastWeek() const { return last; }

    // The changed courses of a cell, the largest change in size first, then
    // by their line in this count, then by their line in the other.
    QVector<ChangedCourse> inCell(int week, int column, int period) const;

    const TermCourses &courses() const { return thisCourses; }
    const TermCourses &otherCourses() const { return otherCourseList; }
    const QString &name() const { return thisName; }
    const QString &otherName() const { return otherNameText; }

private:
    TermTotals thisTerm{};
    TermTotals otherTermTotals{};
    TermTotals difference{};
    TermCourses thisCourses;
    TermCourses otherCourseList;
    QString thisName;
    QString otherNameText;
    QVector<int> added;   // this count's unpaired courses, in line order
    QVector<int> removed; // the other count's
    int last = 0;
};

// The cell whose change is largest in size among weeks 1 to lastWeek, with
// that change as its students; the earliest week wins a tie, then the
// earliest weekday. week is 0 when nothing changed.
Peak largestChange(const TermTotals &difference, int period, int lastWeek);

// "上午第4节变化最大：第7周 星期一，-479 人（4979 → 4500）", or "上午第4节没有变化".
QString changeLine(const CountChange &change, int period, bool firstDay);

// "第3次统计高峰：第7周 星期二，4620 人；第1次统计高峰：第7周 星期一，4979 人".
QString peaksLine(const CountChange &change, int period, bool firstDay);

// "第7周 星期一 上午第4节：4500 人（-479），少了 3 门课，多了 1 门课".
QString changedCoursesHeading(const CountChange &change, int week, int column, int period,
                              bool firstDay, const QVector<ChangedCourse> &changed);

// The changed courses of a cell: a header "变化", "行", "原行", "上课时间",
// and "课程名称" where either count knows names, then a row per course, its
// line in the count it belongs to.
Table changedCoursesTable(const CountChange &change, const QVector<ChangedCourse> &changed);

#endif // COUNTCHANGE_H
