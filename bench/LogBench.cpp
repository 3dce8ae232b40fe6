// A long day of traffic: taking in replies 99,001 to 100,000 into the received-packets log,
// against replies 1 to 1,000. Each reply is one tick and one repaint, as under the 500 ms timer.
#include "BenchConsole.h"

#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int MeasuredLines = 1000;
constexpr int Repetitions = 3;

// Times lines first + 1 ... first + MeasuredLines of a log that starts empty.
void timeLines(benchmark::State& state, int first)
{
    BenchConsole console;
    for (int line = 0; line < first; ++line) {
        console.takeInPriceReply();
        if (line % MeasuredLines == 0) settle();
    }
    settle();
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int line = 0; line < MeasuredLines; ++line) {
            console.takeInPriceReply();
            settle();
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    if (console.receivedLog().blockCount() != first + MeasuredLines)
        state.SkipWithError("the log does not hold one line per reply");
}

void LogLines1To1000(benchmark::State& state)
{
    timeLines(state, 0);
}

void LogLines99001To100000(benchmark::State& state)
{
    timeLines(state, 99'000);
}

} // namespace

BENCHMARK(LogLines1To1000)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(LogLines99001To100000)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMillisecond);
