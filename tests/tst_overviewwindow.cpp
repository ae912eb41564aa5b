// SPDX-License-Identifier: GPL-3.0-or-later

#include "examplecontent.h"
#include "goldenfile.h"
#include "overviewwindow.h"
#include "showwindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

#include <cmath>

namespace {

QString fixture(const char *name)
{
    return QString::fromUtf8(goldenFile(QString::fromLatin1(name))).trimmed();
}

// The relative luminance and contrast ratio of the web's accessibility
// guidelines, written out here rather than taken from the code under test.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QPushButton *button(const QWidget *window, const QString &text)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// A dialog, on the fixture list unless told otherwise, with its overview open.
struct Overview
{
    // Opened with the dialog on this week and weekday row.
    Overview(const QString &times = fixture("overview-times.txt"),
             const QString &counts = fixture("overview-counts.txt"), int week = 1, int dayRow = 0)
        : dialog(nullptr, times, counts)
        , openButton(button(&dialog, QStringLiteral("全学期概览")))
    {
        dialog.findChild<QComboBox *>()->setCurrentIndex(week - 1);
        dialog.findChild<QListWidget *>()->setCurrentRow(dayRow);
        if (openButton)
            QTest::mouseClick(openButton, Qt::LeftButton);
        window = dialog.findChild<OverviewWindow *>();
        tabs = window ? window->findChild<QTabWidget *>() : nullptr;
    }

    QTableView *grid() const { return tabs->currentWidget()->findChild<QTableView *>(); }
    QString viewText() const { return dialog.findChild<QTextEdit *>()->toPlainText(); }
    QTreeView *courses() const { return tabs->currentWidget()->findChild<QTreeView *>(); }
    QString coursesHeading() const
    {
        for (QLabel *label : courses()->parentWidget()->findChildren<QLabel *>()) {
            if (label->text().startsWith(QStringLiteral("第")))
                return label->text();
        }
        return QString();
    }

    ShowWindow dialog;
    QPushButton *openButton;
    OverviewWindow *window = nullptr;
    QTabWidget *tabs = nullptr;
};

} // namespace

class tst_OverviewWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensOncePerDialog();
    void tabs();
    void wholeGridCopies_data();
    void wholeGridCopies();
    void peakLine();
    void cellMovesDialog();
    void selectionCopies();
    void colours_data();
    void colours();
    void fitsSmallScreen();
    void controlsNamed();
    void courseList_data();
    void courseList();
    void courseLeadsToLines();
    void comparesCounts();
};

void tst_OverviewWindow::opensOncePerDialog()
{
    Overview overview;
    QVERIFY(overview.openButton && overview.window);
    QCOMPARE(overview.window->windowTitle(), QStringLiteral("全学期概览"));
    QVERIFY(overview.window->isVisible());
    QVERIFY(overview.window->isWindow());
    QVERIFY(!overview.window->isModal());

    overview.window->hide();
    QTest::mouseClick(overview.openButton, Qt::LeftButton);
    QCOMPARE(overview.dialog.findChildren<OverviewWindow *>().size(), 1);
    QVERIFY(overview.window->isVisible());
}

void tst_OverviewWindow::tabs()
{
    Overview overview;
    QVERIFY(overview.tabs);
    const QStringList titles{QStringLiteral("上午第4节"), QStringLiteral("上午第5节"),
                             QStringLiteral("下午第9节"), QStringLiteral("晚上第11节"),
                             QStringLiteral("晚上第12节")};
    QCOMPARE(overview.tabs->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        QCOMPARE(overview.tabs->tabText(i), titles.at(i));
    QCOMPARE(overview.tabs->currentIndex(), 0);

    QVERIFY(QTest::qWaitForWindowActive(overview.window));
    overview.grid()->setFocus();
    QTest::keyClick(overview.grid(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(overview.tabs->currentIndex(), 1);
    QTest::keyClick(overview.grid(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(overview.tabs->currentIndex(), 0);
    QTest::keyClick(overview.grid(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(overview.tabs->currentIndex(), 4);
}

void tst_OverviewWindow::wholeGridCopies_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("golden");

    const char *const periods[] = {"4", "5", "9", "11", "12"};
    for (int tab = 0; tab < 5; ++tab) {
        QTest::newRow(periods[tab]) << tab
                                    << QStringLiteral("overview-period%1.tsv").arg(QLatin1String(periods[tab]));
    }
}

// Ctrl+A and Ctrl+C give what classcount-table --period prints.
void tst_OverviewWindow::wholeGridCopies()
{
    QFETCH(int, tab);
    QFETCH(QString, golden);

    Overview overview;
    overview.tabs->setCurrentIndex(tab);
    QTableView *grid = overview.grid();
    QVERIFY(QTest::qWaitForWindowActive(overview.window));
    grid->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QByteArray expected = goldenFile(golden);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), expected);
    QCOMPARE(grid->model()->rowCount(), 23);
}

// Above each grid; the peak itself is tested with the grid text.
void tst_OverviewWindow::peakLine()
{
    Overview overview;
    const QStringList lines{QStringLiteral("上午第4节人数最多：第7周 星期三，275 人"),
                            QStringLiteral("晚上第12节人数最多：第3周 星期五，90 人")};
    for (int tab : {0, 4}) {
        const QLabel *label = overview.tabs->widget(tab)->findChild<QLabel *>();
        QVERIFY(label);
        QCOMPARE(label->text(), lines.at(tab / 4));
    }
}

void tst_OverviewWindow::cellMovesDialog()
{
    Overview overview;
    QTableView *grid = overview.grid();
    QVERIFY(QTest::qWaitForWindowExposed(overview.window));
    const QModelIndex cell = grid->model()->index(6, 2);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(cell).center());
    QCOMPARE(overview.dialog.findChild<QComboBox *>()->currentText(), QStringLiteral("7"));
    QCOMPARE(overview.dialog.findChild<QListWidget *>()->currentRow(), 2);
    QVERIFY2(overview.viewText().startsWith(QStringLiteral("第7周 星期三：\n")), qPrintable(overview.viewText()));
    QVERIFY(overview.viewText().contains(QStringLiteral("上午第 4节：275 人")));

    QTest::keyClick(grid, Qt::Key_Down);
    QVERIFY(overview.viewText().startsWith(QStringLiteral("第8周 星期三：\n")));
    QTest::keyClick(grid, Qt::Key_Left);
    QVERIFY(overview.viewText().startsWith(QStringLiteral("第8周 星期二：\n")));
}

// Ctrl+C and the context menu's "复制" copy the weeks and weekdays selected.
void tst_OverviewWindow::selectionCopies()
{
    Overview overview;
    QTableView *grid = overview.grid();
    QVERIFY(QTest::qWaitForWindowActive(overview.window));
    grid->setFocus();
    const QString expected = QStringLiteral("周数\t星期一\t星期二\t星期三\n"
                                            "第7周\t184\t60\t275\n第8周\t184\t0\t120\n");
    grid->selectionModel()->select(QItemSelection(grid->model()->index(6, 0), grid->model()->index(7, 2)),
                                   QItemSelectionModel::ClearAndSelect);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    QAction *copy = nullptr;
    for (QAction *action : grid->actions()) {
        if (action->text() == QStringLiteral("复制"))
            copy = action;
    }
    QVERIFY(copy);
    QCOMPARE(grid->contextMenuPolicy(), Qt::ActionsContextMenu);
    QGuiApplication::clipboard()->clear();
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    QPushButton *picture = button(overview.window, QStringLiteral("复制图片"));
    QVERIFY(picture);
    QGuiApplication::clipboard()->clear();
    picture->click();
    const QImage image = QGuiApplication::clipboard()->image();
    QVERIFY(image.width() >= grid->width() && image.height() > grid->height());
}

void tst_OverviewWindow::colours_data()
{
    QTest::addColumn<QColor>("base");

    QTest::newRow("light palette") << QColor(Qt::white);
    QTest::newRow("dark palette") << QColor(0x2a, 0x2a, 0x2a);
    QTest::newRow("tinted palette") << QColor(0xff, 0xfb, 0xe6);
}

// Further from the base colour as the count rises, the base colour at 0;
// every cell's text keeps a contrast of at least 4.5:1.
void tst_OverviewWindow::colours()
{
    QFETCH(QColor, base);

    const QPalette original = QApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Base, base);
    QApplication::setPalette(palette);
    Overview overview;
    QApplication::setPalette(original);

    double lowest = 21;
    for (int tab = 0; tab < overview.tabs->count(); ++tab) {
        const QAbstractItemModel *model = overview.tabs->widget(tab)->findChild<QTableView *>()->model();
        QMap<qint64, double> luminanceOfCount;
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex cell = model->index(row, column);
                const qint64 count = cell.data().toString().toLongLong();
                const QColor background = cell.data(Qt::BackgroundRole).value<QColor>();
                const QColor text = cell.data(Qt::ForegroundRole).value<QColor>();
                if (count == 0)
                    QCOMPARE(background, base);
                luminanceOfCount[count] = luminance(background);
                lowest = qMin(lowest, contrast(text, background));
            }
        }
        // Further from the base colour with every larger count.
        double previous = -1;
        for (double value : luminanceOfCount) {
            const double distance = qAbs(value - luminance(base));
            QVERIFY2(distance > previous || (previous < 0 && distance == 0),
                     qPrintable(QStringLiteral("tab %1").arg(tab)));
            previous = distance;
        }
    }
    qInfo("lowest contrast of any cell: %.2f:1", lowest);
    QVERIFY2(lowest >= 4.5, qPrintable(QString::number(lowest)));
}

// The whole 29-week grid on a 1366×768 screen, below a title bar and above a
// task bar, without scrolling, at the desktop's default font: 9 points on
// Windows and on X11 (the offscreen platform's own default is 12 points).
void tst_OverviewWindow::fitsSmallScreen()
{
    const QFont original = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    Overview overview(QStringLiteral("周日第12节{第29周}"), QStringLiteral("5"));
    OverviewWindow *window = overview.window;
    QVERIFY(window);
    const QSize size = window->sizeHint();
    qInfo("overview at 9 points: %d×%d", size.width(), size.height());
    QVERIFY2(size.width() <= 1366 && size.height() <= 768 - 80,
             qPrintable(QStringLiteral("%1×%2").arg(size.width()).arg(size.height())));
    // The test screen is smaller than 1366×768: there the window is cut to
    // its free area; given the room it asks for, no grid scrolls.
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    window->resize(size);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (auto *grid : window->findChildren<QTableView *>())
        QCOMPARE(grid->model()->rowCount(), 29);
    QTableView *grid = overview.grid();
    QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    QVERIFY(grid->rowViewportPosition(28) + grid->rowHeight(28) <= grid->viewport()->height());
    QApplication::setFont(original);
}

void tst_OverviewWindow::controlsNamed()
{
    Overview overview;
    const auto named = [](QObject *object, QAccessible::Role role) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
        return face && face->role() == role && !face->text(QAccessible::Name).isEmpty();
    };
    QVERIFY(named(overview.tabs, QAccessible::Client));
    QAccessibleInterface *tabBar = QAccessible::queryAccessibleInterface(overview.tabs->tabBar());
    QVERIFY(tabBar && tabBar->role() == QAccessible::PageTabList);
    QCOMPARE(tabBar->child(2)->text(QAccessible::Name), QStringLiteral("下午第9节"));
    QVERIFY(named(overview.dialog.findChild<QComboBox *>(), QAccessible::ComboBox));
    QVERIFY(named(overview.dialog.findChild<QListWidget *>(), QAccessible::List));
    QVERIFY(named(overview.dialog.findChild<QTextEdit *>(), QAccessible::EditableText));

    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(overview.grid());
    QVERIFY(grid);
    QCOMPARE(grid->role(), QAccessible::Table);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("上午第4节每周每天的人数"));
    QAccessibleTableInterface *table = grid->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 23);
    QCOMPARE(table->columnCount(), 7);
    QCOMPARE(table->cellAt(6, 2)->text(QAccessible::Name), QStringLiteral("275"));
    // The headers as the table's own children: the header cells that a cell
    // names are handed over unregistered and would leak here.
    QStringList headers;
    for (int i = 0; i < grid->childCount(); ++i) {
        const QAccessibleInterface *child = grid->child(i);
        if (child->role() == QAccessible::ColumnHeader || child->role() == QAccessible::RowHeader)
            headers.append(QStringLiteral("%1 %2").arg(child->role()).arg(child->text(QAccessible::Name)));
    }
    QCOMPARE(headers.size(), 7 + 23);
    QVERIFY(headers.contains(QStringLiteral("%1 星期三").arg(QAccessible::ColumnHeader)));
    QVERIFY(headers.contains(QStringLiteral("%1 第7周").arg(QAccessible::RowHeader)));
}



void tst_OverviewWindow::courseList_data()
{
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("dayRow");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("copied"); // every row, sorted by line

    const QString header = QStringLiteral("行\t人数\t上课时间\n");
    QTest::newRow("the dialog's cell") << 7 << 2 << 0 << QStringLiteral("第7周 星期三 上午第4节：275 人，3 门课")
                                       << header + QStringLiteral("1\t120\t周一第3,4节{第1-16周};周三第3,4节{第1-16周}\n"
                                                                  "5\t35\t周三第3,4节{第7周}\n13\t120\t星期三第4节{第7周}\n");
    QTest::newRow("an empty cell") << 2 << 6 << 4 << QStringLiteral("第2周 星期日 晚上第12节：0 人，没有课") << QString();
    QTest::newRow("past the grid: the peak") << 29 << 6 << 1 << QStringLiteral("第2周 星期二 上午第5节：48 人，1 门课")
                                             << header + QStringLiteral("3\t48\t周二第4,5节{第2-16周|双周};周四第3,4节{第1-15周|单周}\n");
}

// The list beside the grid names the courses of its current cell; Ctrl+C
// copies the rows selected in the order shown.
void tst_OverviewWindow::courseList()
{
    QFETCH(int, week);
    QFETCH(int, dayRow);
    QFETCH(int, tab);
    QFETCH(QString, heading);
    QFETCH(QString, copied);

    Overview overview(fixture("overview-times.txt"), fixture("overview-counts.txt"), week, dayRow);
    overview.tabs->setCurrentIndex(tab);
    QCOMPARE(overview.coursesHeading(), heading);
    QTreeView *list = overview.courses();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(list);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("这一格的课程"));

    QVERIFY(QTest::qWaitForWindowActive(overview.window));
    QApplication::clipboard()->clear();
    list->setFocus();
    list->sortByColumn(0, Qt::AscendingOrder);
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), copied);
}

// Enter on a course selects its lines in both boxes, as long as they hold
// what was counted.
void tst_OverviewWindow::courseLeadsToLines()
{
    QTextEdit timeBox;
    QTextEdit countBox;
    timeBox.setPlainText(fixture("overview-times.txt"));
    countBox.setPlainText(fixture("overview-counts.txt"));
    Overview overview(timeBox.toPlainText().trimmed(), countBox.toPlainText().trimmed(), 7, 2);
    overview.dialog.setInputBoxes(&timeBox, &countBox);
    QTreeView *list = overview.courses();
    QVERIFY(QTest::qWaitForWindowActive(overview.window));
    list->setFocus();
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    // Line 13.
    QCOMPARE(timeBox.textCursor().selectedText(), QStringLiteral("星期三第4节{第7周}"));
    QCOMPARE(timeBox.textCursor().blockNumber(), 12);
    QCOMPARE(countBox.textCursor().selectedText(), QStringLiteral("120"));
    QCOMPARE(countBox.textCursor().blockNumber(), 12);

    const QString notice = QStringLiteral("输入框在统计后改过，请重新统计后再定位");
    const auto noticeShown = [&] {
        for (QLabel *label : overview.window->findChildren<QLabel *>()) {
            if (label->text() == notice && label->isVisible())
                return true;
        }
        return false;
    };
    QVERIFY(!noticeShown());
    countBox.moveCursor(QTextCursor::End);
    countBox.insertPlainText(QStringLiteral("0"));
    timeBox.moveCursor(QTextCursor::Start);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!timeBox.textCursor().hasSelection());
    QVERIFY(noticeShown());
}

// The example counted, then again with its second course moved from Monday
// to Wednesday: the second count's overview shows the change against the
// first, and "不比较" brings its own numbers back.
void tst_OverviewWindow::comparesCounts()
{
    QWidget mainWindow;
    ShowWindow first(&mainWindow, exampleTimes, exampleCounts);
    ShowWindow second(&mainWindow, fixture("moved-times.txt"), exampleCounts);
    QTest::mouseClick(button(&second, QStringLiteral("全学期概览")), Qt::LeftButton);
    auto *window = second.findChild<OverviewWindow *>();
    QVERIFY(window);
    auto *choice = window->findChild<QComboBox *>();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(choice);
    QVERIFY(face && face->role() == QAccessible::ComboBox);
    QCOMPARE(choice->accessibleName(), QStringLiteral("比较对象"));
    // On X11 a combo box is named by its label, elsewhere by its own name.
    const auto labels = face->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("比较："));
    // Week 1 and 2 of Monday and week 1 of Wednesday, and the lines above the grid and the list.
    const auto shown = [window] {
        QWidget *page = window->findChild<QTabWidget *>()->currentWidget();
        const QAbstractItemModel *grid = page->findChild<QTableView *>()->model();
        QStringList texts{grid->index(0, 0).data().toString(), grid->index(1, 0).data().toString(),
                          grid->index(0, 2).data().toString()};
        for (QLabel *label : page->findChildren<QLabel *>()) {
            if (label->isVisibleTo(window))
                texts.append(label->text());
        }
        return texts;
    };
    const QStringList counted = shown();
    QCOMPARE(counted.mid(0, 4), (QStringList{QStringLiteral("20"), QStringLiteral("20"), QStringLiteral("30"),
                                             QStringLiteral("上午第4节人数最多：第1周 星期三，30 人")}));

    // A count made later joins the choice, the newest first.
    ShowWindow third(&mainWindow, exampleTimes, exampleCounts);
    QCOMPARE(choice->count(), 3);
    QVERIFY(choice->itemText(2).startsWith(QStringLiteral("第1次统计（")));
    QVERIFY(choice->itemText(2).endsWith(QStringLiteral("，3 门课）")));
    choice->setCurrentIndex(2);
    QCOMPARE(shown(), (QStringList{QStringLiteral("-30"), QStringLiteral("-30"), QStringLiteral("+30"),
                                   QStringLiteral("上午第4节变化最大：第1周 星期一，-30 人（50 → 20）"),
                                   QStringLiteral("第2次统计高峰：第1周 星期三，30 人；第1次统计高峰：第1周 星期一，50 人"),
                                   QStringLiteral("第1周 星期一 上午第4节：20 人（-30），少了 1 门课")}));

    choice->setCurrentIndex(0);
    QCOMPARE(shown(), counted);
}

QTEST_MAIN(tst_OverviewWindow)
#include "tst_overviewwindow.moc"
