// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TERMGRIDMODEL_H
#define TERMGRIDMODEL_H

#include "countchange.h"
#include "periodtotals.h"
#include "termgrid.h"

#include <QAbstractTableModel>
#include <QColor>

// One period of the term as a table: a row per week of the term table, a
// column per weekday, each cell the students in class, coloured by count;
// or, while a change is set, each cell its change, coloured by its sign and
// size. Reads the term and the change it is given, which must outlive it.
class TermGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    TermGridModel(const TermTotals &term, int period, bool firstDay, const QColor &base,
                  QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows this change, or the students again for none.
    void setChange(const CountChange *change);

    int period() const { return shownPeriod; }
    const Peak &peak() const { return fullest; }
    // The largest number the colours reach: the peak's students, or the
    // size of the largest change.
    qint64 largest() const { return change ? qAbs(largestShownChange.students) : fullest.students; }
    // The grid text of the weeks and weekdays that hold these cells.
    QString text(const QModelIndexList &cells) const;

private:
    QColor background(qint64 number) const;

    const TermTotals &term;
    const int shownPeriod;
    const bool firstDay;
    const QColor base;
    const int lastWeek;
    const Peak fullest;
    const CountChange *change = nullptr;
    Peak largestShownChange;
};

#endif // TERMGRIDMODEL_H
