// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PERIODTOTALS_H
#define PERIODTOTALS_H

#include "classentry.h"
#include "timeparser.h"

#include <QList>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <array>

// Students in class in the five reported periods of one week and weekday.
// An entry counts under its last period only. The sums are 64-bit so that
// no list of 32-bit head counts can overflow them.
struct PeriodTotals
{
    qint64 period4 = 0;
    qint64 period5 = 0;
    qint64 period9 = 0;
    qint64 period11 = 0;
    qint64 period12 = 0;
};

bool operator==(const PeriodTotals &a, const PeriodTotals &b);
bool operator!=(const PeriodTotals &a, const PeriodTotals &b);
bool isEmpty(const PeriodTotals &totals);

// The totals of every teaching week W (1-based) and the seven weekdays D
// from firstDay to firstDay + 6, in the numbering the entries were parsed
// with: term[W - 1][D - firstDay]. Every number shown is one of these.
using TermTotals = std::array<std::array<PeriodTotals, 7>, lastTeachingWeek>;
TermTotals termTotals(const QList<ClassEntry> &entries, bool firstDay);

// Adds the entries to the term, as termTotals adds them up: adding the
// entries of every line in turn gives the totals of them all.
void addEntries(TermTotals &term, const QVector<ClassEntry> &entries, bool firstDay);

// Cell by cell, the students of `term` less those of `other`.
TermTotals termDifference(const TermTotals &term, const TermTotals &other);

#endif // PERIODTOTALS_H
