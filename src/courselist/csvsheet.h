// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CSVSHEET_H
#define CSVSHEET_H

#include "sheet.h"

#include <QByteArray>
#include <QString>

// A .csv file as a spreadsheet opens it: UTF-8 with or without a byte-order
// mark, or GB18030; fields separated by commas, or by tabs when the first
// lines hold any; a quoted field may hold separators, line breaks and
// doubled quotes. Each record is a row, numbered from 1, a quoted line
// break not starting a new one.
bool readCsvSheet(const QByteArray &bytes, Sheet *sheet, QString *problem);

#endif // CSVSHEET_H
