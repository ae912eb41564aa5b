// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellcoursesmodel.h"

#include <QCollator>
#include <QHash>

#include <algorithm>
#include <utility>

namespace {

enum Column { LineColumn, StudentsColumn, ClassTimeColumn, ColumnCount };

} // namespace

CellCoursesModel::CellCoursesModel(const TermCourses &courses, int period, QObject *parent)
    : QAbstractTableModel(parent)
    , courses(courses)
    , period(period)
{
}

void CellCoursesModel::setCell(int week, int column)
{
    beginResetModel();
    rows = courses.inCell(week, column, period);
    total = 0;
    for (const CourseInCell &row : std::as_const(rows))
        total += row.students;
    sortRows();
    endResetModel();
}

int CellCoursesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

int CellCoursesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CellCoursesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const CourseInCell &row = rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == LineColumn)
            return QString::number(courses.course(row.course).line);
        if (index.column() == StudentsColumn)
            return QString::number(row.students);
        return courses.classTime(row.course);
    case Qt::ToolTipRole:
        // A long class time is cut to its column; the whole is a hover away.
        return index.column() == ClassTimeColumn ? courses.classTime(row.course) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == ClassTimeColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                 : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant CellCoursesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case LineColumn: return QStringLiteral("行");
    case StudentsColumn: return QStringLiteral("人数");
    default: return QStringLiteral("上课时间");
    }
}

void CellCoursesModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    sortColumn = column;
    sortOrder = order;
    sortRows();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Ties go by line, whichever way the column is sorted.
void CellCoursesModel::sortRows()
{
    const auto line = [this](const CourseInCell &row) { return courses.course(row.course).line; };
    std::sort(rows.begin(), rows.end(), [&](const CourseInCell &a, const CourseInCell &b) {
        return line(a) < line(b);
    });
    const bool descending = sortOrder == Qt::DescendingOrder;
    if (sortColumn == StudentsColumn) {
        std::stable_sort(rows.begin(), rows.end(), [&](const CourseInCell &a, const CourseInCell &b) {
            return descending ? a.students > b.students : a.students < b.students;
        });
    } else if (sortColumn == ClassTimeColumn) {
        QCollator collator;
        collator.setNumericMode(true);
        QHash<int, QString> texts;
        for (const CourseInCell &row : std::as_const(rows))
            texts.insert(row.course, courses.classTime(row.course));
        std::stable_sort(rows.begin(), rows.end(), [&](const CourseInCell &a, const CourseInCell &b) {
            const int order = collator.compare(texts.value(a.course), texts.value(b.course));
            return descending ? order > 0 : order < 0;
        });
    } else if (descending) {
        std::reverse(rows.begin(), rows.end());
    }
}

QString CellCoursesModel::text(const QList<int> &rowNumbers) const
{
    QVector<CourseInCell> chosen;
    for (int row : rowNumbers)
        chosen.append(rows.at(row));
    return courseTableText(courses, chosen);
}
