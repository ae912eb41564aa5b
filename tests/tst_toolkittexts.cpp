// SPDX-License-Identifier: GPL-3.0-or-later

#include "formtexts.h"
#include "mainwindow.h"
#include "modalboxwatcher.h"
#include "toolkittexts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

#include <algorithm>
#include <utility>

class TestToolkitTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void messageBoxButton();
    void textBoxMenu();
    void ownTextsStay_data();
    void ownTextsStay();

private:
    QTranslator translator;
};

void TestToolkitTexts::initTestCase()
{
    QVERIFY(installToolkitTexts(translator));
}

void TestToolkitTexts::messageBoxButton()
{
    // The start button's warning on differing line counts.
    MainWindow window;
    window.findChild<QTextEdit *>(QStringLiteral("textEdit_2"))->setPlainText(QStringLiteral("20"));
    QTest::ignoreMessage(QtDebugMsg, "行数： 3      1");
    ModalBoxWatcher box;
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);

    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("行数不一致"));
    QCOMPARE(box.okText, QStringLiteral("确定"));
}

void TestToolkitTexts::textBoxMenu()
{
    // Both boxes are the same kind of widget: the class-time box stands for both.
    MainWindow window;
    QScopedPointer<QMenu> menu(
            window.findChild<QTextEdit *>(QStringLiteral("textEdit"))->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text());
    }
    QCOMPARE(texts.size(), 7);
    for (const QString &text : std::as_const(texts)) {
        const bool chinese = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
            return c.script() == QChar::Script_Han;
        });
        QVERIFY2(chinese, qPrintable(texts.join(QLatin1String(" | "))));
    }
}

void TestToolkitTexts::ownTextsStay_data()
{
    addFormTextColumnsAndOwnTexts();
}

// The form's texts go through the translator too, under the context
// "MainWindow", which the toolkit's catalogue does not hold.
void TestToolkitTexts::ownTextsStay()
{
    checkFormText();
}

QTEST_MAIN(TestToolkitTexts)
#include "tst_toolkittexts.moc"
