// SPDX-License-Identifier: GPL-3.0-or-later

#include "overviewwindow.h"

#include "cellcolours.h"
#include "cellcoursesmodel.h"
#include "termgrid.h"
#include "termgridmodel.h"

#include <QAction>
#include <QClipboard>
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

// The colour scale from 0 to the tab's largest number, as a strip between
// the two figures.
class ScaleLegend : public QWidget
{
public:
    ScaleLegend(qint64 largest, QWidget *parent)
        : QWidget(parent)
        , largest(largest)
    {
        setAccessibleName(QStringLiteral("颜色：浅色 0 人，深色 %1 人").arg(largest));
        setFixedSize(sizeHint());
    }

    QSize sizeHint() const override
    {
        const QFontMetrics metrics = fontMetrics();
        return QSize(figureWidth(QStringLiteral("0")) + stripWidth + figureWidth(largestText()),
                     metrics.height());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const int zeroWidth = figureWidth(QStringLiteral("0"));
        painter.drawText(QRect(0, 0, zeroWidth, height()), Qt::AlignCenter, QStringLiteral("0"));
        const QColor base = palette().color(QPalette::Base);
        for (int x = 0; x < stripWidth; ++x) {
            const qint64 count = largest > 0 ? largest * x / (stripWidth - 1) : 0;
            painter.fillRect(zeroWidth + x, 2, 1, height() - 4, scaleColour(count, largest, base));
        }
        painter.drawText(QRect(zeroWidth + stripWidth, 0, width() - zeroWidth - stripWidth, height()),
                         Qt::AlignCenter, largestText());
    }

private:
    static constexpr int stripWidth = 120;

    QString largestText() const { return QString::number(largest); }
    int figureWidth(const QString &figure) const
    {
        return fontMetrics().horizontalAdvance(figure) + 2 * fontMetrics().averageCharWidth();
    }

    qint64 largest;
};

// A list of courses that shows the line, the students and the start of a
// usual class time, one item and a half; the whole is in each row's tooltip.
class CourseListView : public QTreeView
{
public:
    using QTreeView::QTreeView;

    QSize sizeHint() const override
    {
        const QString usual = QStringLiteral("周一第3,4节{第1-16周};周三第3,4节");
        const int width = header()->sectionSize(0) + header()->sectionSize(1)
                + fontMetrics().horizontalAdvance(usual) + 2 * frameWidth()
                + verticalScrollBar()->sizeHint().width();
        return QSize(width, QTreeView::sizeHint().height());
    }
};

} // namespace

OverviewWindow::OverviewWindow(const TermTotals &term, const TermCourses &courses, bool firstDay,
                               int week, int column, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , courses(courses)
    , firstDay(firstDay)
{
    setWindowTitle(QStringLiteral("全学期概览"));
    tabs = new QTabWidget(this);
    tabs->setAccessibleName(QStringLiteral("节次"));
    tabs->setUsesScrollButtons(false);
    for (int period : reportedPeriods)
        tabs->addTab(makePage(term, period, week, column), periodName(period));
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

QWidget *OverviewWindow::makePage(const TermTotals &term, int period, int week, int column)
{
    auto *page = new QWidget;
    auto *grid = new QTableView(page);
    auto *model = new TermGridModel(term, period, firstDay, grid->palette().color(QPalette::Base),
                                    grid);
    grid->setModel(model);
    grid->setAccessibleName(periodName(period) + QStringLiteral("每周每天的人数"));
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

    auto *peak = new QLabel(peakLine(model->peak(), period, firstDay), page);
    peak->setTextFormat(Qt::PlainText);
    auto *legend = new ScaleLegend(model->peak().students, page);

    auto *heading = new QHBoxLayout;
    heading->addWidget(peak, 1);
    heading->addWidget(legend);
    auto *gridColumn = new QVBoxLayout;
    gridColumn->addLayout(heading);
    gridColumn->addWidget(grid);
    auto *layout = new QHBoxLayout(page);
    const int margin = layout->spacing();
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addLayout(gridColumn);

    const Peak &fullest = model->peak();
    const QModelIndex opened = week <= model->rowCount() ? model->index(week - 1, column)
                                                        : model->index(qMax(fullest.week, 1) - 1,
                                                                       fullest.column);
    grid->setCurrentIndex(opened);
    return page;
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
    auto *model = new CellCoursesModel(courses, period, list);
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
    // Numbers of six digits and their margins; measured once, not row by row,
    // however long the list.
    const int numberWidth = list->fontMetrics().horizontalAdvance(QStringLiteral("00000000"));
    list->header()->resizeSection(0, numberWidth);
    list->header()->resizeSection(1, numberWidth);
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The line and the students stay in view on the smallest screens.
    list->setMinimumWidth(2 * numberWidth);
    list->header()->setSortIndicator(1, Qt::DescendingOrder);
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
    connect(list, &QAbstractItemView::activated, this,
            [this, model](const QModelIndex &row) { emit courseChosen(model->course(row.row())); });

    const auto listCell = [=](const QModelIndex &current) {
        if (!current.isValid())
            return;
        model->setCell(current.row() + 1, current.column());
        heading->setText(cellCoursesHeading(current.row() + 1, current.column(), period, firstDay,
                                            model->students(), model->rowCount()));
    };
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, listCell);
    listCell(grid->currentIndex());

    auto *layout = new QVBoxLayout;
    layout->addWidget(heading);
    layout->addWidget(inputEdited);
    layout->addWidget(list);
    static_cast<QBoxLayout *>(page->layout())->addLayout(layout, 1);
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
