// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the desktop program on a whole university's course list: from
// the press of "开始统计" to the shown result dialog, and "复制所有" until its
// message box is up and answered; the overview of the whole term from the
// press of its button until it is painted, its change of tab, and a cell
// made current until its courses are listed; and, given a course list file,
// its opening until both boxes hold their texts, and until they show them.
// Runs on the offscreen platform.

#include "courselistopener.h"
#include "generatedlist.h"
#include "mainwindow.h"
#include "overviewwindow.h"
#include "pastedtext.h"
#include "showwindow.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr quint64 seed = 1;
constexpr int courseLines = 20000;

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

constexpr int movedCourses = 500;

struct Texts
{
    QString times;
    QString counts;
    QString movedTimes;
};

const Texts &texts()
{
    static const Texts made = [] {
        const GeneratedList list = generateList(seed, courseLines);
        QString problem;
        return Texts{pastedText(list.times, &problem), pastedText(list.counts, &problem),
                     pastedText(withMovedCourses(list, movedCourses).times, &problem)};
    }();
    return made;
}

// Answers the message box that the copy opens, from inside its own loop.
void answerNextBox()
{
    QTimer::singleShot(0, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
        else
            answerNextBox();
    });
}

void pressToDialog(benchmark::State &state)
{
    MainWindow window;
    window.findChild<QTextEdit *>(QStringLiteral("textEdit"))->setPlainText(texts().times);
    window.findChild<QTextEdit *>(QStringLiteral("textEdit_2"))->setPlainText(texts().counts);
    auto *start = window.findChild<QPushButton *>(QStringLiteral("pushButton"));
    window.show();
    for (auto _ : state) {
        start->click();
        // Lays out and paints the new dialog.
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete window.findChild<ShowWindow *>();
        state.ResumeTiming();
    }
}

void copyAll(benchmark::State &state)
{
    ShowWindow dialog(nullptr, texts().times, texts().counts);
    dialog.show();
    auto *copy = dialog.findChild<QPushButton *>();
    for (auto _ : state) {
        answerNextBox();
        copy->click();
    }
}

QPushButton *overviewButton(ShowWindow &dialog)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("全学期概览"))
            return button;
    }
    return nullptr;
}

void openOverview(benchmark::State &state)
{
    ShowWindow dialog(nullptr, texts().times, texts().counts);
    dialog.show();
    QPushButton *open = overviewButton(dialog);
    for (auto _ : state) {
        open->click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete dialog.findChild<OverviewWindow *>();
        state.ResumeTiming();
    }
}

// The overview of a shown dialog, opened and painted.
OverviewWindow *shownOverview(ShowWindow &dialog)
{
    dialog.show();
    overviewButton(dialog)->click();
    QCoreApplication::processEvents();
    return dialog.findChild<OverviewWindow *>();
}

void switchTab(benchmark::State &state)
{
    ShowWindow dialog(nullptr, texts().times, texts().counts);
    auto *tabs = shownOverview(dialog)->findChild<QTabWidget *>();
    for (auto _ : state) {
        tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count());
        QCoreApplication::processEvents();
    }
}

// A cell of the overview becomes current, until its courses are listed and painted.
void chooseCell(benchmark::State &state)
{
    ShowWindow dialog(nullptr, texts().times, texts().counts);
    auto *grid = shownOverview(dialog)->findChild<QTableView *>();
    int cell = 0;
    for (auto _ : state) {
        grid->setCurrentIndex(grid->model()->index(cell % 18, cell / 18 % 7));
        QCoreApplication::processEvents();
        ++cell;
    }
}

// The list counted, then counted again with courses moved: the overview of
// the second, to compare with the first.
struct TwoCounts
{
    TwoCounts()
        : before(&owner, texts().times, texts().counts)
        , after(&owner, texts().movedTimes, texts().counts)
        , overview(shownOverview(after))
        , choice(overview->findChild<QComboBox *>())
    {
    }

    QWidget owner;
    ShowWindow before;
    ShowWindow after;
    OverviewWindow *overview;
    QComboBox *choice;
};

void chooseCount(benchmark::State &state)
{
    TwoCounts counts;
    for (auto _ : state) {
        counts.choice->setCurrentIndex(1);
        QCoreApplication::processEvents();
        state.PauseTiming();
        counts.choice->setCurrentIndex(0);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// A cell of a comparing overview becomes current, until its changed courses
// are listed and painted.
void chooseChangedCell(benchmark::State &state)
{
    TwoCounts counts;
    counts.choice->setCurrentIndex(1);
    auto *grid = counts.overview->findChild<QTableView *>();
    int cell = 0;
    for (auto _ : state) {
        grid->setCurrentIndex(grid->model()->index(cell % 18, cell / 18 % 7));
        QCoreApplication::processEvents();
        ++cell;
    }
}

// The course list file at `path` opened on the main window, and with
// `shown`, the boxes painted and their documents laid out to the end, as
// their scroll bars need.
void openCourseList(benchmark::State &state, const QString &path, bool shown)
{
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    auto *opener = window.findChild<CourseListOpener *>();
    const QList<QTextEdit *> boxes = window.findChildren<QTextEdit *>();
    for (auto _ : state) {
        if (!opener->open(path)) {
            state.SkipWithError("the course list cannot be read");
            break;
        }
        if (shown) {
            QCoreApplication::processEvents();
            for (QTextEdit *box : boxes) {
                QTextDocument *document = box->document();
                benchmark::DoNotOptimize(document->documentLayout()->blockBoundingRect(document->lastBlock()));
            }
        }
        state.PauseTiming();
        for (QTextEdit *box : boxes)
            box->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(pressToDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(copyAll)->Unit(benchmark::kMillisecond);
BENCHMARK(openOverview)->Unit(benchmark::kMillisecond);
BENCHMARK(switchTab)->Unit(benchmark::kMillisecond);
BENCHMARK(chooseCell)->Unit(benchmark::kMillisecond);
BENCHMARK(chooseCount)->Unit(benchmark::kMillisecond);
BENCHMARK(chooseChangedCell)->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (argc > 1) {
        const QString path = QString::fromLocal8Bit(argv[1]);
        benchmark::RegisterBenchmark("openCourseList", openCourseList, path, false)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("showCourseList", openCourseList, path, true)->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
