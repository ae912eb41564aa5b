// SPDX-License-Identifier: GPL-3.0-or-later

#include "courselistopener.h"

#include "courselistfile.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextEdit>
#include <QUrl>

namespace {

// The first local file of a drag that is a course list, if any.
QString droppedCourseList(const QMimeData *data)
{
    for (const QUrl &url : data->urls()) {
        CourseListFormat format = CourseListFormat::Csv;
        if (url.isLocalFile() && courseListFormat(url.toLocalFile(), &format))
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

CourseListOpener::CourseListOpener(QWidget *window, QTextEdit *timeBox, QTextEdit *countBox, QLabel *notice)
    : QObject(window)
    , window(window)
    , timeBox(timeBox)
    , countBox(countBox)
    , notice(notice)
{
    // The boxes take dropped text themselves; a dropped file is read here.
    window->setAcceptDrops(true);
    for (QObject *target : {static_cast<QObject *>(window), static_cast<QObject *>(timeBox->viewport()),
                            static_cast<QObject *>(countBox->viewport())})
        target->installEventFilter(this);
    auto *openKey = new QShortcut(QKeySequence::Open, window);
    connect(openKey, &QShortcut::activated, this, &CourseListOpener::choose);
}

bool CourseListOpener::open(const QString &path)
{
    CourseList list;
    QString problem;
    if (!readCourseListFile(path, CourseListChoice(), &list, &problem)) {
        QMessageBox::warning(window, QStringLiteral("无法读入课程表"),
                             QStringLiteral("无法读入“%1”：%2").arg(QFileInfo(path).fileName(), problem),
                             QMessageBox::Ok);
        return false;
    }
    timeBox->setPlainText(list.timeText);
    countBox->setPlainText(list.countText);
    // As the boxes give them back, which is what a count will compare.
    filledTimes = timeBox->toPlainText();
    filledCounts = countBox->toPlainText();
    filledNames = courseNamesByLine(filledTimes, list);
    // The notice is longer than the window may be wide.
    notice->setWordWrap(true);
    notice->setText(readNotice(QFileInfo(path).fileName(), list));
    return true;
}

CourseNames CourseListOpener::namesOf(const QString &timeBoxText, const QString &countBoxText) const
{
    if (timeBoxText != filledTimes || countBoxText != filledCounts)
        return CourseNames();
    return filledNames;
}

bool CourseListOpener::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = droppedCourseList(drop->mimeData());
    if (path.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        open(path);
    return true;
}

void CourseListOpener::choose()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getOpenFileName(window, QStringLiteral("打开课程表"), documents,
                                                      QStringLiteral("课程表 (*.xlsx *.xls *.csv)"));
    if (!path.isEmpty())
        open(path);
}
