// SPDX-License-Identifier: GPL-3.0-or-later

#include "utf8locale.h"

#include "qtswitches.h"

#if CLASSCOUNT_CHOOSE_UTF8_LOCALE
#include <QByteArray>

#include <clocale>
#include <cstring>
#include <langinfo.h>

namespace {

bool environmentIsUtf8()
{
    std::setlocale(LC_ALL, "");
    const char *codeset = nl_langinfo(CODESET);
    return qstricmp(codeset, "UTF-8") == 0 || qstricmp(codeset, "utf8") == 0;
}

// The current character locale's language and territory in UTF-8 where the
// system has that locale, else C.UTF-8; empty when it has neither.
QByteArray utf8CharacterLocale()
{
    const char *current = std::setlocale(LC_CTYPE, nullptr);
    const QByteArray same = QByteArray(current, int(std::strcspn(current, ".@"))) + ".UTF-8";
    if (std::setlocale(LC_CTYPE, same.constData()))
        return same;
    return std::setlocale(LC_CTYPE, "C.UTF-8") ? QByteArrayLiteral("C.UTF-8") : QByteArray();
}

} // namespace
#endif

void chooseUtf8Locale()
{
#if CLASSCOUNT_CHOOSE_UTF8_LOCALE
    if (environmentIsUtf8())
        return;
    const QByteArray locale = utf8CharacterLocale();
    // LC_ALL outranks LC_CTYPE, which outranks LANG.
    if (!locale.isEmpty())
        qputenv(qEnvironmentVariableIsEmpty("LC_ALL") ? "LC_CTYPE" : "LC_ALL", locale);
#endif
}
