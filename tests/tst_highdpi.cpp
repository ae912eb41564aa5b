// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"
#include "highdpi.h"
#include "mainwindow.h"
#include "qtswitches.h"
#include "screenfit.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

Q_DECLARE_METATYPE(QMargins)

// The program on a screen scaled to 125 % (a little more, as the offscreen
// screen has 100 dpi): its 800×600 pixels are about 614×461 in the windows'
// own units, lower than the main window.
class tst_HighDpi : public QObject
{
    Q_OBJECT

private slots:
    void fittedGeometry_data();
    void fittedGeometry();
    void centredGeometry_data();
    void centredGeometry();
    void mainWindowFits();
    void iconHasTheScreensPixels_data();
    void iconHasTheScreensPixels();
};

void tst_HighDpi::fittedGeometry_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");

    const QRect form(0, 0, 558, 583);
    const QMargins frame(8, 31, 8, 8);
    QTest::newRow("fits: unchanged") << form << frame << QRect(0, 0, 1920, 1040) << form;
    QTest::newRow("fits exactly with its frame") << form << frame << QRect(0, 0, 574, 622) << form;
    QTest::newRow("200 % on 1920×1080 with a taskbar")
            << form << frame << QRect(0, 0, 960, 510) << QRect(201, 31, 558, 471);
    QTest::newRow("taskbar at the top") << form << frame << QRect(0, 40, 800, 560)
                                        << QRect(121, 71, 558, 521);
    QTest::newRow("screen left of the primary one")
            << QRect(0, 0, 674, 800) << frame << QRect(-1366, 0, 1366, 728)
            << QRect(-1020, 31, 674, 689);
    QTest::newRow("too wide and too high, no frame")
            << QRect(100, 100, 700, 600) << QMargins() << QRect(0, 0, 640, 480) << QRect(0, 0, 640, 480);
}

void tst_HighDpi::fittedGeometry()
{
    QFETCH(QRect, geometry);
    QFETCH(QMargins, frame);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);

    QCOMPARE(::fittedGeometry(geometry, frame, available), expected);
}

void tst_HighDpi::centredGeometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("over");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");

    const QRect screen(0, 0, 1920, 1040);
    QTest::newRow("centred on the dialog") << QSize(754, 448) << QRect(800, 400, 400, 300) << screen
                                           << QRect(623, 338, 754, 448);
    QTest::newRow("144 dpi: moved up and left into the screen")
            << QSize(1131, 672) << QRect(1200, 700, 600, 330) << screen << QRect(781, 360, 1131, 672);
    QTest::newRow("screen left of the primary one: moved right and down")
            << QSize(700, 500) << QRect(-1366, 0, 200, 100) << QRect(-1366, 0, 1366, 728)
            << QRect(-1358, 31, 700, 500);
    QTest::newRow("larger than the screen: shrunk") << QSize(2000, 1200) << QRect(800, 400, 400, 300)
                                                    << screen << QRect(8, 31, 1904, 1001);
}

void tst_HighDpi::centredGeometry()
{
    QFETCH(QSize, size);
    QFETCH(QRect, over);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);

    QCOMPARE(::centredGeometry(size, QMargins(8, 31, 8, 8), over, available), expected);
}

void tst_HighDpi::mainWindowFits()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(available.width() > 558 && available.height() < 583);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The screen's pixels are whole, the windows' units not: a few of them
    // are lost to rounding.
    const QRect frame = window.frameGeometry();
    QVERIFY(available.contains(frame));
    QVERIFY(qAbs(frame.width() - 558) <= 4);
    QVERIFY(frame.height() >= available.height() - 4);
    QVERIFY(qAbs(frame.center().x() - available.center().x()) <= 2);
}

void tst_HighDpi::iconHasTheScreensPixels_data()
{
    QTest::addColumn<int>("size");

    QTest::newRow("title bar") << 16;
    QTest::newRow("window switcher") << 32;
    QTest::newRow("large") << 48;
}

// Drawn for the screen's pixels, not drawn small and then enlarged.
void tst_HighDpi::iconHasTheScreensPixels()
{
    QFETCH(int, size);

    const QIcon icon = builtInIcon();
    const QPixmap scaled = icon.pixmap(size, size);
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    QVERIFY(ratio >= 1.25);
    QCOMPARE(scaled.devicePixelRatio(), ratio);
    const int pixels = qRound(size * ratio);
    QCOMPARE(scaled.size(), QSize(pixels, pixels));

#if CLASSCOUNT_ASK_FOR_HIGH_DPI
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, false);
    const QImage drawn = icon.pixmap(pixels, pixels).toImage();
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
#else
    const QImage drawn = icon.pixmap(QSize(pixels, pixels), 1.0).toImage();
#endif
    QImage image = scaled.toImage().convertToFormat(drawn.format());
    image.setDevicePixelRatio(1);
    QCOMPARE(image, drawn);
}

int main(int argc, char *argv[])
{
    // Qt 5's offscreen screen, which Qt 6 makes 800×800 at 96 dpi unless
    // told otherwise; Qt 5 takes no configuration and ignores the file.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" CLASSCOUNT_OFFSCREEN_SCREEN);
    qputenv("QT_SCALE_FACTOR", "1.25");
    enableHighDpiScaling();
    QApplication app(argc, argv);
    // Windows' own size: a larger one would make the notice line alone wider
    // than this screen.
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);
    tst_HighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
