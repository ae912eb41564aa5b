// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef EXPORTACTION_H
#define EXPORTACTION_H

#include "count.h"
#include "countchange.h"

#include <QString>

class QWidget;

// "导出 Excel…": asks where to save the workbook, with the toolkit's save
// dialog over `window`, and writes it there, under a name that ends in
// ".xlsx" whatever the dialog made of the suffix; a failure is told in a
// warning box; with `change`, the workbook holds it too. Returns the file
// written, or nothing when none was.
QString exportWorkbook(QWidget *window, const Count &count, bool firstDay, const CountChange *change);

#endif // EXPORTACTION_H
