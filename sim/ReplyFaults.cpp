#include "sim/ReplyFaults.h"

#include <array>

namespace CorvanSim {

namespace {

// Noise that looks like frame bytes (ETX, ACK, NAK, FFh) but never holds a start byte.
constexpr std::array<std::uint8_t, 8> Noise{0xAA, 0x55, 0x00, 0xFF, 0x03, 0x06, 0x15, 0x80};

} // namespace

Bytes ReplyFaults::apply(Bytes reply)
{
    ++replies_;
    if (badChecksumEvery_ != 0 && replies_ % badChecksumEvery_ == 0 && !reply.empty())
        reply.back() ^= 0xFF;
    Bytes bytes;
    bytes.reserve(garbage_ + reply.size());
    for (std::size_t i = 0; i < garbage_; ++i)
        bytes.push_back(Noise[i % Noise.size()]);
    bytes.insert(bytes.end(), reply.begin(), reply.end());
    return bytes;
}

} // namespace CorvanSim
