// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef STANDARDSTREAMS_H
#define STANDARDSTREAMS_H

#include <QByteArray>

#include <cstdio>

// The tool's standard streams carry the same bytes on every platform: on
// Windows, the C runtime's text mode would write CR LF for LF and stop
// reading standard input at a Ctrl+Z byte. Call before any input or output.
void useBinaryStandardStreams();

// Appends all of standard input to *bytes; false on a read error. The
// toolkit's file engine on Windows takes the end of a pipe for a read error,
// so standard input is read with the C library, on every platform alike.
bool readStandardInput(QByteArray *bytes);

// Writes UTF-8 text to stdout or stderr: as bytes to a file or pipe, as
// characters to a Windows console window, which shows them whatever its
// code page.
void writeUtf8(FILE *stream, const QByteArray &text);

#endif // STANDARDSTREAMS_H
