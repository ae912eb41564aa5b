// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CELLCOURSESMODEL_H
#define CELLCOURSESMODEL_H

#include "countchange.h"
#include "table.h"
#include "termcourses.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QVector>

// The courses in class in one cell of the term: a row per course with its
// line, its students there, its class time, and its name and file row where
// known; or, while a change is set, the courses that differ there, with
// their change, their lines in either count, their class time and name. Sorted by any column, ties by line; at first
// the most students (or the largest change) first. Reads the courses and
// the change it is given, which must outlive it.
class CellCoursesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    CellCoursesModel(const TermCourses &courses, int period, QObject *parent);

    // Lists the changed courses of this change, or the courses again for none.
    void setChange(const CountChange *change);
    // Lists the cell of this week (1-based) and weekday column (0 to 6).
    void setCell(int week, int column);
    // The line above the list that names the cell and what it holds.
    QString heading(bool firstDay) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // The course of a row, as the count it belongs to numbers it.
    int course(int row) const { return rows.at(order.at(row)).course; }
    // Whether that count is the other one of the change.
    bool ofOtherCount(int row) const { return rows.at(order.at(row)).other; }
    // These rows, in this order, as a table for a spreadsheet.
    QString text(const QList<int> &rowNumbers) const;

private:
    struct Row
    {
        int course = 0;
        bool other = false;
        int line = 0;
    };

    void sortRows();

    const TermCourses &courses;
    const int period;
    const CountChange *change = nullptr;
    Table table;
    QVector<Row> rows;   // beside the table's rows
    QVector<int> order;  // the table's rows as shown
    QVector<ChangedCourse> changed;
    QVector<CourseInCell> inCell;
    int week = 1;
    int column = 0;
    // Made once: making one is slow, and every cell is sorted.
    QCollator collator;
    int sortColumn = 1;
    Qt::SortOrder sortOrder = Qt::DescendingOrder;
};

#endif // CELLCOURSESMODEL_H
