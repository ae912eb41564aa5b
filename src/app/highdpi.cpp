// SPDX-License-Identifier: GPL-3.0-or-later

#include "highdpi.h"

#include <QGuiApplication>

void enableHighDpiScaling()
{
    QGuiApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // The default rounds 150 % up to 200 %, and the window no longer fits.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}
