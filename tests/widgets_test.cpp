#include "console/ConsoleError.h"
#include "widgets/IpAddressEdit.h"
#include "support/QtPrinters.h"
#include "widgets/SpinEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr SpinEdit::Bounds Price{.minimum = 1, .maximum = 32000, .step = 5, .maxLength = 5};

} // namespace

TEST(SpinEditText, ShowsWhatItWasGivenAndReadsItAsANumber)
{
    struct Case {
        const char* set;
        const char* shown;
        int value;
    };
    const Case cases[] = {
        {"250", "250", 250},
        {"123456", "12345", 12345}, // at most five characters are kept
        {"40000", "40000", 32000},  // outside the bounds: clamped when read
        {"0", "0", 1},
        {"abc", "abc", 1}, // not a number: the minimum
        {"", "", 1},
        {" 42", " 42", 42},
    };
    SpinEdit edit(Price, 10);
    for (const Case& c : cases) {
        edit.setText(c.set);
        EXPECT_EQ(edit.text(), c.shown) << c.set;
        EXPECT_EQ(edit.value(), c.value) << c.set;
    }
}

TEST(SpinEditText, EveryKindOfChangeIsReported)
{
    SpinEdit edit(Price, 10);
    QSignalSpy changed(&edit, &SpinEdit::changed);

    edit.setText("20");
    edit.stepBy(1);
    EXPECT_EQ(edit.text(), "25");
    auto* typing = edit.findChild<QLineEdit*>();
    typing->clear();
    QTest::keyClicks(typing, "7x");
    EXPECT_EQ(edit.text(), "7"); // typing takes digits only
    EXPECT_EQ(changed.count(), 4);

    edit.setText("31999");
    edit.stepBy(1);
    EXPECT_EQ(edit.text(), "32000"); // stepping stays within the bounds
}

TEST(SpinEditText, DecimalEditsStepByTenths)
{
    SpinEdit rate({.minimum = 0, .maximum = 100, .step = 0.1, .maxLength = 7, .decimals = 1}, 0.9);
    EXPECT_EQ(rate.text(), "0.9");
    rate.stepBy(1);
    EXPECT_EQ(rate.text(), "1.0");
}

TEST(IpAddressEditText, ParsesIPv4AndRefusesAnythingElse)
{
    IpAddressEdit edit("192.168.1.100");
    QSignalSpy changed(&edit, &IpAddressEdit::changed);

    edit.setAddress("010.000.000.005");
    EXPECT_EQ(edit.address(), "10.0.0.5");
    edit.setAddress("255.255.255.255");
    EXPECT_EQ(edit.address(), "255.255.255.255");
    EXPECT_EQ(changed.count(), 2);

    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.x", "1..2.3", "1.2.3.4 ",
                            "-1.2.3.4", "1234.1.1.1"}) {
        try {
            edit.setAddress(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const ConsoleError& e) {
            EXPECT_EQ(e.message(), "Invalid IP address string");
        }
        EXPECT_EQ(edit.address(), "255.255.255.255");
    }
    EXPECT_EQ(changed.count(), 2);
}

TEST(IpAddressEditText, TypingFollowsCompleteAddressesAndLeavingRestoresTheHeldOne)
{
    IpAddressEdit edit("192.168.1.100");
    edit.clear();
    QTest::keyClicks(&edit, "10.0.0.7");
    EXPECT_EQ(edit.address(), "10.0.0.7");

    edit.clear();
    QTest::keyClicks(&edit, "10.0");
    EXPECT_EQ(edit.address(), "10.0.0.7");
    emit edit.editingFinished();
    EXPECT_EQ(edit.text(), "10.0.0.7");
}
