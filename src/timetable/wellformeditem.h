// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WELLFORMEDITEM_H
#define WELLFORMEDITEM_H

#include "classentry.h"

#include <QStringRef>

// The common class-time item, such as "周一第1,2节{第1-8周}" or "周三3节{5周}",
// read straight from its characters: no pattern, no copy. Most items of a
// long course list are of this kind, and the patterns cost far more.
//
// Gives true and sets *entry only where the grammar (parseTimeItem) reads
// the item, and then to exactly the entry it reads, `students` included.
// Gives false, leaving the item to the grammar, for anything else: an item
// the grammar rewrites first (星期, the week marks), digits other than ASCII,
// a number of ten digits or more, and whatever does not fit.
bool readWellFormedItem(const QStringRef &item, int students, bool firstDay, ClassEntry *entry);

#endif // WELLFORMEDITEM_H
