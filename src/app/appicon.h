#ifndef APPICON_H
#define APPICON_H

#include <QIcon>

// The window icon: the installed theme icon "classcount" where a desktop
// provides it, otherwise the copy built into the program.
QIcon applicationIcon();

#endif // APPICON_H
