// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CSVSHEET_H
#define CSVSHEET_H

#include "sheet.h"

#include <QString>

// The decoded text of a .csv file as a spreadsheet opens it: fields
// separated by commas, or by tabs when the first lines hold any; a quoted
// field may hold separators, line breaks and doubled quotes. Each record is
// a row, numbered from 1, a quoted line break not starting a new one.
bool readCsvSheet(const QString &text, const SheetFilter &filter, Sheet *sheet, QString *problem);

#endif // CSVSHEET_H
