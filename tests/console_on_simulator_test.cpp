#include "support/SimulatorFixture.h"

#include "widgets/IpAddressEdit.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
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

TEST_F(ConsoleOnSimulator, IdentityReadsShowWhatTheControllerReports)
{
    start();
    const struct {
        const char* button;
        const char* label;
        const char* shown;
    } reads[] = {
        {"bVersion", "ReadVersion", "V1.07"},
        {"bSystemMode", "ReadSystemMode", "Standard"},
        {"bReadSerialNumber", "ReadSerialNumber", "CV-2041-0187"},
        {"bReadSystemStatus", "ReadSystemStatus", "Ready"},
    };
    for (const auto& read : reads) {
        press(read.button);
        EXPECT_TRUE(waitUntil([&] { return text(read.label) == read.shown; })) << read.button;
    }
    EXPECT_EQ(text("APIStatus"), "A8h Read Sys Stat - Sent");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ConsoleOnSimulator, GeneralReadBringsModeCashLimitAndPulses)
{
    start();
    press("GeneralReadSettings");
    ASSERT_TRUE(waitForReplies(3));
    EXPECT_EQ(text("MaxCash"), "9999");
    EXPECT_EQ(text("CurrencyPulse6"), "1000");
    EXPECT_TRUE(control<QRadioButton>("ModeStandard")->isChecked());
    EXPECT_EQ(screen->LastCommand, 0x8A);
}

TEST_F(ConsoleOnSimulator, TimingWriteIsStoredByTheController)
{
    start();
    control<SpinEdit>("TimingSense1")->setText("25");
    control<QCheckBox>("TrailingEdge1")->setChecked(false);
    control<SpinEdit>("TimeVendTimer")->setText("120");
    press("TimingSave");
    ASSERT_TRUE(waitForReplies(2));
    EXPECT_EQ(text("APIStatus"), "D1h Write TimeVend Values - Sent");

    control<SpinEdit>("TimingSense1")->setText("1");
    control<SpinEdit>("TimeVendTimer")->setText("1");
    press("TimingRead");
    ASSERT_TRUE(waitUntil([&] { return text("TimeVendTimer") == "120"; }));
    EXPECT_EQ(text("TimingSense1"), "25");
    EXPECT_FALSE(control<QCheckBox>("TrailingEdge1")->isChecked());
}

TEST_F(ConsoleOnSimulator, NetworkWriteThenReadRoundTrips)
{
    start();
    control<IpAddressEdit>("IPAddress")->setAddress("10.0.0.5");
    control<SpinEdit>("WebPort")->setText("8000");
    press("NetworkSaveSettings");
    ASSERT_TRUE(waitForReplies(4));
    EXPECT_EQ(text("APIStatus"), "B8h Write Gateway - Sent");

    control<IpAddressEdit>("IPAddress")->setAddress("1.2.3.4");
    press("NetworkReadSettings");
    ASSERT_TRUE(waitUntil([&] { return !text("MacAddress").isEmpty(); }));
    EXPECT_EQ(control<IpAddressEdit>("IPAddress")->address(), "10.0.0.5");
    EXPECT_EQ(text("WebPort"), "8000");
    EXPECT_EQ(text("MacAddress"), "00-11-22-33-44-55");
    EXPECT_EQ(text("WebSiteAccess"), "http://10.0.0.5:8000");
}
