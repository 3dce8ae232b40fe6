// The console's benchmarks on the offscreen platform. Besides Google Benchmark's own options:
//   --census            print the widgets of a real main window by kind, as the baseline copies
//   --memory-probe N    (used by the memory benchmark) log N frames, print the peak in KiB
#include "Commands.h"
#include "Ratios.h"
#include "console/Application.h"
#include "console/ErrorBox.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    // A modal error box would stop the run: print the message instead.
    ErrorBox::setReporter([](const QString& message) {
        std::fprintf(stderr, "error box: %s\n", qPrintable(message));
    });

    if (argc == 3 && std::strcmp(argv[1], "--memory-probe") == 0)
        return runMemoryProbe(std::stoi(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "--census") == 0) {
        printMainScreenCensus();
        return 0;
    }

    // Repetitions of different benchmarks run interleaved, so that a measurement and its
    // baseline meet the same load on a shared machine; a later option can turn this off.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.printSummary() ? 0 : 2;
}
