// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef QTSWITCHES_H
#define QTSWITCHES_H

#include <QtGlobal>

// The one place where the code asks which Qt it is built with: everything
// else is written once for Qt 5 and Qt 6 alike.

// Qt 6 always scales windows and pixmaps for high dpi and has deprecated the
// attributes with which Qt 5 is asked to (or, for a pixmap of ratio 1, not to).
#define CLASSCOUNT_ASK_FOR_HIGH_DPI (QT_VERSION < QT_VERSION_CHECK(6, 0, 0))

#endif // QTSWITCHES_H
