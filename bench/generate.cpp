// SPDX-License-Identifier: GPL-3.0-or-later

// classcount-generate [--half-marked] [--moved N] SEED LINES TIMES_FILE COUNTS_FILE:
// writes a made-up course list for timing the command-line tool; with
// --half-marked, half of its items carry an odd/even marker; with --moved,
// N of its courses are moved to the next weekday.

#include "generatedlist.h"

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
    const bool halfMarked = argc > 1 && QByteArray(argv[1]) == "--half-marked";
    char **args = argv + halfMarked;
    int options = halfMarked;
    bool movedOk = true;
    int moved = 0;
    if (argc - options > 2 && QByteArray(args[1]) == "--moved") {
        moved = QByteArray(args[2]).toInt(&movedOk);
        args += 2;
        options += 2;
    }
    bool seedOk = false;
    bool linesOk = false;
    const bool fiveArguments = argc - options == 5;
    const quint64 seed = fiveArguments ? QByteArray(args[1]).toULongLong(&seedOk) : 0;
    const int lines = fiveArguments ? QByteArray(args[2]).toInt(&linesOk) : 0;
    if (!seedOk || !linesOk || lines < 1 || !movedOk || moved < 0) {
        std::fprintf(stderr, "usage: classcount-generate [--half-marked] [--moved N] SEED LINES TIMES_FILE COUNTS_FILE\n");
        return 2;
    }
    const GeneratedList generated = generateList(seed, lines, halfMarked ? Marking::Half : Marking::Some);
    const GeneratedList list = moved > 0 ? withMovedCourses(generated, moved) : generated;
    if (!save(args[3], list.times) || !save(args[4], list.counts)) {
        std::fprintf(stderr, "classcount-generate: cannot write the files\n");
        return 2;
    }
    std::printf("%d lines, %d items\n", lines, list.items);
    return 0;
}
