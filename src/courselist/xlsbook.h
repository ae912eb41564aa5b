// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef XLSBOOK_H
#define XLSBOOK_H

#include "sheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

// An Excel 97–2003 workbook (.xls), read with FreeXL.
class XlsBook
{
public:
    explicit XlsBook(const QByteArray &bytes);
    ~XlsBook();
    XlsBook(const XlsBook &) = delete;
    XlsBook &operator=(const XlsBook &) = delete;

    bool open(QString *problem);
    QStringList sheetNames() const { return names; }
    bool readSheet(int index, const SheetFilter &filter, Sheet *sheet, QString *problem);

private:
    const QByteArray &bytes;
    // FreeXL reads only files: the bytes are written to a temporary one.
    QTemporaryFile copy;
    const void *handle = nullptr;
    QStringList names;
};

#endif // XLSBOOK_H
