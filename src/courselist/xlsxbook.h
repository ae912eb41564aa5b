// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef XLSXBOOK_H
#define XLSXBOOK_H

#include "sheet.h"
#include "ziparchive.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// An .xlsx workbook as Excel, WPS and LibreOffice write it: its worksheets
// by name, each read on demand, with shared strings, inline strings and
// numbers. Only the parts inside the file are read: a relationship that
// points outside it is left alone.
class XlsxBook
{
public:
    // The bytes must outlive the book.
    explicit XlsxBook(const QByteArray &bytes);

    // Reads the list of worksheets and the shared strings.
    bool open(QString *problem);
    QStringList sheetNames() const { return names; }
    bool readSheet(int index, const SheetFilter &filter, Sheet *sheet, QString *problem);

private:
    bool readSheetList(QString *problem);
    bool readSharedStrings(const QString &path, QString *problem);
    QString cellText(const QByteArray &type, const QByteArray &value) const;

    const QByteArray &bytes;
    ZipArchive zip;
    QStringList names;
    QStringList paths;
    QStringList sharedStrings;
    // The sheet last unpacked, which is read again for its columns.
    int unpackedSheet = -1;
    QByteArray sheetXml;
};

#endif // XLSXBOOK_H
