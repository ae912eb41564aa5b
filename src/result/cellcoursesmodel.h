// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CELLCOURSESMODEL_H
#define CELLCOURSESMODEL_H

#include "termcourses.h"

#include <QAbstractTableModel>
#include <QVector>

// The courses in class in one cell of the term: a row per course with its
// line, its students there and its class time. Sorted by any column, ties
// by line; at first the most students first. Reads the courses it is given,
// which must outlive it.
class CellCoursesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    CellCoursesModel(const TermCourses &courses, int period, QObject *parent);

    // Lists the cell of this week (1-based) and weekday column (0 to 6).
    void setCell(int week, int column);
    qint64 students() const { return total; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // The course of a row, as TermCourses numbers it.
    int course(int row) const { return rows.at(row).course; }
    // These rows, in this order, as a table for a spreadsheet.
    QString text(const QList<int> &rowNumbers) const;

private:
    void sortRows();

    const TermCourses &courses;
    const int period;
    QVector<CourseInCell> rows;
    qint64 total = 0;
    int sortColumn = 1;
    Qt::SortOrder sortOrder = Qt::DescendingOrder;
};

#endif // CELLCOURSESMODEL_H
