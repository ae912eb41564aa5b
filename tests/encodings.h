// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ENCODINGS_H
#define ENCODINGS_H

#include <QByteArray>
#include <QString>
#include <QTextCodec>

// Text as a spreadsheet or an editor on Windows may save it.

// UTF-16 with its byte-order mark.
inline QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArrayLiteral("\xFF\xFE") : QByteArrayLiteral("\xFE\xFF");
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(littleEndian ? low : high);
        bytes.append(littleEndian ? high : low);
    }
    return bytes;
}

// The toolkit's codec, not the code under test.
inline QByteArray gb18030(const QString &text)
{
    return QTextCodec::codecForName("GB18030")->fromUnicode(text);
}

#endif // ENCODINGS_H
