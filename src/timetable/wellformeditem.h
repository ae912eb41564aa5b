// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WELLFORMEDITEM_H
#define WELLFORMEDITEM_H

#include "classentry.h"

#include <QStringRef>

// The common class-time item, such as "周一第1,2节{第1-8周}", "周三3节{5周}" or
// "星期四第8,9节{第2-8周|双周}", read straight from its characters: no pattern,
// no copy. Nearly every item of a long course list is of this kind, and the
// patterns cost far more.
//
// Reads the item that `line` begins with, where it stands: gives its length,
// the marks right after it included, and sets *entry, only where the grammar
// (parseTimeItem) reads the item of that length, and then to exactly the
// entry it reads, `students` and the odd/even flags included: a leading 星期
// is read as 周, and the grammar's marks (|双周 (双) （双） |单周 (单) （单）)
// are taken wherever they stand between two of its elements. Gives -1,
// leaving the item to the grammar, for anything else: a mark inside a
// number, digits other than ASCII, a number of ten digits or more, and
// whatever does not fit. An item alone is read when the length is its size.
int readWellFormedItem(const QStringRef &line, int students, bool firstDay, ClassEntry *entry);

#endif // WELLFORMEDITEM_H
