// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef HEADERMATCH_H
#define HEADERMATCH_H

#include <QString>
#include <QStringList>
#include <QStringView>

// A header as it is compared: without spaces, full-width forms read as
// their half-width ones.
QString headerKey(QStringView header);

// The headers each column may have, as headerKey gives them.
struct HeaderNames
{
    QStringList time;
    QStringList count;
    QStringList name;
};

// The headers an academic system's course list has; a name given for the
// class-time or head-count column replaces that column's list.
HeaderNames headerNames(const QString &timeColumn = QString(), const QString &countColumn = QString());

// The columns of a header row (0 for column A; -1: none), each the leftmost
// whose header is one of its names.
struct HeaderColumns
{
    int time = -1;
    int count = -1;
    int name = -1;
};

HeaderColumns headerColumns(const QStringList &row, const HeaderNames &names);

#endif // HEADERMATCH_H
