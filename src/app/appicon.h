// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef APPICON_H
#define APPICON_H

#include <QIcon>

// The copy of the icon built into the program: the SVG where the toolkit
// draws SVG, PNG renderings of it in the Windows build.
QIcon builtInIcon();

// The window icon: the installed theme icon "classcount" where a desktop
// provides it, otherwise the built-in copy.
QIcon applicationIcon();

#endif // APPICON_H
