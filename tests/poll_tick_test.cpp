#include "support/ConsoleFixture.h"

#include "link/Unit2.h"

#include <QLabel>
#include <cstring>

using PollTick = ConsoleFixture;

namespace {

// A reply to a command without a decoder, so the tick's own effects can be seen alone.
constexpr std::uint8_t LoggedOnly = 0x83;

} // namespace

TEST_F(PollTick, FewerThanSixBytesWait)
{
    screen->FrameAddress = 0x05;
    reply(hexBytes("02 01 06 00 03"));

    EXPECT_EQ(screen->RxCount, 5);
    EXPECT_EQ(screen->FrameAddress, 0x01);
    EXPECT_TRUE(receivedLines().isEmpty());
}

TEST_F(PollTick, LeadingBytesAreSkippedAndTheFrameIsLoggedOnce)
{
    screen->LastCommand = 0x80;
    reply(hexBytes("FF FF 02 01 80 03 32 35 30 03 B4"));

    EXPECT_EQ(labelText("ReceivedLength"), "9");
    EXPECT_EQ(receivedLines(), QStringList{"02 01 80 03 32 35 30 03 B4 "});
    EXPECT_EQ(screen->PayloadLength, 0u);
    EXPECT_EQ(screen->RxCount, 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(Unit2::Buffers().TxFrame), "250");

    screen->Timer1Timer(); // taken in once only
    EXPECT_EQ(receivedLines().size(), 1);
}

TEST_F(PollTick, BadChecksumIsReportedAndTheFrameStillLogged)
{
    screen->LastCommand = LoggedOnly;
    reply(hexBytes("FF FF 02 01 80 03 32 35 30 03 B5"));

    EXPECT_EQ(labelText("CommStatus"), "Bad Received CheckSum.");
    EXPECT_EQ(receivedLines(), QStringList{"02 01 80 03 32 35 30 03 B5 "});
}

TEST_F(PollTick, OnlyTheFirstOfTwoRepliesIsTakenIn)
{
    screen->LastCommand = LoggedOnly;
    reply(replyFrame("1") + replyFrame("2"));

    EXPECT_EQ(receivedLines(), QStringList{"02 01 06 01 31 03 36 "});
    EXPECT_EQ(screen->RxCount, 0);
}

TEST_F(PollTick, ReplyAddressHoldsUntilTheNextTick)
{
    screen->LastCommand = LoggedOnly;
    reply(replyFrame("", 0x05));
    EXPECT_EQ(screen->FrameAddress, 0x05);
    EXPECT_EQ(labelText("ReceivedLength"), "6");

    screen->Timer1Timer();
    EXPECT_EQ(screen->FrameAddress, 0x01);
}

TEST_F(PollTick, ReplySplitByATickIsTakenInWholeAtTheNextOne)
{
    screen->LastCommand = LoggedOnly;
    const QByteArray frame = replyFrame("5,10,25,100,500,1000");
    reply(frame.left(8));
    EXPECT_TRUE(receivedLines().isEmpty());

    reply(frame.mid(8));
    EXPECT_EQ(receivedLines().size(), 1);
    EXPECT_NE(labelText("CommStatus"), "Bad Received CheckSum.");
    EXPECT_EQ(screen->RxCount, 0);
}

TEST_F(PollTick, StalledShortFrameIsTakenInAsItStands)
{
    screen->LastCommand = LoggedOnly;
    reply(replyFrame("12345").left(8));
    EXPECT_TRUE(receivedLines().isEmpty());

    screen->Timer1Timer(); // nothing new since the last tick
    EXPECT_EQ(receivedLines().size(), 1);
    EXPECT_EQ(labelText("CommStatus"), "Bad Received CheckSum.");
    EXPECT_EQ(screen->RxCount, 0);
}

TEST_F(PollTick, FramesThatCannotFitAreRejectedWhole)
{
    const QByteArray cases[] = {
        hexBytes("02 01 06 FB 31 32 33 34"),                     // LEN 251
        QByteArray(240, '\xAA') + hexBytes("02 01 06 20 31 32"), // runs past the buffer
    };
    for (const QByteArray& bytes : cases) {
        screen->LastCommand = 0x80;
        reply(bytes);
        EXPECT_EQ(labelText("CommStatus"), "Bad Received Packet.");
        EXPECT_EQ(receivedLines().last().size(), 3 * bytes.size());
        EXPECT_EQ(screen->RxCount, 0);
        EXPECT_EQ(labelText("ReceivedLength"), "0");
    }
}

TEST_F(PollTick, StxInTheLastHeldBytesNeverReadsPastTheBuffer)
{
    screen->LastCommand = 0x80;
    reply(QByteArray(253, '\xAA') + hexBytes("02 01"));
    screen->Timer1Timer();
    EXPECT_EQ(labelText("CommStatus"), "Bad Received Packet.");
    EXPECT_EQ(screen->RxCount, 0);
}

TEST_F(PollTick, NoStxParsesFromPositionZero)
{
    screen->LastCommand = LoggedOnly;
    reply(hexBytes("AA 01 06 00 03 05"));
    EXPECT_EQ(receivedLines(), QStringList{"02 01 06 00 03 05 "});
}

TEST(DispatchTable, RowsAndConditions)
{
    struct Row {
        std::uint8_t command;
        bool needsPayload;
        bool chains;
    };
    const Row rows[] = {
        {0x80, true, false}, {0xAD, true, false}, {0x8A, true, false}, {0x91, true, false},
        {0x93, true, false}, {0xA4, true, false}, {0xA5, true, false}, {0xA7, true, false},
        {0xA8, true, false}, {0xB1, true, false}, {0x99, true, true},  {0xD0, true, false},
        {0x9A, false, true}, {0xE6, true, true},  {0xC2, true, true},  {0xE7, false, true},
        {0xC3, false, true}, {0xB3, true, true},  {0xB5, true, true},  {0xB7, true, true},
        {0xB9, true, true},  {0xBA, true, false}, {0xB2, false, true}, {0xB4, false, true},
        {0xB6, false, true},
    };
    for (const Row& r : rows) {
        const auto* row = TMainScreen::findDispatchRow(r.command);
        ASSERT_NE(row, nullptr) << int(r.command);
        EXPECT_EQ(row->needsPayload, r.needsPayload) << int(r.command);
        EXPECT_EQ(row->chain != nullptr, r.chains) << int(r.command);
    }
    for (std::uint8_t logged : {0x83, 0x84, 0x89, 0x90, 0x92, 0xA2, 0xB0, 0xB8, 0xD1, 0xEE, 0xFC})
        EXPECT_EQ(TMainScreen::findDispatchRow(logged), nullptr) << int(logged);
}

class SplitFieldsTest : public ConsoleFixture {
protected:
    int split(const char* payload, int count, char* flag = nullptr)
    {
        std::strcpy(reinterpret_cast<char*>(screen->Payload), payload);
        screen->PayloadLength = static_cast<std::uint32_t>(std::strlen(payload));
        return screen->SplitFields(count, flag);
    }
    static QString slot(int k) { return QString::fromLatin1(Unit2::Buffers().FieldSlots[k]); }
};

TEST_F(SplitFieldsTest, EmptyFieldsVanishAndMissingOnesKeepTheirSlots)
{
    split("a,b,c,d,e,f", 6);
    EXPECT_EQ(split("5,10,,25", 6), 3);
    EXPECT_EQ(slot(0), "5");
    EXPECT_EQ(slot(1), "10");
    EXPECT_EQ(slot(2), "25");
    EXPECT_EQ(slot(3), "d");
    EXPECT_EQ(slot(5), "f");
}

TEST_F(SplitFieldsTest, WhiteSpaceSeparatesAndLongFieldsKeepElevenCharacters)
{
    EXPECT_EQ(split("1 \t2\n123456789012345", 3), 3);
    EXPECT_EQ(slot(1), "2");
    EXPECT_EQ(slot(2), "12345678901");
}

TEST_F(SplitFieldsTest, FlagTakesTheFirstCharacterOfTheNextField)
{
    char flag = '?';
    EXPECT_EQ(split("10,200,1200,0", 3, &flag), 4);
    EXPECT_EQ(flag, '0');
    flag = '?';
    EXPECT_EQ(split("10,200", 3, &flag), 2);
    EXPECT_EQ(flag, '?');
}
