// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COURSENAMES_H
#define COURSENAMES_H

#include <QString>
#include <QStringList>
#include <QVector>

// What a course list file tells of its courses beyond the two columns: each
// course's name and its row in the file, by the box line on which its class
// time begins (from 1). Empty for texts that were typed or pasted, or edited
// since the file filled the boxes: their lines are no longer the file's.
struct CourseNames
{
    QStringList names; // by box line; empty where no course begins
    QVector<int> rows; // by box line; 0 where no course begins

    bool isEmpty() const { return rows.isEmpty(); }
    QString name(int line) const { return names.value(line); }
    int row(int line) const { return rows.value(line); }
};

#endif // COURSENAMES_H
