// SPDX-License-Identifier: GPL-3.0-or-later

#include "xlsxbook.h"

#include "xmlscanner.h"

#include <QHash>

namespace {

const QString workbookPath = QStringLiteral("xl/workbook.xml");
const QString relationsPath = QStringLiteral("xl/_rels/workbook.xml.rels");

// A password-protected workbook is no zip but a compound document.
bool isCompoundDocument(const QByteArray &bytes)
{
    return bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

QString scanProblem(const QString &part, const XmlScanner &xml)
{
    return QStringLiteral("工作簿的 %1 无法读取：%2").arg(part, xml.problem());
}

// A target of the workbook's relationships as a part name: relative to xl/.
QString partName(const QString &target)
{
    return target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
}

bool endsWithType(const QString &type, const char *name)
{
    return type.endsWith(QLatin1Char('/') + QLatin1String(name));
}

// "AB12" → 27 (0-based column); -1 when the reference names no column.
int columnOf(const QString &reference)
{
    int column = 0;
    int letters = 0;
    for (const QChar c : reference) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            break;
        column = column * 26 + (c.unicode() - 'A' + 1);
        if (++letters > 3)
            return -1;
    }
    return letters > 0 ? column - 1 : -1;
}

// A number cell as the spreadsheet shows a whole number: without a fraction.
QString numberText(const QByteArray &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    const QString whole = ok ? wholeNumberText(number) : QString();
    return whole.isNull() ? QString::fromUtf8(value) : whole;
}

// A string's text: the characters a workbook may not hold as they are (a
// carriage return, say) are written as "_x000D_".
QString stringText(const QByteArray &utf8)
{
    QString text = QString::fromUtf8(utf8);
    for (int at = text.indexOf(QLatin1String("_x")); at >= 0 && at + 7 <= text.size();
         at = text.indexOf(QLatin1String("_x"), at + 1)) {
        bool ok = false;
        const ushort code = QStringView(text).mid(at + 2, 4).toString().toUShort(&ok, 16);
        if (ok && text.at(at + 6) == QLatin1Char('_'))
            text.replace(at, 7, QChar(code));
    }
    return text;
}

} // namespace

XlsxBook::XlsxBook(const QByteArray &bytes)
    : bytes(bytes)
    , zip(bytes)
{
}

bool XlsxBook::open(QString *problem)
{
    if (isCompoundDocument(bytes)) {
        *problem = QStringLiteral("工作簿受密码保护，或是改了扩展名的 .xls 文件");
        return false;
    }
    return zip.open(problem) && readSheetList(problem);
}

bool XlsxBook::readSheetList(QString *problem)
{
    QByteArray xml;
    if (!zip.read(relationsPath, &xml, problem))
        return false;
    QHash<QString, QString> sheetParts;
    QString sharedStringsPart;
    XmlScanner relations(xml);
    for (auto token = relations.next(); token != XmlScanner::End; token = relations.next()) {
        if (token == XmlScanner::Invalid) {
            *problem = scanProblem(relationsPath, relations);
            return false;
        }
        if (token != XmlScanner::StartElement || !relations.isNamed("Relationship")
            || relations.attribute("TargetMode") == QLatin1String("External"))
            continue;
        const QString type = relations.attribute("Type");
        const QString part = partName(relations.attribute("Target"));
        if (endsWithType(type, "worksheet"))
            sheetParts.insert(relations.attribute("Id"), part);
        else if (endsWithType(type, "sharedStrings"))
            sharedStringsPart = part;
    }
    if (!zip.read(workbookPath, &xml, problem))
        return false;
    XmlScanner workbook(xml);
    for (auto token = workbook.next(); token != XmlScanner::End; token = workbook.next()) {
        if (token == XmlScanner::Invalid) {
            *problem = scanProblem(workbookPath, workbook);
            return false;
        }
        const QString part = token == XmlScanner::StartElement && workbook.isNamed("sheet")
                ? sheetParts.value(workbook.attribute("id"))
                : QString();
        if (!part.isEmpty() && zip.contains(part)) {
            names.append(workbook.attribute("name"));
            paths.append(part);
        }
    }
    return sharedStringsPart.isEmpty() || readSharedStrings(sharedStringsPart, problem);
}

// The text of each string item: its runs joined, phonetic guides left out.
bool XlsxBook::readSharedStrings(const QString &path, QString *problem)
{
    QByteArray xml;
    if (!zip.read(path, &xml, problem))
        return false;
    XmlScanner strings(xml);
    QByteArray text;
    bool inText = false;
    int phonetic = 0;
    for (auto token = strings.next(); token != XmlScanner::End; token = strings.next()) {
        switch (token) {
        case XmlScanner::Invalid:
            *problem = scanProblem(path, strings);
            return false;
        case XmlScanner::StartElement:
            if (strings.isNamed("t"))
                inText = phonetic == 0;
            else if (strings.isNamed("rPr"))
                strings.skipElement();
            else if (strings.isNamed("rPh"))
                ++phonetic;
            else if (strings.isNamed("si"))
                text.clear();
            break;
        case XmlScanner::EndElement:
            if (strings.isNamed("t"))
                inText = false;
            else if (strings.isNamed("rPh"))
                --phonetic;
            else if (strings.isNamed("si"))
                sharedStrings.append(stringText(text));
            break;
        case XmlScanner::Characters:
            if (inText && !strings.appendCharacters(&text)) {
                *problem = QStringLiteral("工作簿的 %1 含有无法识别的字符引用").arg(path);
                return false;
            }
            break;
        case XmlScanner::End:
            break;
        }
    }
    return true;
}

QString XlsxBook::cellText(const QByteArray &type, const QByteArray &value) const
{
    if (type == "s") {
        bool ok = false;
        const int index = value.toInt(&ok);
        return ok && index >= 0 && index < sharedStrings.size() ? sharedStrings.at(index) : QString();
    }
    if (type == "b")
        return value == "1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (type.isEmpty() || type == "n")
        return numberText(value);
    return type == "inlineStr" ? stringText(value) : QString::fromUtf8(value);
}

bool XlsxBook::readSheet(int index, const SheetFilter &filter, Sheet *sheet, QString *problem)
{
    const QString path = paths.at(index);
    if (unpackedSheet != index) {
        unpackedSheet = -1;
        if (!zip.read(path, &sheetXml, problem))
            return false;
        unpackedSheet = index;
    }
    const QByteArray &xml = sheetXml;
    const QString tooLarge = QStringLiteral("工作表“%1”超过 1,048,576 行或 16,384 列，不予读取")
                                     .arg(names.at(index));
    XmlScanner scan(xml);
    SheetRow row;
    row.number = 0;
    int column = -1;
    QByteArray type;
    QByteArray value;
    bool inValue = false;
    int phonetic = 0;
    for (auto token = scan.next(); token != XmlScanner::End; token = scan.next()) {
        if (token == XmlScanner::Invalid) {
            *problem = scanProblem(path, scan);
            return false;
        }
        if (token == XmlScanner::Characters) {
            if (inValue && !scan.appendCharacters(&value)) {
                *problem = QStringLiteral("工作簿的 %1 含有无法识别的字符引用").arg(path);
                return false;
            }
        } else if (token == XmlScanner::StartElement) {
            if (scan.isNamed("row")) {
                const QString number = scan.attribute("r");
                const int previous = row.number;
                row = SheetRow{number.isNull() ? previous + 1 : number.toInt(), {}};
                if (row.number <= previous || row.number > sheetRowLimit) {
                    *problem = row.number > sheetRowLimit
                            ? tooLarge
                            : QStringLiteral("工作簿的 %1 行号有误，文件已损坏").arg(path);
                    return false;
                }
                if (row.number > filter.lastRow)
                    return true;
                column = -1;
            } else if (scan.isNamed("c")) {
                const QString reference = scan.attribute("r");
                column = reference.isNull() ? column + 1 : columnOf(reference);
                if (column < 0 || column >= sheetColumnLimit) {
                    *problem = tooLarge;
                    return false;
                }
                type = scan.attribute("t").toUtf8();
                value.clear();
            } else if (scan.isNamed("v")) {
                inValue = true;
            } else if (scan.isNamed("t")) {
                inValue = phonetic == 0;
            } else if (scan.isNamed("rPh")) {
                ++phonetic;
            }
        } else if (scan.isNamed("v") || scan.isNamed("t")) {
            inValue = false;
        } else if (scan.isNamed("rPh")) {
            --phonetic;
        } else if (scan.isNamed("c")) {
            const QString text = filter.keeps(column) ? cellText(type, value) : QString();
            if (!text.isEmpty())
                row.cells.append({column, text});
        } else if (scan.isNamed("row") && !row.cells.isEmpty()) {
            sheet->rows.append(row);
        }
    }
    return true;
}
