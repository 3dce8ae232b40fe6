// A long day of traffic: taking in replies 99,001 to 100,000 into the received-packets log,
// against replies 1 to 1,000. Each reply is one tick and one repaint, as under the 500 ms timer.
// The two logs take their replies in alternating blocks, so that both meet the same load.
#include "BenchConsole.h"

#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int MeasuredLines = 1000;
constexpr int BlockLines = 100;
constexpr int LinesBefore = 99'000;
constexpr int Repetitions = 3;

// Seconds that console takes for lines replies, each with its repaint.
double timeReplies(BenchConsole& console, int lines)
{
    const auto start = Clock::now();
    for (int line = 0; line < lines; ++line) {
        console.takeInPriceReply();
        settle();
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void LogGrowth(benchmark::State& state)
{
    BenchConsole early;
    BenchConsole late;
    for (int line = 0; line < LinesBefore; ++line) {
        late.takeInPriceReply();
        if (line % MeasuredLines == 0) settle();
    }
    settle();
    for (auto _ : state) {
        double earlySeconds = 0;
        double lateSeconds = 0;
        for (int block = 0; block < MeasuredLines / BlockLines; ++block) {
            earlySeconds += timeReplies(early, BlockLines);
            lateSeconds += timeReplies(late, BlockLines);
        }
        state.SetIterationTime(lateSeconds);
        state.counters["lines_1_1000_s"] = earlySeconds;
        state.counters["lines_99001_100000_s"] = lateSeconds;
    }
    if (early.receivedLog().blockCount() != MeasuredLines ||
        late.receivedLog().blockCount() != LinesBefore + MeasuredLines)
        state.SkipWithError("the logs do not hold one line per reply");
}

} // namespace

BENCHMARK(LogGrowth)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMillisecond);
