#include "sim/Options.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

using CorvanSim::Options;
using CorvanSim::parseOptions;

namespace {

CorvanSim::ParsedOptions parse(std::vector<std::string_view> arguments)
{
    return parseOptions(arguments);
}

} // namespace

TEST(SimOptions, DefaultsAreAQuietCorrectPseudoTerminal)
{
    const auto parsed = parse({});
    ASSERT_EQ(parsed.error, "");
    const Options& o = parsed.options;
    EXPECT_EQ(o.device, "");
    EXPECT_EQ(o.link, "");
    EXPECT_EQ(o.baud, 19200u);
    EXPECT_FALSE(o.splitGapMs.has_value());
    EXPECT_EQ(o.badChecksumEvery, 0u);
    EXPECT_EQ(o.delayMs, 0u);
    EXPECT_TRUE(o.silent.empty());
    EXPECT_EQ(o.garbage, 0u);
    EXPECT_FALSE(o.log);
    EXPECT_FALSE(o.help);
}

TEST(SimOptions, ReadsEveryOptionInBothSpellings)
{
    const auto parsed =
        parse({"--device", "/dev/ttyUSB0", "--baud=9600", "--link", "/tmp/corvan", "--split-gap",
               "0", "--bad-checksum-every=3", "--delay", "250", "--silent", "A4", "--silent",
               "0x91", "--silent=93h", "--garbage", "4", "--log", "--help"});
    ASSERT_EQ(parsed.error, "");
    const Options& o = parsed.options;
    EXPECT_EQ(o.device, "/dev/ttyUSB0");
    EXPECT_EQ(o.baud, 9600u);
    EXPECT_EQ(o.link, "/tmp/corvan");
    EXPECT_EQ(o.splitGapMs, 0u); // asked for, even without a gap
    EXPECT_EQ(o.badChecksumEvery, 3u);
    EXPECT_EQ(o.delayMs, 250u);
    EXPECT_EQ(o.silent, (std::set<std::uint8_t>{0xA4, 0x91, 0x93}));
    EXPECT_EQ(o.garbage, 4u);
    EXPECT_TRUE(o.log);
    EXPECT_TRUE(o.help);
}

TEST(SimOptions, RefusesWhatItCannotUse)
{
    const std::vector<std::vector<std::string_view>> cases = {
        {"--verbose"},      {"device"},           {"--delay"},        {"--delay", "-5"},
        {"--delay", "5ms"}, {"--delay", "60001"}, {"--baud", "4800"}, {"--bad-checksum-every", "0"},
        {"--silent", "G1"}, {"--silent", "100"},  {"--silent", ""},   {"--garbage", "x"},
        {"--link="},        {"--log=1"},
    };
    for (const auto& arguments : cases)
        EXPECT_NE(parse(arguments).error, "") << arguments.front();
}

TEST(SimOptions, HelpListsEveryOption)
{
    const std::string usage = CorvanSim::usageText();
    for (const char* name :
         {"--device PATH", "--baud RATE", "--link PATH", "--split-gap MS", "--bad-checksum-every N",
          "--delay MS", "--silent CMD", "--garbage N", "--log", "--help"})
        EXPECT_NE(usage.find(name), std::string::npos) << name;
}
