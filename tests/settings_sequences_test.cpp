#include "support/ConsoleFixture.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

namespace {

// One reply of a sequence and what the console does with it.
struct Step {
    QByteArray reply;
    const char* sends; // the next request, nullptr when the sequence has ended
    std::uint8_t lastCommand;
};

struct Sequence {
    const char* what;
    const char* button;
    const char* firstFrame;
    std::uint8_t firstCommand;
    std::vector<Step> steps;
    bool emptiesLogs;
};

const std::vector<Sequence>& sequences()
{
    static const std::vector<Sequence> all = {
        {"general read",
         "GeneralReadSettings",
         "02 01 C2 00 03 C2 ",
         0xC2,
         {{"1", "02 01 E6 00 03 E6 ", 0xE6},
          {"65000", "02 01 8A 00 03 8A ", 0x8A},
          {"7,8,9,10,11,12", nullptr, 0x8A}},
         true},
        {"general write",
         "GeneralWriteSettings",
         "02 01 C3 01 00 03 C2 ",
         0xC3,
         {{"", "02 01 E7 04 39 39 39 39 03 E3 ", 0xE7},
          {"", "02 01 89 14 35 2C 31 30 2C 32 35 2C 31 30 30 2C 35 30 30 2C 31 30 30 30 03 87 ",
           0x89},
          {"0", nullptr, 0x89}},
         true},
        {"timing read",
         "TimingRead",
         "02 01 99 01 31 03 A9 ",
         0x99,
         {{"10,200,1200,0", "02 01 D0 00 03 D0 ", 0xD0}, {"120,10,0", nullptr, 0xD0}},
         false},
        {"timing write",
         "TimingSave",
         "02 01 9A 0C 31 2C 31 30 2C 31 30 2C 31 30 2C 31 03 97 ",
         0x9A,
         {{"", "02 01 D1 06 36 30 2C 35 2C 31 03 D5 ", 0xD1}, {"", nullptr, 0xD1}},
         false},
    };
    return all;
}

class SettingsSequences : public ConsoleFixture {
protected:
    void press(const char* button) { control<QPushButton>(button)->click(); }

    // A new console with fresh shared buffers, for the next case of a table.
    void freshConsole()
    {
        TearDown();
        SetUp();
    }

    // A request sent beforehand, so that what the sequence does to the logs shows.
    void leaveEarlierTraffic()
    {
        press("bReadCurrencyPulseValues");
        reply(replyFrame("5,10,25,100,500,1000"));
    }
};

} // namespace

TEST_F(SettingsSequences, EachStepSendsTheNextRequestUntilTheSequenceEnds)
{
    for (const Sequence& s : sequences()) {
        SCOPED_TRACE(s.what);
        freshConsole();
        connectPort();
        leaveEarlierTraffic();
        const qsizetype linesBefore = sentLines().size();

        press(s.button);
        ASSERT_EQ(lastWrite(), QString::fromLatin1(s.firstFrame));
        EXPECT_EQ(screen->LastCommand, s.firstCommand);
        EXPECT_EQ(receivedLines().isEmpty(), s.emptiesLogs);
        qsizetype written = port->writes.size();
        for (const Step& step : s.steps) {
            SCOPED_TRACE(step.reply.toStdString());
            reply(replyFrame(step.reply));
            EXPECT_EQ(screen->LastCommand, step.lastCommand);
            if (step.sends) {
                EXPECT_EQ(port->writes.size(), ++written);
                EXPECT_EQ(lastWrite(), QString::fromLatin1(step.sends));
                EXPECT_EQ(sentLines().last(), QString::fromLatin1(step.sends));
            } else {
                EXPECT_EQ(port->writes.size(), written) << "the sequence should have ended";
            }
        }
        // Chained steps append to the logs; the general sequences start with empty ones.
        const qsizetype frames = static_cast<qsizetype>(s.steps.size());
        const qsizetype extra = s.firstCommand == 0x9A ? 1 : 0; // the timing payload line
        EXPECT_EQ(sentLines().size(), (s.emptiesLogs ? 0 : linesBefore) + frames + extra);
        EXPECT_TRUE(errors.isEmpty());
    }
}

TEST_F(SettingsSequences, SequencesFillTheirControls)
{
    connectPort();
    press("GeneralReadSettings");
    for (const char* payload : {"1", "65000", "7,8,9,10,11,12"})
        reply(replyFrame(payload));
    EXPECT_TRUE(control<QRadioButton>("ModeSteering")->isChecked());
    EXPECT_EQ(control<SpinEdit>("MaxCash")->text(), "65000");
    for (int k = 1; k <= 6; ++k) {
        const QByteArray name = "CurrencyPulse" + QByteArray::number(k);
        EXPECT_EQ(control<SpinEdit>(name.constData())->text(), QString::number(k + 6));
    }

    press("TimingRead");
    reply(replyFrame("15,200,1200,0"));
    reply(replyFrame("120,10,0"));
    EXPECT_EQ(control<SpinEdit>("TimingSense1")->text(), "15");
    EXPECT_EQ(control<SpinEdit>("TimingBlind1")->text(), "200");
    EXPECT_EQ(control<SpinEdit>("TimingReset1")->text(), "1200");
    EXPECT_FALSE(control<QCheckBox>("TrailingEdge1")->isChecked());
    EXPECT_EQ(control<SpinEdit>("TimeVendTimer")->text(), "120");
    EXPECT_EQ(control<SpinEdit>("TimeVendDelay")->text(), "10");
    EXPECT_FALSE(control<QCheckBox>("TimeVendAutoVend")->isChecked());
}

// The timing write shows its payload as a text line above its frame.
TEST_F(SettingsSequences, TimingWriteLogsItsPayloadTextFirst)
{
    press("TimingSave");
    EXPECT_EQ(sentLines(), QStringList({"1,10,10,10,1",
                                        "02 01 9A 0C 31 2C 31 30 2C 31 30 2C 31 30 2C 31 03 97 "}));
    EXPECT_EQ(labelText("CommStatus"), "Packet is not sent.");
}

TEST_F(SettingsSequences, AnEmptyReplyEndsAReadSequenceAndContinuesAWriteSequence)
{
    struct Case {
        const char* button;
        std::vector<QByteArray> before; // replies that bring the sequence to the step
        bool continues;
    };
    const Case cases[] = {
        {"GeneralReadSettings", {}, false},         // C2h
        {"GeneralReadSettings", {"2"}, false},      // E6h
        {"GeneralReadSettings", {"2", "9"}, false}, // 8Ah, the last step
        {"TimingRead", {}, false},                  // 99h
        {"TimingRead", {"10,200,1200,0"}, false},   // D0h, the last step
        {"GeneralWriteSettings", {}, true},         // C3h
        {"GeneralWriteSettings", {""}, true},       // E7h
        {"TimingSave", {}, true},                   // 9Ah
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.button << " after " << c.before.size());
        freshConsole();
        connectPort();
        press(c.button);
        for (const QByteArray& payload : c.before)
            reply(replyFrame(payload));
        const std::uint8_t awaited = screen->LastCommand;
        const auto mode = control<QRadioButton>("ModeTimeVend")->isChecked();
        const QString maxCash = control<SpinEdit>("MaxCash")->text();
        const QString sense = control<SpinEdit>("TimingSense1")->text();
        const qsizetype written = port->writes.size();

        reply(replyFrame(""));
        EXPECT_EQ(port->writes.size(), written + (c.continues ? 1 : 0));
        if (!c.continues) {
            EXPECT_EQ(screen->LastCommand, awaited);
            EXPECT_EQ(control<QRadioButton>("ModeTimeVend")->isChecked(), mode);
            EXPECT_EQ(control<SpinEdit>("MaxCash")->text(), maxCash);
            EXPECT_EQ(control<SpinEdit>("TimingSense1")->text(), sense);
        }
    }
}

// With the port closed, the chained request is logged but not written, and nothing follows.
TEST_F(SettingsSequences, AClosedPortStopsTheChainAtTheNextStep)
{
    for (const Sequence& s : sequences()) {
        SCOPED_TRACE(s.what);
        freshConsole();
        connectPort();
        press(s.button);
        port->deliver(replyFrame(s.steps.front().reply));
        control<QCheckBox>("CommON1")->setChecked(false);
        screen->Timer1Timer();

        EXPECT_EQ(port->writes.size(), 1);
        EXPECT_EQ(screen->LastCommand, s.steps.front().lastCommand);
        EXPECT_EQ(sentLines().last(), QString::fromLatin1(s.steps.front().sends));
        EXPECT_EQ(labelText("CommStatus"), "Packet is not sent.");
    }
}

// Chain steps that use the reply's address answer a controller at another address there.
TEST_F(SettingsSequences, ChainStepsTakeTheRepliesAddressWhereTheyUseIt)
{
    struct Case {
        const char* button;
        std::vector<QByteArray> before;
        QByteArray payload;
        const char* sends;
    };
    const Case cases[] = {
        {"GeneralReadSettings", {}, "0", "02 05 E6 00 03 E2 "},
        {"GeneralReadSettings", {"0"}, "9999", "02 01 8A 00 03 8A "},
        {"GeneralWriteSettings", {}, "", "02 05 E7 04 39 39 39 39 03 E7 "},
        {"TimingRead", {}, "10,200,1200,0", "02 01 D0 00 03 D0 "},
        {"TimingSave", {}, "", "02 01 D1 06 36 30 2C 35 2C 31 03 D5 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sends);
        freshConsole();
        connectPort();
        press(c.button);
        for (const QByteArray& payload : c.before)
            reply(replyFrame(payload));
        reply(replyFrame(c.payload, 0x05));
        EXPECT_EQ(lastWrite(), QString::fromLatin1(c.sends));
    }
}

// Replies are matched by arrival: a request from another page takes over the next reply.
TEST_F(SettingsSequences, AReplyIsDecodedForTheRequestSentLast)
{
    connectPort();
    press("GeneralReadSettings");
    reply(replyFrame("1"));
    press("TimingRead"); // while the cash limit is awaited
    reply(replyFrame("65000"));
    EXPECT_EQ(control<SpinEdit>("TimingSense1")->text(), "65000");
    EXPECT_EQ(control<SpinEdit>("MaxCash")->text(), "9999");
    EXPECT_EQ(lastWrite(), "02 01 D0 00 03 D0 ");

    press("GeneralWriteSettings"); // while the time-vend values are awaited
    reply(replyFrame("90,7,0"));
    EXPECT_EQ(control<SpinEdit>("TimeVendTimer")->text(), "60");
    EXPECT_EQ(lastWrite(), "02 01 E7 04 39 39 39 39 03 E3 ");
}
