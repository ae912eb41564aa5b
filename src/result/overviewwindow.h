// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef OVERVIEWWINDOW_H
#define OVERVIEWWINDOW_H

#include "count.h"
#include "countchange.h"

#include <QVector>
#include <QWidget>

class CellCoursesModel;
class CountList;
class QComboBox;
class QLabel;
class QTabWidget;
class QTableView;
class QTreeView;
class TermGridModel;

// The whole term at a glance: a tab per reported period, each a grid of
// weeks by weekdays coloured by the students in class, with the fullest cell
// named above it, and beside it the courses of the grid's current cell.
// Above the tabs, another count of the run may be chosen: then every grid
// shows the change against it and every list the courses that differ.
// Reads the count it is given, which must outlive it.
class OverviewWindow : public QWidget
{
    Q_OBJECT

public:
    // Opens on the cell of this week (1-based) and weekday column (0 to 6)
    // in every tab, or on the tab's fullest cell where the week is past its grid.
    // `count` is numbered `number` in `counts`, which names the others.
    OverviewWindow(const Count &count, int number, CountList *counts, bool firstDay, int week,
                   int column, QWidget *parent);

    // Tells, under the tabs, where the workbook went.
    void showExported(const QString &line);
    // Tells, above the course lists, that a course cannot be shown in the boxes.
    void showInputEdited();
    // The change shown, or none.
    const CountChange *shownChange() const { return comparing ? &change : nullptr; }

    // The window's height is the screen's to limit: left to the wrapped
    // headings, it would follow the width, and a window narrowed to fit a
    // small screen would grow taller than the screen.
    bool hasHeightForWidth() const override { return false; }

signals:
    // A cell became the current one: week 1-based, weekday column 0 to 6.
    void cellChosen(int week, int column);
    // A course of a list was double-clicked or entered: the number of the
    // count it belongs to, and the course as that count's courses number it.
    void courseChosen(int count, int course);
    // "导出 Excel…" was pressed: the dialog that opened this window writes it.
    void exportRequested();

private:
    // What a tab shows, to be changed when another count is chosen.
    struct Page
    {
        TermGridModel *grid = nullptr;
        QTableView *view = nullptr;
        QLabel *line = nullptr;
        QLabel *peaks = nullptr;
        QWidget *legend = nullptr;
        CellCoursesModel *courses = nullptr;
        QLabel *coursesHeading = nullptr;
        QTreeView *list = nullptr;
    };

    QComboBox *makeChoice(QWidget *parent);
    void addChoice(int number);
    void removeChoice(int number);
    void compareWith(int index);
    QWidget *makePage(int period, int week, int column);
    void showPage(const Page &page);
    void addCourseList(int tab);
    static void sizeCourseColumns(QTreeView *list, bool changes);
    void copySelection(QTableView *grid);
    void copyPicture();

    QTabWidget *tabs = nullptr;
    QComboBox *choice = nullptr;
    QLabel *exportedLabel = nullptr;
    const Count &count;
    const int number;
    CountList *counts;
    const bool firstDay;
    CountChange change;
    bool comparing = false;
    QVector<Page> pages;
    QVector<QLabel *> inputEditedLabels;
    bool inputWasEdited = false;
};

#endif // OVERVIEWWINDOW_H
