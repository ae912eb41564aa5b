// SPDX-License-Identifier: GPL-3.0-or-later

// classcount-generate SEED LINES TIMES_FILE COUNTS_FILE: writes a made-up
// course list for timing the command-line tool.

#include "courselist.h"

#include <QFile>
#include <QString>

#include <cstdio>

namespace {

bool save(const char *path, const QByteArray &bytes)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    bool seedOk = false;
    bool linesOk = false;
    const quint64 seed = argc == 5 ? QByteArray(argv[1]).toULongLong(&seedOk) : 0;
    const int lines = argc == 5 ? QByteArray(argv[2]).toInt(&linesOk) : 0;
    if (!seedOk || !linesOk || lines < 1) {
        std::fprintf(stderr, "usage: classcount-generate SEED LINES TIMES_FILE COUNTS_FILE\n");
        return 2;
    }
    const CourseList list = generateCourseList(seed, lines);
    if (!save(argv[3], list.times) || !save(argv[4], list.counts)) {
        std::fprintf(stderr, "classcount-generate: cannot write the files\n");
        return 2;
    }
    std::printf("%d lines, %d items\n", lines, list.items);
    return 0;
}
