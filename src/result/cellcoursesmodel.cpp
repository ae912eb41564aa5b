// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellcoursesmodel.h"

#include <QCollator>

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

// Numbers by value and a change by its size, texts as a person sorts them;
// an empty cell (a line in the other count) before any number.
int compareCells(const TableCell &a, const TableCell &b, const QCollator &collator)
{
    const bool aNumber = a.kind != TableCell::Text;
    const bool bNumber = b.kind != TableCell::Text;
    if (aNumber && bNumber) {
        const qint64 x = a.kind == TableCell::Change ? qAbs(a.number) : a.number;
        const qint64 y = b.kind == TableCell::Change ? qAbs(b.number) : b.number;
        return x < y ? -1 : x > y ? 1 : 0;
    }
    if (aNumber != bNumber)
        return aNumber ? 1 : -1;
    return collator.compare(a.text, b.text);
}

} // namespace

CellCoursesModel::CellCoursesModel(const TermCourses &courses, int period, QObject *parent)
    : QAbstractTableModel(parent)
    , courses(courses)
    , period(period)
    , table(courseTable(courses, {}))
{
    collator.setNumericMode(true);
}

void CellCoursesModel::setChange(const CountChange *shownChange)
{
    change = shownChange;
    sortColumn = change ? 0 : 1;
    sortOrder = Qt::DescendingOrder;
    setCell(week, column);
}

void CellCoursesModel::setCell(int cellWeek, int cellColumn)
{
    beginResetModel();
    week = cellWeek;
    column = cellColumn;
    rows.clear();
    if (change) {
        changed = change->inCell(week, column, period);
        table = changedCoursesTable(*change, changed);
        for (const ChangedCourse &course : std::as_const(changed)) {
            const bool other = course.course < 0;
            const int index = other ? course.otherCourse : course.course;
            const TermCourses &list = other ? change->otherCourses() : change->courses();
            rows.append({index, other, list.course(index).line});
        }
    } else {
        inCell = courses.inCell(week, column, period);
        table = courseTable(courses, inCell);
        for (const CourseInCell &course : std::as_const(inCell))
            rows.append({course.course, false, courses.course(course.course).line});
    }
    order.resize(rows.size());
    std::iota(order.begin(), order.end(), 0);
    sortRows();
    endResetModel();
}

QString CellCoursesModel::heading(bool firstDay) const
{
    if (change)
        return changedCoursesHeading(*change, week, column, period, firstDay, changed);
    qint64 students = 0;
    for (const CourseInCell &course : inCell)
        students += course.students;
    return cellCoursesHeading(week, column, period, firstDay, students, inCell.size());
}

int CellCoursesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : order.size();
}

int CellCoursesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : table.header.size();
}

QVariant CellCoursesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const TableCell &cell = table.cell(order.at(index.row()), index.column());
    const bool text = cell.kind == TableCell::Text;
    switch (role) {
    case Qt::DisplayRole:
        return cellText(cell);
    case Qt::ToolTipRole:
        // A long class time or name is cut to its column; the whole is a hover away.
        return text && !cell.text.isEmpty() ? cell.text : QVariant();
    case Qt::TextAlignmentRole:
        return text ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant CellCoursesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return table.header.value(section);
}

void CellCoursesModel::sort(int sortedColumn, Qt::SortOrder sortedOrder)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    sortColumn = sortedColumn;
    sortOrder = sortedOrder;
    sortRows();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Ties go by line, this count's before the other's, whichever way the
// column is sorted.
void CellCoursesModel::sortRows()
{
    std::sort(order.begin(), order.end(), [this](int a, int b) {
        const Row &x = rows.at(a);
        const Row &y = rows.at(b);
        return x.other != y.other ? y.other : x.line < y.line;
    });
    if (sortColumn < 0 || sortColumn >= table.header.size())
        return;
    const bool descending = sortOrder == Qt::DescendingOrder;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int compared = compareCells(table.cell(a, sortColumn), table.cell(b, sortColumn), collator);
        return descending ? compared > 0 : compared < 0;
    });
}

QString CellCoursesModel::text(const QList<int> &rowNumbers) const
{
    Table chosen{table.header, {}};
    for (int row : rowNumbers) {
        for (int column = 0; column < table.header.size(); ++column)
            chosen.cells.append(table.cell(order.at(row), column));
    }
    return tableText(chosen);
}
