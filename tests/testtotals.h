// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTTOTALS_H
#define TESTTOTALS_H

#include "periodtotals.h"

#include <QMetaType>

inline PeriodTotals totals(qint64 period4, qint64 period5, qint64 period9, qint64 period11,
                           qint64 period12)
{
    return PeriodTotals{period4, period5, period9, period11, period12};
}

Q_DECLARE_METATYPE(PeriodTotals)

#endif // TESTTOTALS_H
