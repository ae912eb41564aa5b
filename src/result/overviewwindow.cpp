// SPDX-License-Identifier: GPL-3.0-or-later

#include "overviewwindow.h"

#include "cellcolours.h"
#include "cellcoursesmodel.h"
#include "countlist.h"
#include "termgrid.h"
#include "termgridmodel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// The colour scale from 0 to the tab's largest number, or of its changes
// from the largest fall to the largest rise, as a strip between two figures.
class ScaleLegend : public QWidget
{
public:
    using QWidget::QWidget;

    void setScale(qint64 largestNumber, bool ofChanges)
    {
        largest = largestNumber;
        changes = ofChanges;
        setAccessibleName(changes ? QStringLiteral("颜色：紫色少 %1 人，底色不变，橙色多 %1 人").arg(largest)
                                  : QStringLiteral("颜色：浅色 0 人，深色 %1 人").arg(largest));
        setFixedSize(sizeHint());
        update();
    }

    QSize sizeHint() const override
    {
        return QSize(figureWidth(lowText()) + stripWidth + figureWidth(highText()),
                     fontMetrics().height());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const int lowWidth = figureWidth(lowText());
        painter.drawText(QRect(0, 0, lowWidth, height()), Qt::AlignCenter, lowText());
        const QColor base = palette().color(QPalette::Base);
        const qint64 lowest = changes ? -largest : 0;
        for (int x = 0; x < stripWidth; ++x) {
            const qint64 value = lowest + (largest - lowest) * x / (stripWidth - 1);
            painter.fillRect(lowWidth + x, 2, 1, height() - 4,
                             changes ? changeColour(value, largest, base) : scaleColour(value, largest, base));
        }
        painter.drawText(QRect(lowWidth + stripWidth, 0, width() - lowWidth - stripWidth, height()),
                         Qt::AlignCenter, highText());
    }

private:
    static constexpr int stripWidth = 120;

    QString lowText() const { return changes ? changeText(-largest) : QStringLiteral("0"); }
    QString highText() const { return changes ? changeText(largest) : QString::number(largest); }
    int figureWidth(const QString &figure) const
    {
        return fontMetrics().horizontalAdvance(figure) + 2 * fontMetrics().averageCharWidth();
    }

    qint64 largest = 0;
    bool changes = false;
};

// Whether a column of a course list holds numbers, not a class time or a name.
bool holdsNumbers(const QAbstractItemModel *model, int column)
{
    const QString header = model->headerData(column, Qt::Horizontal).toString();
    return header != classTimeHeader() && header != courseNameHeader();
}

// What a column of a course list is as wide as, measured once and not row by
// row however long the list: a number of six digits and its margins, a usual
// name and its margins, or one item and a half of a usual class time; the
// whole of a text is in its tooltip.
int usualWidth(const QAbstractItemModel *model, int column, const QFontMetrics &metrics)
{
    const QString header = model->headerData(column, Qt::Horizontal).toString();
    const QString usual = header == classTimeHeader()    ? QStringLiteral("周一第3,4节{第1-16周};周三第3,4节")
                          : header == courseNameHeader() ? QStringLiteral("中国近现代史纲要00")
                                                         : QStringLiteral("00000000");
    return metrics.horizontalAdvance(usual);
}

// A list of courses as wide as its columns' usual widths.
class CourseListView : public QTreeView
{
public:
    using QTreeView::QTreeView;

    QSize sizeHint() const override
    {
        int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
        for (int column = 0; column < model()->columnCount(); ++column)
            width += usualWidth(model(), column, fontMetrics());
        return QSize(width, QTreeView::sizeHint().height());
    }
};

} // namespace

OverviewWindow::OverviewWindow(const Count &count, int number, CountList *counts, bool firstDay,
                               int week, int column, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , count(count)
    , number(number)
    , counts(counts)
    , firstDay(firstDay)
{
    setWindowTitle(QStringLiteral("全学期概览"));
    tabs = new QTabWidget(this);
    tabs->setAccessibleName(QStringLiteral("节次"));
    tabs->setUsesScrollButtons(false);
    pages.resize(int(reportedPeriods.size()));
    for (int period : reportedPeriods)
        tabs->addTab(makePage(period, week, column), periodName(period));
    // A tab's course list is made when the tab is first shown: most are never.
    addCourseList(tabs->currentIndex());
    connect(tabs, &QTabWidget::currentChanged, this, &OverviewWindow::addCourseList);

    auto *corner = new QWidget(tabs);
    auto *cornerButtons = new QHBoxLayout(corner);
    cornerButtons->setContentsMargins(QMargins());
    auto *copyPictureButton = new QPushButton(QStringLiteral("复制图片"), corner);
    copyPictureButton->setToolTip(QStringLiteral("把这一页的表格连同说明复制成图片"));
    connect(copyPictureButton, &QPushButton::clicked, this, &OverviewWindow::copyPicture);
    auto *exportButton = new QPushButton(QStringLiteral("导出 Excel…"), corner);
    exportButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(exportButton, &QPushButton::clicked, this, &OverviewWindow::exportRequested);
    cornerButtons->addWidget(makeChoice(corner));
    cornerButtons->addWidget(copyPictureButton);
    cornerButtons->addWidget(exportButton);
    tabs->setCornerWidget(corner);

    exportedLabel = new QLabel(this);
    exportedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    exportedLabel->hide();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(exportedLabel);

    // Wherever the focus is: the grid takes plain Tab for itself.
    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this,
            [this] { tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count()); });
    auto *previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(previous, &QShortcut::activated, this, [this] {
        tabs->setCurrentIndex((tabs->currentIndex() + tabs->count() - 1) % tabs->count());
    });
}

QWidget *OverviewWindow::makePage(int period, int week, int column)
{
    auto *page = new QWidget;
    auto *grid = new QTableView(page);
    auto *model = new TermGridModel(count.term, period, firstDay, grid->palette().color(QPalette::Base),
                                    grid);
    grid->setModel(model);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    // Compact rows, so that 29 weeks fit a 1366×768 screen without scrolling.
    const int rowHeight = grid->fontMetrics().height() + 2;
    grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Every column as wide as a weekday's name or the tab's largest number,
    // measured once rather than cell by cell at every change; the margins in
    // digits, since a Chinese font's average character is a wide one.
    const QFontMetrics metrics = grid->fontMetrics();
    const int columnWidth = qMax(metrics.horizontalAdvance(weekdayColumnName(0, firstDay)),
                                 metrics.horizontalAdvance(QString::number(model->peak().students)))
            + metrics.horizontalAdvance(QStringLiteral("000"));
    grid->horizontalHeader()->setMinimumSectionSize(columnWidth);
    grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // As wide as its columns: the room beside it is the course list's.
    grid->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    auto *copy = new QAction(QStringLiteral("复制"), grid);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this, grid] { copySelection(grid); });
    grid->addAction(copy);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    emit cellChosen(current.row() + 1, current.column());
            });

    auto *peak = new QLabel(page);
    peak->setTextFormat(Qt::PlainText);
    auto *peaks = new QLabel(page);
    peaks->setTextFormat(Qt::PlainText);
    auto *legend = new ScaleLegend(page);

    auto *heading = new QHBoxLayout;
    heading->addWidget(peak, 1);
    heading->addWidget(legend);
    // The two lines of a comparison close together, so that the grid still
    // fits the smallest screens.
    auto *headingLines = new QVBoxLayout;
    headingLines->setSpacing(0);
    headingLines->addLayout(heading);
    headingLines->addWidget(peaks);
    auto *gridColumn = new QVBoxLayout;
    gridColumn->addLayout(headingLines);
    gridColumn->addWidget(grid);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(gridColumn);

    const Peak &fullest = model->peak();
    const QModelIndex opened = week <= model->rowCount() ? model->index(week - 1, column)
                                                        : model->index(qMax(fullest.week, 1) - 1,
                                                                       fullest.column);
    grid->setCurrentIndex(opened);
    Page &shown = pages[tabs->count()];
    shown = Page{model, grid, peak, peaks, legend, nullptr, nullptr, nullptr};
    showPage(shown);
    return page;
}

// The students, or the change while another count is chosen, in every
// part of the page that shows them.
void OverviewWindow::showPage(const Page &page)
{
    const int period = page.grid->period();
    const QModelIndex current = page.view->currentIndex();
    page.grid->setChange(shownChange());
    page.view->setAccessibleName(periodName(period)
                                 + (comparing ? QStringLiteral("每周每天的人数变化")
                                              : QStringLiteral("每周每天的人数")));
    page.line->setText(comparing ? changeLine(change, period, firstDay)
                                 : peakLine(page.grid->peak(), period, firstDay));
    page.peaks->setText(comparing ? peaksLine(change, period, firstDay) : QString());
    page.peaks->setVisible(comparing);
    // The second line takes the room of the page's margins above and below.
    QLayout *layout = page.view->parentWidget()->layout();
    const int margin = layout->spacing();
    const int vertical = comparing ? margin / 3 : margin;
    layout->setContentsMargins(margin, vertical, margin, vertical);
    static_cast<ScaleLegend *>(page.legend)->setScale(page.grid->largest(), comparing);
    if (page.courses) {
        page.courses->setChange(shownChange());
        sizeCourseColumns(page.list, comparing);
    }
    // The grid's reset took its current cell, which the list follows: the
    // same cell again, or the last week where the grid grew shorter.
    if (current.isValid())
        page.view->setCurrentIndex(
                page.grid->index(qMin(current.row(), page.grid->rowCount() - 1), current.column()));
}

// "不比较", then the other counts of the run, the newest first.
// The label is for screen readers only, which on X11 name a combo box by its
// label: the row of tabs has no room to spare on a small screen.
QComboBox *OverviewWindow::makeChoice(QWidget *parent)
{
    choice = new QComboBox(parent);
    choice->setAccessibleName(QStringLiteral("比较对象"));
    choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    choice->addItem(QStringLiteral("不比较"), 0);
    auto *label = new QLabel(QStringLiteral("比较："), parent);
    label->setBuddy(choice);
    label->hide();
    if (counts) {
        for (int other = 1; other <= counts->size(); ++other)
            addChoice(other);
        connect(counts, &CountList::added, this, &OverviewWindow::addChoice);
        connect(counts, &CountList::removed, this, &OverviewWindow::removeChoice);
    }
    connect(choice, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OverviewWindow::compareWith);
    return choice;
}

void OverviewWindow::addChoice(int other)
{
    if (other != number && counts->count(other))
        choice->insertItem(1, counts->choiceText(other), other);
}

// A count whose window is gone can no longer be chosen; while it is shown,
// the overview goes back to its own numbers.
void OverviewWindow::removeChoice(int other)
{
    const int index = choice->findData(other);
    if (index == choice->currentIndex())
        choice->setCurrentIndex(0);
    if (index > 0)
        choice->removeItem(index);
}

void OverviewWindow::compareWith(int index)
{
    const int other = choice->itemData(index).toInt();
    comparing = other != 0;
    if (comparing)
        change = CountChange(count, CountList::name(number), *counts->count(other), CountList::name(other));
    for (const Page &page : std::as_const(pages))
        showPage(page);
}

// Beside the grid of a tab, the courses of its current cell, under a line
// that names the cell.
void OverviewWindow::addCourseList(int tab)
{
    QWidget *page = tabs->widget(tab);
    if (page->findChild<QTreeView *>())
        return;
    auto *grid = page->findChild<QTableView *>();
    const int period = reportedPeriods.at(std::size_t(tab));

    auto *heading = new QLabel(page);
    heading->setTextFormat(Qt::PlainText);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    heading->setWordWrap(true);
    auto *inputEdited = new QLabel(QStringLiteral("输入框在统计后改过，请重新统计后再定位"), page);
    inputEdited->setVisible(inputWasEdited);
    inputEditedLabels.append(inputEdited);

    auto *list = new CourseListView(page);
    auto *model = new CellCoursesModel(count.courses, period, list);
    list->setModel(model);
    list->setAccessibleName(QStringLiteral("这一格的课程"));
    list->setFont(grid->font());
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->header()->setStretchLastSection(false);
    sizeCourseColumns(list, false);
    list->setSortingEnabled(true);

    auto *copy = new QAction(QStringLiteral("复制"), list);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [list, model] {
        QList<int> rows;
        for (const QModelIndex &row : list->selectionModel()->selectedRows())
            rows.append(row.row());
        if (rows.isEmpty())
            return;
        std::sort(rows.begin(), rows.end());
        QGuiApplication::clipboard()->setText(model->text(rows), QClipboard::Clipboard);
    });
    list->addAction(copy);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(list, &QAbstractItemView::activated, this, [this, model](const QModelIndex &row) {
        const int other = choice->currentData().toInt();
        emit courseChosen(model->ofOtherCount(row.row()) ? other : number, model->course(row.row()));
    });

    const auto listCell = [=](const QModelIndex &current) {
        if (!current.isValid())
            return;
        model->setCell(current.row() + 1, current.column());
        heading->setText(model->heading(firstDay));
    };
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, listCell);
    Page &shown = pages[tab];
    shown.courses = model;
    shown.coursesHeading = heading;
    shown.list = list;
    if (comparing) {
        model->setChange(&change);
        sizeCourseColumns(list, true);
    }
    listCell(grid->currentIndex());

    auto *layout = new QVBoxLayout;
    layout->addWidget(heading);
    layout->addWidget(inputEdited);
    layout->addWidget(list);
    static_cast<QBoxLayout *>(page->layout())->addLayout(layout, 1);
}

// The class time takes the room that is left, so that a name after it stays
// in view. The first sort is by the students, or by the size of the change.
void OverviewWindow::sizeCourseColumns(QTreeView *list, bool changes)
{
    const QAbstractItemModel *model = list->model();
    QHeaderView *header = list->header();
    int numbersWidth = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        const int width = usualWidth(model, column, list->fontMetrics());
        const bool classTime = model->headerData(column, Qt::Horizontal).toString() == classTimeHeader();
        header->setSectionResizeMode(column, classTime ? QHeaderView::Stretch : QHeaderView::Interactive);
        if (!classTime)
            header->resizeSection(column, width);
        if (holdsNumbers(model, column))
            numbersWidth += width;
    }
    // The numbers stay in view on the smallest screens.
    list->setMinimumWidth(numbersWidth);
    header->setSortIndicator(changes ? 0 : 1, Qt::DescendingOrder);
}

void OverviewWindow::copySelection(QTableView *grid)
{
    const QModelIndexList cells = grid->selectionModel()->selectedIndexes();
    if (cells.isEmpty())
        return;
    const auto *model = static_cast<const TermGridModel *>(grid->model());
    QGuiApplication::clipboard()->setText(model->text(cells), QClipboard::Clipboard);
}

// The page as it is shown: the peak line, the legend and the grid.
void OverviewWindow::copyPicture()
{
    QGuiApplication::clipboard()->setPixmap(tabs->currentWidget()->grab(), QClipboard::Clipboard);
}

void OverviewWindow::showInputEdited()
{
    inputWasEdited = true;
    for (QLabel *label : std::as_const(inputEditedLabels))
        label->show();
}

void OverviewWindow::showExported(const QString &line)
{
    exportedLabel->setText(line);
    exportedLabel->show();
}
