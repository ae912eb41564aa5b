// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WORKBOOK_H
#define WORKBOOK_H

#include "count.h"
#include "countchange.h"

#include <QString>

// The name of the workbook's title property, and the file name suggested for it.
QString workbookTitle();

// The file a chosen name stands for: the name itself when it ends in ".xlsx"
// (in any case), or else the name with ".xlsx" added. Excel and the file
// managers know a workbook by that suffix alone.
QString workbookPath(const QString &chosen);

// Writes the term as an Excel workbook: the term table on the first sheet,
// one sheet per reported period with its grid and peak line, a sheet with
// the courses of each period's fullest cell, the change against another
// count when `change` is given, and the notice on uncounted items on a last
// sheet when it lists any. The file is written
// whole to a temporary file beside `path` and then put in its place, so that
// on failure an existing file stays as it was; `reason` then says why in
// Chinese.
bool writeWorkbook(const QString &path, const Count &count, bool firstDay, const CountChange *change,
                   QString *reason);

#endif // WORKBOOK_H
