#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace CorvanSim {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t Stx = 0x02;
constexpr std::uint8_t Etx = 0x03;

// Response bytes the controller puts where a request has its command.
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Nak = 0x15;
constexpr std::uint8_t BadChecksum = 0xFF;
constexpr std::uint8_t UnknownCommand = 0xFE;

constexpr std::size_t FrameOverhead = 6; // STX, ADD, CMD, LEN, ETX, CHK
constexpr std::size_t MaxPayloadLength = 250;

// Offsets of the header bytes in a frame.
constexpr std::size_t AddressOffset = 1;
constexpr std::size_t CommandOffset = 2;
constexpr std::size_t LengthOffset = 3;
constexpr std::size_t PayloadOffset = 4;

// Lays out <STX><ADD><CMD><LEN><DTA><ETX><CHK>; a payload beyond the maximum is cut to it.
Bytes buildFrame(std::uint8_t address, std::uint8_t command, std::string_view payload);

// True when bytes are exactly one frame in shape (STX, LEN within bounds, ETX in place);
// the checksum is not looked at.
bool isFrame(std::span<const std::uint8_t> bytes);

// Upper-case hexadecimal pairs separated by single spaces, as the traffic logs show them.
std::string toHex(std::span<const std::uint8_t> bytes);

} // namespace CorvanSim
