// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FORMTEXTS_H
#define FORMTEXTS_H

#include "mainwindow.h"

#include <QByteArray>
#include <QString>
#include <QTest>

// Rows of (object name, property, text) for the main window's form: the
// window's own texts, which no translation may change. Callers add their own
// rows after these.
inline void addFormTextColumnsAndOwnTexts()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    QTest::newRow("title") << "MainWindow" << QByteArray("windowTitle") << "MainWindow";
    QTest::newRow("time caption") << "label" << QByteArray("text") << "上课时间";
    QTest::newRow("count caption") << "label_2" << QByteArray("text") << "上课人数";
    QTest::newRow("button") << "pushButton" << QByteArray("text") << "开始统计";
}

// The check for one such row, on a new main window.
inline void checkFormText()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);

    MainWindow window;
    QObject *object = name == window.objectName() ? &window : window.findChild<QObject *>(name);
    QVERIFY(object);
    QCOMPARE(object->property(property.constData()).toString(), text);
}

#endif // FORMTEXTS_H
