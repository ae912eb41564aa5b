// SPDX-License-Identifier: GPL-3.0-or-later

#include "countchange.h"

#include <QHash>
#include <QPair>

#include <algorithm>
#include <limits>

namespace {

using CourseKey = QPair<QString, qint64>;

CourseKey keyOf(const TermCourses &courses, int index)
{
    return {courses.classTime(index), courses.headCount(index)};
}

// Pairs equal courses in line order; what stays unpaired goes to `added`
// (of `courses`) and `removed` (of `other`).
void pairCourses(const TermCourses &courses, const TermCourses &other, QVector<int> *added,
                 QVector<int> *removed)
{
    struct Equal
    {
        QVector<int> courses;
        int paired = 0;
    };
    QHash<CourseKey, Equal> byKey;
    byKey.reserve(other.size());
    for (int index = 0; index < other.size(); ++index)
        byKey[keyOf(other, index)].courses.append(index);
    QVector<bool> paired(other.size(), false);
    for (int index = 0; index < courses.size(); ++index) {
        const auto equal = byKey.find(keyOf(courses, index));
        if (equal == byKey.end() || equal->paired == equal->courses.size()) {
            added->append(index);
            continue;
        }
        paired[equal->courses.at(equal->paired++)] = true;
    }
    for (int index = 0; index < other.size(); ++index) {
        if (!paired.at(index))
            removed->append(index);
    }
}

QString peakText(const QString &name, const Peak &peak, bool firstDay)
{
    if (peak.week == 0)
        return name + QStringLiteral("没有学生上课");
    return QStringLiteral("%1高峰：%2，%3 人")
            .arg(name, cellName(peak.week, peak.column, firstDay), QString::number(peak.students));
}

} // namespace

CountChange::CountChange(const Count &count, const QString &name, const Count &other,
                         const QString &otherName)
    : thisTerm(count.term)
    , otherTermTotals(other.term)
    , difference(termDifference(count.term, other.term))
    , thisCourses(count.courses)
    , otherCourseList(other.courses)
    , thisName(name)
    , otherNameText(otherName)
    , last(qMax(lastTableWeek(count.term), lastTableWeek(other.term)))
{
    pairCourses(thisCourses, otherCourseList, &added, &removed);
}

QVector<ChangedCourse> CountChange::inCell(int week, int column, int period) const
{
    QVector<ChangedCourse> changed;
    qint64 students = 0;
    for (int index : added) {
        if (thisCourses.addsTo(index, week, column, period, &students))
            changed.append({index, -1, students});
    }
    for (int index : removed) {
        if (otherCourseList.addsTo(index, week, column, period, &students))
            changed.append({-1, index, -students});
    }
    // A course of one count has no line in the other: those come after.
    const auto line = [](const TermCourses &courses, int index) {
        return index < 0 ? std::numeric_limits<int>::max() : courses.course(index).line;
    };
    std::sort(changed.begin(), changed.end(), [&](const ChangedCourse &a, const ChangedCourse &b) {
        const qint64 sizeA = qAbs(a.change);
        const qint64 sizeB = qAbs(b.change);
        if (sizeA != sizeB)
            return sizeA > sizeB;
        const int lineA = line(thisCourses, a.course);
        const int lineB = line(thisCourses, b.course);
        if (lineA != lineB)
            return lineA < lineB;
        return line(otherCourseList, a.otherCourse) < line(otherCourseList, b.otherCourse);
    });
    return changed;
}

Peak largestChange(const TermTotals &difference, int period, int lastWeek)
{
    Peak largest;
    for (int week = 1; week <= lastWeek; ++week) {
        for (int column = 0; column < 7; ++column) {
            const qint64 change = studentsIn(difference[week - 1][column], period);
            if (qAbs(change) > qAbs(largest.students))
                largest = Peak{week, column, change};
        }
    }
    return largest;
}

QString changeLine(const CountChange &change, int period, bool firstDay)
{
    const Peak largest = largestChange(change.term(), period, change.lastWeek());
    if (largest.week == 0)
        return periodName(period) + QStringLiteral("没有变化");
    const int w = largest.week - 1;
    return periodName(period)
            + QStringLiteral("变化最大：%1，%2 人（%3 → %4）")
                      .arg(cellName(largest.week, largest.column, firstDay), changeText(largest.students),
                           QString::number(studentsIn(change.otherTerm()[w][largest.column], period)),
                           QString::number(studentsIn(change.countTerm()[w][largest.column], period)));
}

QString peaksLine(const CountChange &change, int period, bool firstDay)
{
    return peakText(change.name(), peakOf(change.countTerm(), period, change.lastWeek()), firstDay)
            + QStringLiteral("；")
            + peakText(change.otherName(), peakOf(change.otherTerm(), period, change.lastWeek()),
                       firstDay);
}

QString changedCoursesHeading(const CountChange &change, int week, int column, int period,
                              bool firstDay, const QVector<ChangedCourse> &changed)
{
    int fewer = 0;
    for (const ChangedCourse &course : changed) {
        if (course.course < 0)
            ++fewer;
    }
    const int more = changed.size() - fewer;
    QStringList courses;
    if (fewer > 0)
        courses.append(QStringLiteral("少了 %1 门课").arg(fewer));
    if (more > 0)
        courses.append(QStringLiteral("多了 %1 门课").arg(more));
    if (courses.isEmpty())
        courses.append(QStringLiteral("课程没有变化"));
    return QStringLiteral("%1 %2：%3 人（%4），%5")
            .arg(cellName(week, column, firstDay), periodName(period),
                 QString::number(studentsIn(change.countTerm()[week - 1][column], period)),
                 changeText(studentsIn(change.term()[week - 1][column], period)),
                 courses.join(QStringLiteral("，")));
}

Table changedCoursesTable(const CountChange &change, const QVector<ChangedCourse> &changed)
{
    Table table{{QStringLiteral("变化"), QStringLiteral("行"), QStringLiteral("原行"), classTimeHeader()},
                {}};
    const bool named = change.courses().hasNames() || change.otherCourses().hasNames();
    if (named)
        table.header << courseNameHeader();
    for (const ChangedCourse &course : changed) {
        const bool ours = course.course >= 0;
        const TermCourses &courses = ours ? change.courses() : change.otherCourses();
        const int index = ours ? course.course : course.otherCourse;
        const TableCell line = numberCell(courses.course(index).line);
        table.addRow({numberCell(course.change, TableCell::Change), ours ? line : textCell(QString()),
                           ours ? textCell(QString()) : line, textCell(courses.classTime(index))});
        if (named)
            table.cells << textCell(courses.name(index));
    }
    return table;
}
