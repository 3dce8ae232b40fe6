// One poll tick that takes in, logs and decodes a price reply, against the bare cost of
// appending one line to an empty QPlainTextEdit.
#include "BenchConsole.h"

#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Samples = 2000;

// Times only what step does; before each sample the log is emptied and the window repainted,
// as the event loop does between two ticks.
template <typename Prepare, typename Step>
void timeSteps(benchmark::State& state, Prepare prepare, Step step)
{
    for (auto _ : state) {
        prepare();
        settle();
        const auto start = Clock::now();
        step();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

void PriceReplyTick(benchmark::State& state)
{
    BenchConsole console;
    timeSteps(
        state, [&] { console.clearLogs(); }, [&] { console.takeInPriceReply(); });
    if (console.receivedLog().toPlainText() != hexLine(priceReply()))
        state.SkipWithError("the tick did not log the reply");
}

void AppendOneLine(benchmark::State& state)
{
    // Set up as the console's log (size, font, read-only, no wrapping, scroll bar), alone.
    QPlainTextEdit log;
    {
        BenchConsole console;
        const QPlainTextEdit& model = console.receivedLog();
        log.resize(model.size());
        log.setFont(model.font());
        log.setReadOnly(model.isReadOnly());
        log.setLineWrapMode(model.lineWrapMode());
        log.setVerticalScrollBarPolicy(model.verticalScrollBarPolicy());
    }
    log.show();
    const QString line = hexLine(priceReply());
    timeSteps(
        state, [&] { log.clear(); }, [&] { log.appendPlainText(line); });
}

} // namespace

constexpr int Repetitions = 5;

BENCHMARK(PriceReplyTick)
    ->UseManualTime()
    ->Iterations(Samples)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(AppendOneLine)
    ->UseManualTime()
    ->Iterations(Samples)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMicrosecond);
