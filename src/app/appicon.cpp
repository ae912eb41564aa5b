// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"

#include <QDir>

QIcon builtInIcon()
{
    QIcon icon;
    const QDir resources(QStringLiteral(":/icon"));
    for (const QString &file : resources.entryList(QDir::Files))
        icon.addFile(resources.filePath(file));
    return icon;
}

QIcon applicationIcon()
{
    return QIcon::fromTheme(QStringLiteral("classcount"), builtInIcon());
}
