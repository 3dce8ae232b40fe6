#include "link/WritePause.h"

#include <thread>

namespace WritePause {
namespace {

Pauser& current()
{
    static Pauser pauser = nullptr;
    return pauser;
}

} // namespace

void setPauser(Pauser pauser)
{
    current() = pauser;
}

void take(std::chrono::milliseconds pause)
{
    if (current()) {
        current()(pause);
        return;
    }
    std::this_thread::sleep_for(pause);
}

} // namespace WritePause
