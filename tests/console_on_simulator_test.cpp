#include "support/SimulatorFixture.h"

#include <QLabel>
#include <QTest>

namespace {

const RequestSite Version{0xA4, RequestSite::Address::Fixed01, "A4h Read Version - Sent"};

} // namespace

using ConsoleOnSimulator = SimulatorFixture;

TEST_F(ConsoleOnSimulator, ReplySplitByATickIsTakenInOnceAndWhole)
{
    // A gap just under one tick: a tick almost always falls inside it, and the next one
    // finds the reply complete.
    start({"--split-gap", "450"});
    screen->SendRequest(Version);
    ASSERT_TRUE(waitForReplies(1));
    QTest::qWait(1200); // further ticks find nothing more
    EXPECT_EQ(receivedLines(), QStringList{"02 01 06 05 56 31 2E 30 37 03 4D "});
    EXPECT_NE(text("CommStatus"), "Bad Received CheckSum.");
}

TEST_F(ConsoleOnSimulator, WrongChecksumIsReported)
{
    start({"--bad-checksum-every", "1"});
    screen->SendRequest(Version);
    ASSERT_TRUE(waitForReplies(1));
    EXPECT_EQ(text("CommStatus"), "Bad Received CheckSum.");
}

TEST_F(ConsoleOnSimulator, SilentControllerLeavesEverythingAsItWas)
{
    start({"--silent", "A4"});
    screen->SendRequest(Version);
    QTest::qWait(1200);
    EXPECT_TRUE(receivedLines().isEmpty());
    EXPECT_EQ(text("CommStatus"), "Packet is sent.");
}
