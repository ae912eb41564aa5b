// SPDX-License-Identifier: GPL-3.0-or-later

#include "xlsbook.h"

#include <QtEndian>

#include <freexl.h>

namespace {

const QString damaged = QStringLiteral("文件已损坏，或不是 Excel 97–2003 工作簿（.xls）");

QString cellText(const FreeXL_CellValue &cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE: {
        const double number = cell.value.double_value;
        const QString whole = wholeNumberText(number);
        return whole.isNull() ? QString::number(number, 'g', 15) : whole;
    }
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return QString::fromUtf8(cell.value.text_value);
    default:
        return QString();
    }
}

// Whether FreeXL may be given the bytes. An Excel 97–2003 workbook is a
// compound file; FreeXL also takes the bare streams of Excel 2 to 4, which
// no academic system writes, and on damaged ones it frees what it never
// allocated: those are not given to it. And FreeXL takes the length of a
// directory entry's name from the file as it stands and reads that far,
// past the entry's 64 bytes of name. It looks for the workbook in the
// first sector of the directory alone, so an entry there that claims a
// longer name makes the file damaged before FreeXL reads it.
bool freexlMayRead(const QByteArray &bytes)
{
    constexpr int headerSize = 512;
    constexpr int entrySize = 128;
    constexpr int nameSize = 64;
    static const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    if (bytes.size() < headerSize || !bytes.startsWith(QByteArray::fromRawData(signature, 8)))
        return false;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint16 sectorShift = qFromLittleEndian<quint16>(data + 0x1E);
    if (sectorShift != 9 && sectorShift != 12)
        return false;
    const quint32 sectorSize = 1u << sectorShift;
    // Where FreeXL reads the sector, in its 32-bit arithmetic, which wraps.
    const qint64 start = (qFromLittleEndian<quint32>(data + 0x30) + 1u) * sectorSize;
    const qint64 end = qMin(start + sectorSize, qint64(bytes.size()));
    for (qint64 entry = start; entry + entrySize <= end; entry += entrySize) {
        if (qFromLittleEndian<quint16>(data + entry + nameSize) > nameSize)
            return false;
    }
    return true;
}

} // namespace

XlsBook::XlsBook(const QByteArray &bytes)
    : bytes(bytes)
{
}

XlsBook::~XlsBook()
{
    if (handle)
        freexl_close(handle);
}

bool XlsBook::open(QString *problem)
{
    if (!freexlMayRead(bytes)) {
        *problem = damaged;
        return false;
    }
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) {
        *problem = QStringLiteral("无法写入临时文件：%1").arg(copy.errorString());
        return false;
    }
    // Linux's FreeXL takes the name in the system's encoding; the Windows
    // build's takes UTF-8, which holds any temporary folder's name.
#ifdef Q_OS_WIN
    const QByteArray name = copy.fileName().toUtf8();
#else
    const QByteArray name = QFile::encodeName(copy.fileName());
#endif
    const int opened = freexl_open(name.constData(), &handle);
    unsigned int info = 0;
    if (opened == FREEXL_OK && freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK
        && info == FREEXL_BIFF_OBFUSCATED) {
        *problem = QStringLiteral("工作簿受密码保护");
        return false;
    }
    if (opened != FREEXL_OK || freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &info) != FREEXL_OK) {
        *problem = opened == FREEXL_INSUFFICIENT_MEMORY ? QStringLiteral("内存不足，无法读取") : damaged;
        return false;
    }
    for (unsigned int index = 0; index < info; ++index) {
        const char *name = nullptr;
        if (freexl_get_worksheet_name(handle, ushort(index), &name) != FREEXL_OK) {
            *problem = damaged;
            return false;
        }
        names.append(QString::fromUtf8(name));
    }
    return true;
}

bool XlsBook::readSheet(int index, const SheetFilter &filter, Sheet *sheet, QString *problem)
{
    unsigned int rows = 0;
    ushort columns = 0;
    if (freexl_select_active_worksheet(handle, ushort(index)) != FREEXL_OK
        || freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) {
        *problem = damaged;
        return false;
    }
    for (unsigned int r = 0; r < rows && r < unsigned(filter.lastRow); ++r) {
        SheetRow row{int(r) + 1, {}};
        for (ushort column = 0; column < columns; ++column) {
            if (!filter.keeps(column))
                continue;
            FreeXL_CellValue cell{};
            const QString text = freexl_get_cell_value(handle, r, column, &cell) == FREEXL_OK
                    ? cellText(cell)
                    : QString();
            if (!text.isEmpty())
                row.cells.append({column, text});
        }
        if (!row.cells.isEmpty())
            sheet->rows.append(row);
    }
    return true;
}
