// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the fuzz target once on every file of the given files and folders, so
// that the corpus is checked by any compiler, without fuzzing.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (!QFileInfo(path).isDir()) {
            files.append(path);
            continue;
        }
        QDirIterator found(path, QDir::Files, QDirIterator::Subdirectories);
        while (found.hasNext())
            files.append(found.next());
    }
    files.sort();

    for (const QString &path : std::as_const(files)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                               size_t(bytes.size()));
    }
    std::printf("%d inputs replayed\n", int(files.size()));
    // An empty or mistyped corpus path must not pass as a clean replay.
    return files.isEmpty() ? 1 : 0;
}
