// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SHOWWINDOW_H
#define SHOWWINDOW_H

#include "count.h"
#include "timeparser.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class CountChange;
class CountList;
class OverviewWindow;
class QBoxLayout;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

// The result window for one pair of input texts: pick a week and a weekday
// and read the students in class in periods 4, 5, 9, 11 and 12, or copy the
// whole term as a table or see it at a glance. The texts are parsed and
// added up once; later edits of the input boxes do not reach an open dialog.
// Its count joins those of the other result windows of the same parent,
// numbered in the order they were made, for the overview to compare.
class ShowWindow : public QDialog
{
    Q_OBJECT

public:
    // firstLines tells on which line of its box each text begins, so that
    // uncounted items are named by the lines the user sees; names, the
    // names of the courses where the boxes hold a course list file's columns.
    ShowWindow(QWidget *parent, QString timeText, QString countText,
               FirstLines firstLines = FirstLines(), const CourseNames &names = CourseNames());
    ~ShowWindow() override;

    // The boxes the texts came from, as they are now: a course of the
    // overview is then shown in them, until either is edited.
    void setInputBoxes(QTextEdit *timeBox, QTextEdit *countBox);

public slots:
    void slotWeekChanged(int index);
    void slotDayChanged(int row);
    void slotCopyAll();

private:
    void setupUi();
    void addUncountedNotice(QBoxLayout *page);
    void refreshView();
    void showOverview();
    void exportFrom(QWidget *window, const CountChange *change);
    void showCourse(int number, int course);

    QComboBox *weekCombo = nullptr;
    QListWidget *dayList = nullptr;
    QTextEdit *resultView = nullptr;
    QPushButton *copyAllButton = nullptr;
    QPushButton *overviewButton = nullptr;
    QPushButton *exportButton = nullptr;
    QLabel *exportedLabel = nullptr;
    QPointer<OverviewWindow> overview;
    Count count;
    QPointer<CountList> counts;
    int number = 0;
    QPointer<QTextEdit> timeBox;
    QPointer<QTextEdit> countBox;
    bool inputEdited = false;
    bool firstDay = true;
    int currentWeek = 1;
    int currentDay = 1;
};

#endif // SHOWWINDOW_H
