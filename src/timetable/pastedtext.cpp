// SPDX-License-Identifier: GPL-3.0-or-later

#include "pastedtext.h"

#include "gb18030.h"
#include "timeparser.h"

#include <QTextCodec>

#include <utility>

namespace {

bool hasUtf16ByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// Decodes strictly: a stray or truncated sequence fails the whole text.
bool decode(const char *codecName, const QByteArray &bytes, QString *text)
{
    QTextCodec *codec = QTextCodec::codecForName(codecName);
    QTextCodec::ConverterState state;
    *text = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// Well-formed UTF-8 without a byte-order mark, the common file, read in one
// pass: Chinese text is mostly three-byte sequences, which the toolkit's
// conversion reads slowly. Whatever else it meets (a sequence cut short or
// overlong, a surrogate, a code beyond U+10FFFF, a byte-order mark) it
// leaves to the toolkit.
bool decodeWellFormedUtf8(const QByteArray &bytes, QString *text)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return false;
    const auto *in = reinterpret_cast<const uchar *>(bytes.constData());
    const auto *const end = in + bytes.size();
    // No sequence gives more UTF-16 units than it has bytes.
    QString decoded(bytes.size(), Qt::Uninitialized);
    QChar *const begin = decoded.data();
    QChar *out = begin;
    const auto follows = [&](int n) { return n < end - in && (in[n] & 0xC0) == 0x80; };
    while (in < end) {
        const uint lead = *in;
        if (lead < 0x80) {
            *out++ = QChar(ushort(lead));
            in += 1;
        } else if (lead >= 0xE0 && lead < 0xF0 && follows(1) && follows(2)) {
            const uint c = (lead & 0x0F) << 12 | (in[1] & 0x3F) << 6 | (in[2] & 0x3F);
            if (c < 0x800 || QChar::isSurrogate(c))
                return false;
            *out++ = QChar(ushort(c));
            in += 3;
        } else if (lead >= 0xC2 && lead < 0xE0 && follows(1)) {
            *out++ = QChar(ushort((lead & 0x1F) << 6 | (in[1] & 0x3F)));
            in += 2;
        } else if (lead >= 0xF0 && lead < 0xF5 && follows(1) && follows(2) && follows(3)) {
            const uint c = (lead & 0x07) << 18 | (in[1] & 0x3F) << 12 | (in[2] & 0x3F) << 6
                    | (in[3] & 0x3F);
            if (c < 0x10000 || c > 0x10FFFF)
                return false;
            *out++ = QChar(QChar::highSurrogate(c));
            *out++ = QChar(QChar::lowSurrogate(c));
            in += 4;
        } else {
            return false;
        }
    }
    decoded.resize(int(out - begin));
    *text = std::move(decoded);
    return true;
}

// The toolkit's fast conversion puts a replacement character where a
// sequence is invalid or cut short, and reads a valid text exactly as the
// codec does, byte-order mark included. Only a text that then holds a
// replacement character, which may also have been written as one, needs the
// codec's strict look.
bool decodeUtf8(const QByteArray &bytes, QString *text)
{
    if (decodeWellFormedUtf8(bytes, text))
        return true;
    *text = QString::fromUtf8(bytes.constData(), bytes.size());
    return !text->contains(QChar(QChar::ReplacementCharacter)) || decode("UTF-8", bytes, text);
}

} // namespace

bool pairsSurrogates(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return false;
    }
    return true;
}

QString asPasted(QString text, int *firstLine)
{
    // Looking for one character is much cheaper than looking for two.
    if (text.contains(QLatin1Char('\r')))
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar lineBreak : {QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        text.replace(lineBreak, QLatin1Char('\n'));
    text.replace(QChar(QChar::Nbsp), QLatin1Char(' '));
    if (firstLine)
        *firstLine = firstLineOfTrimmed(text);
    // Trimmed in place: a copy of a long text would raise the peak memory.
    return std::move(text).trimmed();
}

QString decodedText(const QByteArray &bytes, QString *problem)
{
    QString text;
    bool decoded = false;
    if (hasUtf16ByteOrderMark(bytes)) {
        decoded = decode("UTF-16", bytes, &text) && pairsSurrogates(text);
        if (!decoded)
            *problem = QStringLiteral("不是有效的 UTF-16 文本");
    } else {
        decoded = decodeUtf8(bytes, &text) || decodeGb18030(bytes, &text);
        if (!decoded)
            *problem = QStringLiteral("既不是 UTF-8 也不是 GB18030 文本");
    }
    if (decoded && text.contains(QChar(u'\0'))) {
        decoded = false;
        *problem = QStringLiteral("含有 NUL 字符，不是文本文件");
    }
    return decoded ? text : QString();
}

QString pastedText(const QByteArray &bytes, QString *problem, int *firstLine)
{
    QString why;
    QString text = decodedText(bytes, &why);
    if (why.isEmpty())
        return asPasted(std::move(text), firstLine);
    *problem = why;
    if (firstLine)
        *firstLine = 1;
    return QString();
}
