// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "boxlines.h"
#include "reporttext.h"
#include "showwindow.h"
#include "timeparser.h"

#include <QDebug>
#include <QMessageBox>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new MainWindowForm)
{
    ui->setupUi(this);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::on_pushButton_clicked()
{
    const QString timeBox = ui->textEdit->toPlainText();
    const QString countBox = ui->textEdit_2->toPlainText();
    const QString timeText = timeBox.trimmed();
    const QString countText = countBox.trimmed();
    if (checkLineCounts(timeText, countText)) {
        // Modeless and owned by this window: every press adds a dialog of its own.
        const FirstLines firstLines{firstLineOfTrimmed(timeBox), firstLineOfTrimmed(countBox)};
        (new ShowWindow(this, timeText, countText, firstLines))->show();
        return;
    }
    QString message = QStringLiteral("上课时间数量：") + QString::number(boxLineCount(timeText))
            + QStringLiteral("\n上课人数数量：") + QString::number(boxLineCount(countText));
    // Several columns pasted into a box are the likeliest reason the counts differ.
    const QString tabs = severalColumnsText(tabbedLines(timeText, countText));
    if (!tabs.isEmpty())
        message += QLatin1Char('\n') + tabs;
    QMessageBox::warning(this, QStringLiteral("行数不一致"), message, QMessageBox::Ok);
}

bool MainWindow::checkLineCounts(const QString &timeText, const QString &countText)
{
    const int timeLines = boxLineCount(timeText);
    const int countLines = boxLineCount(countText);
    qDebug() << "行数：" << timeLines << "    " << countLines;
    return timeLines == countLines;
}
