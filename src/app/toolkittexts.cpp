// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkittexts.h"

#include <QCoreApplication>
#include <QTranslator>

bool installToolkitTexts(QTranslator &translator)
{
    return translator.load(QStringLiteral(":/translations/qtbase_zh_CN.qm"))
            && QCoreApplication::installTranslator(&translator);
}
