// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GB18030_H
#define GB18030_H

#include <QByteArray>
#include <QString>

// Decodes GB18030 strictly: false for any byte sequence that is not a
// character. The four-byte sequences beyond the Basic Multilingual Plane are
// read here, by their arithmetic, because not every build of the toolkit's
// codec reads them (without ICU it turns them into U+0000).
bool decodeGb18030(const QByteArray &bytes, QString *text);

#endif // GB18030_H
