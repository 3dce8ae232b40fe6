#include "sim/Options.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace CorvanSim {

namespace {

constexpr unsigned MaxMilliseconds = 60000;
constexpr std::size_t MaxGarbage = 1000;

std::optional<unsigned> number(std::string_view text, unsigned min, unsigned max, int base = 10)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < min ||
        value > max)
        return std::nullopt;
    return value;
}

// A command byte in hexadecimal: "A4", "a4h" or "0xA4".
std::optional<unsigned> commandByte(std::string_view text)
{
    if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
    if (text.ends_with('h') || text.ends_with('H')) text.remove_suffix(1);
    return number(text, 0, 0xFF, 16);
}

template <typename T> bool store(std::optional<unsigned> value, T& into)
{
    if (value) into = static_cast<T>(*value);
    return value.has_value();
}

// One option: its name, the name of its value (empty for a switch), its help line, and how
// it changes the options (false when the value is not acceptable).
struct OptionRow {
    std::string_view name;
    std::string_view value;
    std::string_view help;
    bool (*apply)(Options&, std::string_view);
};

constexpr std::array<OptionRow, 10> OptionRows{{
    {"--device", "PATH", "answer on this serial device instead of a new pseudo-terminal",
     [](Options& o, std::string_view v) {
         o.device = v;
         return !v.empty();
     }},
    {"--baud", "RATE", "baud rate of --device: 9600 or 19200 (default 19200)",
     [](Options& o, std::string_view v) {
         const auto rate = number(v, 9600, 19200);
         return (rate == 9600u || rate == 19200u) && store(rate, o.baud);
     }},
    {"--link", "PATH", "keep a symbolic link to the port at PATH while running",
     [](Options& o, std::string_view v) {
         o.link = v;
         return !v.empty();
     }},
    {"--split-gap", "MS", "write each reply in two parts, MS milliseconds apart",
     [](Options& o, std::string_view v) {
         return store(number(v, 0, MaxMilliseconds), o.splitGapMs);
     }},
    {"--bad-checksum-every", "N", "spoil the checksum of every Nth reply",
     [](Options& o, std::string_view v) {
         return store(number(v, 1, 1000000), o.badChecksumEvery);
     }},
    {"--delay", "MS", "wait MS milliseconds before each reply",
     [](Options& o, std::string_view v) {
         return store(number(v, 0, MaxMilliseconds), o.delayMs);
     }},
    {"--silent", "CMD", "never answer the command CMD, in hex such as A4 (repeatable)",
     [](Options& o, std::string_view v) {
         const auto command = commandByte(v);
         if (command) o.silent.insert(static_cast<std::uint8_t>(*command));
         return command.has_value();
     }},
    {"--garbage", "N", "send N bytes of line noise (never 02h) before each reply",
     [](Options& o, std::string_view v) { return store(number(v, 0, MaxGarbage), o.garbage); }},
    {"--log", "", "print each request and reply as hex on standard error",
     [](Options& o, std::string_view) {
         o.log = true;
         return true;
     }},
    {"--help", "", "show this help and exit",
     [](Options& o, std::string_view) {
         o.help = true;
         return true;
     }},
}};

} // namespace

ParsedOptions parseOptions(std::span<const std::string_view> arguments)
{
    ParsedOptions parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        std::optional<std::string_view> value;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const auto row = std::find_if(OptionRows.begin(), OptionRows.end(),
                                      [name](const OptionRow& s) { return s.name == name; });
        if (row == OptionRows.end()) {
            parsed.error = "unknown option " + std::string(name);
            return parsed;
        }
        if (!row->value.empty() && !value) {
            if (i + 1 == arguments.size()) {
                parsed.error = std::string(name) + " needs a value";
                return parsed;
            }
            value = arguments[++i];
        }
        if (row->value.empty() && value) {
            parsed.error = std::string(name) + " takes no value";
            return parsed;
        }
        if (!row->apply(parsed.options, value.value_or(""))) {
            parsed.error =
                "bad value for " + std::string(name) + ": " + std::string(value.value_or(""));
            return parsed;
        }
    }
    return parsed;
}

std::string usageText()
{
    std::string text = "Usage: corvan-sim [options]\n"
                       "Simulates a Corvan vend controller on a serial line.\n\n";
    for (const OptionRow& row : OptionRows) {
        std::string left = "  " + std::string(row.name);
        if (!row.value.empty()) left += " " + std::string(row.value);
        left.resize(std::max<std::size_t>(left.size() + 2, 28), ' ');
        text += left + std::string(row.help) + "\n";
    }
    return text;
}

} // namespace CorvanSim
