#pragma once

#include <cstddef>
#include <cstdint>

// Frame helpers and the shared buffers that frames are built, parsed and rendered in.
//
// A frame is <STX><ADD><CMD><LEN><DTA...><ETX><CHK>, LEN+6 bytes, CHK being the XOR of every
// byte from STX through ETX. The helpers never read or write outside the buffers, whatever
// counts they are given.
namespace Unit2 {

constexpr std::size_t HexTextSize = 1024;
constexpr std::size_t FrameBufferSize = 256;
constexpr std::size_t FieldSlotCount = 8;
constexpr std::size_t FieldSlotSize = 12; // 11 characters and a NUL
constexpr std::size_t MaxPayloadLength = 250; // LEN+6 must fit in FrameBufferSize

// The one static block of shared buffers, zero at start-up.
struct SharedBuffers {
    char HexText[HexTextSize];
    std::uint8_t TxFrame[FrameBufferSize];
    std::uint8_t RxBuffer[FrameBufferSize];
    char FieldSlots[FieldSlotCount][FieldSlotSize];
};

SharedBuffers& Buffers();

// XOR of the first count bytes of data; 0 when count is 0.
std::uint8_t XorChecksum(const std::uint8_t* data, std::size_t count);

// Index of the first 02h among the first count bytes of data, or 0 when there is none.
std::int32_t FindFrameStart(std::size_t count, const std::uint8_t* data);

// The two upper-case hexadecimal digits of value, most significant first.
void ByteToHex(std::uint8_t value, char& high, char& low);

// Renders the first count bytes of TxFrame into HexText as "XX " groups; count 0 leaves
// HexText unchanged, a count beyond TxFrame renders the whole of TxFrame.
void FormatHexDump(std::size_t count);

} // namespace Unit2
