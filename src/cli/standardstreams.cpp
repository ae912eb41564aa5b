// SPDX-License-Identifier: GPL-3.0-or-later

#include "standardstreams.h"

#include <QString>

bool readStandardInput(QByteArray *bytes)
{
    char buffer[64 * 1024];
    size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, stdin)) > 0)
        bytes->append(buffer, int(count));
    return !ferror(stdin);
}

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

HANDLE consoleOf(FILE *stream)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// Older consoles refuse very long writes; a piece never ends inside a
// surrogate pair.
void writeConsole(HANDLE console, const QString &text)
{
    constexpr int piece = 4096;
    for (int at = 0; at < text.size();) {
        int length = qMin(piece, text.size() - at);
        if (at + length < text.size() && text.at(at + length - 1).isHighSurrogate())
            --length;
        DWORD written = 0;
        if (!WriteConsoleW(console, text.utf16() + at, DWORD(length), &written, nullptr))
            return;
        at += length;
    }
}

} // namespace

void useBinaryStandardStreams()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

void writeUtf8(FILE *stream, const QByteArray &text)
{
    if (HANDLE console = consoleOf(stream)) {
        fflush(stream);
        writeConsole(console, QString::fromUtf8(text));
        return;
    }
    fwrite(text.constData(), 1, size_t(text.size()), stream);
}

#else

void useBinaryStandardStreams()
{
}

void writeUtf8(FILE *stream, const QByteArray &text)
{
    fwrite(text.constData(), 1, size_t(text.size()), stream);
}

#endif
