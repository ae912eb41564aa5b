// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TERMGRID_H
#define TERMGRID_H

#include "periodtotals.h"
#include "table.h"

#include <QList>
#include <QString>

#include <array>

// The five reported periods, in the order they are shown everywhere.
constexpr std::array<int, 5> reportedPeriods{4, 5, 9, 11, 12};

bool isReportedPeriod(int period);

// The students of one reported period in a cell of the term.
qint64 studentsIn(const PeriodTotals &totals, int period);

// "上午第4节", "下午第9节", "晚上第11节" …
QString periodName(int period);

// "星期一" … "星期日" for the weekday columns 0 to 6.
QString weekdayColumnName(int column, bool firstDay);

// "第7周 星期一".
QString cellName(int week, int column, bool firstDay);

// One period over the term as a grid for a spreadsheet: a header "周数" and
// the weekdays' names, then a row per week, "第N周" and the students (or
// their change, as `numbers` says) of each weekday. Weeks are 1-based,
// weekday columns 0 to 6; both lists ascending.
Table gridTable(const TermTotals &term, int period, bool firstDay, const QList<int> &weeks,
                const QList<int> &columns, TableCell::Kind numbers = TableCell::Number);

// Weeks 1 to lastWeek.
QList<int> weeksThrough(int lastWeek);

// The whole grid, every weekday of weeks 1 to lastWeek.
Table gridTable(const TermTotals &term, int period, bool firstDay, int lastWeek,
                TableCell::Kind numbers = TableCell::Number);

// gridTable as tab-separated text.
QString gridText(const TermTotals &term, int period, bool firstDay, const QList<int> &weeks,
                 const QList<int> &columns);

// The whole grid as text: every weekday of the weeks of the term table.
QString gridText(const TermTotals &term, int period, bool firstDay);

// The fullest cell of one period among weeks 1 to lastWeek: the earliest week
// wins a tie, then the earliest weekday. week is 0 when no cell holds a student.
struct Peak
{
    int week = 0;
    int column = 0;
    qint64 students = 0;
};
Peak peakOf(const TermTotals &term, int period, int lastWeek);

// The line above the grid that names the peak, or says that nobody is in
// class in that period all term.
QString peakLine(const Peak &peak, int period, bool firstDay);

#endif // TERMGRID_H
