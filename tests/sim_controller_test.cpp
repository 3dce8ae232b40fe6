#include "sim/Controller.h"

#include "link/Unit2.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using CorvanSim::Bytes;
using CorvanSim::Controller;

namespace {

struct Answer {
    std::uint8_t address;
    std::uint8_t code;
    std::string payload;
};

std::string raw(std::uint8_t byte)
{
    return std::string(1, static_cast<char>(byte));
}

// A controller fresh from the factory, spoken to in whole frames; every reply it gives is
// checked for shape and checksum before the test looks at it.
class SimController : public ::testing::Test {
protected:
    Answer ask(std::uint8_t command, const std::string& payload = {}, std::uint8_t address = 0x01)
    {
        return check(controller.answer(CorvanSim::buildFrame(address, command, payload)));
    }

    static Answer check(const std::optional<Bytes>& reply)
    {
        EXPECT_TRUE(reply.has_value());
        if (!reply) return {};
        EXPECT_TRUE(CorvanSim::isFrame(*reply)) << CorvanSim::toHex(*reply);
        EXPECT_EQ(Unit2::XorChecksum(reply->data(), reply->size()), 0x00)
            << CorvanSim::toHex(*reply);
        return {(*reply)[1], (*reply)[2], std::string(reply->begin() + 4, reply->end() - 2)};
    }

    std::string read(std::uint8_t command, const std::string& payload = {})
    {
        const Answer answer = ask(command, payload);
        EXPECT_EQ(answer.code, CorvanSim::Ack) << std::hex << int(command);
        return answer.payload;
    }

    Controller controller;
};

} // namespace

TEST_F(SimController, AnswersEveryCommandWithAnAckInTheFormItsDecoderExpects)
{
    struct Case {
        std::uint8_t command;
        std::string request;
        std::string reply;
    };
    const std::vector<Case> cases = {
        {0x80, "", "500"},
        {0x83, "5", ""},
        {0x84, "5", ""},
        {0xAD, "", "1"},
        {0xEE, "", ""},
        {0xA4, "", "V1.07"},
        {0xA5, "", "Standard"},
        {0xA7, "", "CV-2041-0187"},
        {0xA8, "", "Ready"},
        {0xB0, "9999", ""},
        {0xB1, "", "9999"},
        {0xA2, "", ""},
        {0xFC, "0", ""},
        {0xFC, "1", ""},
        {0xC2, "", "0"},
        {0xC3, raw(0x01), ""},
        {0xE6, "", "9999"},
        {0xE7, "65000", ""},
        {0x8A, "", "5,10,25,100,500,1000"},
        {0x89, "5,10,25,100,500,1000", ""},
        {0x91, "0", "10,20,30,40,50,60,70,80"},
        {0x90, "10,20,30,40,50,60,70,80", ""},
        {0x93, "0", "90,100,110,120,130,140,150,160"},
        {0x92, "90,100,110,120,130,140,150,160", ""},
        {0x99, "1", "10,200,1200,1"},
        {0x9A, "1,10,10,10,1", ""},
        {0xD0, "", "60,5,1"},
        {0xD1, "60,5,1", ""},
        {0xB3, "", "192.168.1.100"},
        {0xB5, "", "1234,8080"},
        {0xB7, "", "255.255.255.0"},
        {0xB9, "", "192.168.1.1"},
        {0xBA, "", "00-11-22-33-44-55"},
        {0xB2, "192.168.1.100", ""},
        {0xB4, "1234,8080", ""},
        {0xB6, "255.255.255.0", ""},
        {0xB8, "192.168.1.1", ""},
    };
    for (const Case& c : cases) {
        Controller fresh;
        const Answer answer =
            check(fresh.answer(CorvanSim::buildFrame(0x01, c.command, c.request)));
        EXPECT_EQ(answer.code, CorvanSim::Ack) << std::hex << int(c.command);
        EXPECT_EQ(answer.payload, c.reply) << std::hex << int(c.command);
    }
}

TEST_F(SimController, RepliesByteForByteToTheRequestsAddress)
{
    const Bytes versionRequest{0x02, 0x01, 0xA4, 0x00, 0x03, 0xA4};
    EXPECT_EQ(controller.answer(versionRequest),
              (Bytes{0x02, 0x01, 0x06, 0x05, 'V', '1', '.', '0', '7', 0x03, 0x4D}));
    const Bytes fromAddress5{0x02, 0x05, 0x83, 0x01, 0x35, 0x03, 0xB3};
    EXPECT_EQ(controller.answer(fromAddress5), (Bytes{0x02, 0x05, 0x06, 0x00, 0x03, 0x02}));
    for (std::uint8_t command : {0xA4, 0x40, 0xC3}) // answered, unknown, refused
        EXPECT_EQ(ask(command, "", 0x07).address, 0x07);
}

TEST_F(SimController, WritesAreReadBackAsWritten)
{
    struct Case {
        std::uint8_t write;
        std::string payload;
        std::uint8_t read;
        std::string readRequest;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {0xB0, "65500", 0xB1, "", "65500"},
        {0xE7, "5", 0xE6, "", "5"},
        {0x89, "1,2,3,65000,7,8", 0x8A, "", "1,2,3,65000,7,8"},
        {0x90, "1,32000,3,4,5,6,7,8", 0x91, "0", "1,32000,3,4,5,6,7,8"},
        {0x92, "11,12,13,14,15,16,17,18", 0x93, "0", "11,12,13,14,15,16,17,18"},
        {0x9A, "1,15,250,65500,0", 0x99, "1", "15,250,65500,0"},
        {0xD1, "120,10,0", 0xD0, "", "120,10,0"},
        {0xB2, "10.0.0.7", 0xB3, "", "10.0.0.7"},
        {0xB4, "10,65000", 0xB5, "", "10,65000"},
        {0xB6, "255.255.0.0", 0xB7, "", "255.255.0.0"},
        {0xB8, "255.255.255.255", 0xB9, "", "255.255.255.255"},
        {0xC3, raw(0x02), 0xC2, "", "2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ask(c.write, c.payload).code, CorvanSim::Ack) << std::hex << int(c.write);
        EXPECT_EQ(read(c.read, c.readRequest), c.expected) << std::hex << int(c.read);
    }
    EXPECT_EQ(read(0xA5), "TimeVend");
}

TEST_F(SimController, TheTwoCashLimitPairsAreSeparate)
{
    ASSERT_EQ(ask(0xB0, "1500").code, CorvanSim::Ack);
    ASSERT_EQ(ask(0xE7, "7000").code, CorvanSim::Ack);
    EXPECT_EQ(read(0xB1), "1500");
    EXPECT_EQ(read(0xE6), "7000");
}

TEST_F(SimController, RefusesMalformedPayloadsWithNakAndKeepsItsState)
{
    struct Case {
        std::uint8_t command;
        std::string payload;
    };
    const std::vector<Case> cases = {
        {0x83, ""},
        {0x83, "1x"},
        {0x83, "0"},
        {0x84, "65501"},
        {0x84, "123456"},
        {0x84, "-5"},
        {0xB0, "0"},
        {0xE7, "4"},
        {0xE7, "65001"},
        {0x89, "5,10,25,100,500"},
        {0x89, "5,10,25,100,500,1000,5"},
        {0x89, "5,,25,100,500,1000"},
        {0x89, "0,10,25,100,500,1000"},
        {0x89, "5 10 25 100 500 1000"},
        {0x90, "10,20,30,40,50,60,70,32001"},
        {0x92, "10,20,30,40,50,60,70"},
        {0x90, "10,20,30,40,50,60,70,80,"},
        {0x9A, "10,10,10,1"},
        {0x9A, "2,10,10,10,1"},
        {0x9A, "1,10,10,10,2"},
        {0x99, "2"},
        {0x99, ""},
        {0xD1, "60,5,2"},
        {0xD1, "60,0,1"},
        {0xB4, "9,8080"},
        {0xB4, "1234"},
        {0xB4, "1234,65001"},
        {0xB2, "192.168.1.256"},
        {0xB2, "192.168.1"},
        {0xB2, "192.168.1.1.1"},
        {0xB6, "a.b.c.d"},
        {0xB8, ""},
        {0xB8, "1..2.3"},
        {0xB2, "1234.1.1.1"},
        {0xC3, raw(0x03)},
        {0xC3, "1"},
        {0xC3, ""},
        {0xC3, raw(0x00) + raw(0x01)},
        {0xFC, "2"},
        {0xFC, ""},
        {0xFC, "01"},
    };
    for (const Case& c : cases) {
        const Answer answer = ask(c.command, c.payload);
        EXPECT_EQ(answer.code, CorvanSim::Nak) << std::hex << int(c.command) << " " << c.payload;
        EXPECT_EQ(answer.payload, "");
    }
    const Controller fresh;
    EXPECT_EQ(controller.state().escrow, fresh.state().escrow);
    EXPECT_EQ(controller.state().systemMode, fresh.state().systemMode);
    EXPECT_EQ(controller.state().pulseValues, fresh.state().pulseValues);
    EXPECT_EQ(controller.state().prices1to8, fresh.state().prices1to8);
    EXPECT_EQ(controller.state().optoPulse1, fresh.state().optoPulse1);
    EXPECT_EQ(controller.state().ports, fresh.state().ports);
    EXPECT_EQ(controller.state().ipAddress, fresh.state().ipAddress);
    EXPECT_EQ(controller.state().gateway, fresh.state().gateway);
}

TEST_F(SimController, DebitTakesOnlyWhatTheEscrowHoldsAndCreditStopsAtTheCashLimit)
{
    EXPECT_EQ(ask(0x83, "501").code, CorvanSim::Nak);
    EXPECT_EQ(ask(0x83, "125").code, CorvanSim::Ack);
    EXPECT_EQ(read(0x80), "375");
    EXPECT_EQ(ask(0x83, "375").code, CorvanSim::Ack);
    EXPECT_EQ(read(0x80), "0");
    EXPECT_EQ(read(0xAD), "0");

    EXPECT_EQ(ask(0x84, "9999").code, CorvanSim::Ack); // up to the B0h limit exactly
    EXPECT_EQ(ask(0x84, "1").code, CorvanSim::Nak);
    EXPECT_EQ(read(0x80), "9999");
    EXPECT_EQ(read(0xAD), "1");

    ASSERT_EQ(ask(0xA2).code, CorvanSim::Ack); // pays the escrow out
    EXPECT_EQ(read(0x80), "0");
    ASSERT_EQ(ask(0xB0, "100").code, CorvanSim::Ack);
    EXPECT_EQ(ask(0x84, "101").code, CorvanSim::Nak);
    EXPECT_EQ(ask(0x84, "100").code, CorvanSim::Ack);
}

TEST_F(SimController, RestoreSetsFactoryDefaultsAndOnlyAHardResetTheEscrow)
{
    const auto changeEverything = [this] {
        for (const auto& [command, payload] : std::vector<std::pair<int, std::string>>{
                 {0x83, "100"},
                 {0xC3, raw(0x02)},
                 {0xB0, "50"},
                 {0xE7, "50"},
                 {0x89, "1,1,1,1,1,1"},
                 {0x90, "1,1,1,1,1,1,1,1"},
                 {0x92, "1,1,1,1,1,1,1,1"},
                 {0x9A, "1,1,1,1,0"},
                 {0xD1, "1,1,0"},
                 {0xB2, "1.1.1.1"},
                 {0xB4, "10,10"},
                 {0xB6, "1.1.1.1"},
                 {0xB8, "1.1.1.1"},
             })
            ASSERT_EQ(ask(command, payload).code, CorvanSim::Ack) << std::hex << command;
    };
    const std::vector<std::uint8_t> reads = {0xC2, 0xA5, 0xB1, 0xE6, 0x8A, 0xD0,
                                             0xB3, 0xB5, 0xB7, 0xB9, 0xBA};
    Controller factory;
    std::vector<std::string> defaults;
    for (std::uint8_t command : reads)
        defaults.push_back(check(factory.answer(CorvanSim::buildFrame(1, command, ""))).payload);

    for (const char* kind : {"0", "1"}) {
        changeEverything();
        ASSERT_EQ(ask(0xFC, kind).code, CorvanSim::Ack);
        for (std::size_t i = 0; i < reads.size(); ++i)
            EXPECT_EQ(read(reads[i]), defaults[i]) << kind << " " << std::hex << int(reads[i]);
        EXPECT_EQ(read(0x91, "0"), "10,20,30,40,50,60,70,80");
        EXPECT_EQ(read(0x93, "0"), "90,100,110,120,130,140,150,160");
        EXPECT_EQ(read(0x99, "1"), "10,200,1200,1");
    }
    // The soft restore kept the debited escrow, the hard one brought back the starting 500.
    EXPECT_EQ(read(0x80), "500");
    changeEverything();
    ASSERT_EQ(ask(0xFC, "0").code, CorvanSim::Ack);
    EXPECT_EQ(read(0x80), "400");
}

TEST_F(SimController, WrongChecksumGetsFFhAndChangesNothing)
{
    Bytes debit = CorvanSim::buildFrame(0x03, 0x83, "100");
    debit.back() ^= 0x01;
    EXPECT_EQ(controller.answer(debit), (Bytes{0x02, 0x03, 0xFF, 0x00, 0x03, 0xFD}));
    EXPECT_EQ(read(0x80), "500");
}

TEST_F(SimController, UnknownCommandsGetFEh)
{
    for (std::uint8_t command : {0x00, 0x40, 0x81, 0x98, 0x9B, 0xE5, 0xFF}) {
        const Answer answer = ask(command);
        EXPECT_EQ(answer.code, CorvanSim::UnknownCommand) << std::hex << int(command);
        EXPECT_EQ(answer.payload, "");
    }
}

TEST_F(SimController, BytesThatAreNotOneFrameGetNoReply)
{
    const std::vector<Bytes> notFrames = {
        {},
        {0x02, 0x01, 0x80, 0x00, 0x03},             // cut short
        {0x02, 0x01, 0x80, 0x00, 0x04, 0x81},       // no ETX
        {0x02, 0x01, 0x80, 0x01, 0x03, 0x80},       // LEN beyond the bytes
        {0x02, 0x01, 0x80, 0x00, 0x03, 0x80, 0x00}, // a byte too many
        {0xAA, 0x01, 0x80, 0x00, 0x03, 0x28},       // no STX
    };
    for (const Bytes& bytes : notFrames)
        EXPECT_FALSE(controller.answer(bytes).has_value()) << CorvanSim::toHex(bytes);
}
