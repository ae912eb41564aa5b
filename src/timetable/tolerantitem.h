// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TOLERANTITEM_H
#define TOLERANTITEM_H

#include "classentry.h"

#include <QList>
#include <QString>

// The second reading of a class-time item, for the items the grammar leaves
// unread: the forms that other timetable systems write and that people type
// with a Chinese input method.
//
// - White space around the item is dropped (U+3000 too); the full-width
//   ｛ ｝ （ ） ， － ｜ stand for { } ( ) , - | and 星期 for 周.
// - Marks: |单周 |双周 (单) (双) (单周) (双周) 单周 双周, taken out leftmost
//   first (the longer where two begin together) until none is left. Written
//   before "{" or after "}" a mark holds for the whole week list, written
//   inside the braces for its own part; a "|" left in a part is ignored.
// - What remains is 周, one character as the weekday, an optional 第, a
//   period list and 节, then "{", a week list, "}" and nothing but white space.
// - The period list holds digits, ",", "-", "、" and spaces ("第6 7节",
//   "第1、2节"): "、" and runs of spaces count as one ","; the first and the
//   last number are read as the grammar reads them.
// - The week list is parts separated by "," or "、", each an optional 第, a
//   week or a range of weeks and an optional 周; the last part ends in 周.
//
// Gives one entry per part of the week list, each with its own weeks, the
// item's weekday, periods and `students`, and its own marks with the item's:
// "星期一第5-8节{4-6周(双),7-8周}" gives weeks 4 to 6 even only and weeks 7
// and 8. Gives no entry when the item does not read this way either: half a
// course is never counted.
QList<ClassEntry> readTolerantItem(const QString &item, int students, bool firstDay);

#endif // TOLERANTITEM_H
