#include "link/Unit2.h"

#include <algorithm>

namespace Unit2 {

SharedBuffers& Buffers()
{
    static SharedBuffers block{};
    return block;
}

std::uint8_t XorChecksum(const std::uint8_t* data, std::size_t count)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum ^= data[i];
    return sum;
}

std::int32_t FindFrameStart(std::size_t count, const std::uint8_t* data)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (data[i] == 0x02)
            return static_cast<std::int32_t>(i);
    }
    return 0;
}

void ByteToHex(std::uint8_t value, char& high, char& low)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    high = digits[value >> 4];
    low = digits[value & 0x0F];
}

void FormatHexDump(std::size_t count)
{
    if (count == 0)
        return;
    SharedBuffers& b = Buffers();
    count = std::min(count, FrameBufferSize);
    char* out = b.HexText;
    for (std::size_t i = 0; i < count; ++i) {
        ByteToHex(b.TxFrame[i], out[0], out[1]);
        out[2] = ' ';
        out += 3;
    }
    *out = '\0';
}

} // namespace Unit2
