// SPDX-License-Identifier: GPL-3.0-or-later

#include "screenfit.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

QRect fittedGeometry(const QRect &geometry, const QMargins &frame, const QRect &available)
{
    const QSize room = available.size().shrunkBy(frame);
    if (geometry.width() <= room.width() && geometry.height() <= room.height())
        return geometry;
    const QSize size = geometry.size().boundedTo(room);
    const QSize framed = size.grownBy(frame);
    const QPoint corner(available.x() + (available.width() - framed.width()) / 2,
                        available.y() + (available.height() - framed.height()) / 2);
    return QRect(corner + QPoint(frame.left(), frame.top()), size);
}

void fitToScreen(QWidget *window)
{
    // The size show() would give a window that has not been sized yet.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    // The platform tells the frame once the window exists (Windows does
    // before it is shown; an X11 window manager only after).
    window->winId();
    const QWidget *anchor = window->parentWidget() ? window->parentWidget()->window() : window;
    const QRect available = anchor->screen()->availableGeometry();
    const QRect fitted = fittedGeometry(window->geometry(), window->windowHandle()->frameMargins(),
                                        available);
    if (fitted != window->geometry())
        window->setGeometry(fitted);
}
