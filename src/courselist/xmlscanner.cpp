// SPDX-License-Identifier: GPL-3.0-or-later

#include "xmlscanner.h"

#include <cstring>

namespace {

const char *find(const char *from, const char *end, const char *what)
{
    const size_t length = std::strlen(what);
    for (const char *at = from; end - at >= qptrdiff(length); ++at) {
        at = static_cast<const char *>(std::memchr(at, what[0], size_t(end - at)));
        if (!at || end - at < qptrdiff(length))
            return nullptr;
        if (std::memcmp(at, what, length) == 0)
            return at;
    }
    return nullptr;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Whether [begin, end) is `name` once a namespace prefix is left off.
bool hasLocalName(const char *begin, const char *end, const char *name)
{
    const void *colon = std::memchr(begin, ':', size_t(end - begin));
    if (colon)
        begin = static_cast<const char *>(colon) + 1;
    const size_t length = std::strlen(name);
    return size_t(end - begin) == length && std::memcmp(begin, name, length) == 0;
}

void appendUtf8(uint code, QByteArray *out)
{
    if (code < 0x80) {
        *out += char(code);
    } else if (code < 0x800) {
        *out += char(0xC0 | code >> 6);
        *out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out += char(0xE0 | code >> 12);
        *out += char(0x80 | (code >> 6 & 0x3F));
        *out += char(0x80 | (code & 0x3F));
    } else {
        *out += char(0xF0 | code >> 18);
        *out += char(0x80 | (code >> 12 & 0x3F));
        *out += char(0x80 | (code >> 6 & 0x3F));
        *out += char(0x80 | (code & 0x3F));
    }
}

// One reference without its "&" and ";": a predefined entity or a character.
bool appendReference(const char *begin, const char *end, QByteArray *out)
{
    const QByteArray name = QByteArray::fromRawData(begin, int(end - begin));
    static const struct { const char *name; char c; } predefined[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto &entity : predefined) {
        if (name == entity.name) {
            *out += entity.c;
            return true;
        }
    }
    if (!name.startsWith('#') || name.size() < 2 || name.size() > 9)
        return false;
    bool ok = false;
    const bool hex = name.at(1) == 'x';
    const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return false;
    appendUtf8(code, out);
    return true;
}

bool appendResolved(const char *begin, const char *end, QByteArray *out)
{
    while (begin < end) {
        const auto *amp = static_cast<const char *>(std::memchr(begin, '&', size_t(end - begin)));
        if (!amp) {
            out->append(begin, int(end - begin));
            return true;
        }
        out->append(begin, int(amp - begin));
        const auto *semicolon = static_cast<const char *>(std::memchr(amp, ';', size_t(end - amp)));
        if (!semicolon || !appendReference(amp + 1, semicolon, out))
            return false;
        begin = semicolon + 1;
    }
    return true;
}

} // namespace

XmlScanner::XmlScanner(const QByteArray &xml)
    : at(xml.constData())
    , end(xml.constData() + xml.size())
{
}

XmlScanner::Token XmlScanner::fail(const char *why)
{
    reason = QString::fromUtf8(why);
    at = end;
    return Invalid;
}

XmlScanner::Token XmlScanner::next()
{
    if (!reason.isNull())
        return Invalid;
    if (closePending) {
        closePending = false;
        return EndElement;
    }
    while (at < end) {
        const auto *open = static_cast<const char *>(std::memchr(at, '<', size_t(end - at)));
        if (open != at) {
            textBegin = at;
            textEnd = open ? open : end;
            textIsRaw = false;
            at = textEnd;
            return Characters;
        }
        const char *const rest = at + 1;
        if (rest < end && *rest == '?') {
            const char *close = find(rest, end, "?>");
            if (!close)
                return fail("XML 处理指令没有结束");
            at = close + 2;
        } else if (end - rest >= 3 && std::memcmp(rest, "!--", 3) == 0) {
            const char *close = find(rest + 3, end, "-->");
            if (!close)
                return fail("XML 注释没有结束");
            at = close + 3;
        } else if (end - rest >= 8 && std::memcmp(rest, "![CDATA[", 8) == 0) {
            const char *close = find(rest + 8, end, "]]>");
            if (!close)
                return fail("XML CDATA 没有结束");
            textBegin = rest + 8;
            textEnd = close;
            textIsRaw = true;
            at = close + 3;
            return Characters;
        } else if (rest < end && *rest == '!') {
            return fail("含有文档类型定义（DTD），不予读取");
        } else if (rest < end && *rest == '/') {
            const auto *close = static_cast<const char *>(std::memchr(rest, '>', size_t(end - rest)));
            if (!close)
                return fail("XML 元素没有结束");
            nameBegin = rest + 1;
            nameEnd = close;
            while (nameEnd > nameBegin && isSpace(nameEnd[-1]))
                --nameEnd;
            at = close + 1;
            return EndElement;
        } else {
            // A ">" inside a quoted attribute value does not end the tag.
            char quote = 0;
            for (const char *c = rest; c < end; ++c) {
                if (quote) {
                    quote = *c == quote ? 0 : quote;
                } else if (*c == '"' || *c == '\'') {
                    quote = *c;
                } else if (*c == '>') {
                    return startElement(c);
                } else if (*c == '<') {
                    break;
                }
            }
            return fail("XML 元素没有结束");
        }
    }
    return End;
}

XmlScanner::Token XmlScanner::startElement(const char *tagEnd)
{
    nameBegin = at + 1;
    nameEnd = nameBegin;
    while (nameEnd < tagEnd && !isSpace(*nameEnd) && *nameEnd != '/')
        ++nameEnd;
    if (nameEnd == nameBegin)
        return fail("XML 元素没有名称");
    closePending = tagEnd[-1] == '/';
    attributesBegin = nameEnd;
    attributesEnd = closePending ? tagEnd - 1 : tagEnd;
    at = tagEnd + 1;
    return StartElement;
}

void XmlScanner::skipElement()
{
    if (closePending) {
        closePending = false;
        return;
    }
    const QByteArray endTag = "</" + QByteArray(nameBegin, int(nameEnd - nameBegin));
    for (const char *close = find(at, end, endTag.constData()); close; close = find(close + 1, end, endTag.constData())) {
        const char *after = close + endTag.size();
        while (after < end && isSpace(*after))
            ++after;
        if (after < end && *after == '>') {
            at = after + 1;
            return;
        }
    }
    fail("XML 元素没有结束");
}

bool XmlScanner::isNamed(const char *name) const
{
    return hasLocalName(nameBegin, nameEnd, name);
}

QString XmlScanner::attribute(const char *name) const
{
    const char *c = attributesBegin;
    while (c < attributesEnd) {
        while (c < attributesEnd && isSpace(*c))
            ++c;
        const char *const keyBegin = c;
        while (c < attributesEnd && *c != '=' && !isSpace(*c))
            ++c;
        const char *const keyEnd = c;
        while (c < attributesEnd && (isSpace(*c) || *c == '='))
            ++c;
        if (c >= attributesEnd || (*c != '"' && *c != '\''))
            return QString();
        const auto *close = static_cast<const char *>(std::memchr(c + 1, *c, size_t(attributesEnd - c - 1)));
        if (!close)
            return QString();
        if (hasLocalName(keyBegin, keyEnd, name)) {
            QByteArray value;
            return appendResolved(c + 1, close, &value) ? QString::fromUtf8(value) : QString();
        }
        c = close + 1;
    }
    return QString();
}

bool XmlScanner::appendCharacters(QByteArray *text) const
{
    if (textIsRaw) {
        text->append(textBegin, int(textEnd - textBegin));
        return true;
    }
    return appendResolved(textBegin, textEnd, text);
}
