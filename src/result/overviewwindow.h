// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef OVERVIEWWINDOW_H
#define OVERVIEWWINDOW_H

#include "periodtotals.h"
#include "termcourses.h"

#include <QList>
#include <QWidget>

class QLabel;
class QTabWidget;
class QTableView;

// The whole term at a glance: a tab per reported period, each a grid of
// weeks by weekdays coloured by the students in class, with the fullest cell
// named above it, and beside it the courses of the grid's current cell.
// Reads the term and the courses it is given, which must outlive it.
class OverviewWindow : public QWidget
{
    Q_OBJECT

public:
    // Opens on the cell of this week (1-based) and weekday column (0 to 6)
    // in every tab, or on the tab's fullest cell where the week is past its grid.
    OverviewWindow(const TermTotals &term, const TermCourses &courses, bool firstDay, int week,
                   int column, QWidget *parent);

    // Tells, under the tabs, where the workbook went.
    void showExported(const QString &line);
    // Tells, above the course lists, that a course cannot be shown in the boxes.
    void showInputEdited();

signals:
    // A cell became the current one: week 1-based, weekday column 0 to 6.
    void cellChosen(int week, int column);
    // A course of a list was double-clicked or entered, as TermCourses numbers it.
    void courseChosen(int course);
    // "导出 Excel…" was pressed: the dialog that opened this window writes it.
    void exportRequested();

private:
    QWidget *makePage(const TermTotals &term, int period, int week, int column);
    void addCourseList(int tab);
    void copySelection(QTableView *grid);
    void copyPicture();

    QTabWidget *tabs = nullptr;
    QLabel *exportedLabel = nullptr;
    const TermCourses &courses;
    const bool firstDay;
    QList<QLabel *> inputEditedLabels;
    bool inputWasEdited = false;
};

#endif // OVERVIEWWINDOW_H
