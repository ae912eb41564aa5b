// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef QTSWITCHES_H
#define QTSWITCHES_H

#include <QtGlobal>

// The one place where the code asks which Qt it is built with: everything
// else is written once for Qt 5 and Qt 6 alike.

// Qt 6 always scales windows and pixmaps for high dpi and has deprecated the
// attributes with which Qt 5 is asked to (or, for a pixmap of ratio 1, not to).
#define CLASSCOUNT_ASK_FOR_HIGH_DPI (QT_VERSION < QT_VERSION_CHECK(6, 0, 0))

// Qt 6 takes the system's 8-bit text for UTF-8 in any locale; 6.8 (not yet
// 6.4) also switches the C library to UTF-8 characters by itself and says so
// on standard error, which the programs forestall. Qt 5 keeps the locale's
// own encoding.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) && defined(Q_OS_UNIX)
#define CLASSCOUNT_CHOOSE_UTF8_LOCALE 1
#else
#define CLASSCOUNT_CHOOSE_UTF8_LOCALE 0
#endif

#endif // QTSWITCHES_H
