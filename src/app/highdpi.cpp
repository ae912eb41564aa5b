// SPDX-License-Identifier: GPL-3.0-or-later

#include "highdpi.h"

#include "qtswitches.h"

#include <QGuiApplication>

void enableHighDpiScaling()
{
#if CLASSCOUNT_ASK_FOR_HIGH_DPI
    QGuiApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    // The default rounds 150 % up to 200 %, and the window no longer fits.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}
