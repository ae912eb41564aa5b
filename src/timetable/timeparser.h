#ifndef TIMEPARSER_H
#define TIMEPARSER_H

#include "classentry.h"

#include <QList>
#include <QString>
#include <QStringList>

// A class-time item that counts nowhere because the parser could not read it
// (or its weekday), as the user typed it.
struct RejectedItem
{
    int line = 0; // 1-based line of the time text
    QString text;
};

// The lines of a pasted text: split at every "\n", empty lines kept, so the
// empty text is one line.
QStringList splitLines(const QString &text);

// One item such as "周一第1,2节{第1-8周|双周}". An item that fits neither the
// week-range nor the single-week form is logged and gives an entry in no week;
// *matched (when given) tells which happened.
ClassEntry parseTimeItem(QString item, const QString &headCountLine, bool firstDay,
                         bool *matched = nullptr);

// One course line: its items separated by ";", one entry per item, each with
// the full head count of the line. Items that are not blank but fit neither
// form, or name no weekday ("周天"), are added to *rejected (when given).
QList<ClassEntry> parseTimeLine(const QString &line, const QString &headCountLine,
                                bool firstDay, QStringList *rejected = nullptr);

// Replaces entries with the entries of every time line, line i taking its
// head count from headCountLines[i] (0 where that line is missing).
void buildEntries(const QStringList &timeLines, const QStringList &headCountLines,
                  QList<ClassEntry> &entries, bool firstDay,
                  QList<RejectedItem> *rejected = nullptr);

#endif // TIMEPARSER_H
