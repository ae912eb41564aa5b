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

} // namespace

QString exportWorkbook(QWidget *window, const TermTotals &term, bool firstDay,
                       const QList<UncountedItem> &uncounted, const TabbedLines &tabbed)
{
    // The dialog asks before it replaces a file, and adds ".xlsx" to a name without a suffix.
    QFileDialog dialog(window, QStringLiteral("导出 Excel"), suggestedPath(),
                       QStringLiteral("Excel 工作簿 (*.xlsx)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().constFirst();
    QString reason;
    if (!writeWorkbook(path, term, firstDay, uncounted, tabbed, &reason)) {
        QMessageBox::warning(window, QStringLiteral("导出失败"),
                             QStringLiteral("无法导出到 %1：%2")
                                     .arg(QDir::toNativeSeparators(path), reason),
                             QMessageBox::Ok);
        return QString();
    }
    return path;
}
