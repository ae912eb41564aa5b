// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet.h"

#include <cmath>

QString wholeNumberText(double number)
{
    // The test comes first: a double beyond qint64 does not convert.
    if (!(std::fabs(number) < 1e15) || number != std::trunc(number))
        return QString();
    return QString::number(qint64(number));
}

QString SheetRow::cell(int column) const
{
    for (const SheetCell &c : cells) {
        if (c.column == column)
            return c.text;
    }
    return QString();
}

QStringList SheetRow::texts() const
{
    int width = 0;
    for (const SheetCell &c : cells)
        width = qMax(width, c.column + 1);
    QStringList texts;
    texts.reserve(width);
    for (int column = 0; column < width; ++column)
        texts.append(QString());
    for (const SheetCell &c : cells)
        texts[c.column] = c.text;
    return texts;
}
