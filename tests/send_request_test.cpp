#include "support/ConsoleFixture.h"

#include "link/Unit2.h"

#include <QCheckBox>
#include <QLabel>

using namespace std::chrono_literals;

namespace {

const RequestSite Escrow{0x80, RequestSite::Address::Frame, "80h Read Escrow - Sent", 2ms};
const RequestSite Restore{0xFC, RequestSite::Address::Fixed01, "FCh Restore to Defaults - Sent",
                          5ms, true};
const RequestSite Debit{0x83, RequestSite::Address::Frame, "83h Write Debit Value - Sent"};

} // namespace

using SendRequest = ConsoleFixture;

TEST_F(SendRequest, PortClosedLogsTheFrameButSendsNothing)
{
    screen->SendRequest(Escrow);

    EXPECT_EQ(sentLines(), QStringList{"02 01 80 00 03 80 "});
    EXPECT_EQ(labelText("CommStatus"), "Packet is not sent.");
    EXPECT_EQ(labelText("APIStatus"), "Status Message");
    EXPECT_EQ(screen->LastCommand, 0x80);
    EXPECT_TRUE(port->writes.isEmpty());
}

TEST_F(SendRequest, PortOpenWritesExactlyTheFrameAndResetsTheReceiveState)
{
    connectPort();
    port->deliver(hexBytes("02 01 06"));
    screen->SendRequest(Escrow);

    ASSERT_EQ(port->writes.size(), 1);
    EXPECT_EQ(port->writes[0], hexBytes("02 01 80 00 03 80"));
    EXPECT_EQ(labelText("CommStatus"), "Packet is sent.");
    EXPECT_EQ(labelText("APIStatus"), "80h Read Escrow - Sent");
    EXPECT_EQ(screen->RxCount, 0);
    EXPECT_GE(port->purges, 1);
}

TEST_F(SendRequest, PayloadFormsAreFramedByteForByte)
{
    connectPort();
    screen->SendRequest(Restore, 0x30);
    screen->SendRequest(Debit, QByteArray("5"));
    screen->SendRequest(Debit, QByteArray("5"));
    screen->SendRequest(Debit, QByteArray("65500"));

    ASSERT_EQ(port->writes.size(), 4);
    EXPECT_EQ(port->writes[0], hexBytes("02 01 FC 01 30 03 CD"));
    EXPECT_EQ(port->writes[1], hexBytes("02 01 83 01 35 03 B7"));
    EXPECT_EQ(port->writes[2], port->writes[1]); // the same request twice gives the same bytes
    EXPECT_EQ(port->writes[3], hexBytes("02 01 83 05 36 35 35 30 30 03 B0"));
    EXPECT_EQ(sentLines().last(), "02 01 83 05 36 35 35 30 30 03 B0 ");
}

TEST_F(SendRequest, SiteThatEmptiesTheLogsLeavesOnlyItsOwnLine)
{
    screen->SendRequest(Escrow);
    reply(replyFrame("250"));
    screen->SendRequest(Restore, 0x31);

    EXPECT_EQ(sentLines(), QStringList{"02 01 FC 01 31 03 CC "});
    EXPECT_TRUE(receivedLines().isEmpty());
}

TEST_F(SendRequest, AddressFollowsFrameAddressOrIsFixed)
{
    connectPort();
    screen->FrameAddress = 0x05; // as after a tick that took in a reply from 05h
    screen->SendRequest(Escrow);
    screen->SendRequest(Restore, 0x30);

    EXPECT_EQ(port->writes[0], hexBytes("02 05 80 00 03 84"));
    EXPECT_EQ(static_cast<std::uint8_t>(port->writes[1][1]), 0x01);
}

TEST_F(SendRequest, FailedWriteIsNotReportedAsSentAndClosesTheLink)
{
    connectPort();
    port->failWrites(true);
    screen->SendRequest(Escrow);

    EXPECT_EQ(labelText("CommStatus"), "Packet is not sent.");
    EXPECT_EQ(labelText("APIStatus"), "Status Message");
    EXPECT_EQ(labelText("PortStatus"), "Not Connected");
    EXPECT_FALSE(control<QCheckBox>("CommON1")->isChecked());
    EXPECT_EQ(sentLines().size(), 1);
}

TEST_F(SendRequest, TextPayloadIsCappedSoTheFrameFitsItsBuffer)
{
    connectPort();
    screen->SendRequest(Debit, QByteArray(400, '9'));

    ASSERT_EQ(port->writes.size(), 1);
    EXPECT_EQ(port->writes[0].size(), 256);
    EXPECT_EQ(static_cast<std::uint8_t>(port->writes[0][3]), 250);
    EXPECT_EQ(screen->Payload[TMainScreen::EtxIndex], 0x03);
}
