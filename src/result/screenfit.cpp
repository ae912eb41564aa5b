// SPDX-License-Identifier: GPL-3.0-or-later

#include "screenfit.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {
// The start of a span of `length` centred on [start, start + over), moved
// into [first, first + room).
int centredStart(int start, int over, int length, int first, int room)
{
    const int centred = start + (over - length) / 2;
    return qMax(first, qMin(centred, first + room - length));
}

QMargins frameOf(QWidget *window)
{
    // The platform tells the frame once the window exists (Windows does
    // before it is shown; an X11 window manager only after).
    window->winId();
    return window->windowHandle()->frameMargins();
}
} // namespace

QRect fittedGeometry(const QRect &geometry, const QMargins &frame, const QRect &available)
{
    const QSize room = available.size().shrunkBy(frame);
    if (geometry.width() <= room.width() && geometry.height() <= room.height())
        return geometry;
    return centredGeometry(geometry.size(), frame, available, available);
}

QRect centredGeometry(const QSize &size, const QMargins &frame, const QRect &over,
                      const QRect &available)
{
    const QSize fitted = size.boundedTo(available.size().shrunkBy(frame));
    const QSize framed = fitted.grownBy(frame);
    const QPoint corner(
            centredStart(over.x(), over.width(), framed.width(), available.x(), available.width()),
            centredStart(over.y(), over.height(), framed.height(), available.y(), available.height()));
    return QRect(corner + QPoint(frame.left(), frame.top()), fitted);
}

void fitToScreen(QWidget *window)
{
    // The size show() would give a window that has not been sized yet.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QWidget *anchor = window->parentWidget() ? window->parentWidget()->window() : window;
    const QRect available = anchor->screen()->availableGeometry();
    const QRect fitted = fittedGeometry(window->geometry(), frameOf(window), available);
    if (fitted != window->geometry())
        window->setGeometry(fitted);
}

void centreOn(QWidget *window, const QWidget *over)
{
    const QRect placed = centredGeometry(window->size(), frameOf(window), over->frameGeometry(),
                                         over->screen()->availableGeometry());
    if (placed != window->geometry())
        window->setGeometry(placed);
}
