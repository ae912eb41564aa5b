// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ZIPARCHIVE_H
#define ZIPARCHIVE_H

#include <QByteArray>
#include <QString>

// The parts of a zip file held in memory, read with minizip, so that the
// file is read once and a Chinese path never reaches a C library.
class ZipArchive
{
public:
    // Parts that would unpack to more than this are refused altogether.
    static constexpr qint64 unpackedLimit = 200 * 1024 * 1024;

    // The bytes must outlive the archive.
    explicit ZipArchive(const QByteArray &bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // False, and *problem says why, when the bytes are no zip file or would
    // unpack to more than unpackedLimit.
    bool open(QString *problem);
    bool contains(const QString &name) const;
    // The unpacked part `name`, checked against its checksum.
    bool read(const QString &name, QByteArray *part, QString *problem);

    // Where minizip reads: the bytes and its position in them.
    struct Stream
    {
        const QByteArray *bytes;
        qint64 position;
    };

private:
    Stream stream;
    void *zip = nullptr;
    qint64 unpacked = 0;
};

#endif // ZIPARCHIVE_H
