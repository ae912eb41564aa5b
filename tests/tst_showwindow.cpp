// SPDX-License-Identifier: GPL-3.0-or-later

#include "examplecontent.h"
#include "modalboxwatcher.h"
#include "overviewwindow.h"
#include "showwindow.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

namespace {

struct Dialog
{
    Dialog(const QString &times, const QString &counts)
        : window(nullptr, times, counts)
        , week(window.findChild<QComboBox *>())
        , days(window.findChild<QListWidget *>())
        , view(window.findChild<QTextEdit *>())
        , copyAll(window.findChild<QPushButton *>())
    {
    }

    ShowWindow window;
    QComboBox *week;
    QListWidget *days;
    QTextEdit *view;
    QPushButton *copyAll;
};

} // namespace

class tst_ShowWindow : public QObject
{
    Q_OBJECT

private slots:
    void metaObject();
    void freshDialog();
    void layout();
    void view_data();
    void view();
    void viewFollowsLastChoices();
    void sameChoiceDoesNotRefresh();
    void typedTextIsReplaced();
    void copyAll_data();
    void copyAll();
    void copyAllKeepsSelection();
    void copyAllReadsClipboardBack_data();
    void copyAllReadsClipboardBack();
    void uncountedNotice_data();
    void uncountedNotice();
    void longNoticeScrollsAndCopies();
    void exportWorkbook_data();
    void exportWorkbook();
};

void tst_ShowWindow::metaObject()
{
    const QMetaObject &meta = ShowWindow::staticMetaObject;
    QCOMPARE(meta.className(), "ShowWindow");
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 3);
    const QByteArrayList signatures{"slotWeekChanged(int)", "slotDayChanged(int)", "slotCopyAll()"};
    for (int i = 0; i < signatures.size(); ++i) {
        const QMetaMethod method = meta.method(meta.methodOffset() + i);
        QCOMPARE(method.methodSignature(), signatures.at(i));
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Public);
    }
}

void tst_ShowWindow::freshDialog()
{
    Dialog dialog(exampleTimes, exampleCounts);
    QCOMPARE(dialog.window.minimumSize(), QSize(100, 200));
    QVERIFY(dialog.window.windowTitle().isEmpty());
    QCOMPARE(dialog.week->count(), 29);
    for (int i = 0; i < 29; ++i)
        QCOMPARE(dialog.week->itemText(i), QString::number(i + 1));
    QCOMPARE(dialog.week->currentText(), QStringLiteral("1"));

    const QStringList days{QStringLiteral("周一"), QStringLiteral("周二"), QStringLiteral("周三"),
                           QStringLiteral("周四"), QStringLiteral("周五"), QStringLiteral("周六"),
                           QStringLiteral("周日")};
    QCOMPARE(dialog.days->count(), days.size());
    for (int row = 0; row < days.size(); ++row)
        QCOMPARE(dialog.days->item(row)->text(), days.at(row));
    QCOMPARE(dialog.days->currentRow(), -1);

    QVERIFY(dialog.view->toPlainText().isEmpty());
    QCOMPARE(dialog.copyAll->text(), QStringLiteral("复制所有"));
    QVERIFY(!dialog.window.findChild<QLabel *>(QStringLiteral("uncountedHeading")));
    QVERIFY(!dialog.window.findChild<QPlainTextEdit *>());
}

void tst_ShowWindow::layout()
{
    Dialog dialog(exampleTimes, exampleCounts);
    auto *row = qobject_cast<QHBoxLayout *>(dialog.window.layout());
    QVERIFY(row);
    QCOMPARE(row->count(), 3);
    auto *selectors = qobject_cast<QVBoxLayout *>(row->itemAt(0)->layout());
    QVERIFY(selectors);
    QCOMPARE(selectors->itemAt(0)->widget(), dialog.week);
    QCOMPARE(selectors->itemAt(1)->widget(), dialog.days);
    QCOMPARE(row->itemAt(1)->widget(), dialog.view);
    auto *buttons = qobject_cast<QVBoxLayout *>(row->itemAt(2)->layout());
    QVERIFY(buttons);
    QCOMPARE(buttons->itemAt(0)->widget(), dialog.copyAll);
    auto *overview = qobject_cast<QPushButton *>(buttons->itemAt(1)->widget());
    QVERIFY(overview);
    QCOMPARE(overview->text(), QStringLiteral("全学期概览"));
    auto *exportButton = qobject_cast<QPushButton *>(buttons->itemAt(2)->widget());
    QVERIFY(exportButton);
    QCOMPARE(exportButton->text(), QStringLiteral("导出 Excel…"));
    for (QWidget *widget : {static_cast<QWidget *>(dialog.week), static_cast<QWidget *>(dialog.days),
                            static_cast<QWidget *>(dialog.view), static_cast<QWidget *>(dialog.copyAll)})
        QCOMPARE(widget->parentWidget(), &dialog.window);
}

void tst_ShowWindow::view_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("weekIndex");
    QTest::addColumn<int>("dayRow");
    QTest::addColumn<QString>("expected");

    QTest::newRow("week 3, Tuesday")
            << QStringLiteral("周二第3,4节{第1-8周}\n周二第10,11节{第3周}") << QStringLiteral("30\n55")
            << 2 << 1
            << QStringLiteral("第3周 星期二：\n\n上午第 4节：30 人\n\n上午第 5节：0 人\n\n"
                              "下午第 9节：0 人\n\n晚上第11节：55 人\n\n晚上第12节：0 人");
    QTest::newRow("example, week 2, Thursday")
            << exampleTimes << exampleCounts << 1 << 3
            << QStringLiteral("第2周 星期四：\n\n上午第 4节：0 人\n\n上午第 5节：0 人\n\n"
                              "下午第 9节：35 人\n\n晚上第11节：35 人\n\n晚上第12节：0 人");
    QTest::newRow("example, week 3, Thursday: even weeks only")
            << exampleTimes << exampleCounts << 2 << 3
            << QStringLiteral("第3周 星期四：\n\n上午第 4节：0 人\n\n上午第 5节：0 人\n\n"
                              "下午第 9节：0 人\n\n晚上第11节：0 人\n\n晚上第12节：0 人");
    QTest::newRow("example, week 1, Monday")
            << exampleTimes << exampleCounts << 0 << 0
            << QStringLiteral("第1周 星期一：\n\n上午第 4节：50 人\n\n上午第 5节：0 人\n\n"
                              "下午第 9节：0 人\n\n晚上第11节：0 人\n\n晚上第12节：0 人");
    QTest::newRow("week 29, Sunday")
            << QStringLiteral("周日第11,12节{第29周}\n星期日第5节{第20-29周|单周}")
            << QStringLiteral("-7\n40") << 28 << 6
            << QStringLiteral("第29周 星期日：\n\n上午第 4节：0 人\n\n上午第 5节：40 人\n\n"
                              "下午第 9节：0 人\n\n晚上第11节：0 人\n\n晚上第12节：-7 人");
}

void tst_ShowWindow::view()
{
    QFETCH(QString, times);
    QFETCH(QString, counts);
    QFETCH(int, weekIndex);
    QFETCH(int, dayRow);
    QFETCH(QString, expected);

    Dialog dialog(times, counts);
    // Too low for all eleven lines, as on a screen at 150 % without scaling.
    dialog.window.resize(dialog.window.minimumSize());
    dialog.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog.window));
    dialog.days->setCurrentRow(dayRow);
    dialog.week->setCurrentIndex(weekIndex);
    QCOMPARE(dialog.view->toPlainText(), expected);
    QCOMPARE(dialog.view->document()->blockCount(), 11);
    // The heading is in sight without scrolling.
    QVERIFY(dialog.view->verticalScrollBar()->maximum() > 0);
    QCOMPARE(dialog.view->verticalScrollBar()->value(), 0);
}

void tst_ShowWindow::viewFollowsLastChoices()
{
    Dialog dialog(exampleTimes, exampleCounts);
    dialog.week->setCurrentIndex(4);
    QVERIFY(dialog.view->toPlainText().startsWith(QStringLiteral("第5周 星期一：\n")));
    QVERIFY(dialog.view->toPlainText().contains(QStringLiteral("上午第 4节：50 人")));

    dialog.days->setCurrentRow(6);
    QVERIFY(dialog.view->toPlainText().startsWith(QStringLiteral("第5周 星期日：\n")));
    QVERIFY(dialog.view->toPlainText().contains(QStringLiteral("上午第 4节：0 人")));

    dialog.week->setCurrentIndex(8);
    QVERIFY(dialog.view->toPlainText().startsWith(QStringLiteral("第9周 星期日：\n")));
}

void tst_ShowWindow::sameChoiceDoesNotRefresh()
{
    Dialog dialog(exampleTimes, exampleCounts);
    dialog.week->setCurrentIndex(0);
    QVERIFY(dialog.view->toPlainText().isEmpty());
    dialog.days->setCurrentRow(2);
    QVERIFY(!dialog.view->toPlainText().isEmpty());
}

void tst_ShowWindow::typedTextIsReplaced()
{
    Dialog dialog(exampleTimes, exampleCounts);
    dialog.days->setCurrentRow(0);
    const QString shown = dialog.view->toPlainText();
    dialog.view->setFocus();
    QTest::keyClicks(dialog.view, QStringLiteral("scribble"));
    QVERIFY(dialog.view->toPlainText() != shown);
    dialog.days->setCurrentRow(1);
    dialog.days->setCurrentRow(0);
    QCOMPARE(dialog.view->toPlainText(), shown);
}

void tst_ShowWindow::copyAll_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QStringList>("someLines");

    QTest::newRow("example")
            << exampleTimes << exampleCounts << 1 + 7 * 19
            << QStringList{QStringLiteral("周数\t星期\t上午4\t上午5\t下午9\t晚上11\t晚上12"),
                           QStringLiteral("第1周\t星期一\t50\t0\t0\t0\t0"),
                           QStringLiteral("第2周\t星期四\t0\t0\t35\t35\t0"),
                           QStringLiteral("第3周\t星期四\t0\t0\t0\t0\t0"),
                           QStringLiteral("第19周\t星期日\t0\t0\t0\t0\t0")};
    QTest::newRow("nothing readable")
            << QString() << QString() << 1 + 7 * 19
            << QStringList{QStringLiteral("第1周\t星期一\t0\t0\t0\t0\t0")};
    QTest::newRow("a class in week 29")
            << QStringLiteral("周六第12节{第29周}") << QStringLiteral("12") << 1 + 7 * 29
            << QStringList{QStringLiteral("第29周\t星期六\t0\t0\t0\t0\t12")};
    QTest::newRow("weeks 1-8 and 20-25 keep later weeks")
            << QStringLiteral("周一第4节{第1-8周}\n周一第4节{第20-25周}") << QStringLiteral("10\n20")
            << 1 + 7 * 26
            << QStringList{QStringLiteral("第19周\t星期一\t0\t0\t0\t0\t0"),
                           QStringLiteral("第25周\t星期一\t20\t0\t0\t0\t0"),
                           QStringLiteral("第26周\t星期日\t0\t0\t0\t0\t0")};
}

void tst_ShowWindow::copyAll()
{
    QFETCH(QString, times);
    QFETCH(QString, counts);
    QFETCH(int, lineCount);
    QFETCH(QStringList, someLines);

    QGuiApplication::clipboard()->clear();
    Dialog dialog(times, counts);
    ModalBoxWatcher box;
    QTest::mouseClick(dialog.copyAll, Qt::LeftButton);

    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("操作完成"));
    QCOMPARE(box.text, QStringLiteral("已复制到剪贴板，请打开 Excel 粘贴"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.parent, &dialog.window);

    const QString table = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    QVERIFY(table.endsWith(QLatin1Char('\n')));
    QVERIFY(!table.contains(QLatin1Char('\r')));
    const QStringList rows = table.chopped(1).split(QLatin1Char('\n'));
    QCOMPARE(rows.size(), lineCount);
    for (const QString &row : rows)
        QCOMPARE(row.count(QLatin1Char('\t')), 6);
    for (const QString &line : someLines)
        QVERIFY2(rows.contains(line), qPrintable(line));
}

void tst_ShowWindow::copyAllKeepsSelection()
{
    Dialog dialog(exampleTimes, exampleCounts);
    dialog.week->setCurrentIndex(1);
    dialog.days->setCurrentRow(3);
    const QString shown = dialog.view->toPlainText();
    QSignalSpy weekChanges(dialog.week, SIGNAL(currentIndexChanged(int)));
    QSignalSpy dayChanges(dialog.days, SIGNAL(currentRowChanged(int)));

    ModalBoxWatcher box;
    QTest::mouseClick(dialog.copyAll, Qt::LeftButton);
    QVERIFY(box.seen);

    QCOMPARE(dialog.week->currentIndex(), 1);
    QCOMPARE(dialog.days->currentRow(), 3);
    QCOMPARE(dialog.view->toPlainText(), shown);
    QCOMPARE(weekChanges.count(), 0);
    QCOMPARE(dayChanges.count(), 0);
}

void tst_ShowWindow::copyAllReadsClipboardBack_data()
{
    QTest::addColumn<bool>("crLf");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("another program takes the clipboard")
            << false << QStringLiteral("复制失败") << QMessageBox::Warning;
    QTest::newRow("the table comes back with CR LF line ends")
            << true << QStringLiteral("操作完成") << QMessageBox::Information;
}

// Another program that grabs the clipboard at once leaves our table out;
// Windows keeping the table with CR LF line ends does not.
void tst_ShowWindow::copyAllReadsClipboardBack()
{
    QFETCH(bool, crLf);
    QFETCH(QString, title);
    QFETCH(QMessageBox::Icon, icon);

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QString intruder = QStringLiteral("someone else's text");
    const QMetaObject::Connection grab = connect(clipboard, &QClipboard::dataChanged, this, [&] {
        const QString text = clipboard->text();
        if (crLf && !text.isEmpty() && !text.contains(QLatin1Char('\r')))
            clipboard->setText(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
        else if (!crLf && text != intruder)
            clipboard->setText(intruder);
    });

    Dialog dialog(exampleTimes, exampleCounts);
    ModalBoxWatcher box;
    QTest::mouseClick(dialog.copyAll, Qt::LeftButton);
    disconnect(grab);

    QVERIFY(box.seen);
    QCOMPARE(box.title, title);
    QCOMPARE(box.icon, icon);
    if (!crLf) {
        QVERIFY(box.text.contains(QStringLiteral("剪贴板")));
        QCOMPARE(clipboard->text(), intruder);
    }
}

void tst_ShowWindow::uncountedNotice_data()
{
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("firstTimeLine");
    QTest::addColumn<int>("firstCountLine");
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("space after the semicolon")
            << QStringLiteral("周一第1,2节{第1-8周}; 周三第1,2节{第1-8周}x") << QStringLiteral("30") << 1 << 1
            << QStringList{QStringLiteral(" 周三第1,2节{第1-8周}x")}
            << QStringLiteral("有 1 项上课时间无法识别，未计入统计：")
            << QStringList{QStringLiteral("第1行： 周三第1,2节{第1-8周}x")};
    QTest::newRow("blank items are not listed")
            << QStringLiteral("周一第1,2节{第1-8周};\n\n星期二第1节{第一周}；周三第2节{第1周}")
            << QStringLiteral("1\n0\n3") << 1 << 1
            << QStringList{QString(), QString(), QStringLiteral("周二第1节{第一周}")}
            << QStringLiteral("有 1 项上课时间无法识别，未计入统计：")
            << QStringList{QStringLiteral("第3行：星期二第1节{第一周}")};
    QStringList many;
    QStringList counts;
    QStringList lines;
    for (int i = 1; i <= 12; ++i) {
        many.append(QStringLiteral("周%1第1节").arg(i));
        counts.append(QStringLiteral("1"));
        lines.append(QStringLiteral("第%1行：周%1第1节").arg(i));
    }
    QTest::newRow("more than ten, all listed")
            << many.join(QLatin1Char('\n')) << counts.join(QLatin1Char('\n')) << 1 << 1 << many
            << QStringLiteral("有 12 项上课时间无法识别，未计入统计：") << lines;
    QTest::newRow("every kind, by the lines of the boxes")
            << QStringLiteral("周八第4节{第1周}\n周一第4节{第8-2周}\n\n周二第4节{第1周}") << QStringLiteral("35人\n1,500\n40\n20.00")
            << 3 << 1 << QStringList()
            << QStringLiteral("有 1 项上课时间无法识别，未计入统计；1 项上课时间不在第 1–29 周内，未计入统计；"
                              "1 行人数不是整数，按 0 人计；1 行没有上课时间，人数未计入：")
            << QStringList{QStringLiteral("第3行：周八第4节{第1周}"), QStringLiteral("第1行：人数“35人”不是整数，按 0 人计"),
                           QStringLiteral("第4行：周一第4节{第8-2周}（不在第 1–29 周内）"),
                           QStringLiteral("第3行：没有上课时间，40 人未计入")};
    QTest::newRow("several columns said once, above the items")
            << QStringLiteral("周一第4节{第1周}\t20\n周二第4节{第1周}\t30") << QStringLiteral("20\n30") << 1 << 1
            << QStringList{QStringLiteral("周一第4节{第1周}\\t20"), QStringLiteral("周二第4节{第1周}\\t30")}
            << QStringLiteral("上课时间有 2 行含有制表符，可能复制了多列：请只复制“上课时间”一列。\n"
                              "有 2 项上课时间无法识别，未计入统计：")
            << QStringList{QStringLiteral("第1行：周一第4节{第1周}\t20"), QStringLiteral("第2行：周二第4节{第1周}\t30")};
    QTest::newRow("markup shows as typed")
            << QStringLiteral("<b>周一</b>") << QStringLiteral("1") << 1 << 1
            << QStringList{QStringLiteral("<b>周一</b>")}
            << QStringLiteral("有 1 项上课时间无法识别，未计入统计：")
            << QStringList{QStringLiteral("第1行：<b>周一</b>")};
}

void tst_ShowWindow::uncountedNotice()
{
    QFETCH(QString, times);
    QFETCH(QString, counts);
    QFETCH(int, firstTimeLine);
    QFETCH(int, firstCountLine);
    QFETCH(QStringList, logged);
    QFETCH(QString, heading);
    QFETCH(QStringList, lines);

    for (const QString &item : logged) {
        const QString line = QStringLiteral("无法正则匹配时间： \"%1\"").arg(item);
        QTest::ignoreMessage(QtDebugMsg, line.toUtf8().constData());
    }
    ShowWindow window(nullptr, times, counts, FirstLines{firstTimeLine, firstCountLine});
    auto *label = window.findChild<QLabel *>(QStringLiteral("uncountedHeading"));
    auto *list = window.findChild<QPlainTextEdit *>(QStringLiteral("uncountedList"));
    QVERIFY(label && list);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), heading);
    QCOMPARE(list->toPlainText(), lines.join(QLatin1Char('\n')));
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name),
             QStringLiteral("未计入统计的项目"));

    auto *page = qobject_cast<QVBoxLayout *>(window.layout());
    QVERIFY(page);
    QVERIFY(qobject_cast<QHBoxLayout *>(page->itemAt(0)->layout()));
    QCOMPARE(page->itemAt(1)->widget(), label);
    QCOMPARE(page->itemAt(2)->widget(), list);
}

// Thousands of long items: every one is listed, in a list about ten lines
// high that scrolls, so that the dialog fits a 1366×768 screen; the list can
// be selected and copied by keyboard, and typing changes nothing.
void tst_ShowWindow::longNoticeScrollsAndCopies()
{
    QStringList times;
    QStringList counts;
    QStringList lines;
    // In no teaching week and so not logged; shortened after 60 characters.
    const QString periods = QStringLiteral("1,").repeated(100) + QLatin1Char('4');
    for (int i = 1; i <= 2000; ++i) {
        const QString item = QStringLiteral("周一第%1节{第%2周}").arg(periods).arg(30 + i);
        times.append(item);
        counts.append(QStringLiteral("%1人").arg(i));
        lines.append(QStringLiteral("第%1行：%2…（不在第 1–29 周内）").arg(i).arg(item.left(60)));
        lines.append(QStringLiteral("第%1行：人数“%1人”不是整数，按 0 人计").arg(i));
    }
    Dialog dialog(times.join(QLatin1Char('\n')), counts.join(QLatin1Char('\n')));
    auto *list = dialog.window.findChild<QPlainTextEdit *>(QStringLiteral("uncountedList"));
    QVERIFY(list);
    QVERIFY(list->isReadOnly());
    QVERIFY(list->height() <= 11 * list->fontMetrics().lineSpacing() + 2 * list->frameWidth() + 20
                                     + list->horizontalScrollBar()->sizeHint().height());
    const QSize size = dialog.window.sizeHint();
    QVERIFY2(size.width() <= 1366 && size.height() <= 768 - 40,
             qPrintable(QStringLiteral("%1×%2").arg(size.width()).arg(size.height())));
    dialog.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog.window));
    QVERIFY(list->verticalScrollBar()->maximum() > 0);

    list->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));

    QTest::keyClick(list, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(list->textCursor().selectedText(), lines.first());
    QTest::keyClicks(list, QStringLiteral("x"));
    QCOMPARE(list->toPlainText(), lines.join(QLatin1Char('\n')));
}

void tst_ShowWindow::exportWorkbook_data()
{
    QTest::addColumn<QString>("from"); // how the export is asked for
    QTest::addColumn<QString>("typed"); // into the save dialog, in a new folder
    QTest::addColumn<QString>("written"); // the file, or nothing
    QTest::addColumn<QString>("reason"); // in the warning box

    QTest::newRow("button") << "button" << "term.xlsx" << "term.xlsx" << QString();
    QTest::newRow("Ctrl+S, the suffix added") << "shortcut" << "term" << "term.xlsx" << QString();
    QTest::newRow("overview") << "overview" << "term.xlsx" << "term.xlsx" << QString();
    QTest::newRow("missing folder") << "button" << "missing/term.xlsx" << QString()
                                    << QStringLiteral("文件夹不存在");
}

// The save dialog, then the workbook and a line that says so, or a warning.
void tst_ShowWindow::exportWorkbook()
{
    QFETCH(QString, from);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, reason);

    QTemporaryDir folder;
    Dialog dialog(exampleTimes, exampleCounts);
    dialog.window.show();
    const auto button = [](QWidget *window, const QString &text) {
        const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
        return *std::find_if(buttons.begin(), buttons.end(),
                             [&](QPushButton *button) { return button->text() == text; });
    };
    QWidget *window = &dialog.window;
    if (from == QLatin1String("overview")) {
        button(window, QStringLiteral("全学期概览"))->click();
        window = dialog.window.findChild<OverviewWindow *>();
    }
    QVERIFY(QTest::qWaitForWindowActive(window));

    QString title;
    QStringList filters;
    QString suggested;
    QTimer answer; // until the save dialog is open
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *save = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!save)
            return;
        answer.stop();
        title = save->windowTitle();
        filters = save->nameFilters();
        suggested = QFileInfo(save->selectedFiles().value(0)).fileName();
        save->setDirectory(folder.path());
        save->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(typed);
        QMetaObject::invokeMethod(save, "accept");
    });
    answer.start(5);
    ModalBoxWatcher box;
    if (from == QLatin1String("shortcut"))
        QTest::keyClick(dialog.view, Qt::Key_S, Qt::ControlModifier);
    else
        QTest::mouseClick(button(window, QStringLiteral("导出 Excel…")), Qt::LeftButton);
    // A shortcut clicks the button a moment later.
    QTRY_VERIFY(!answer.isActive());
    QTRY_VERIFY(!QApplication::activeModalWidget());

    QCOMPARE(title, QStringLiteral("导出 Excel"));
    QCOMPARE(filters, QStringList{QStringLiteral("Excel 工作簿 (*.xlsx)")});
    QCOMPARE(suggested, QStringLiteral("上课人数统计.xlsx"));
    QCOMPARE(box.seen, !reason.isEmpty());
    QCOMPARE(box.text, reason.isEmpty() ? QString()
                                        : QStringLiteral("无法导出到 %1：%2")
                                                  .arg(QDir::toNativeSeparators(folder.filePath(typed)), reason));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), written.isEmpty() ? QStringList() : QStringList{written});
    const QList<QLabel *> lines = dialog.window.findChildren<QLabel *>();
    const auto exported = std::find_if(lines.begin(), lines.end(), [](QLabel *label) { return label->isVisible(); });
    QCOMPARE(exported != lines.end(), !written.isEmpty());
    if (!written.isEmpty())
        QCOMPARE(QAccessible::queryAccessibleInterface(*exported)->text(QAccessible::Name),
                 QStringLiteral("已导出：") + written);
}

QTEST_MAIN(tst_ShowWindow)
#include "tst_showwindow.moc"
