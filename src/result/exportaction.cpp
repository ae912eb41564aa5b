// SPDX-License-Identifier: GPL-3.0-or-later

#include "exportaction.h"

#include "workbook.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

// In the user's Documents folder, or the home folder where there is none.
QString suggestedPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(workbookTitle() + QStringLiteral(".xlsx"));
}

// The save dialog's own question, in its words and with its answers.
bool mayReplace(QFileDialog *dialog, const QString &path)
{
    return QMessageBox::warning(dialog, dialog->windowTitle(),
                                QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                        .arg(QFileInfo(path).fileName()),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
}

} // namespace

QString exportWorkbook(QWidget *window, const Count &count, bool firstDay, const CountChange *change)
{
    QFileDialog dialog(window, QStringLiteral("导出 Excel"), suggestedPath(),
                       QStringLiteral("Excel 工作簿 (*.xlsx)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    QString path;
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString chosen = dialog.selectedFiles().constFirst();
        path = workbookPath(chosen);
        // The dialog asked about the name it was given; only a name it did not see needs asking.
        if (path == chosen || !QFileInfo::exists(path) || mayReplace(&dialog, path))
            break;
        dialog.selectFile(path);
    }
    QString reason;
    if (!writeWorkbook(path, count, firstDay, change, &reason)) {
        QMessageBox::warning(window, QStringLiteral("导出失败"),
                             QStringLiteral("无法导出到 %1：%2")
                                     .arg(QDir::toNativeSeparators(path), reason),
                             QMessageBox::Ok);
        return QString();
    }
    return path;
}
