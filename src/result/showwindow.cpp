#include "showwindow.h"

#include "periodtotals.h"
#include "reporttext.h"
#include "weekdays.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int unreadItemsListed = 10;
}

ShowWindow::ShowWindow(QWidget *parent, QString timeText, QString countText)
    : QDialog(parent)
{
    // Parsed before the widgets are made: unread items add a notice under them.
    QList<RejectedItem> unread;
    buildEntries(splitLines(timeText), splitLines(countText), entries, firstDay, &unread);
    setupUi(unread);
}

ShowWindow::~ShowWindow() = default;

void ShowWindow::setupUi(const QList<RejectedItem> &unread)
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

    if (unread.isEmpty()) {
        setLayout(row);
    } else {
        auto *page = new QVBoxLayout(this);
        page->addLayout(row);
        auto *notice = new QLabel(this);
        notice->setObjectName(QStringLiteral("unreadNotice"));
        notice->setTextFormat(Qt::PlainText);
        notice->setWordWrap(true);
        notice->setText(rejectedNotice(unread, unreadItemsListed));
        page->addWidget(notice);
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
