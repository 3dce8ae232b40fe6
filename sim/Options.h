#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace CorvanSim {

// What the command line asks of the simulator: where to listen and which faults to show.
struct Options {
    std::string device;    // empty: a new pseudo-terminal
    std::string link;      // empty: no symbolic link
    unsigned baud = 19200; // only for a device
    std::optional<unsigned> splitGapMs;
    unsigned badChecksumEvery = 0; // 0: every checksum right
    unsigned delayMs = 0;
    std::set<std::uint8_t> silent; // commands left unanswered
    std::size_t garbage = 0;       // bytes before each reply
    bool log = false;
    bool help = false;
};

struct ParsedOptions {
    Options options;
    std::string error; // empty when the command line was understood
};

// Reads the arguments after the program name; both "--name value" and "--name=value" work.
ParsedOptions parseOptions(std::span<const std::string_view> arguments);

// The --help text, one line per option.
std::string usageText();

} // namespace CorvanSim
