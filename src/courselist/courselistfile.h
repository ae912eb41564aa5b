// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COURSELISTFILE_H
#define COURSELISTFILE_H

#include "boxlines.h"
#include "coursenames.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The file an academic system exports its course list as.
enum class CourseListFormat { Xlsx, Xls, Csv };

// The format a file name's extension names; false for any other file.
bool courseListFormat(const QString &path, CourseListFormat *format);

// What the user chose instead of the defaults: a sheet by its name, and the
// class-time and head-count columns by their headers.
struct CourseListChoice
{
    QString sheet;
    QString timeColumn;
    QString countColumn;
};

// A course list read from a file: the two box texts, one course a line, and
// what each course's line came from.
struct CourseList
{
    QString timeText;
    QString countText;
    QVector<int> rows; // each course's row in the file, as a spreadsheet numbers it
    QStringList names; // each course's name; empty when the file has no name column
    QString sheet; // empty for a .csv
    QString timeHeader;
    QString countHeader;
};

// Reads the course list in the bytes of a file: in the first sheet (or the
// chosen one) whose first ten rows hold a header row with the class-time
// and head-count columns, every row below it through the last with content.
// False, with a reason in Chinese, when the bytes cannot be read or hold no
// such header.
bool readCourseList(const QByteArray &bytes, CourseListFormat format, const CourseListChoice &choice,
                    CourseList *list, QString *problem);

// readCourseList on the file at `path`, its format told by its extension.
bool readCourseListFile(const QString &path, const CourseListChoice &choice, CourseList *list,
                        QString *problem);

// The file's row of each course line of a list's box text, read as a box
// reads it from its line 1: indexed by the box line on which the course
// begins (a quoted cell takes several), 0 on the other lines.
QVector<int> fileRowsByLine(const QString &boxText, Column column, const QVector<int> &rows);

// The names and rows of a list's courses by the lines of the class-time
// box it filled, whose plain text is `timeBoxText`; empty when the file has
// no name column.
CourseNames courseNamesByLine(const QString &timeBoxText, const CourseList &list);

// What was read, for the notice above the boxes.
QString readNotice(const QString &fileName, const CourseList &list);

#endif // COURSELISTFILE_H
