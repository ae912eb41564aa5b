// SPDX-License-Identifier: GPL-3.0-or-later

#include "showwindow.h"

#include "countlist.h"
#include "exportaction.h"
#include "overviewwindow.h"
#include "reporttext.h"
#include "screenfit.h"
#include "weekdays.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtMath>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <utility>

namespace {
// Taller lists scroll, so that the dialog still fits a 1366×768 screen.
constexpr int uncountedLinesShown = 10;

// Selects box lines first to first + count - 1 and scrolls the first into view.
void selectLines(QTextEdit *box, int first, int count)
{
    const QTextBlock firstBlock = box->document()->findBlockByNumber(first - 1);
    const QTextBlock lastBlock = box->document()->findBlockByNumber(first + count - 2);
    if (!firstBlock.isValid() || !lastBlock.isValid())
        return;
    QTextCursor cursor(box->document());
    cursor.setPosition(lastBlock.position() + lastBlock.length() - 1);
    cursor.setPosition(firstBlock.position(), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}
} // namespace

ShowWindow::ShowWindow(QWidget *parent, QString timeText, QString countText,
                       FirstLines firstLines, const CourseNames &names)
    : QDialog(parent)
{
    // Parsed before the widgets are made: uncounted items add a notice under
    // them. The view, the table, the overview and the workbook all read these totals.
    count = countOfTexts(timeText, countText, firstDay, firstLines, names);
    counts = CountList::of(parent ? static_cast<QObject *>(parent) : this);
    number = counts->add(&count);
    setupUi();
    fitToScreen(this);
}

ShowWindow::~ShowWindow()
{
    if (counts)
        counts->remove(number);
}

void ShowWindow::setInputBoxes(QTextEdit *time, QTextEdit *count)
{
    timeBox = time;
    countBox = count;
    // Any edit, even one undone later, may have moved the lines.
    for (QTextEdit *box : {time, count})
        connect(box, &QTextEdit::textChanged, this, [this] { inputEdited = true; });
}

void ShowWindow::setupUi()
{
    setMinimumSize(100, 200);

    auto *row = new QHBoxLayout;
    auto *selectors = new QVBoxLayout;
    weekCombo = new QComboBox(this);
    dayList = new QListWidget(this);
    resultView = new QTextEdit(this);
    copyAllButton = new QPushButton(QStringLiteral("复制所有"), this);
    overviewButton = new QPushButton(QStringLiteral("全学期概览"), this);
    exportButton = new QPushButton(QStringLiteral("导出 Excel…"), this);
    exportButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    exportedLabel = new QLabel(this);
    exportedLabel->setWordWrap(true);
    exportedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    exportedLabel->hide();
    weekCombo->setAccessibleName(QStringLiteral("教学周"));
    dayList->setAccessibleName(QStringLiteral("星期"));
    resultView->setAccessibleName(QStringLiteral("统计结果"));
    selectors->addWidget(weekCombo);
    selectors->addWidget(dayList);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(copyAllButton);
    buttons->addWidget(overviewButton);
    buttons->addWidget(exportButton);
    buttons->addWidget(exportedLabel);
    buttons->addStretch();
    row->addLayout(selectors);
    row->addWidget(resultView);
    row->addLayout(buttons);

    if (count.uncounted.isEmpty() && count.tabbed.time == 0 && count.tabbed.headCount == 0) {
        setLayout(row);
    } else {
        auto *page = new QVBoxLayout(this);
        page->addLayout(row);
        addUncountedNotice(page);
    }

    QStringList weeks;
    for (int week = 1; week <= lastTeachingWeek; ++week)
        weeks.append(QString::number(week));
    weekCombo->addItems(weeks);
    for (int day = firstDay; day <= firstDay + 6; ++day)
        dayList->addItem(QStringLiteral("周") + dayName(day));

    connect(weekCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(slotWeekChanged(int)));
    connect(dayList, SIGNAL(currentRowChanged(int)), this, SLOT(slotDayChanged(int)));
    connect(copyAllButton, SIGNAL(clicked()), this, SLOT(slotCopyAll()));
    connect(overviewButton, &QPushButton::clicked, this, &ShowWindow::showOverview);
    connect(exportButton, &QPushButton::clicked, this, [this] { exportFrom(this, nullptr); });
}

// A heading with the count of each kind, and every item in a list that can
// be scrolled, selected and copied, however many there are.
void ShowWindow::addUncountedNotice(QBoxLayout *page)
{
    auto *heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("uncountedHeading"));
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    heading->setText(uncountedHeading(tally(count.uncounted), count.tabbed));
    page->addWidget(heading);
    if (count.uncounted.isEmpty())
        return;

    QStringList lines;
    for (const UncountedItem &item : std::as_const(count.uncounted))
        lines.append(uncountedLine(item));
    auto *list = new QPlainTextEdit(this);
    list->setObjectName(QStringLiteral("uncountedList"));
    list->setAccessibleName(QStringLiteral("未计入统计的项目"));
    list->setReadOnly(true);
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setPlainText(lines.join(QLatin1Char('\n')));
    const int shownLines = qMin(int(lines.size()), uncountedLinesShown);
    const int margins = 2 * (list->frameWidth() + qCeil(list->document()->documentMargin()));
    list->setFixedHeight(shownLines * list->fontMetrics().lineSpacing() + margins
                         + list->horizontalScrollBar()->sizeHint().height());
    page->addWidget(list);
}

void ShowWindow::slotWeekChanged(int index)
{
    currentWeek = index + 1;
    refreshView();
}

void ShowWindow::slotDayChanged(int row)
{
    currentDay = row + firstDay;
    refreshView();
}

void ShowWindow::refreshView()
{
    const PeriodTotals &totals = count.term[currentWeek - 1][currentDay - firstDay];
    resultView->clear();
    for (const QString &paragraph : viewParagraphs(currentWeek, currentDay, totals))
        resultView->append(paragraph);
    // Each append scrolls to the end; the heading is what the user reads first.
    resultView->verticalScrollBar()->setValue(0);
}

void ShowWindow::slotCopyAll()
{
    const QString table = termTableText(count.term, firstDay);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(table, QClipboard::Clipboard);
    // Without a clipboard owner, or when another program takes it at once,
    // the table never arrives; say so instead of claiming success. Windows
    // may hand the text back with CR LF line ends: it arrived all the same.
    QString arrived = clipboard->text(QClipboard::Clipboard);
    arrived.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (arrived != table) {
        QMessageBox::warning(this, QStringLiteral("复制失败"),
                             QStringLiteral("无法写入剪贴板，表格没有复制。"),
                             QMessageBox::Ok);
        return;
    }
    QMessageBox::information(this, QStringLiteral("操作完成"),
                             QStringLiteral("已复制到剪贴板，请打开 Excel 粘贴"), QMessageBox::Ok);
}

// One overview per dialog: pressing again brings it back to the front. A
// cell chosen there sets the selectors, whose slots refresh the view.
void ShowWindow::showOverview()
{
    if (!overview) {
        overview = new OverviewWindow(count, number, counts, firstDay, currentWeek,
                                      currentDay - int(firstDay), this);
        connect(overview, &OverviewWindow::exportRequested, this,
                [this] { exportFrom(overview, overview->shownChange()); });
        connect(overview, &OverviewWindow::courseChosen, this, &ShowWindow::showCourse);
        connect(overview, &OverviewWindow::cellChosen, this, [this](int week, int column) {
            weekCombo->setCurrentIndex(week - 1);
            dayList->setCurrentRow(column);
        });
        overview->show();
        // Laid out now; a new window would be cut to two thirds of the screen's height.
        overview->resize(overview->sizeHint());
        centreOn(overview, this);
    }
    overview->show();
    overview->raise();
    overview->activateWindow();
}

// The same workbook from the dialog and from its overview; the line that
// tells where it went is shown in both, without a box to close.
void ShowWindow::exportFrom(QWidget *window, const CountChange *change)
{
    const QString path = exportWorkbook(window, count, firstDay, change);
    if (path.isEmpty())
        return;
    const QString line = QStringLiteral("已导出：") + QFileInfo(path).fileName();
    exportedLabel->setText(line);
    exportedLabel->show();
    if (overview)
        overview->showExported(line);
}

// Selects the course in both boxes and brings their window to the front;
// once a box has been edited its lines may be other courses, so nothing is.
// A course of another count is shown while the boxes hold that count's texts.
void ShowWindow::showCourse(int courseCount, int index)
{
    if (!timeBox || !countBox)
        return;
    const bool own = courseCount == number;
    const Count *shown = own ? &count : counts->count(courseCount);
    const bool boxesHold = own ? !inputEdited
                               : shown && timeBox->toPlainText().trimmed() == shown->timeText
                    && countBox->toPlainText().trimmed() == shown->countText;
    if (!boxesHold) {
        overview->showInputEdited();
        return;
    }
    const CourseLines &course = shown->courses.course(index);
    selectLines(countBox, course.headCountLine, course.headCountLines);
    // Last: the boxes scroll together, and the class time is what to see.
    selectLines(timeBox, course.line, course.lines);
    QWidget *window = timeBox->window();
    window->show();
    window->raise();
    window->activateWindow();
    timeBox->setFocus();
}
