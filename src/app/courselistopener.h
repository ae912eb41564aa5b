// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COURSELISTOPENER_H
#define COURSELISTOPENER_H

#include "coursenames.h"

#include <QObject>
#include <QString>

class QEvent;
class QLabel;
class QTextEdit;
class QWidget;

// Opens a course list file on the input window: dropped anywhere on it, or
// chosen with Ctrl+O. What is read replaces the texts of both boxes and the
// notice above them, and is counted only when the user starts a count; a
// file that cannot be read changes nothing and is explained in a warning.
class CourseListOpener : public QObject
{
    Q_OBJECT

public:
    // Owned by the window; the boxes and the notice are the window's.
    CourseListOpener(QWidget *window, QTextEdit *timeBox, QTextEdit *countBox, QLabel *notice);

    // False, after the warning, when the file cannot be read.
    bool open(const QString &path);

    // The names of the courses of the file that filled the boxes, when the
    // boxes' plain texts are still exactly what it put there; none after an
    // edit, whose lines may be other courses.
    CourseNames namesOf(const QString &timeBoxText, const QString &countBoxText) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose();

    QWidget *window;
    QTextEdit *timeBox;
    QTextEdit *countBox;
    QLabel *notice;
    QString filledTimes;
    QString filledCounts;
    CourseNames filledNames;
};

#endif // COURSELISTOPENER_H
