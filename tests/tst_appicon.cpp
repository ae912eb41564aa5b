// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"

#include <QtTest>

class TestAppIcon : public QObject
{
    Q_OBJECT

private slots:
    void builtInIconRenders();
    void windowIconRenders();
};

namespace {

// The marked period in the middle row of the planner is solid blue; the
// corner outside the planner stays transparent. A missing SVG icon engine
// gives a null icon or a blank picture instead.
void checkPicture(const QIcon &icon)
{
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(128, 128).toImage();
    QCOMPARE(image.size(), QSize(128, 128));
    QCOMPARE(image.pixelColor(53, 77), QColor(0x2c, 0x5d, 0x9e));
    QCOMPARE(image.pixelColor(2, 2).alpha(), 0);
}

} // namespace

void TestAppIcon::builtInIconRenders()
{
    checkPicture(builtInIcon());
}

// Whether it comes from an installed theme or from the built-in copy, it is
// the same picture.
void TestAppIcon::windowIconRenders()
{
    checkPicture(applicationIcon());
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
