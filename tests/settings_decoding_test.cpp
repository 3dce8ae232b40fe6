#include "link/Unit2.h"
#include "support/ConsoleFixture.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

namespace {

class SettingsDecoding : public ConsoleFixture {
protected:
    void press(const char* button) { control<QPushButton>(button)->click(); }

    void freshConsole()
    {
        TearDown();
        SetUp();
    }

    QString text(const char* spinEdit) const { return control<SpinEdit>(spinEdit)->text(); }

    QStringList pulseTexts() const
    {
        QStringList texts;
        for (const char* name : {"CurrencyPulse1", "CurrencyPulse2", "CurrencyPulse3",
                                 "CurrencyPulse4", "CurrencyPulse5", "CurrencyPulse6"})
            texts << text(name);
        return texts;
    }
};

} // namespace

// The first payload byte selects the mode, raw or as a digit; selecting runs the mode's handler.
TEST_F(SettingsDecoding, ModeReplySelectsTheButtonAndRunsItsHandler)
{
    struct Case {
        QByteArray payload;
        const char* selected; // nullptr: no mode button stays selected
    };
    const Case cases[] = {
        {"0", "ModeStandard"},  {QByteArray(1, '\x00'), "ModeStandard"},
        {"1", "ModeSteering"},  {"\x01", "ModeSteering"},
        {"2", "ModeTimeVend"},  {"\x02", "ModeTimeVend"},
        {"25", "ModeTimeVend"}, // only the first byte counts
        {"3", nullptr},         {"\x03", nullptr},
        {"A", nullptr},         {" 1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.payload.toHex(' ').toStdString());
        freshConsole();
        connectPort();
        control<QRadioButton>("ModeTimeVend")->click();
        // Both groups off: only a mode handler can turn one on again.
        control<QGroupBox>("OptoPulseGroup")->setEnabled(false);
        control<QGroupBox>("TimeVendGroup")->setEnabled(false);
        press("GeneralReadSettings");
        reply(replyFrame(c.payload));

        const QString selected = c.selected ? QString::fromLatin1(c.selected) : QString();
        for (const char* mode : {"ModeStandard", "ModeSteering", "ModeTimeVend"})
            EXPECT_EQ(control<QRadioButton>(mode)->isChecked(), selected == QLatin1String(mode))
                << mode;
        const bool timeVend = selected == QLatin1String("ModeTimeVend");
        EXPECT_EQ(control<QGroupBox>("OptoPulseGroup")->isEnabled(), c.selected && !timeVend);
        EXPECT_EQ(control<QGroupBox>("TimeVendGroup")->isEnabled(), timeVend);
        EXPECT_EQ(lastWrite(), "02 01 E6 00 03 E6 "); // whatever the mode was
    }
}

TEST_F(SettingsDecoding, SaveWithoutASelectedModeSendsNothing)
{
    connectPort();
    press("GeneralReadSettings");
    reply(replyFrame("3"));
    const QStringList logged = sentLines();
    const qsizetype written = port->writes.size();

    press("GeneralWriteSettings");
    EXPECT_EQ(errors, QStringList({"No system mode is selected."}));
    EXPECT_EQ(port->writes.size(), written);
    EXPECT_EQ(sentLines(), logged);
    EXPECT_EQ(screen->LastCommand, 0xE6);

    control<QRadioButton>("ModeSteering")->click();
    press("GeneralWriteSettings");
    EXPECT_EQ(lastWrite(), "02 01 C3 01 01 03 C3 ");
}

TEST_F(SettingsDecoding, ModeButtonsSwitchTheVendGroupsButNotTheRequests)
{
    struct Case {
        const char* mode;
        bool optoPulse;
        bool timeVend;
    };
    const Case cases[] = {
        {"ModeTimeVend", false, true},
        {"ModeSteering", true, false},
        {"ModeTimeVend", false, true},
        {"ModeStandard", true, false},
    };
    EXPECT_TRUE(control<QGroupBox>("OptoPulseGroup")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>("TimeVendGroup")->isEnabled());
    connectPort();
    // Neither the second opto-pulse input nor the copier mode is ever sent.
    control<SpinEdit>("TimingSense2")->setText(QStringLiteral("55"));
    control<SpinEdit>("GeneralCopierInterfaceMode")->setText(QStringLiteral("7"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        control<QRadioButton>(c.mode)->click();
        EXPECT_EQ(control<QGroupBox>("OptoPulseGroup")->isEnabled(), c.optoPulse);
        EXPECT_EQ(control<QGroupBox>("TimeVendGroup")->isEnabled(), c.timeVend);
        EXPECT_TRUE(control<QGroupBox>("GroupBox3")->isEnabled());
        press("TimingSave");
        EXPECT_EQ(lastWrite(), "02 01 9A 0C 31 2C 31 30 2C 31 30 2C 31 30 2C 31 03 97 ");
        reply(replyFrame(""));
        EXPECT_EQ(lastWrite(), "02 01 D1 06 36 30 2C 35 2C 31 03 D5 ");
    }
}

// Fields missing from a pulse-value reply take what their shared slots still hold.
TEST_F(SettingsDecoding, PulseRepliesSplitIntoSixFields)
{
    struct Case {
        const char* what;
        std::vector<QByteArray> earlier; // replies decoded before, by any decoder
        QByteArray payload;
        QStringList expected;
    };
    const Case cases[] = {
        {"commas", {}, "5,10,25,100,500,1000", {"5", "10", "25", "100", "500", "1000"}},
        {"spaces", {}, "5 10 25 100 500 1000", {"5", "10", "25", "100", "500", "1000"}},
        {"runs of separators",
         {},
         "5,,10 ,25\t100,500,1000",
         {"5", "10", "25", "100", "500", "1000"}},
        {"fewer, slots never filled", {}, "7,8,9", {"7", "8", "9", "", "", ""}},
        {"fewer, slots left by an earlier reply",
         {"1,2,3,4,5,6"},
         "7,8,9",
         {"7", "8", "9", "4", "5", "6"}},
        {"more", {}, "1,2,3,4,5,6,7", {"1", "2", "3", "4", "5", "6"}},
        {"a field longer than a slot", {}, "123456789012345,2", {"12345", "2", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        freshConsole();
        connectPort();
        press("bReadCurrencyPulseValues");
        for (const QByteArray& payload : c.earlier)
            reply(replyFrame(payload));
        control<SpinEdit>("CurrencyPulse4")->setText(QStringLiteral("42")); // typed meanwhile
        reply(replyFrame(c.payload));
        EXPECT_EQ(pulseTexts(), c.expected);
        EXPECT_EQ(Unit2::Buffers().FieldSlots[6][0], '\0') << "a seventh field was stored";
    }
}

TEST_F(SettingsDecoding, AnEmptyPulseReplyChangesNothing)
{
    connectPort();
    press("LMDSpeedButton28");
    reply(replyFrame(""));
    EXPECT_EQ(pulseTexts(), QStringList({"5", "10", "25", "100", "500", "1000"}));
}

// Timings take their slots even when missing; the edge flag changes only when it was sent.
TEST_F(SettingsDecoding, TimingRepliesKeepTheEdgeWithoutAFourthField)
{
    struct Case {
        QByteArray payload;
        const char* sense;
        const char* blind;
        const char* reset;
        bool trailingEdge;
    };
    // Each reply follows the one before it.
    const Case cases[] = {
        {"10,200,1200,0", "10", "200", "1200", false},
        {"15,20", "15", "20", "1200", false},
        {"11,12,13,1", "11", "12", "13", true},
        {"30,40,50", "30", "40", "50", true},
        {"30,40,50,\x01", "30", "40", "50", true},
        {"30,40,50,x", "30", "40", "50", false},
        {"1,2,3,10", "1", "2", "3", true}, // the flag is one character
    };
    connectPort();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.payload.toStdString());
        press("TimingRead");
        reply(replyFrame(c.payload));
        EXPECT_EQ(text("TimingSense1"), c.sense);
        EXPECT_EQ(text("TimingBlind1"), c.blind);
        EXPECT_EQ(text("TimingReset1"), c.reset);
        EXPECT_EQ(control<QCheckBox>("TrailingEdge1")->isChecked(), c.trailingEdge);
    }
}

// A short time-vend reply leaves the settings it does not carry as they are, whatever the
// shared slots hold from other replies.
TEST_F(SettingsDecoding, TimeVendRepliesChangeOnlyTheSettingsTheyCarry)
{
    struct Case {
        QByteArray payload;
        const char* timer;
        const char* delay;
        bool autoVend;
    };
    // Each reply follows a timing reply that leaves 10, 200, 1200 in the slots.
    const Case cases[] = {
        {"90", "90", "5", true},          {"90,7", "90", "7", true},
        {"120,10,0", "120", "10", false}, {"120,10,\x01", "120", "10", true},
        {",", "60", "5", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.payload.toStdString());
        freshConsole();
        connectPort();
        press("TimingRead");
        reply(replyFrame("10,200,1200,1"));
        reply(replyFrame(c.payload));
        EXPECT_EQ(text("TimeVendTimer"), c.timer);
        EXPECT_EQ(text("TimeVendDelay"), c.delay);
        EXPECT_EQ(control<QCheckBox>("TimeVendAutoVend")->isChecked(), c.autoVend);
    }
}

// A further reply to a read that has ended is decoded by the same step again.
TEST_F(SettingsDecoding, LaterRepliesAreDecodedAgainUntilTheNextRequest)
{
    connectPort();
    press("TimingRead");
    reply(replyFrame("10,200,1200,0"));
    reply(replyFrame("120,10,0"));
    reply(replyFrame("130,20,1"));
    EXPECT_EQ(text("TimeVendTimer"), "130");
    EXPECT_TRUE(control<QCheckBox>("TimeVendAutoVend")->isChecked());
    EXPECT_EQ(port->writes.size(), 2);
}
