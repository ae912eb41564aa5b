// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxlines.h"
#include "examplecontent.h"
#include "formtexts.h"
#include "goldenfile.h"
#include "mainwindow.h"
#include "modalboxwatcher.h"
#include "showwindow.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QTextEdit *timeBox(MainWindow &window)
{
    return window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
}

QTextEdit *countBox(MainWindow &window)
{
    return window.findChild<QTextEdit *>(QStringLiteral("textEdit_2"));
}

QPushButton *startButton(MainWindow &window)
{
    return window.findChild<QPushButton *>(QStringLiteral("pushButton"));
}

QList<ShowWindow *> dialogs(MainWindow &window)
{
    return window.findChildren<ShowWindow *>(QString(), Qt::FindDirectChildrenOnly);
}

// Where line N of each box begins, from the top of the box.
QList<int> lineTops(QTextEdit *box)
{
    QList<int> tops;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        tops.append(box->cursorRect(QTextCursor(block)).top());
    return tops;
}

void expectLineCounts(int timeLines, int countLines)
{
    const QString line = QStringLiteral("行数： %1      %2").arg(timeLines).arg(countLines);
    QTest::ignoreMessage(QtDebugMsg, line.toUtf8().constData());
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void widgetTree_data();
    void widgetTree();
    void layouts();
    void texts_data();
    void texts();
    void boxesNamed_data();
    void boxesNamed();
    void exampleContent();
    void pastedRichTextArrivesPlain();
    void linesStayBeside_data();
    void linesStayBeside();
    void countBoxShowsSixDigits();
    void agreeingCounts_data();
    void agreeingCounts();
    void everyPressOpensAnotherDialog();
    void differingCounts_data();
    void differingCounts();
    void dialogKeepsItsInput();
    void spreadsheetColumnsPasted();
    void courseListDropped_data();
    void courseListDropped();
};

void tst_MainWindow::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    QTest::newRow("centralWidget") << "centralWidget" << "QWidget" << "MainWindow";
    QTest::newRow("verticalLayout_2") << "verticalLayout_2" << "QVBoxLayout" << "centralWidget";
    QTest::newRow("label_3") << "label_3" << "QLabel" << "centralWidget";
    QTest::newRow("horizontalLayout") << "horizontalLayout" << "QHBoxLayout" << "verticalLayout_2";
    QTest::newRow("verticalLayout") << "verticalLayout" << "QVBoxLayout" << "horizontalLayout";
    QTest::newRow("label") << "label" << "QLabel" << "centralWidget";
    QTest::newRow("textEdit") << "textEdit" << "QTextEdit" << "centralWidget";
    QTest::newRow("verticalLayout_3") << "verticalLayout_3" << "QVBoxLayout" << "horizontalLayout";
    QTest::newRow("label_2") << "label_2" << "QLabel" << "centralWidget";
    QTest::newRow("textEdit_2") << "textEdit_2" << "QTextEdit" << "centralWidget";
    QTest::newRow("pushButton") << "pushButton" << "QPushButton" << "centralWidget";
}

void tst_MainWindow::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);

    MainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    const QList<QObject *> found = window.findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QCOMPARE(found.first()->parent()->objectName(), parentName);
}

void tst_MainWindow::layouts()
{
    MainWindow window;
    QCOMPARE(window.size(), QSize(558, 583));
    QCOMPARE(window.centralWidget()->objectName(), QStringLiteral("centralWidget"));

    auto *outer = window.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_2"));
    QCOMPARE(window.centralWidget()->layout(), outer);
    QCOMPARE(outer->spacing(), 6);
    QCOMPARE(outer->contentsMargins(), QMargins(11, 11, 11, 11));
    QCOMPARE(outer->count(), 3);
    QCOMPARE(outer->itemAt(0)->widget()->objectName(), QStringLiteral("label_3"));
    QCOMPARE(outer->itemAt(1)->layout()->objectName(), QStringLiteral("horizontalLayout"));
    QCOMPARE(outer->itemAt(2)->widget(), startButton(window));

    auto *columns = window.findChild<QHBoxLayout *>(QStringLiteral("horizontalLayout"));
    QCOMPARE(columns->spacing(), 6);
    QCOMPARE(columns->sizeConstraint(), QLayout::SetDefaultConstraint);
    QCOMPARE(columns->itemAt(0)->layout()->objectName(), QStringLiteral("verticalLayout"));
    QCOMPARE(columns->itemAt(1)->layout()->objectName(), QStringLiteral("verticalLayout_3"));

    const QStringList columnNames{QStringLiteral("verticalLayout"), QStringLiteral("verticalLayout_3")};
    const QStringList captions{QStringLiteral("label"), QStringLiteral("label_2")};
    const QList<QTextEdit *> boxes{timeBox(window), countBox(window)};
    for (int i = 0; i < 2; ++i) {
        auto *column = window.findChild<QVBoxLayout *>(columnNames.at(i));
        QCOMPARE(column->spacing(), 6);
        QCOMPARE(column->count(), 2);
        QCOMPARE(column->itemAt(0)->widget()->objectName(), captions.at(i));
        QCOMPARE(column->itemAt(1)->widget(), boxes.at(i));
        QVERIFY(!boxes.at(i)->acceptRichText());
    }

    auto *notice = window.findChild<QLabel *>(QStringLiteral("label_3"));
    QCOMPARE(notice->alignment(), Qt::AlignCenter);
    QCOMPARE(countBox(window)->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
    QCOMPARE(countBox(window)->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    // The form's 80 pixels, or more where six digits need more.
    QVERIFY(countBox(window)->minimumWidth() >= 80);
    QCOMPARE(countBox(window)->minimumHeight(), 0);
}

void tst_MainWindow::texts_data()
{
    addFormTextColumnsAndOwnTexts();
    QTest::newRow("time tip") << "textEdit" << QByteArray("toolTip")
                              << "<html><head/><body><p>一行一个时间，例如：</p>"
                                 "<p>周一第1,2节{第1-8周}</p>"
                                 "<p>周一第1,2节{第1-8周};周三第1,2节{第1-8周}</p>"
                                 "<p>周一第1,2节{第1-8周};周四第6,7节{第2-8周|双周};周四第8节{第2-8周|双周}</p>"
                                 "<p><br/></p></body></html>";
    QTest::newRow("count tip") << "textEdit_2" << QByteArray("toolTip")
                               << "<html><head/><body><p>一行一个数字，例如：</p><p>20</p><p>30</p>"
                                  "<p>40</p></body></html>";
    QTest::newRow("placeholder") << "textEdit" << QByteArray("placeholderText")
                                 << "周一第1,2节{第1-8周} 周一第1,2节{第1-8周};周三第1,2节{第1-8周} "
                                    "周一第1,2节{第1-8周};周四第6,7节{第2-8周|双周};周四第8节{第2-8周|双周} ";
    QTest::newRow("no count placeholder") << "textEdit_2" << QByteArray("placeholderText") << "";
}

void tst_MainWindow::texts()
{
    checkFormText();
}

void tst_MainWindow::boxesNamed_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");

    QTest::newRow("class times") << QStringLiteral("textEdit") << QStringLiteral("上课时间");
    QTest::newRow("head counts") << QStringLiteral("textEdit_2") << QStringLiteral("上课人数");
}

// A screen reader names each box by the label above it.
void tst_MainWindow::boxesNamed()
{
    QFETCH(QString, box);
    QFETCH(QString, name);

    MainWindow window;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window.findChild<QTextEdit *>(box));
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::EditableText);
    QCOMPARE(face->text(QAccessible::Name), name);
}

void tst_MainWindow::exampleContent()
{
    MainWindow window;
    QCOMPARE(timeBox(window)->toPlainText(), exampleTimes);
    QCOMPARE(countBox(window)->toPlainText(), QStringLiteral("20\n30\n35"));
    for (QTextEdit *box : {timeBox(window), countBox(window)}) {
        QTextDocument *document = box->document();
        QCOMPARE(document->blockCount(), 3);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const QTextCharFormat format = block.begin().fragment().charFormat();
            QCOMPARE(format.font().family(), QStringLiteral("SimSun"));
            QCOMPARE(format.fontPointSize(), 9.0);
            QCOMPARE(block.blockFormat().topMargin(), 0.0);
            QCOMPARE(block.blockFormat().indent(), 0);
        }
    }
    QVERIFY(!window.findChild<QLabel *>(QStringLiteral("label_3"))->text().isEmpty());
}

void tst_MainWindow::pastedRichTextArrivesPlain()
{
    MainWindow window;
    QTextEdit *box = timeBox(window);
    box->clear();
    QVERIFY(box->toPlainText().isEmpty());
    auto *pasted = new QMimeData;
    pasted->setHtml(QStringLiteral("<table><tr><td><b>周一第1,2节{第1-8周}</b></td></tr></table>"));
    pasted->setText(QStringLiteral("周一第1,2节{第1-8周}"));
    QGuiApplication::clipboard()->setMimeData(pasted);
    box->paste();
    QCOMPARE(box->toPlainText(), QStringLiteral("周一第1,2节{第1-8周}"));
    QVERIFY(!box->toHtml().contains(QStringLiteral("font-weight:600")));
}

enum class Scroll { ToEnd, Wheel, TypeAtEnd, BackToStart };
Q_DECLARE_METATYPE(Scroll)

void tst_MainWindow::linesStayBeside_data()
{
    QTest::addColumn<QString>("boxName"); // the box the user scrolls or types in
    QTest::addColumn<Scroll>("scroll");

    QTest::newRow("time box to its end") << "textEdit" << Scroll::ToEnd;
    QTest::newRow("head-count box to its end") << "textEdit_2" << Scroll::ToEnd;
    QTest::newRow("wheel over the time box") << "textEdit" << Scroll::Wheel;
    QTest::newRow("typing on the last line of times") << "textEdit" << Scroll::TypeAtEnd;
    QTest::newRow("typing on the last count") << "textEdit_2" << Scroll::TypeAtEnd;
    QTest::newRow("head-count box back to its start") << "textEdit_2" << Scroll::BackToStart;
}

// Long lines of times pasted over the example beside short counts: no line
// wraps, and line N of either box stays at the height of line N of the other.
void tst_MainWindow::linesStayBeside()
{
    QFETCH(QString, boxName);
    QFETCH(Scroll, scroll);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList times;
    QStringList counts;
    for (int line = 1; line <= 150; ++line) {
        times.append(exampleTimeLines.at(line % 3).repeated(line % 4 + 1));
        counts.append(QString::number(line * 7));
    }
    for (QTextEdit *box : {timeBox(window), countBox(window)}) {
        const QStringList &lines = box == timeBox(window) ? times : counts;
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
        box->selectAll();
        box->paste();
        box->verticalScrollBar()->setValue(0);
    }

    QTextEdit *box = window.findChild<QTextEdit *>(boxName);
    QTextEdit *other = box == timeBox(window) ? countBox(window) : timeBox(window);
    QScrollBar *bar = box->verticalScrollBar();
    if (scroll == Scroll::ToEnd) {
        bar->setValue(bar->maximum());
    } else if (scroll == Scroll::Wheel) {
        const QPoint centre = box->viewport()->rect().center();
        QWheelEvent wheel(centre, box->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -360),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box->viewport(), &wheel);
    } else if (scroll == Scroll::TypeAtEnd) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("0"));
    } else {
        other->verticalScrollBar()->setValue(other->verticalScrollBar()->maximum());
        bar->setValue(0);
    }

    QVERIFY(scroll == Scroll::BackToStart ? bar->value() == 0 : bar->value() > 0);
    QCOMPARE(other->verticalScrollBar()->value(), bar->value());
    if (scroll == Scroll::ToEnd)
        QCOMPARE(other->verticalScrollBar()->value(), other->verticalScrollBar()->maximum());
    QCOMPARE(lineTops(timeBox(window)), lineTops(countBox(window)));
    for (QTextBlock block = timeBox(window)->document()->begin(); block.isValid(); block = block.next())
        QCOMPARE(block.layout()->lineCount(), 1);
}

// At the window's narrowest, the head-count box shows six digits beside its
// scroll bar.
void tst_MainWindow::countBoxShowsSixDigits()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(window.minimumSizeHint());
    countBox(window)->setPlainText(QStringLiteral("888888\n").repeated(100).trimmed());
    QVERIFY(countBox(window)->verticalScrollBar()->isVisible());
    QCOMPARE(countBox(window)->horizontalScrollBar()->maximum(), 0);
}

void tst_MainWindow::agreeingCounts_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("named"); // the dialog's list of uncounted items

    QTest::newRow("both empty") << "" << "" << 1 << "";
    QTest::newRow("white space only") << " \n\t\n" << "\u3000 " << 1 << "";
    QTest::newRow("one empty, one line") << "" << "35" << 1 << "第1行：没有上课时间，35 人未计入";
    QTest::newRow("outer blank lines are trimmed") << "\n\n周一第4节{第1周}\n\n" << "5" << 1 << "";
    QTest::newRow("inner blank line counts") << "周一第4节{第1周}\n\n周二第4节{第1周}" << "1\n2\n3" << 3
                                             << "第2行：没有上课时间，2 人未计入";
    QTest::newRow("named by the boxes' own lines")
            << "\n \n周一第4节{第1周}\n周一第4节{第30周}" << "\n35人\n20" << 2
            << "第2行：人数“35人”不是整数，按 0 人计\n第4行：周一第4节{第30周}（不在第 1–29 周内）";
}

void tst_MainWindow::agreeingCounts()
{
    QFETCH(QString, times);
    QFETCH(QString, counts);
    QFETCH(int, lines);
    QFETCH(QString, named);

    MainWindow window;
    timeBox(window)->setPlainText(times);
    countBox(window)->setPlainText(counts);
    expectLineCounts(lines, lines);
    for (const BoxLine &line : boxLines(times.trimmed(), Column::ClassTimes)) {
        if (line.text.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, "无法正则匹配时间： \"\"");
    }
    ModalBoxWatcher box;
    QTest::mouseClick(startButton(window), Qt::LeftButton);

    QVERIFY(!box.seen);
    const QList<ShowWindow *> opened = dialogs(window);
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.first()->isVisible());
    QVERIFY(!opened.first()->isModal());
    QCOMPARE(timeBox(window)->toPlainText(), times);
    auto *list = opened.first()->findChild<QPlainTextEdit *>(QStringLiteral("uncountedList"));
    QCOMPARE(list ? list->toPlainText() : QString(), named);
}

void tst_MainWindow::everyPressOpensAnotherDialog()
{
    MainWindow window;
    window.show();
    for (int press = 1; press <= 3; ++press) {
        expectLineCounts(3, 3);
        QTest::mouseClick(startButton(window), Qt::LeftButton);
        QCOMPARE(dialogs(window).size(), press);
    }
    ShowWindow *first = dialogs(window).first();
    first->close();
    QVERIFY(!first->isVisible());
    QCOMPARE(dialogs(window).size(), 3);
    QVERIFY(window.isVisible());
}

void tst_MainWindow::differingCounts_data()
{
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("countLines");

    QTest::addColumn<QString>("below"); // what the warning says under the counts

    QTest::newRow("one more count") << "20\n30\n35\n40" << 4 << "";
    QTest::newRow("one count") << "20" << 1 << "";
    QTest::newRow("blank line between") << "20\n\n30\n35" << 4 << "";
    QTest::newRow("two columns") << "20\t周一\n30\t周二" << 2
                                 << "\n上课人数有 2 行含有制表符，可能复制了多列：请只复制“上课人数”一列。";
}

void tst_MainWindow::differingCounts()
{
    QFETCH(QString, counts);
    QFETCH(int, countLines);
    QFETCH(QString, below);

    MainWindow window;
    countBox(window)->setPlainText(counts);
    expectLineCounts(3, countLines);
    ModalBoxWatcher box;
    QTest::mouseClick(startButton(window), Qt::LeftButton);

    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("行数不一致"));
    QCOMPARE(box.text, QStringLiteral("上课时间数量：3\n上课人数数量：%1").arg(countLines) + below);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.parent, &window);
    QVERIFY(dialogs(window).isEmpty());
    QCOMPARE(timeBox(window)->toPlainText(), exampleTimes);
    QCOMPARE(countBox(window)->toPlainText(), counts);
}

void tst_MainWindow::dialogKeepsItsInput()
{
    MainWindow window;
    expectLineCounts(3, 3);
    QTest::mouseClick(startButton(window), Qt::LeftButton);
    timeBox(window)->setPlainText(QStringLiteral("周一第4节{第1周}"));
    countBox(window)->setPlainText(QStringLiteral("1000"));

    ShowWindow *dialog = dialogs(window).first();
    dialog->findChild<QListWidget *>()->setCurrentRow(0);
    QVERIFY(dialog->findChild<QTextEdit *>()->toPlainText().contains(QStringLiteral("上午第 4节：50 人")));

    expectLineCounts(1, 1);
    QTest::mouseClick(startButton(window), Qt::LeftButton);
    ShowWindow *second = dialogs(window).last();
    QVERIFY(second != dialog);
    second->findChild<QListWidget *>()->setCurrentRow(0);
    QVERIFY(second->findChild<QTextEdit *>()->toPlainText().contains(QStringLiteral("上午第 4节：1000 人")));
    QVERIFY(dialog->findChild<QTextEdit *>()->toPlainText().contains(QStringLiteral("上午第 4节：50 人")));
}

// Both columns copied from a spreadsheet, pasted with the keyboard: rows end
// in CR LF, cells of several lines stand in quotes, a count merged over two
// rows is blank on the second. The dialog opens, and its notice names what
// the command-line tool names for the same columns.
void tst_MainWindow::spreadsheetColumnsPasted()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QByteArray times = goldenFile(QStringLiteral("spreadsheet-times.txt"));
    const QByteArray counts = goldenFile(QStringLiteral("spreadsheet-counts.txt"));
    QVERIFY(times.contains("\r\n\"") && counts.contains("\r\n\r\n"));
    for (const auto &column : {qMakePair(timeBox(window), times), qMakePair(countBox(window), counts)}) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(column.second));
        column.first->setFocus();
        QTest::keyClick(column.first, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(column.first, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(column.first->toPlainText(), QString::fromUtf8(column.second).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    expectLineCounts(5, 5);
    QTest::ignoreMessage(QtDebugMsg, "无法正则匹配时间： \"\\\"待定\\\"\"");
    ModalBoxWatcher box;
    QTest::mouseClick(startButton(window), Qt::LeftButton);
    QVERIFY(!box.seen);
    QCOMPARE(dialogs(window).size(), 1);
    ShowWindow *dialog = dialogs(window).first();

    const QString notice = QString::fromUtf8(goldenFile(QStringLiteral("spreadsheet-stderr.txt")));
    const int headingEnd = notice.indexOf(QLatin1Char('\n'));
    auto *heading = dialog->findChild<QLabel *>(QStringLiteral("uncountedHeading"));
    auto *list = dialog->findChild<QPlainTextEdit *>(QStringLiteral("uncountedList"));
    QVERIFY(heading && list);
    QCOMPARE(heading->text(), notice.left(headingEnd));
    QCOMPARE(list->toPlainText() + QLatin1Char('\n'), notice.mid(headingEnd + 1));

    // Week 2, Thursday: the second line of Tuesday's two-line cell, with the
    // 40 students of the count merged over two rows.
    dialog->findChild<QComboBox *>()->setCurrentIndex(1);
    dialog->findChild<QListWidget *>()->setCurrentRow(3);
    QVERIFY(dialog->findChild<QTextEdit *>()->toPlainText().contains(QStringLiteral("上午第 4节：40 人")));
}

void tst_MainWindow::courseListDropped_data()
{
    QTest::addColumn<QString>("path"); // empty: a damaged workbook
    QTest::addColumn<QString>("target"); // the object name of the widget dropped on
    QTest::addColumn<QString>("times"); // empty: the boxes as they were
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("typed"); // then at the end of the count box, before a count
    QTest::addColumn<QStringList>("listed"); // in its overview, week 1's Monday; empty: no count

    const QStringList course{QStringLiteral("1"), QStringLiteral("35"), QStringLiteral("周一第3,4节{第1-8周}")};
    const QString times = QStringLiteral("周一第3,4节{第1-8周}\n\"周二第1,2节{第1-16周}\n周四第4,5节{第1-16周|单周}\"\n\n"
                                         "周三第9节{第2-8周}\n周五第11,12节{第1-8周}\n周六第4节{第30周}\n周日第12节{第3周}");
    const QString counts = QStringLiteral("35\n120\n\n\n四十\n20\n18");
    const QString read = QStringLiteral("7 门课（第 3–9 行），上课时间取自“上课时间”列，人数取自“选课人数”列");
    QTest::newRow("workbook on the time box")
            << QStringLiteral(CLASSCOUNT_COURSE_LISTS "/courselist.xlsx") << QStringLiteral("textEdit") << times << counts
            << QStringLiteral("已读入 courselist.xlsx 的“courselist”表：") + read
            << QString() << course + QStringList{QStringLiteral("大学物理"), QStringLiteral("3")};
    QTest::newRow(".csv on the count box")
            << QStringLiteral(CLASSCOUNT_COURSE_LISTS "/courselist.csv") << QStringLiteral("textEdit_2") << times << counts
            << QStringLiteral("已读入 courselist.csv：") + read << QStringLiteral("0") << course;
    QTest::newRow("damaged workbook on the window")
            << QString() << QStringLiteral("MainWindow") << QString() << QString() << QString() << QString() << QStringList();
}

// The file replaces both boxes and the notice, or changes nothing and says
// why. A count knows the names only while the boxes hold what it gave them.
void tst_MainWindow::courseListDropped()
{
    QFETCH(QString, path);
    QFETCH(QString, target);
    QFETCH(QString, times);
    QFETCH(QString, counts);
    QFETCH(QString, notice);
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);

    QTemporaryDir dir;
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("课程表.xlsx"));
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("PK\3\4 not a zip") > 0);
    }
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *label = window.findChild<QLabel *>(QStringLiteral("label_3"));
    const QStringList before{timeBox(window)->toPlainText(), countBox(window)->toPlainText(), label->text()};
    QWidget *widget = target == window.objectName() ? &window : window.findChild<QTextEdit *>(target)->viewport();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = widget->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &enter);
    QVERIFY(enter.isAccepted());
    ModalBoxWatcher box;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop);

    const QStringList after{timeBox(window)->toPlainText(), countBox(window)->toPlainText(), label->text()};
    const QStringList expected = times.isEmpty() ? before : QStringList{times, counts, notice};
    QCOMPARE(after, expected);
    QCOMPARE(box.seen, times.isEmpty());
    if (box.seen) {
        QCOMPARE(box.icon, QMessageBox::Warning);
        QVERIFY2(box.text.startsWith(QStringLiteral("无法读入“课程表.xlsx”：")), qPrintable(box.text));
        return;
    }
    countBox(window)->moveCursor(QTextCursor::End);
    countBox(window)->insertPlainText(typed);
    expectLineCounts(7, 7);
    QTest::ignoreMessage(QtDebugMsg, "无法正则匹配时间： \"\"");
    QTest::mouseClick(startButton(window), Qt::LeftButton);
    for (QPushButton *button : dialogs(window).first()->findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("全学期概览"))
            button->click();
    }
    const QAbstractItemModel *list = dialogs(window).first()->findChild<QTreeView *>()->model();
    QStringList shown;
    for (int column = 0; column < list->columnCount(); ++column)
        shown.append(list->index(0, column).data().toString());
    QCOMPARE(shown, listed);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
