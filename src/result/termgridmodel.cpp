// SPDX-License-Identifier: GPL-3.0-or-later

#include "termgridmodel.h"

#include "cellcolours.h"
#include "reporttext.h"

#include <algorithm>

TermGridModel::TermGridModel(const TermTotals &term, int period, bool firstDay,
                             const QColor &base, QObject *parent)
    : QAbstractTableModel(parent)
    , term(term)
    , shownPeriod(period)
    , firstDay(firstDay)
    , base(base)
    , lastWeek(lastTableWeek(term))
    , fullest(peakOf(term, period, lastWeek))
{
}

int TermGridModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return change ? change->lastWeek() : lastWeek;
}

int TermGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 7;
}

QVariant TermGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const TermTotals &shown = change ? change->term() : term;
    const qint64 number = studentsIn(shown[index.row()][index.column()], shownPeriod);
    switch (role) {
    case Qt::DisplayRole:
        return change ? changeText(number) : QString::number(number);
    case Qt::BackgroundRole:
        return background(number);
    case Qt::ForegroundRole:
        return textColourOn(background(number));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QColor TermGridModel::background(qint64 number) const
{
    return change ? changeColour(number, largest(), base) : scaleColour(number, fullest.students, base);
}

QVariant TermGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return weekdayColumnName(section, firstDay);
    return QStringLiteral("第%1周").arg(section + 1);
}

// Every week and weekday that holds a selected cell, in order.
QString TermGridModel::text(const QModelIndexList &cells) const
{
    QList<int> weeks;
    QList<int> columns;
    for (const QModelIndex &cell : cells) {
        if (!weeks.contains(cell.row() + 1))
            weeks.append(cell.row() + 1);
        if (!columns.contains(cell.column()))
            columns.append(cell.column());
    }
    std::sort(weeks.begin(), weeks.end());
    std::sort(columns.begin(), columns.end());
    return change ? tableText(gridTable(change->term(), shownPeriod, firstDay, weeks, columns, TableCell::Change))
                  : gridText(term, shownPeriod, firstDay, weeks, columns);
}

void TermGridModel::setChange(const CountChange *shownChange)
{
    if (!shownChange && !change)
        return;
    beginResetModel();
    change = shownChange;
    if (change)
        largestShownChange = largestChange(change->term(), shownPeriod, change->lastWeek());
    endResetModel();
}
