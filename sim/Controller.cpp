#include "sim/Controller.h"

#include "link/Unit2.h"
#include "sim/PayloadFields.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace CorvanSim {

namespace {

struct Reply {
    std::uint8_t code;
    std::string payload;
};

Reply ack(std::string payload = {})
{
    return {Ack, std::move(payload)};
}

Reply nak()
{
    return {Nak, {}};
}

std::string joined(const std::vector<unsigned>& values)
{
    std::string text;
    for (unsigned value : values) {
        if (!text.empty()) text += ',';
        text += std::to_string(value);
    }
    return text;
}

constexpr unsigned MaxValue = 65500; // the largest debit, credit or API cash limit in cents
constexpr Range Milliseconds{1, 65500};
constexpr Range Seconds{1, 65500};
constexpr Range Flag{0, 1};

std::vector<Range> repeated(Range range, std::size_t count)
{
    return std::vector<Range>(count, range);
}

// A group of numbers read as "%u,%u,..." by one command and written the same way by another.
// A non-empty selector names the group: the read must carry exactly it, the write leads with
// it as its first field.
struct NumberSetting {
    std::uint8_t readCode;
    std::uint8_t writeCode;
    std::vector<unsigned> ControllerState::*values;
    std::vector<Range> ranges;
    std::string_view selector;
};

const std::vector<NumberSetting>& numberSettings()
{
    static const std::vector<NumberSetting> table = {
        {0xB1, 0xB0, &ControllerState::apiCashLimit, {{1, MaxValue}}, ""},
        {0xE6, 0xE7, &ControllerState::cashLimit, {{5, 65000}}, ""},
        {0x8A, 0x89, &ControllerState::pulseValues, repeated({1, 65000}, 6), ""},
        {0x91, 0x90, &ControllerState::prices1to8, repeated({1, 32000}, 8), ""},
        {0x93, 0x92, &ControllerState::prices9to16, repeated({1, 32000}, 8), ""},
        {0x99,
         0x9A,
         &ControllerState::optoPulse1,
         {Milliseconds, Milliseconds, Milliseconds, Flag},
         "1"},
        {0xD0, 0xD1, &ControllerState::timeVend, {Seconds, Seconds, Flag}, ""},
        {0xB5, 0xB4, &ControllerState::ports, repeated({10, 65000}, 2), ""},
    };
    return table;
}

constexpr std::uint8_t ReadOnly = 0x00; // no command writes the text

// A text the controller reports as it stands; the writable ones are IPv4 addresses.
struct TextSetting {
    std::uint8_t readCode;
    std::uint8_t writeCode;
    std::string ControllerState::*text;
};

constexpr std::array<TextSetting, 7> TextSettings{{
    {0xB3, 0xB2, &ControllerState::ipAddress},
    {0xB7, 0xB6, &ControllerState::subnet},
    {0xB9, 0xB8, &ControllerState::gateway},
    {0xBA, ReadOnly, &ControllerState::macAddress},
    {0xA4, ReadOnly, &ControllerState::version},
    {0xA7, ReadOnly, &ControllerState::serialNumber},
    {0xA8, ReadOnly, &ControllerState::systemStatus},
}};

constexpr std::array<std::string_view, 3> ModeNames{"Standard", "Steering", "TimeVend"};

std::optional<unsigned> singleValue(std::string_view payload)
{
    const auto values = parseNumbers(payload, {{1, MaxValue}});
    return values ? std::optional<unsigned>(values->front()) : std::nullopt;
}

Reply readEscrow(ControllerState& s, std::string_view)
{
    return ack(std::to_string(s.escrow));
}

Reply readEscrowStatus(ControllerState& s, std::string_view)
{
    return ack(s.escrow > 0 ? "1" : "0"); // cash escrow, or none
}

Reply debit(ControllerState& s, std::string_view payload)
{
    const auto value = singleValue(payload);
    if (!value || *value > s.escrow) return nak();
    s.escrow -= *value;
    return ack();
}

Reply credit(ControllerState& s, std::string_view payload)
{
    const auto value = singleValue(payload);
    if (!value || s.escrow + *value > s.apiCashLimit.front()) return nak();
    s.escrow += *value;
    return ack();
}

Reply payoutChange(ControllerState& s, std::string_view)
{
    s.escrow = 0; // the whole escrow is paid out as change
    return ack();
}

Reply closeCardTransaction(ControllerState&, std::string_view)
{
    return ack(); // no card session is ever open here, so there is nothing to end
}

Reply readModeName(ControllerState& s, std::string_view)
{
    return ack(std::string(ModeNames.at(s.systemMode)));
}

Reply readModeDigit(ControllerState& s, std::string_view)
{
    return ack(std::string(1, static_cast<char>('0' + s.systemMode)));
}

Reply writeMode(ControllerState& s, std::string_view payload)
{
    // The mode travels as one raw byte, not as a digit.
    if (payload.size() != 1 || static_cast<unsigned char>(payload[0]) >= ModeNames.size())
        return nak();
    s.systemMode = static_cast<std::uint8_t>(payload[0]);
    return ack();
}

Reply restoreDefaults(ControllerState& s, std::string_view payload)
{
    if (payload != "0" && payload != "1") return nak();
    const unsigned escrow = s.escrow;
    s = ControllerState{};
    if (payload == "0") // a soft restore keeps the money held; a hard reset does not
        s.escrow = escrow;
    return ack();
}

// Commands that act on the escrow or on the controller as a whole.
struct Action {
    std::uint8_t code;
    Reply (*run)(ControllerState&, std::string_view payload);
};

constexpr std::array<Action, 10> Actions{{
    {0x80, readEscrow},
    {0xAD, readEscrowStatus},
    {0x83, debit},
    {0x84, credit},
    {0xA2, payoutChange},
    {0xEE, closeCardTransaction},
    {0xA5, readModeName},
    {0xC2, readModeDigit},
    {0xC3, writeMode},
    {0xFC, restoreDefaults},
}};

std::optional<Reply> runNumberSetting(ControllerState& state, std::uint8_t command,
                                      std::string_view payload)
{
    for (const NumberSetting& setting : numberSettings()) {
        if (command == setting.readCode) {
            if (!setting.selector.empty() && payload != setting.selector) return nak();
            return ack(joined(state.*setting.values));
        }
        if (command == setting.writeCode) {
            if (!setting.selector.empty()) {
                const std::string lead = std::string(setting.selector) + ',';
                if (!payload.starts_with(lead)) return nak();
                payload.remove_prefix(lead.size());
            }
            auto values = parseNumbers(payload, setting.ranges);
            if (!values) return nak();
            state.*setting.values = std::move(*values);
            return ack();
        }
    }
    return std::nullopt;
}

std::optional<Reply> runTextSetting(ControllerState& state, std::uint8_t command,
                                    std::string_view payload)
{
    for (const TextSetting& setting : TextSettings) {
        if (command == setting.readCode) return ack(state.*setting.text);
        if (command == setting.writeCode && setting.writeCode != ReadOnly) {
            if (!isIpv4Address(payload)) return nak();
            state.*setting.text = std::string(payload);
            return ack();
        }
    }
    return std::nullopt;
}

Reply run(ControllerState& state, std::uint8_t command, std::string_view payload)
{
    if (auto reply = runNumberSetting(state, command, payload)) return *reply;
    if (auto reply = runTextSetting(state, command, payload)) return *reply;
    const auto action = std::find_if(Actions.begin(), Actions.end(),
                                     [command](const Action& a) { return a.code == command; });
    if (action != Actions.end()) return action->run(state, payload);
    return {UnknownCommand, {}};
}

} // namespace

std::optional<Bytes> Controller::answer(std::span<const std::uint8_t> request)
{
    if (!isFrame(request)) return std::nullopt;
    const std::uint8_t address = request[AddressOffset];
    const std::size_t length = request[LengthOffset];
    if (Unit2::XorChecksum(request.data(), length + FrameOverhead - 1) != request.back())
        return buildFrame(address, BadChecksum, {});
    const std::string_view payload(reinterpret_cast<const char*>(request.data()) + PayloadOffset,
                                   length);
    const Reply reply = run(state_, request[CommandOffset], payload);
    return buildFrame(address, reply.code, reply.payload);
}

} // namespace CorvanSim
