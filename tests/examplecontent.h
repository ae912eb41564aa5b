// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef EXAMPLECONTENT_H
#define EXAMPLECONTENT_H

#include <QString>
#include <QStringList>

// The example the main window starts with, line by line and as box texts.
inline const QStringList exampleTimeLines{
    QStringLiteral("周一第3,4节{第1-8周}"),
    QStringLiteral("周一第3,4节{第1-8周};周三第1,2节{第1-8周}"),
    QStringLiteral("周一第1,2节{第1-8周};周四8,9节{第2-8周|双周};周四第11节{第2-8周|双周}"),
};
inline const QStringList exampleCountLines{QStringLiteral("20"), QStringLiteral("30"),
                                           QStringLiteral("35")};
inline const QString exampleTimes = exampleTimeLines.join(QLatin1Char('\n'));
inline const QString exampleCounts = exampleCountLines.join(QLatin1Char('\n'));

#endif // EXAMPLECONTENT_H
