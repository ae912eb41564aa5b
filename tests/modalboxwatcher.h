// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MODALBOXWATCHER_H
#define MODALBOXWATCHER_H

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Answers the next modal message box from inside its own event loop, keeping
// what it showed. A box that never opens leaves `seen` false.
class ModalBoxWatcher : public QObject
{
public:
    ModalBoxWatcher() { QTimer::singleShot(0, this, &ModalBoxWatcher::look); }

    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString okText; // as the Ok button reads
    QWidget *parent = nullptr;

private:
    void look()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (++tries < 200)
                QTimer::singleShot(5, this, &ModalBoxWatcher::look);
            return;
        }
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        parent = box->parentWidget();
        okText = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    }

    int tries = 0;
};

#endif // MODALBOXWATCHER_H
