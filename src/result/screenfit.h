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

// Gives a top-level window that is about to be shown the geometry above, on
// the screen of its parent (or its own): at 150 or 200 % a form designed for
// a large screen may not fit a laptop's.
void fitToScreen(QWidget *window);

#endif // SCREENFIT_H
