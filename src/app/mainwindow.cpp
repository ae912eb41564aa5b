// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "screenfit.h"
#include "showwindow.h"
#include "timeparser.h"

#include <QDebug>
#include <QMessageBox>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new MainWindowForm)
{
    ui->setupUi(this);
    fitToScreen(this);
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
    const QString message = QStringLiteral("上课时间数量：") + QString::number(splitLines(timeText).size())
            + QStringLiteral("\n上课人数数量：") + QString::number(splitLines(countText).size());
    QMessageBox::warning(this, QStringLiteral("行数不一致"), message, QMessageBox::Ok);
}

bool MainWindow::checkLineCounts(const QString &timeText, const QString &countText)
{
    const int timeLines = splitLines(timeText).size();
    const int countLines = splitLines(countText).size();
    qDebug() << "行数：" << timeLines << "    " << countLines;
    return timeLines == countLines;
}
