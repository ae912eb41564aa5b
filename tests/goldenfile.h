// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef GOLDENFILE_H
#define GOLDENFILE_H

#include <QByteArray>
#include <QDir>
#include <QFile>

// A file of tests/golden without its licence line, which is not part of it;
// nothing when it cannot be read.
inline QByteArray goldenFile(const QString &name)
{
    QFile file(QDir(QStringLiteral(CLASSCOUNT_GOLDEN)).filePath(name));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return bytes.startsWith("# SPDX-License-Identifier:") ? bytes.mid(bytes.indexOf('\n') + 1)
                                                          : QByteArray();
}

#endif // GOLDENFILE_H
