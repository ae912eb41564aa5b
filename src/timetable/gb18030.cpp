// SPDX-License-Identifier: GPL-3.0-or-later

#include "gb18030.h"

#include <QTextCodec>

namespace {

bool isFourByteSecond(uchar byte)
{
    return byte >= 0x30 && byte <= 0x39;
}

// U+10000 to U+10FFFF are the four-byte sequences from 90 30 81 30 to
// E3 32 9A 35, in order: the bytes count in bases 10, 126 and 10.
uint supplementaryCodePoint(const uchar *bytes)
{
    if (bytes[0] < 0x90 || bytes[0] > 0xE3 || bytes[2] < 0x81 || bytes[2] > 0xFE
        || !isFourByteSecond(bytes[3]))
        return 0;
    const uint linear = ((uint(bytes[0] - 0x90) * 10 + uint(bytes[1] - 0x30)) * 126
                         + uint(bytes[2] - 0x81)) * 10 + uint(bytes[3] - 0x30);
    return linear <= 0xFFFFF ? 0x10000 + linear : 0;
}

// Where the codec comes from ICU, it counts neither invalid nor truncated
// sequences: it puts in replacement characters and silently keeps a
// truncated sequence back. GB18030 maps every character both ways, so a
// piece is valid exactly when it encodes back to the same bytes.
bool decodeBmpPiece(const QTextCodec *codec, const QByteArray &piece, QString *text)
{
    QTextCodec::ConverterState state;
    const QString decoded = codec->toUnicode(piece.constData(), piece.size(), &state);
    if (state.invalidChars != 0 || state.remainingChars != 0 || codec->fromUnicode(decoded) != piece)
        return false;
    text->append(decoded);
    return true;
}

} // namespace

bool decodeGb18030(const QByteArray &bytes, QString *text)
{
    const QTextCodec *codec = QTextCodec::codecForName("GB18030");
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const int size = bytes.size();
    text->clear();
    int pieceStart = 0;
    int at = 0;
    while (at < size) {
        // One byte below 0x80; otherwise a second byte of 0x30 to 0x39 makes
        // a four-byte sequence, and any other a two-byte one.
        if (data[at] < 0x80 || at + 1 >= size || !isFourByteSecond(data[at + 1])) {
            at += data[at] < 0x80 ? 1 : 2;
            continue;
        }
        const uint codePoint = at + 3 < size ? supplementaryCodePoint(data + at) : 0;
        if (codePoint == 0) {
            at += 4;
            continue;
        }
        if (!decodeBmpPiece(codec, bytes.mid(pieceStart, at - pieceStart), text))
            return false;
        const char32_t character = codePoint;
        text->append(QString::fromUcs4(&character, 1));
        at += 4;
        pieceStart = at;
    }
    return decodeBmpPiece(codec, bytes.mid(pieceStart), text);
}
