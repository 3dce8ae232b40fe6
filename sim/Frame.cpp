#include "sim/Frame.h"

#include "link/Unit2.h"

#include <algorithm>

namespace CorvanSim {

Bytes buildFrame(std::uint8_t address, std::uint8_t command, std::string_view payload)
{
    const std::size_t length = std::min(payload.size(), MaxPayloadLength);
    Bytes frame;
    frame.reserve(length + FrameOverhead);
    frame.push_back(Stx);
    frame.push_back(address);
    frame.push_back(command);
    frame.push_back(static_cast<std::uint8_t>(length));
    frame.insert(frame.end(), payload.begin(), payload.begin() + length);
    frame.push_back(Etx);
    frame.push_back(Unit2::XorChecksum(frame.data(), frame.size()));
    return frame;
}

bool isFrame(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < FrameOverhead || bytes[0] != Stx) return false;
    const std::size_t length = bytes[LengthOffset];
    return length <= MaxPayloadLength && bytes.size() == length + FrameOverhead &&
           bytes[PayloadOffset + length] == Etx;
}

std::string toHex(std::span<const std::uint8_t> bytes)
{
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::uint8_t byte : bytes) {
        char high = 0;
        char low = 0;
        Unit2::ByteToHex(byte, high, low);
        if (!text.empty()) text += ' ';
        text += high;
        text += low;
    }
    return text;
}

} // namespace CorvanSim
