// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"
#include "highdpi.h"
#include "mainwindow.h"
#include "toolkittexts.h"
#include "utf8locale.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    chooseUtf8Locale();
    QApplication app(argc, argv);
    // No display name: the platform would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("classcount"));
    QApplication::setApplicationVersion(QStringLiteral(CLASSCOUNT_VERSION));
    // Lets a Wayland desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.classcount.ClassCount"));
    QApplication::setWindowIcon(applicationIcon());
    // Built in, so it always loads; the tests make sure that it does.
    QTranslator toolkitTexts;
    installToolkitTexts(toolkitTexts);
    MainWindow window;
    window.show();
    return app.exec();
}
