// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COUNTLIST_H
#define COUNTLIST_H

#include "count.h"

#include <QObject>
#include <QString>
#include <QTime>
#include <QVector>

// The counts of one run, numbered in the order of the presses that made
// them, so that any result window can compare its count with the others.
// Each result window keeps its own count; the list names them. A closed
// result window is hidden, not deleted, so its count stays.
class CountList : public QObject
{
    Q_OBJECT

public:
    // The list of the windows under `owner`, made there when first asked for.
    static CountList *of(QObject *owner);

    // Adds the count of a window made now, which outlives it here until
    // removed; returns its number, from 1.
    int add(const Count *count);
    // The window of that count is gone, and the count with it.
    void remove(int number);
    // The numbers given so far.
    int size() const { return counts.size(); }
    // The count of that number, or none once removed.
    const Count *count(int number) const { return counts.at(number - 1).count; }

    // "第3次统计".
    static QString name(int number);
    // "第3次统计（10:42，341 门课）".
    QString choiceText(int number) const;

signals:
    void added(int number);
    void removed(int number);

private:
    explicit CountList(QObject *owner);

    struct Made
    {
        const Count *count;
        QTime time;
    };
    QVector<Made> counts;
};

#endif // COUNTLIST_H
