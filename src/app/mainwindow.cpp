// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "boxlines.h"
#include "courselistopener.h"
#include "reporttext.h"
#include "screenfit.h"
#include "showwindow.h"
#include "timeparser.h"

#include <QDebug>
#include <QFontDatabase>
#include <QMessageBox>
#include <QScrollBar>
#include <QtMath>

#include <memory>

namespace {

// The font the example content sets, for whatever else lands in the boxes.
// Where SimSun is missing, a Chinese font takes its place rather than a
// Latin one: Chinese would then come from a fallback font of another height,
// and lines with Chinese would be taller than lines of digits.
QFont boxFont()
{
    const QString simSun = QStringLiteral("SimSun");
    const QFontDatabase fonts;
    if (!fonts.hasFamily(simSun))
        QFont::insertSubstitutions(simSun, fonts.families(QFontDatabase::SimplifiedChinese));
    return QFont(simSun, 9);
}

// Whichever box scrolls, the other follows. A box with fewer lines, which
// cannot follow all the way, does not hold the other back.
void linkVerticalScrolling(QScrollBar *first, QScrollBar *second)
{
    const auto following = std::make_shared<bool>(false);
    const auto follow = [following](QScrollBar *follower) {
        return [following, follower](int value) {
            if (*following)
                return;
            *following = true;
            follower->setValue(value);
            *following = false;
        };
    };
    QObject::connect(first, &QScrollBar::valueChanged, second, follow(second));
    QObject::connect(second, &QScrollBar::valueChanged, first, follow(first));
}

// Six digits beside the scroll bar, in the box's own font and so at any
// scale; the form's 80 pixels hold them only in small fonts.
int sixDigitsWidth(const QTextEdit *box)
{
    const int digits = box->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    const int margins = 2 * (box->frameWidth() + qCeil(box->document()->documentMargin()));
    return digits + box->cursorWidth() + margins + box->verticalScrollBar()->sizeHint().width();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new MainWindowForm)
{
    ui->setupUi(this);
    // Line N of the times stays beside line N of the head counts: one font,
    // no wrapping, and both boxes scroll together.
    const QFont font = boxFont();
    ui->textEdit->setFont(font);
    ui->textEdit_2->setFont(font);
    linkVerticalScrolling(ui->textEdit->verticalScrollBar(), ui->textEdit_2->verticalScrollBar());
    QTextEdit *counts = ui->textEdit_2;
    counts->setMinimumWidth(qMax(counts->minimumWidth(), sixDigitsWidth(counts)));
    new CourseListOpener(this, ui->textEdit, ui->textEdit_2, ui->label_3);
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
        const CourseNames names = findChild<CourseListOpener *>()->namesOf(timeBox, countBox);
        auto *dialog = new ShowWindow(this, timeText, countText, firstLines, names);
        dialog->setInputBoxes(ui->textEdit, ui->textEdit_2);
        dialog->show();
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
