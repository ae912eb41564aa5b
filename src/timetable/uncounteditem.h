// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef UNCOUNTEDITEM_H
#define UNCOUNTEDITEM_H

#include <QString>

#include <functional>

// Something in the input that the totals leave out or take as 0, named by
// the line on which the user sees it: in the class-time box (or file) for a
// class time, in the head-count box for a head count.
struct UncountedItem
{
    enum Kind {
        UnreadTime,        // a class time that fits neither form or names no weekday ("周天")
        NoTeachingWeek,    // a class time read, but in no week from 1 to lastTeachingWeek
        UnreadHeadCount,   // a head count that is not blank and no whole number: 0
        HeadCountTooLarge, // a whole number beyond 32 bits: 0
        BlankHeadCount,    // a blank head count beside a class time read: 0
        NoClassTime,       // a head count other than 0 beside a blank class time
    };
    static constexpr int kindCount = NoClassTime + 1;

    int line = 0; // 1-based
    QString text; // the class time or head count as typed
    Kind kind = UnreadTime;
};

inline bool operator==(const UncountedItem &a, const UncountedItem &b)
{
    return a.line == b.line && a.text == b.text && a.kind == b.kind;
}

// Told of each uncounted item, in input order.
using UncountedItemHandler = std::function<void(const UncountedItem &)>;

#endif // UNCOUNTEDITEM_H
