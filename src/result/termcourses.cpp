// SPDX-License-Identifier: GPL-3.0-or-later

#include "termcourses.h"

#include "termgrid.h"

#include <algorithm>

namespace {

// The test the totals apply: the entry adds to this cell.
bool countsIn(const ClassEntry &entry, int week, int day, int period)
{
    return entry.lastPeriod == period && entry.day == day && takesPlaceIn(entry, week);
}

} // namespace

TermCourses::TermCourses(const QString &timeText, bool firstDay, int period, const CourseNames &names)
    : timeText(timeText)
    , firstDay(firstDay)
    , period(period)
    , names(names)
{
}

void TermCourses::add(const BoxLineView &time, const BoxLineView &headCount,
                      const QVector<ClassEntry> &lineEntries)
{
    const int firstEntry = entries.size();
    for (const ClassEntry &entry : lineEntries) {
        if ((period == 0 ? isReportedPeriod(entry.lastPeriod) : entry.lastPeriod == period)
            && entry.day >= int(firstDay)
            && entry.day <= int(firstDay) + 6)
            entries.append(entry);
    }
    if (entries.size() == firstEntry)
        return;
    kept.append({{time.line, time.lines, headCount.line, headCount.lines},
                 time.source.position(),
                 time.source.size(),
                 time.cell,
                 firstEntry,
                 int(entries.size()) - firstEntry});
}

QVector<CourseInCell> TermCourses::inCell(int week, int column, int period) const
{
    QVector<CourseInCell> found;
    for (int index = 0; index < kept.size(); ++index) {
        qint64 students = 0;
        if (addsTo(index, week, column, period, &students))
            found.append({index, students});
    }
    // The courses are kept in line order, which a stable sort keeps among equals.
    std::stable_sort(found.begin(), found.end(), [](const CourseInCell &a, const CourseInCell &b) {
        return a.students > b.students;
    });
    return found;
}

bool TermCourses::addsTo(int index, int week, int column, int period, qint64 *students) const
{
    const int day = column + int(firstDay);
    const Kept &course = kept.at(index);
    bool counts = false;
    *students = 0;
    for (int i = course.firstEntry; i < course.firstEntry + course.entryCount; ++i) {
        const ClassEntry &entry = entries.at(i);
        if (countsIn(entry, week, day, period)) {
            *students += entry.students;
            counts = true;
        }
    }
    return counts;
}

QString TermCourses::classTime(int index) const
{
    const Kept &course = kept.at(index);
    const QStringView source = QStringView(timeText).mid(course.sourceStart, course.sourceSize);
    if (!course.cell && !source.contains(QLatin1Char('\t')))
        return source.trimmed().toString();
    QString text = source.toString();
    if (course.cell) {
        text = text.mid(1, text.size() - 2);
        text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text.trimmed();
}

QString cellCoursesHeading(int week, int column, int period, bool firstDay, qint64 students,
                           int courseCount)
{
    const QString courseText = courseCount == 0 ? QStringLiteral("没有课")
                                                : QStringLiteral("%1 门课").arg(courseCount);
    return QStringLiteral("%1 %2：%3 人，%4")
            .arg(cellName(week, column, firstDay), periodName(period), QString::number(students),
                 courseText);
}

Table courseTable(const TermCourses &courses, const QVector<CourseInCell> &inCell)
{
    Table table{{QStringLiteral("行"), QStringLiteral("人数"), classTimeHeader()}, {}};
    const bool named = courses.hasNames();
    if (named)
        table.header << courseNameHeader() << QStringLiteral("表格行");
    for (const CourseInCell &row : inCell) {
        table.addRow({numberCell(courses.course(row.course).line), numberCell(row.students),
                           textCell(courses.classTime(row.course))});
        if (named)
            table.cells << textCell(courses.name(row.course)) << numberCell(courses.fileRow(row.course));
    }
    return table;
}

QString courseTableText(const TermCourses &courses, const QVector<CourseInCell> &inCell)
{
    return tableText(courseTable(courses, inCell));
}
