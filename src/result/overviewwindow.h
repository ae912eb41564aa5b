// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef OVERVIEWWINDOW_H
#define OVERVIEWWINDOW_H

#include "periodtotals.h"

#include <QWidget>

class QLabel;
class QTabWidget;
class QTableView;

// The whole term at a glance: a tab per reported period, each a grid of
// weeks by weekdays coloured by the students in class, with the fullest cell
// named above it. Reads the term it is given, which must outlive it.
class OverviewWindow : public QWidget
{
    Q_OBJECT

public:
    OverviewWindow(const TermTotals &term, bool firstDay, QWidget *parent);

    // Tells, under the tabs, where the workbook went.
    void showExported(const QString &line);

signals:
    // A cell became the current one: week 1-based, weekday column 0 to 6.
    void cellChosen(int week, int column);
    // "导出 Excel…" was pressed: the dialog that opened this window writes it.
    void exportRequested();

private:
    QWidget *makePage(const TermTotals &term, int period, bool firstDay);
    void copySelection(QTableView *grid);
    void copyPicture();

    QTabWidget *tabs = nullptr;
    QLabel *exportedLabel = nullptr;
};

#endif // OVERVIEWWINDOW_H
