#include "support/ProcessClock.h"

#include <QTest>
#include <sys/resource.h>

namespace {

std::chrono::microseconds processorTime()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec);
    return seconds + std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

} // namespace

std::chrono::milliseconds processorTimeWhileServing(std::chrono::milliseconds wall)
{
    const auto before = processorTime();
    QTest::qWait(static_cast<int>(wall.count()));
    return std::chrono::duration_cast<std::chrono::milliseconds>(processorTime() - before);
}
