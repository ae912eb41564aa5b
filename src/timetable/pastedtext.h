// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PASTEDTEXT_H
#define PASTEDTEXT_H

#include <QByteArray>
#include <QString>

// Turns the bytes of a text file into what a user gets by pasting the file
// into an input box and pressing the start button: UTF-8 (a byte-order mark
// is dropped), UTF-16 with a byte-order mark, or else GB18030; line breaks of
// every kind become "\n", no-break spaces become spaces, and the whole is
// trimmed; *firstLine (when given) is the file's line on which the trimmed
// text begins. Bytes that are none of these encodings, or hold a NUL
// character, are not text: the result is then empty and *problem says why.
QString pastedText(const QByteArray &bytes, QString *problem, int *firstLine = nullptr);

// The decoding alone: the text of the bytes, or an empty one and *problem.
QString decodedText(const QByteArray &bytes, QString *problem);

// What a box's text is once pasted and read: line breaks of every kind
// become "\n", no-break spaces become spaces, and the whole is trimmed;
// *firstLine (when given) is the line on which the trimmed text begins.
QString asPasted(QString text, int *firstLine = nullptr);

// Whether every surrogate in the text is half of a pair: the UTF-16 codec
// passes unpaired ones through, though they encode no character.
bool pairsSurrogates(const QString &text);

#endif // PASTEDTEXT_H
