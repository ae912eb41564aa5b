// SPDX-License-Identifier: GPL-3.0-or-later

#include "showwindow.h"

#include "periodtotals.h"
#include "reporttext.h"
#include "screenfit.h"
#include "weekdays.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtMath>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
// Taller lists scroll, so that the dialog still fits a 1366×768 screen.
constexpr int uncountedLinesShown = 10;
}

ShowWindow::ShowWindow(QWidget *parent, QString timeText, QString countText,
                       FirstLines firstLines)
    : QDialog(parent)
{
    // Parsed before the widgets are made: uncounted items add a notice under them.
    QList<UncountedItem> uncounted;
    buildEntries(splitLines(timeText), splitLines(countText), entries, firstDay,
                 [&](const UncountedItem &item) { uncounted.append(item); }, firstLines);
    setupUi(uncounted);
    fitToScreen(this);
}

ShowWindow::~ShowWindow() = default;

void ShowWindow::setupUi(const QList<UncountedItem> &uncounted)
{
    setMinimumSize(100, 200);

    auto *row = new QHBoxLayout;
    auto *selectors = new QVBoxLayout;
    weekCombo = new QComboBox(this);
    dayList = new QListWidget(this);
    resultView = new QTextEdit(this);
    copyAllButton = new QPushButton(QStringLiteral("复制所有"), this);
    selectors->addWidget(weekCombo);
    selectors->addWidget(dayList);
    row->addLayout(selectors);
    row->addWidget(resultView);
    row->addWidget(copyAllButton);

    if (uncounted.isEmpty()) {
        setLayout(row);
    } else {
        auto *page = new QVBoxLayout(this);
        page->addLayout(row);
        addUncountedNotice(page, uncounted);
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
}

// A heading with the count of each kind, and every item in a list that can
// be scrolled, selected and copied, however many there are.
void ShowWindow::addUncountedNotice(QBoxLayout *page, const QList<UncountedItem> &uncounted)
{
    auto *heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("uncountedHeading"));
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    heading->setText(uncountedHeading(tally(uncounted)));
    page->addWidget(heading);

    QStringList lines;
    for (const UncountedItem &item : uncounted)
        lines.append(uncountedLine(item));
    auto *list = new QPlainTextEdit(this);
    list->setObjectName(QStringLiteral("uncountedList"));
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
    const PeriodTotals totals = totalsFor(entries, currentWeek, currentDay);
    resultView->clear();
    for (const QString &paragraph : viewParagraphs(currentWeek, currentDay, totals))
        resultView->append(paragraph);
    // Each append scrolls to the end; the heading is what the user reads first.
    resultView->verticalScrollBar()->setValue(0);
}

void ShowWindow::slotCopyAll()
{
    const QString table = termTableText(entries, firstDay);
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
