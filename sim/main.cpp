#include "sim/Controller.h"
#include "sim/FrameAssembler.h"
#include "sim/Options.h"
#include "sim/Port.h"
#include "sim/PortLink.h"
#include "sim/ReplyFaults.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <poll.h>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

using namespace CorvanSim;

constexpr int QuietLineMs = 250;     // a frame begun and then left this long is given up
constexpr int HangUpBackoffMs = 200; // between looks at a line that reports a hang-up
constexpr int WriteTimeoutMs = 1000; // a reply nobody takes within this is dropped
constexpr std::size_t ReadChunk = 256;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

// Blocks SIGINT and SIGTERM outside the waits and returns the mask the waits use, so that a
// stop request cannot slip in between the look at stopRequested and the wait that follows.
sigset_t installStopHandlers()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    signal(SIGPIPE, SIG_IGN); // a reader of standard output that has gone must not stop us

    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
    return waitMask;
}

// Runs the request/reply loop on one port until a stop is requested.
class Simulator {
public:
    Simulator(const Options& options, int fd, sigset_t waitMask)
        : options_(options), fd_(fd), waitMask_(waitMask),
          faults_(options.garbage, options.badChecksumEvery)
    {
    }

    void run()
    {
        std::uint8_t buffer[ReadChunk];
        while (!stopRequested) {
            pollfd port{fd_, POLLIN, 0};
            const int ready = wait(&port, QuietLineMs);
            if (ready < 0 && errno != EINTR)
                throw std::system_error(errno, std::generic_category(), "cannot wait for input");
            if (ready == 0) answerAll(assembler_.lineWentQuiet());
            if (ready <= 0) continue;
            const ssize_t count = (port.revents & POLLIN) ? read(fd_, buffer, sizeof buffer) : 0;
            if (count > 0) {
                answerAll(assembler_.feed({buffer, std::size_t(count)}));
                continue;
            }
            if (count < 0 && errno == EAGAIN) continue;
            // Ready yet nothing to read: nobody holds the line open (EIO, hang-up), so look
            // again a little later instead of spinning.
            assembler_.lineWentQuiet(); // what a departed client began is not answered
            wait(nullptr, HangUpBackoffMs);
        }
    }

private:
    // ppoll with the stop signals let through; 0 on a time-out, -1 on a signal or error.
    int wait(pollfd* port, int milliseconds)
    {
        const timespec timeout{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
        return ppoll(port, port ? 1 : 0, &timeout, &waitMask_);
    }

    void answerAll(const std::vector<Bytes>& requests)
    {
        for (const Bytes& request : requests)
            answer(request);
    }

    void answer(const Bytes& request)
    {
        log("->", request);
        if (options_.silent.contains(request[CommandOffset])) {
            logNote("(silent)");
            return;
        }
        const std::optional<Bytes> reply = controller_.answer(request);
        if (!reply) return;
        const Bytes bytes = faults_.apply(*reply);
        if (options_.delayMs > 0) wait(nullptr, static_cast<int>(options_.delayMs));
        const std::size_t first = options_.splitGapMs ? bytes.size() / 2 : bytes.size();
        if (writeAll(bytes.data(), first) && first < bytes.size()) {
            wait(nullptr, static_cast<int>(*options_.splitGapMs));
            writeAll(bytes.data() + first, bytes.size() - first);
        }
        log("<-", bytes);
    }

    bool writeAll(const std::uint8_t* data, std::size_t count)
    {
        while (count > 0 && !stopRequested) {
            const ssize_t written = write(fd_, data, count);
            if (written > 0) {
                data += written;
                count -= static_cast<std::size_t>(written);
                continue;
            }
            if (written < 0 && errno != EAGAIN) break;
            pollfd port{fd_, POLLOUT, 0};
            if (wait(&port, WriteTimeoutMs) == 0) break;
        }
        if (count > 0) logNote("reply not fully written");
        return count == 0;
    }

    void log(std::string_view direction, const Bytes& bytes) const
    {
        if (options_.log) std::cerr << direction << ' ' << toHex(bytes) << std::endl;
    }

    void logNote(std::string_view note) const
    {
        if (options_.log) std::cerr << "   " << note << std::endl;
    }

    const Options& options_;
    int fd_;
    sigset_t waitMask_;
    Controller controller_;
    FrameAssembler assembler_;
    ReplyFaults faults_;
};

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.error.empty()) {
        std::cerr << "corvan-sim: " << parsed.error << "\nTry corvan-sim --help.\n";
        return 2;
    }
    const Options& options = parsed.options;
    if (options.help) {
        std::cout << usageText();
        return 0;
    }

    const sigset_t waitMask = installStopHandlers();
    try {
        const auto port = options.device.empty()
                              ? std::make_unique<Port>()
                              : std::make_unique<Port>(options.device, options.baud);
        std::optional<PortLink> link;
        if (!options.link.empty()) link.emplace(options.link, port->name());
        std::cout << "Simulated controller on " << port->name() << std::endl;
        if (link) std::cout << "Link " << options.link << " -> " << port->name() << std::endl;

        Simulator(options, port->fd(), waitMask).run();
    } catch (const std::system_error& error) {
        std::cerr << "corvan-sim: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
