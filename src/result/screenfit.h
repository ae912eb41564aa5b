// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SCREENFIT_H
#define SCREENFIT_H

#include <QMargins>
#include <QRect>

class QWidget;

// Where a window goes whose client area is `geometry` and whose frame adds
// `frame`, on a screen whose free area (without the taskbar) is `available`:
// unchanged where it fits; otherwise the largest client area that fits,
// centred in the free area.
QRect fittedGeometry(const QRect &geometry, const QMargins &frame, const QRect &available);

// Where a window goes whose client area is `size` and whose frame adds
// `frame`, opened over a window whose frame is `over`: centred on it, then
// moved, and shrunk where it must be, so that all of it lies in `available`.
QRect centredGeometry(const QSize &size, const QMargins &frame, const QRect &over,
                      const QRect &available);

// Gives a top-level window that is about to be shown the geometry above, on
// the screen of its parent (or its own): at 150 or 200 % a form designed for
// a large screen may not fit a laptop's.
void fitToScreen(QWidget *window);

// Gives a window the geometry centredGeometry() gives it over `over`, on the
// free area of the screen `over` is on: left to the window system, a window
// opened from a dialog may land half off the screen.
void centreOn(QWidget *window, const QWidget *over);

#endif // SCREENFIT_H
