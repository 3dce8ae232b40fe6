#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <string>

// Shows the benchmarks as they run, keeps their times and counters, and at the end prints each
// measurement against its baseline from the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter();

    void ReportRuns(const std::vector<Run>& runs) override;

    // Prints the ratios and the memory per line; false when a target is missed.
    bool printSummary() const;

private:
    struct Result {
        double seconds = 0;     // wall time per iteration (the fastest of repetitions)
        double cpuSeconds = -1; // main-thread CPU time per iteration; -1 when timed by hand
        std::map<std::string, double> counters;
    };
    const Result* find(const std::string& name) const;
    // A benchmark's result, or one of its counters ("Benchmark.counter") as its time.
    std::optional<Result> measurement(const std::string& name) const;

    std::map<std::string, Result> results_;
};
