// SPDX-License-Identifier: GPL-3.0-or-later

#include "termgrid.h"

#include "reporttext.h"
#include "weekdays.h"

#include <algorithm>

bool isReportedPeriod(int period)
{
    return std::find(reportedPeriods.begin(), reportedPeriods.end(), period)
            != reportedPeriods.end();
}

qint64 studentsIn(const PeriodTotals &totals, int period)
{
    switch (period) {
    case 4: return totals.period4;
    case 5: return totals.period5;
    case 9: return totals.period9;
    case 11: return totals.period11;
    case 12: return totals.period12;
    default: return 0;
    }
}

QString periodName(int period)
{
    const QString partOfDay = period <= 5   ? QStringLiteral("上午")
                              : period <= 9 ? QStringLiteral("下午")
                                            : QStringLiteral("晚上");
    return partOfDay + QStringLiteral("第%1节").arg(period);
}

QString weekdayColumnName(int column, bool firstDay)
{
    return QStringLiteral("星期") + dayName(column + int(firstDay));
}

QString cellName(int week, int column, bool firstDay)
{
    return QStringLiteral("第%1周 %2").arg(QString::number(week), weekdayColumnName(column, firstDay));
}

Table gridTable(const TermTotals &term, int period, bool firstDay, const QList<int> &weeks,
                const QList<int> &columns, TableCell::Kind numbers)
{
    Table table{{QStringLiteral("周数")}, {}};
    for (int column : columns)
        table.header.append(weekdayColumnName(column, firstDay));
    for (int week : weeks) {
        table.cells.append(textCell(QStringLiteral("第%1周").arg(week)));
        for (int column : columns)
            table.cells.append(numberCell(studentsIn(term[week - 1][column], period), numbers));
    }
    return table;
}

QList<int> weeksThrough(int lastWeek)
{
    QList<int> weeks;
    for (int week = 1; week <= lastWeek; ++week)
        weeks.append(week);
    return weeks;
}

Table gridTable(const TermTotals &term, int period, bool firstDay, int lastWeek,
                TableCell::Kind numbers)
{
    return gridTable(term, period, firstDay, weeksThrough(lastWeek), {0, 1, 2, 3, 4, 5, 6}, numbers);
}

QString gridText(const TermTotals &term, int period, bool firstDay, const QList<int> &weeks,
                 const QList<int> &columns)
{
    return tableText(gridTable(term, period, firstDay, weeks, columns));
}

QString gridText(const TermTotals &term, int period, bool firstDay)
{
    return tableText(gridTable(term, period, firstDay, lastTableWeek(term)));
}

Peak peakOf(const TermTotals &term, int period, int lastWeek)
{
    Peak peak;
    for (int week = 1; week <= lastWeek; ++week) {
        for (int column = 0; column < 7; ++column) {
            const qint64 students = studentsIn(term[week - 1][column], period);
            if (students > peak.students)
                peak = Peak{week, column, students};
        }
    }
    return peak;
}

QString peakLine(const Peak &peak, int period, bool firstDay)
{
    if (peak.week == 0)
        return periodName(period) + QStringLiteral("整个学期都没有学生上课");
    return periodName(period)
            + QStringLiteral("人数最多：%1，%2 人")
                      .arg(cellName(peak.week, peak.column, firstDay), QString::number(peak.students));
}
