#include "console/ErrorBox.h"
#include "link/Unit2.h"
#include "support/ConsoleFixture.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <utility>
#include <vector>

namespace {

const char* const ReadFrames[] = {
    "02 01 B3 00 03 B3 ", "02 01 B5 00 03 B5 ", "02 01 B7 00 03 B7 ",
    "02 01 B9 00 03 B9 ", "02 01 BA 00 03 BA ",
};
const char* const ReadStatus[] = {
    "B3h Read Network IP Address - Sent", "B5 - Read Web Port - Sent",
    "B7h - Read Subnet Address - Sent",   "B9h - Read Gateway Address - Sent",
    "BAh - Read MAC Address - Sent",
};

// A controller's replies to B3h, B5h, B7h, B9h and BAh, and what each one shows.
struct ReadStep {
    const char* reply;
    std::vector<std::pair<const char*, const char*>> shown; // control, its text
};
const ReadStep ReadSteps[] = {
    {"192.168.1.50", {{"IPAddress", "192.168.1.50"}}},
    {"1234,80", {{"NetworkPort", "1234"}, {"WebPort", "80"}}},
    {"255.255.0.0", {{"Subnet", "255.255.0.0"}}},
    {"192.168.1.254", {{"Gateway", "192.168.1.254"}}},
    {"00-11-22-33-44-55", {{"MacAddress", "00-11-22-33-44-55"}}},
};

// B2h, B4h, B6h and B8h with the page's initial values.
const char* const WriteFrames[] = {
    "02 01 B2 0D 31 39 32 2E 31 36 38 2E 31 2E 31 30 30 03 94 ",
    "02 01 B4 09 31 32 33 34 2C 38 30 38 30 03 95 ",
    "02 01 B6 0D 32 35 35 2E 32 35 35 2E 32 35 35 2E 30 03 97 ",
    "02 01 B8 0B 31 39 32 2E 31 36 38 2E 31 2E 31 03 98 ",
};
const char* const WriteStatus[] = {
    "B2h Write Nework IP Address - Sent",
    "B4h Write Nework Port & Web Port - Sent",
    "B6h Write Subnet Address",
    "B8h Write Gateway - Sent",
};

const char* const NetworkControls[] = {"IPAddress",  "Subnet",      "Gateway",
                                       "MacAddress", "NetworkPort", "WebPort"};

} // namespace

// The "Network" page on an active fake port.
class NetworkSequence : public ConsoleFixture {
protected:
    void SetUp() override
    {
        ConsoleFixture::SetUp();
        connectPort();
    }

    // A reply taken in by one poll tick, run as the window's timer runs it.
    void answer(const QByteArray& frame)
    {
        port->deliver(frame);
        ErrorBox::guarded([&] { screen->Timer1Timer(); });
    }

    void press(const char* button) { control<QPushButton>(button)->click(); }

    QString shown(const char* name) const
    {
        if (auto* spin = screen->findChild<SpinEdit*>(QString::fromLatin1(name)))
            return spin->text();
        return control<QLineEdit>(name)->text();
    }

    QStringList allShown() const
    {
        QStringList texts;
        for (const char* name : NetworkControls)
            texts << shown(name);
        return texts;
    }

    // Presses "Read Settings" and answers the first `steps` requests as the worked replies do.
    void readUpTo(int steps)
    {
        press("NetworkReadSettings");
        for (int i = 0; i < steps; ++i)
            answer(replyFrame(ReadSteps[i].reply));
    }

    QStringList writtenSince(qsizetype first) const
    {
        QStringList frames;
        for (qsizetype i = first; i < port->writes.size(); ++i)
            frames << QString::fromLatin1(port->writes[i].toHex(' ').toUpper()) + ' ';
        return frames;
    }
};

TEST_F(NetworkSequence, ReadSequenceStepByStep)
{
    press("NetworkReadSettings");
    EXPECT_EQ(lastWrite(), ReadFrames[0]);
    EXPECT_EQ(labelText("APIStatus"), ReadStatus[0]);

    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(ReadSteps[i].reply);
        answer(replyFrame(ReadSteps[i].reply));
        for (const auto& [name, text] : ReadSteps[i].shown)
            EXPECT_EQ(shown(name), text) << name;
        if (i < 4) {
            EXPECT_EQ(lastWrite(), ReadFrames[i + 1]);
            EXPECT_EQ(labelText("APIStatus"), ReadStatus[i + 1]);
        }
        EXPECT_EQ(port->writes.size(), std::min(i + 2, 5));
    }
}

TEST_F(NetworkSequence, WriteSequenceGoesOnWhateverTheReply)
{
    const std::pair<const char*, QByteArray> replies[] = {
        {"empty acknowledgement", replyFrame({})},
        {"empty NAK", replyFrame({}, 0x01, 0x15)},
        {"NAK with text", replyFrame("ERR", 0x01, 0x15)},
    };
    const QStringList writeFrames(std::begin(WriteFrames), std::end(WriteFrames));
    for (const auto& [kind, reply] : replies) {
        SCOPED_TRACE(kind);
        const qsizetype first = port->writes.size();
        press("NetworkSaveSettings");
        EXPECT_EQ(labelText("APIStatus"), WriteStatus[0]);
        for (int i = 1; i < 4; ++i) {
            answer(reply);
            EXPECT_EQ(labelText("APIStatus"), WriteStatus[i]);
        }
        answer(reply); // the reply to B8h is only logged
        EXPECT_EQ(writtenSince(first), writeFrames);
        EXPECT_EQ(receivedLines().size(), 4);
        control<QPushButton>("Button1")->click(); // empty the logs for the next kind
    }
}

TEST_F(NetworkSequence, EmptyReplyEndsReadSequence)
{
    const std::pair<const char*, QByteArray> replies[] = {
        {"acknowledgement", replyFrame({})},
        {"NAK", replyFrame({}, 0x01, 0x15)},
    };
    for (int step = 0; step < 4; ++step) {
        for (const auto& [kind, reply] : replies) {
            SCOPED_TRACE(testing::Message() << kind << " to " << ReadFrames[step]);
            readUpTo(step);
            const QStringList before = allShown();
            const qsizetype writes = port->writes.size();
            answer(reply);
            EXPECT_EQ(port->writes.size(), writes);
            EXPECT_EQ(allShown(), before);
            EXPECT_EQ(screen->RxCount, 0);
        }
    }
}

// The read steps look at the payload only, never at the reply's response byte.
TEST_F(NetworkSequence, NakWithAddressStillDecoded)
{
    press("NetworkReadSettings");
    answer(replyFrame("10.0.0.9", 0x01, 0x15));
    EXPECT_EQ(shown("IPAddress"), "10.0.0.9");
    EXPECT_EQ(lastWrite(), ReadFrames[1]);
}

TEST_F(NetworkSequence, WriteStepsFollowReplyAddressReadStepsStayAt01)
{
    press("NetworkSaveSettings");
    answer(replyFrame({}, 0x05));
    EXPECT_EQ(lastWrite(), "02 05 B4 09 31 32 33 34 2C 38 30 38 30 03 91 ");
    answer(replyFrame({}, 0x01));
    EXPECT_EQ(lastWrite(), WriteFrames[2]);
    answer(replyFrame({}, 0x05));
    EXPECT_EQ(lastWrite(), "02 05 B8 0B 31 39 32 2E 31 36 38 2E 31 2E 31 03 9C ");

    screen->Timer1Timer(); // a button pressed before it would still send to 05h
    const qsizetype first = port->writes.size();
    press("NetworkReadSettings");
    for (const ReadStep& step : ReadSteps)
        answer(replyFrame(step.reply, 0x05));
    EXPECT_EQ(writtenSince(first), QStringList(std::begin(ReadFrames), std::end(ReadFrames)));
}

TEST_F(NetworkSequence, InvalidAddressReplyShowsOneErrorAndEndsReadSequence)
{
    struct Case {
        int step; // of the read sequence: 0 B3h, 2 B7h, 3 B9h
        const char* control;
        const char* reply;
    };
    const Case cases[] = {
        {0, "IPAddress", "192.168.1.256"},
        {2, "Subnet", "255.255.0"},
        {3, "Gateway", "gateway"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        errors.clear();
        readUpTo(c.step);
        const QString before = shown(c.control);
        const qsizetype writes = port->writes.size();
        answer(replyFrame(c.reply));
        EXPECT_EQ(errors, QStringList{"Invalid IP address string."});
        EXPECT_EQ(shown(c.control), before);
        EXPECT_EQ(port->writes.size(), writes);
        EXPECT_EQ(screen->RxCount, 0);
        ErrorBox::guarded([&] { screen->Timer1Timer(); });
        EXPECT_EQ(errors.size(), 1);
    }
}

TEST_F(NetworkSequence, PortReplyFields)
{
    struct Case {
        const char* reply;
        const char* networkPort;
        const char* webPort;
    };
    const Case cases[] = {
        {"1234", "1234", "8000"},         // web port from what slot 1 held before
        {"123456,8080", "12345", "8080"}, // the edit keeps five characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        std::strcpy(Unit2::Buffers().FieldSlots[1], "8000");
        readUpTo(1);
        answer(replyFrame(c.reply));
        EXPECT_EQ(shown("NetworkPort"), c.networkPort);
        EXPECT_EQ(shown("WebPort"), c.webPort);
        EXPECT_EQ(lastWrite(), ReadFrames[2]);
    }
}

TEST_F(NetworkSequence, HiddenNetworkPortTravelsBothWays)
{
    EXPECT_TRUE(control<SpinEdit>("NetworkPort")->isHidden());
    int hiddenLabels = 0;
    for (const QLabel* label : screen->findChildren<QLabel*>())
        hiddenLabels += label->text() == "Network API Port" && label->isHidden();
    EXPECT_EQ(hiddenLabels, 1);

    readUpTo(1);
    answer(replyFrame("4321,8081"));
    EXPECT_EQ(shown("NetworkPort"), "4321");

    press("NetworkSaveSettings");
    answer(replyFrame({}));
    EXPECT_EQ(port->writes.last(), replyFrame("4321,8081", 0x01, 0xB4));
}

TEST_F(NetworkSequence, RestartNetworkChangesNoFrame)
{
    control<QCheckBox>("NetworkRestart")->setChecked(true);
    press("NetworkSaveSettings");
    for (int i = 0; i < 4; ++i)
        answer(replyFrame({}));
    readUpTo(5);

    QStringList expected(std::begin(WriteFrames), std::end(WriteFrames));
    expected << QStringList(std::begin(ReadFrames), std::end(ReadFrames));
    EXPECT_EQ(writtenSince(0), expected);
}
