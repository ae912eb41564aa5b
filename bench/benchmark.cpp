// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the core on a whole university's course list: parsing, one
// result view, the copy-all table, and everything the command-line tool does;
// parsing and the tool also on a list with half of its items marked.

#include "generatedlist.h"
#include "pastedtext.h"
#include "count.h"
#include "reporttext.h"
#include "timeparser.h"

#include <benchmark/benchmark.h>

#include <QtGlobal>

namespace {

constexpr quint64 seed = 1;
constexpr int courseLines = 20000;
constexpr bool mondayFirst = true;

// The parser logs every unread class time; the log would be timed with it.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

struct Input
{
    explicit Input(Marking marking)
    {
        qInstallMessageHandler(quiet);
        list = generateList(seed, courseLines, marking);
        QString problem;
        timeText = pastedText(list.times, &problem);
        countText = pastedText(list.counts, &problem);
        timeLines = boxLines(timeText, Column::ClassTimes);
        countLines = boxLines(countText, Column::HeadCounts);
        buildEntries(timeLines, countLines, entries, mondayFirst);
    }

    GeneratedList list;
    QString timeText;
    QString countText;
    QList<BoxLine> timeLines;
    QList<BoxLine> countLines;
    QList<ClassEntry> entries;
};

// The list with a quarter of its items marked odd or even weeks, or with
// half of them (the benchmark's argument 1).
const Input &input(Marking marking = Marking::Some)
{
    static const Input some(Marking::Some);
    static const Input half(Marking::Half);
    return marking == Marking::Half ? half : some;
}

Marking markingOf(const benchmark::State &state)
{
    return state.range(0) == 1 ? Marking::Half : Marking::Some;
}

void setCounters(benchmark::State &state, Marking marking = Marking::Some)
{
    state.counters["lines"] = courseLines;
    state.counters["items"] = input(marking).list.items;
}

void decodeFiles(benchmark::State &state)
{
    QString problem;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pastedText(input().list.times, &problem));
        benchmark::DoNotOptimize(pastedText(input().list.counts, &problem));
    }
    state.SetBytesProcessed(state.iterations()
                            * (input().list.times.size() + input().list.counts.size()));
}

void splitTexts(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(boxLines(input().timeText, Column::ClassTimes));
        benchmark::DoNotOptimize(boxLines(input().countText, Column::HeadCounts));
    }
}

void parseAll(benchmark::State &state)
{
    const Input &list = input(markingOf(state));
    QList<ClassEntry> entries;
    for (auto _ : state) {
        buildEntries(list.timeLines, list.countLines, entries, mondayFirst);
        benchmark::DoNotOptimize(entries);
    }
    setCounters(state, markingOf(state));
}

// What the result dialog adds up once, for its view, its table and its overview.
void termOfEntries(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(termTotals(input().entries, mondayFirst));
    setCounters(state);
}

void copyAllTable(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(termTableText(termTotals(input().entries, mondayFirst), mondayFirst));
    setCounters(state);
}

// What the desktop program does between the press of the start button and
// the dialog (split and parse), and for copy-all (the table), without widgets.
void pressAndCopyCore(benchmark::State &state)
{
    for (auto _ : state) {
        QList<ClassEntry> entries;
        buildEntries(boxLines(input().timeText, Column::ClassTimes),
                     boxLines(input().countText, Column::HeadCounts), entries, mondayFirst);
        benchmark::DoNotOptimize(termTableText(termTotals(entries, mondayFirst), mondayFirst));
    }
    setCounters(state);
}

// The command-line tool's work, from the files' bytes to the table's bytes.
void wholeTool(benchmark::State &state)
{
    const GeneratedList &list = input(markingOf(state)).list;
    for (auto _ : state) {
        QString problem;
        FirstLines firstLines;
        const QString timeText = pastedText(list.times, &problem, &firstLines.time);
        const QString countText = pastedText(list.counts, &problem, &firstLines.headCount);
        QByteArray notice;
        const TermTotals term = termOfTexts(timeText, countText, mondayFirst,
                                            [&](const UncountedItem &item) {
                                                notice += uncountedLine(item).toUtf8();
                                            }, firstLines);
        benchmark::DoNotOptimize(notice);
        benchmark::DoNotOptimize(termTableText(term, mondayFirst).toUtf8());
    }
    setCounters(state, markingOf(state));
}

} // namespace

BENCHMARK(decodeFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(splitTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(parseAll)->ArgName("halfMarked")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(termOfEntries)->Unit(benchmark::kMicrosecond);
BENCHMARK(copyAllTable)->Unit(benchmark::kMillisecond);
BENCHMARK(pressAndCopyCore)->Unit(benchmark::kMillisecond);
BENCHMARK(wholeTool)->ArgName("halfMarked")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
