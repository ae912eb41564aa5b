// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef EXPORTACTION_H
#define EXPORTACTION_H

#include "periodtotals.h"
#include "reporttext.h"
#include "termcourses.h"
#include "uncounteditem.h"

#include <QList>
#include <QString>

class QWidget;

// "导出 Excel…": asks where to save the workbook, with the toolkit's save
// dialog over `window`, and writes it there, under a name that ends in
// ".xlsx" whatever the dialog made of the suffix; a failure is told in a
// warning box. Returns the file written, or nothing when none was.
QString exportWorkbook(QWidget *window, const TermTotals &term, const TermCourses &courses, bool firstDay,
                       const QList<UncountedItem> &uncounted, const TabbedLines &tabbed);

#endif // EXPORTACTION_H
