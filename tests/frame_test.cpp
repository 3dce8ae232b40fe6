#include "link/Unit2.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

std::string hexDumpOf(const Bytes& frame)
{
    auto& b = Unit2::Buffers();
    std::memcpy(b.TxFrame, frame.data(), frame.size());
    Unit2::FormatHexDump(frame.size());
    return b.HexText;
}

} // namespace

TEST(FrameChecksum, WorkedFramesXorToZeroAndCheckByteIsXorOfTheRest)
{
    const std::vector<Bytes> frames = {
        {0x02, 0x01, 0x80, 0x00, 0x03, 0x80},
        {0x02, 0x01, 0x83, 0x01, 0x35, 0x03, 0xB7},
        {0x02, 0x01, 0x84, 0x05, 0x36, 0x35, 0x35, 0x30, 0x30, 0x03, 0xB7},
        {0x02, 0x01, 0xAD, 0x01, 0x31, 0x03, 0x9D},
    };
    for (const Bytes& f : frames) {
        EXPECT_EQ(Unit2::XorChecksum(f.data(), f.size()), 0x00);
        EXPECT_EQ(Unit2::XorChecksum(f.data(), f.size() - 1), f.back());
    }
    EXPECT_EQ(Unit2::XorChecksum(frames[0].data(), 0), 0x00);
}

TEST(FrameStart, FirstStxOrZero)
{
    struct Case {
        Bytes data;
        std::size_t count;
        std::int32_t expected;
    };
    const Case cases[] = {
        {{0xAA, 0x02, 0x01}, 3, 1},       {{0x02, 0x01, 0x80}, 3, 0},
        {{0xAA, 0xBB, 0xCC}, 3, 0},       {{0xAA, 0xBB, 0x02}, 2, 0}, // the 02h lies beyond count
        {{0xFF, 0xFF, 0x02, 0x01}, 4, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Unit2::FindFrameStart(c.count, c.data.data()), c.expected);
    EXPECT_EQ(Unit2::FindFrameStart(0, nullptr), 0); // reads nothing
}

TEST(FrameHexDump, UpperCaseGroupsEachFollowedByASpace)
{
    EXPECT_EQ(hexDumpOf({0x02, 0x01, 0x80, 0x00, 0x03, 0x80}), "02 01 80 00 03 80 ");
    EXPECT_EQ(hexDumpOf({0x0A, 0xFF}), "0A FF ");
}

TEST(FrameHexDump, CountZeroKeepsPreviousTextAndCountIsBoundedByTheFrameBuffer)
{
    hexDumpOf({0x02, 0x01});
    Unit2::FormatHexDump(0);
    EXPECT_STREQ(Unit2::Buffers().HexText, "02 01 ");

    Unit2::FormatHexDump(100000);
    EXPECT_EQ(std::strlen(Unit2::Buffers().HexText), 3 * Unit2::FrameBufferSize);
}
