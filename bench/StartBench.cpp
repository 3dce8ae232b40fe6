// Start-up: the real main window built and shown, against a plain QMainWindow with the same
// widgets and no logic.
#include "BenchConsole.h"
#include "Commands.h"
#include "PlainWindow.h"
#include "console/MainScreenCardDispenser.h"
#include "console/Startup.h"

#include <benchmark/benchmark.h>

namespace {

// The widgets of a real main window, counted once.
const WidgetCensus& mainScreenCensus()
{
    static const WidgetCensus census = [] {
        BenchConsole console;
        return takeCensus(console.screen());
    }();
    return census;
}

// Times making and showing a window; closing it is left out.
template <typename Make> void timeShowing(benchmark::State& state, Make make)
{
    for (auto _ : state) {
        auto window = make();
        window->show();
        settle();
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

void MainScreenStart(benchmark::State& state)
{
    // The system's serial port, as the console starts: closed until the user opens it.
    timeShowing(state, [] { return createMainScreen(); });
}

void PlainWindowStart(benchmark::State& state)
{
    const WidgetCensus& census = mainScreenCensus();
    timeShowing(state, [&] { return buildPlainWindow(census); });
}

constexpr int Repetitions = 10;

BENCHMARK(MainScreenStart)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWindowStart)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMillisecond);

} // namespace

void printMainScreenCensus()
{
    printCensus(mainScreenCensus());
}
