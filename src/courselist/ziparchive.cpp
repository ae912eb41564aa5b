// SPDX-License-Identifier: GPL-3.0-or-later

#include "ziparchive.h"

#include <unzip.h>

#include <cstring>

namespace {

using MemoryStream = ZipArchive::Stream;

voidpf ZCALLBACK openStream(voidpf opaque, const void *, int mode)
{
    return (mode & ZLIB_FILEFUNC_MODE_READ) ? opaque : nullptr;
}

uLong ZCALLBACK readStream(voidpf, voidpf stream, void *buffer, uLong size)
{
    auto *memory = static_cast<MemoryStream *>(stream);
    const qint64 left = qMax<qint64>(0, memory->bytes->size() - memory->position);
    const qint64 count = qMin<qint64>(left, qint64(size));
    std::memcpy(buffer, memory->bytes->constData() + memory->position, size_t(count));
    memory->position += count;
    return uLong(count);
}

uLong ZCALLBACK writeStream(voidpf, voidpf, const void *, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK tellStream(voidpf, voidpf stream)
{
    return ZPOS64_T(static_cast<MemoryStream *>(stream)->position);
}

long ZCALLBACK seekStream(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto *memory = static_cast<MemoryStream *>(stream);
    const qint64 size = memory->bytes->size();
    qint64 base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = memory->position;
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = size;
    if (offset > ZPOS64_T(size) || base + qint64(offset) > size)
        return -1;
    memory->position = base + qint64(offset);
    return 0;
}

int ZCALLBACK closeStream(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK streamError(voidpf, voidpf)
{
    return 0;
}

const QString damaged = QStringLiteral("文件已损坏，或不是 .xlsx 工作簿");

} // namespace

ZipArchive::ZipArchive(const QByteArray &bytes)
    : stream{&bytes, 0}
{
}

ZipArchive::~ZipArchive()
{
    if (zip)
        unzClose(zip);
}

bool ZipArchive::open(QString *problem)
{
    zlib_filefunc64_def functions{};
    functions.zopen64_file = openStream;
    functions.zread_file = readStream;
    functions.zwrite_file = writeStream;
    functions.ztell64_file = tellStream;
    functions.zseek64_file = seekStream;
    functions.zclose_file = closeStream;
    functions.zerror_file = streamError;
    functions.opaque = &stream;
    zip = unzOpen2_64("", &functions);
    if (!zip) {
        *problem = damaged;
        return false;
    }
    for (int status = unzGoToFirstFile(zip); status != UNZ_END_OF_LIST_OF_FILE; status = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        if (status != UNZ_OK || unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            *problem = damaged;
            return false;
        }
        unpacked += qint64(qMin<ZPOS64_T>(info.uncompressed_size, unpackedLimit + 1));
        if (unpacked > unpackedLimit) {
            *problem = QStringLiteral("解压后超过 200 MB，不予读取");
            return false;
        }
    }
    return true;
}

bool ZipArchive::contains(const QString &name) const
{
    return unzLocateFile(zip, name.toUtf8().constData(), 2) == UNZ_OK;
}

bool ZipArchive::read(const QString &name, QByteArray *part, QString *problem)
{
    unz_file_info64 info{};
    if (!contains(name) || unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        *problem = QStringLiteral("工作簿缺少 %1").arg(name);
        return false;
    }
    if (info.flag & 1) {
        *problem = QStringLiteral("工作簿受密码保护");
        return false;
    }
    // The declared size is all that is unpacked: a part that claims less
    // than it holds fails its checksum rather than fill the memory.
    const qint64 size = qint64(info.uncompressed_size);
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        *problem = damaged;
        return false;
    }
    part->resize(int(size));
    const int read = size > 0 ? unzReadCurrentFile(zip, part->data(), unsigned(size)) : 0;
    char extra = 0;
    const bool whole = read == size && unzReadCurrentFile(zip, &extra, 1) == 0;
    if (unzCloseCurrentFile(zip) != UNZ_OK || !whole) {
        *problem = damaged;
        return false;
    }
    return true;
}
