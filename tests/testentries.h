// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTENTRIES_H
#define TESTENTRIES_H

#include "classentry.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// A class entry for tests: the periods are the last period alone.
inline ClassEntry makeEntry(int weekFrom, int weekTo, int day, int lastPeriod, int students,
                            bool evenWeeksOnly = false, bool oddWeeksOnly = false)
{
    ClassEntry entry;
    entry.weekFrom = weekFrom;
    entry.weekTo = weekTo;
    entry.day = day;
    entry.firstPeriod = lastPeriod;
    entry.lastPeriod = lastPeriod;
    entry.students = students;
    entry.evenWeeksOnly = evenWeeksOnly;
    entry.oddWeeksOnly = oddWeeksOnly;
    return entry;
}

// Every field of an entry in one short line, e.g. "w2-8 d4 p8-9 s35 even".
inline QString describe(const ClassEntry &entry)
{
    QString text = QStringLiteral("w%1-%2 d%3 p%4-%5 s%6")
                           .arg(entry.weekFrom)
                           .arg(entry.weekTo)
                           .arg(entry.day)
                           .arg(entry.firstPeriod)
                           .arg(entry.lastPeriod)
                           .arg(entry.students);
    if (entry.evenWeeksOnly)
        text += QStringLiteral(" even");
    if (entry.oddWeeksOnly)
        text += QStringLiteral(" odd");
    return text;
}

inline QStringList describe(const QList<ClassEntry> &entries)
{
    QStringList texts;
    for (const ClassEntry &entry : entries)
        texts.append(describe(entry));
    return texts;
}

Q_DECLARE_METATYPE(ClassEntry)

#endif // TESTENTRIES_H
