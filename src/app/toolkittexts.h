// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TOOLKITTEXTS_H
#define TOOLKITTEXTS_H

class QTranslator;

// Loads the toolkit's own Simplified Chinese texts (the buttons of message
// boxes, the context menu of text boxes, the headings and messages of the
// command-line parser), built into the programs, into
// `translator` and installs it. The program's own texts are Chinese already
// and are not translated. False when the catalogue cannot be loaded.
bool installToolkitTexts(QTranslator &translator);

#endif // TOOLKITTEXTS_H
