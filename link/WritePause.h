#pragma once

#include <chrono>

// The blocking pause some requests take after their write, so that a slow controller is not
// hurried. A tool that drives the console far faster than any controller answers (the fuzzer)
// may replace it; nullptr restores the plain sleep.
namespace WritePause {

using Pauser = void (*)(std::chrono::milliseconds pause);

void setPauser(Pauser pauser);
void take(std::chrono::milliseconds pause);

} // namespace WritePause
