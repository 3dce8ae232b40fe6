#include "Ratios.h"

#include <cstdio>
#include <unistd.h>

namespace {

// One measurement against its baseline, with what it should stay under. A measurement is a
// benchmark's time, or "Benchmark.counter" for a counter in seconds.
struct Comparison {
    const char* title;
    const char* measured;
    const char* baseline;
    const char* unit;          // "ms" or "us"
    double maxRatio;           // 0 when the ratio has no target
    double maxMeasuredSeconds; // 0 when the measured time has no target of its own
};

constexpr double Unlimited = 0;

const Comparison Comparisons[] = {
    {
        "1. Start: TMainScreen built and shown / plain QMainWindow, same widgets",
        "MainScreenStart",
        "PlainWindowStart",
        "ms",
        1.3,
        Unlimited,
    },
    {
        "2. Tick: 53-byte price reply taken in, logged, decoded / one line appended",
        "PriceReplyTick",
        "AppendOneLine",
        "us",
        Unlimited,
        1e-3,
    },
    {
        "3. Log: replies 99,001-100,000 / replies 1-1,000",
        "LogGrowth.lines_99001_100000_s",
        "LogGrowth.lines_1_1000_s",
        "ms",
        2.0,
        Unlimited,
    },
};

double inUnit(double seconds, const char* unit)
{
    return seconds * (unit[0] == 'm' ? 1e3 : 1e6);
}

} // namespace

// Colours only on a terminal, as Google Benchmark's own reporter does by default.
RatioReporter::RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "min") continue;
        Result& result = results_[run.run_name.function_name];
        const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
        result.seconds = run.GetAdjustedRealTime() / perSecond;
        if (run.run_name.time_type.empty())
            result.cpuSeconds = run.GetAdjustedCPUTime() / perSecond;
        for (const auto& [name, counter] : run.counters)
            result.counters[name] = counter.value;
    }
}

const RatioReporter::Result* RatioReporter::find(const std::string& name) const
{
    const auto found = results_.find(name);
    return found == results_.end() ? nullptr : &found->second;
}

std::optional<RatioReporter::Result> RatioReporter::measurement(const std::string& name) const
{
    const std::size_t dot = name.find('.');
    const Result* result = find(name.substr(0, dot));
    if (!result) return std::nullopt;
    if (dot == std::string::npos) return *result;
    const auto counter = result->counters.find(name.substr(dot + 1));
    if (counter == result->counters.end()) return std::nullopt;
    Result value;
    value.seconds = counter->second;
    return value;
}

bool RatioReporter::printSummary() const
{
    bool met = true;
    std::printf("\nEach measurement against its baseline in this run\n");
    for (const Comparison& c : Comparisons) {
        const std::optional<Result> measured = measurement(c.measured);
        const std::optional<Result> baseline = measurement(c.baseline);
        if (!measured || !baseline) continue; // filtered out, or failed (reported above)
        const double ratio = measured->seconds / baseline->seconds;
        const bool ratioMet = c.maxRatio == Unlimited || ratio < c.maxRatio;
        const bool timeMet =
            c.maxMeasuredSeconds == Unlimited || measured->seconds < c.maxMeasuredSeconds;
        met = met && ratioMet && timeMet;
        std::printf("%s\n    %.1f %s / %.1f %s = ratio %.2f", c.title,
                    inUnit(measured->seconds, c.unit), c.unit, inUnit(baseline->seconds, c.unit),
                    c.unit, ratio);
        if (c.maxRatio != Unlimited) std::printf("   target < %.1f", c.maxRatio);
        if (c.maxMeasuredSeconds != Unlimited)
            std::printf("   target < %.0f %s", inUnit(c.maxMeasuredSeconds, c.unit), c.unit);
        std::printf("   %s\n", ratioMet && timeMet ? "met" : "MISSED");
        if (measured->cpuSeconds > 0 && baseline->cpuSeconds > 0) {
            std::printf("    (CPU time: %.1f %s / %.1f %s = ratio %.2f)\n",
                        inUnit(measured->cpuSeconds, c.unit), c.unit,
                        inUnit(baseline->cpuSeconds, c.unit), c.unit,
                        measured->cpuSeconds / baseline->cpuSeconds);
        }
    }
    if (const Result* memory = find("LogMemory")) {
        const auto& n = memory->counters;
        std::printf("4. Memory: peak after 100,000 logged frames / empty log\n"
                    "    %.1f MiB / %.1f MiB = %.0f bytes per logged line\n",
                    n.at("full_peak_KiB") / 1024, n.at("empty_peak_KiB") / 1024,
                    n.at("bytes_per_line"));
    }
    return met;
}
