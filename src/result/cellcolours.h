// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CELLCOLOURS_H
#define CELLCOLOURS_H

#include <QColor>
#include <QtGlobal>

// The colour scale of the overview: from `base` (the palette's base colour)
// at 0 and below to one dark blue at `largest` (a light blue where the base
// is dark), a single hue, so that the order reads without telling red from
// green.
QColor scaleColour(qint64 count, qint64 largest, const QColor &base);

// The diverging scale of a change: `base` at 0, deepening towards one
// orange as more students come, as far as `largestSize`, and towards one
// purple as fewer do; orange and purple stay apart for every kind of colour
// vision.
QColor changeColour(qint64 change, qint64 largestSize, const QColor &base);

// Black or white, whichever stands out more on `background`: either keeps a
// contrast of at least 4.5:1 on any colour.
QColor textColourOn(const QColor &background);

// The relative luminance of a colour, 0 for black to 1 for white, as the
// web's accessibility guidelines define it.
double relativeLuminance(const QColor &colour);

#endif // CELLCOLOURS_H
