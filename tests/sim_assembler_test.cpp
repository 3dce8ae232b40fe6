#include "sim/FrameAssembler.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

using CorvanSim::Bytes;
using CorvanSim::FrameAssembler;

namespace {

const Bytes Version{0x02, 0x01, 0xA4, 0x00, 0x03, 0xA4};
const Bytes Debit{0x02, 0x01, 0x83, 0x01, 0x35, 0x03, 0xB7};

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(SimFrameAssembler, AFrameSplitAnywhereComesOutOnceWhole)
{
    const Bytes pair = Debit + Version;
    for (std::size_t cut = 0; cut <= pair.size(); ++cut) {
        FrameAssembler assembler;
        std::vector<Bytes> frames = assembler.feed({pair.data(), cut});
        const std::vector<Bytes> rest = assembler.feed({pair.data() + cut, pair.size() - cut});
        frames.insert(frames.end(), rest.begin(), rest.end());
        EXPECT_EQ(frames, (std::vector<Bytes>{Debit, Version})) << "cut at " << cut;
        EXPECT_FALSE(assembler.hasPartial());
    }
}

TEST(SimFrameAssembler, ResynchronisesOnTheNextStartByte)
{
    struct Case {
        const char* what;
        Bytes stream;
        std::vector<Bytes> frames;
    };
    const std::vector<Case> cases = {
        {"noise before and between",
         Bytes{0xAA, 0x03, 0xFF} + Version + Bytes{0x00} + Debit,
         {Version, Debit}},
        {"LEN beyond the largest frame", Bytes{0x02, 0x01, 0x80, 0xFB} + Version, {Version}},
        {"LEN 255", Bytes{0x02, 0x02, 0x02, 0xFF} + Debit, {Debit}},
        // The false start wants its ETX inside the real frame, finds 00h there, and gives up.
        {"no ETX where LEN puts it", Bytes{0x02, 0x01, 0x80, 0x03} + Version, {Version}},
        // The third start reads as LEN 83h: only the quiet line after it frees the request.
        {"start bytes in a row", Bytes{0x02, 0x02, 0x02} + Debit, {Debit}},
        {"a frame whose checksum is wrong is still a frame",
         Bytes{0x02, 0x01, 0xA4, 0x00, 0x03, 0x00} + Version,
         {Bytes{0x02, 0x01, 0xA4, 0x00, 0x03, 0x00}, Version}},
    };
    for (const Case& c : cases) {
        FrameAssembler assembler;
        std::vector<Bytes> frames = assembler.feed(c.stream);
        const std::vector<Bytes> behind = assembler.lineWentQuiet();
        frames.insert(frames.end(), behind.begin(), behind.end());
        EXPECT_EQ(frames, c.frames) << c.what;
        EXPECT_FALSE(assembler.hasPartial());
    }
}

TEST(SimFrameAssembler, TakesTheLargestFrameAndGivesUpAnUnfinishedOne)
{
    Bytes largest{0x02, 0x01, 0x89, 250};
    largest.resize(4 + 250, '1');
    largest.push_back(0x03);
    largest.push_back(0x00);
    FrameAssembler assembler;
    EXPECT_EQ(assembler.feed(largest), std::vector<Bytes>{largest});

    // A start that never finishes would swallow the next request; a quiet line ends it.
    EXPECT_TRUE(assembler.feed(Bytes{0x02, 0x01, 0x80, 0xF0}).empty());
    EXPECT_TRUE(assembler.hasPartial());
    EXPECT_TRUE(assembler.lineWentQuiet().empty());
    EXPECT_FALSE(assembler.hasPartial());
    EXPECT_EQ(assembler.feed(Version), std::vector<Bytes>{Version});
}

TEST(SimFrameAssembler, RandomNoiseYieldsOnlyWellFormedFrames)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> chunk(1, 40);
    for (int round = 0; round < 200; ++round) {
        FrameAssembler assembler;
        Bytes noise(1 + random() % 600);
        for (auto& b : noise)
            b = static_cast<std::uint8_t>(random() % 4 == 0 ? 0x02 : byte(random));
        for (std::size_t at = 0; at < noise.size();) {
            const std::size_t size = std::min<std::size_t>(chunk(random), noise.size() - at);
            for (const Bytes& frame : assembler.feed({noise.data() + at, size}))
                EXPECT_TRUE(CorvanSim::isFrame(frame)) << CorvanSim::toHex(frame);
            at += size;
        }
        for (const Bytes& frame : assembler.lineWentQuiet())
            EXPECT_TRUE(CorvanSim::isFrame(frame)) << CorvanSim::toHex(frame);
        EXPECT_FALSE(assembler.hasPartial());
        EXPECT_EQ(assembler.feed(Version), std::vector<Bytes>{Version});
    }
}
