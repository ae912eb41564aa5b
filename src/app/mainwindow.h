// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

namespace Ui {
class MainWindow;
}
// The form built by uic from mainwindow.ui.
using MainWindowForm = Ui::MainWindow;

// The input window: class times on the left, head counts on the right, and
// the start button that opens a result dialog for them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_pushButton_clicked();

private:
    bool checkLineCounts(const QString &timeText, const QString &countText);

    MainWindowForm *ui;
};

#endif // MAINWINDOW_H
