// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef XMLSCANNER_H
#define XMLSCANNER_H

#include <QByteArray>
#include <QString>

// Reads the XML parts of a workbook one token at a time, straight off their
// bytes: a workbook's shared strings run to tens of megabytes, which a
// general reader takes many times as long over. It knows elements,
// attributes, character data, CDATA, comments and processing instructions.
// A document type declaration is refused, so that no entity is ever defined
// and nothing outside the document is ever fetched.
class XmlScanner
{
public:
    enum Token { StartElement, EndElement, Characters, End, Invalid };

    // The bytes must outlive the scanner.
    explicit XmlScanner(const QByteArray &xml);

    Token next();

    // Whether the current element's name, its namespace prefix left off, is `name`.
    bool isNamed(const char *name) const;
    // The value of the current start element's attribute `name` (prefix left
    // off), its references resolved; null when it has none.
    QString attribute(const char *name) const;
    // The current characters, their references resolved, appended to *text
    // as UTF-8; false when a reference is not one XML defines.
    bool appendCharacters(QByteArray *text) const;
    // Past the end of the current start element, all it holds unread: the
    // next token follows its end tag. For an element that holds no element
    // of its own name, such as a run's formatting.
    void skipElement();
    // Why the scan stopped at Invalid.
    QString problem() const { return reason; }

private:
    Token fail(const char *why);
    Token startElement(const char *tagEnd);

    const char *at;
    const char *end;
    const char *nameBegin = nullptr;
    const char *nameEnd = nullptr;
    const char *attributesBegin = nullptr;
    const char *attributesEnd = nullptr;
    const char *textBegin = nullptr;
    const char *textEnd = nullptr;
    bool textIsRaw = false; // CDATA: no references
    bool closePending = false; // an empty element's end is the next token
    QString reason;
};

#endif // XMLSCANNER_H
