#pragma once

#include <chrono>

// The processor time (user and system) this process spends while it serves its events for the
// given wall-clock time: near zero for an idle window, close to the wall time for a busy loop.
std::chrono::milliseconds processorTimeWhileServing(std::chrono::milliseconds wall);

// Far below the second that a loop spinning on a dead port would take of each second.
constexpr auto IdleProcessorTimeLimit = std::chrono::milliseconds(250);
