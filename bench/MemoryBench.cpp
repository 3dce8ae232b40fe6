// Peak memory after 100,000 logged frames against an empty log: each measured in a fresh
// process of this program, so that nothing else the run did counts.
#include "BenchConsole.h"
#include "Commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int LoggedFrames = 100'000;
constexpr double BytesPerKib = 1024;

// The process's peak resident memory so far, KiB (VmHWM), or -1.
long peakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Runs this program as a probe that logs that many frames; its peak in KiB, or -1.
long probePeakKib(int frames)
{
    QProcess probe;
    probe.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory-probe"), QString::number(frames)});
    if (!probe.waitForFinished(-1) || probe.exitCode() != 0) return -1;
    bool ok = false;
    const long kib = probe.readAllStandardOutput().trimmed().toLong(&ok);
    return ok ? kib : -1;
}

void LogMemory(benchmark::State& state)
{
    for (auto _ : state) {
        const long empty = probePeakKib(0);
        const long full = probePeakKib(LoggedFrames);
        if (empty < 0 || full < 0) {
            state.SkipWithError("a memory probe failed");
            return;
        }
        state.counters["empty_peak_KiB"] = double(empty);
        state.counters["full_peak_KiB"] = double(full);
        state.counters["bytes_per_line"] = double(full - empty) * BytesPerKib / LoggedFrames;
    }
}

} // namespace

BENCHMARK(LogMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

int runMemoryProbe(int frames)
{
    BenchConsole console;
    for (int frame = 0; frame < frames; ++frame) {
        console.takeInPriceReply();
        if (frame % 1000 == 0) settle();
    }
    settle();
    std::printf("%ld\n", peakResidentKib());
    return 0;
}
