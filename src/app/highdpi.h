// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef HIGHDPI_H
#define HIGHDPI_H

// Lets the toolkit scale the windows by the screen's own factor (125 %,
// 150 %, ...) and draw icons with that many more pixels. Called before the
// application object is made.
void enableHighDpiScaling();

#endif // HIGHDPI_H
