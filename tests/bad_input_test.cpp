#include "console/ErrorBox.h"
#include "link/Unit2.h"
#include "support/ConsoleFixture.h"
#include "widgets/IpAddressEdit.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <vector>

// What the console does with replies a controller should never send. Each table states the
// outcome for its inputs; none of them may read or write outside a buffer (the sanitizer build
// runs these too).

namespace {

using Handler = void (TMainScreen::*)();

const QString Noise(1, QChar(0xAA));

// The main window on an active fake port; every reply is taken in as the window's timer does.
class BadInput : public ConsoleFixture {
protected:
    void SetUp() override
    {
        ConsoleFixture::SetUp();
        connectPort();
    }

    void freshConsole()
    {
        TearDown();
        errors.clear();
        SetUp();
    }

    void tick()
    {
        ErrorBox::guarded([&] { screen->Timer1Timer(); });
    }

    void answer(const QByteArray& payload)
    {
        port->deliver(replyFrame(payload));
        tick();
    }

    void press(Handler handler)
    {
        ErrorBox::guarded([&] { (screen.get()->*handler)(); });
    }

    QString shown(const char* name) const
    {
        QWidget* w = control(name);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* spin = qobject_cast<SpinEdit*>(w)) return spin->text();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
        return {};
    }
};

// A numeric control that a reply fills: the request that asks for it, the replies that lead to
// its step, and where its field stands in the reply (a field count of 1 takes the whole text).
struct NumericControl {
    const char* name;
    Handler read;
    std::vector<QByteArray> before;
    int field;
    int fields;
    int limit = 0; // a number above it is set back to it as soon as it is shown; 0: none
};

const NumericControl NumericControls[] = {
    {"MaxCash", &TMainScreen::GeneralReadSettingsClick, {"0"}, 0, 1},
    {"CurrencyPulse1", &TMainScreen::bReadPulseValueClick, {}, 0, 6},
    {"CurrencyPulse2", &TMainScreen::bReadPulseValueClick, {}, 1, 6},
    {"CurrencyPulse3", &TMainScreen::bReadPulseValueClick, {}, 2, 6},
    {"CurrencyPulse4", &TMainScreen::bReadPulseValueClick, {}, 3, 6},
    {"CurrencyPulse5", &TMainScreen::bReadPulseValueClick, {}, 4, 6},
    {"CurrencyPulse6", &TMainScreen::bReadPulseValueClick, {}, 5, 6},
    {"TimingSense1", &TMainScreen::TimingReadClick, {}, 0, 4},
    {"TimingBlind1", &TMainScreen::TimingReadClick, {}, 1, 4},
    {"TimingReset1", &TMainScreen::TimingReadClick, {}, 2, 4},
    {"TimeVendTimer", &TMainScreen::TimingReadClick, {"10,10,10,1"}, 0, 3},
    {"TimeVendDelay", &TMainScreen::TimingReadClick, {"10,10,10,1"}, 1, 3},
    {"NetworkPort", &TMainScreen::NetworkReadSettingsClick, {"10.0.0.1"}, 0, 2},
    {"WebPort", &TMainScreen::NetworkReadSettingsClick, {"10.0.0.1"}, 1, 2},
    {"PriceSet1", &TMainScreen::ReadPrices1Click, {}, 0, 8, 32000},
    {"PriceSet2", &TMainScreen::ReadPrices1Click, {}, 1, 8, 32000},
    {"PriceSet3", &TMainScreen::ReadPrices1Click, {}, 2, 8, 32000},
    {"PriceSet4", &TMainScreen::ReadPrices1Click, {}, 3, 8, 32000},
    {"PriceSet5", &TMainScreen::ReadPrices1Click, {}, 4, 8, 32000},
    {"PriceSet6", &TMainScreen::ReadPrices1Click, {}, 5, 8, 32000},
    {"PriceSet7", &TMainScreen::ReadPrices1Click, {}, 6, 8, 32000},
    {"PriceSet8", &TMainScreen::ReadPrices1Click, {}, 7, 8, 32000},
    {"PriceSet9", &TMainScreen::ReadPrices2Click, {}, 0, 8, 32000},
    {"PriceSet10", &TMainScreen::ReadPrices2Click, {}, 1, 8, 32000},
    {"PriceSet11", &TMainScreen::ReadPrices2Click, {}, 2, 8, 32000},
    {"PriceSet12", &TMainScreen::ReadPrices2Click, {}, 3, 8, 32000},
    {"PriceSet13", &TMainScreen::ReadPrices2Click, {}, 4, 8, 32000},
    {"PriceSet14", &TMainScreen::ReadPrices2Click, {}, 5, 8, 32000},
    {"PriceSet15", &TMainScreen::ReadPrices2Click, {}, 6, 8, 32000},
    {"PriceSet16", &TMainScreen::ReadPrices2Click, {}, 7, 8, 32000},
};

void PrintTo(const NumericControl& c, std::ostream* out)
{
    *out << c.name;
}

// A reply with text in the control's field and 7 in every other.
QByteArray replyWith(const NumericControl& c, const QByteArray& text)
{
    QByteArrayList fields(c.fields, "7");
    fields[c.field] = text;
    return fields.join(',');
}

class NumericReply : public BadInput, public ::testing::WithParamInterface<NumericControl> {
protected:
    void answerField(const QByteArray& text)
    {
        const NumericControl& c = GetParam();
        press(c.read);
        for (const QByteArray& earlier : c.before)
            answer(earlier);
        answer(replyWith(c, text));
    }
};

} // namespace

TEST_P(NumericReply, TextThatIsNoNumberIsShownAndCountsAsTheMinimum)
{
    for (const char* text : {"abc", "12a", "-7", "0x10", "."}) {
        SCOPED_TRACE(text);
        freshConsole();
        answerField(text);
        const auto* edit = control<SpinEdit>(GetParam().name);
        EXPECT_EQ(edit->text(), text);
        EXPECT_EQ(edit->value(), int(edit->minimum()));
        EXPECT_TRUE(errors.isEmpty());
    }
}

TEST_P(NumericReply, FieldOfTwelveOrMoreCharactersKeepsItsFirstFive)
{
    for (const QByteArray& text : {QByteArray("123456789012"), QByteArray(200, '9')}) {
        SCOPED_TRACE(text.size());
        freshConsole();
        answerField(text);
        const int limit = GetParam().limit;
        const bool above = limit > 0 && text.left(5).toInt() > limit;
        EXPECT_EQ(shown(GetParam().name), above ? QByteArray::number(limit) : text.left(5));
        if (GetParam().fields > 1) // the slot holds eleven characters
            EXPECT_EQ(QByteArray(Unit2::Buffers().FieldSlots[GetParam().field]), text.left(11));
    }
}

TEST_P(NumericReply, NulEndsTheFieldsOfAReply)
{
    answerField(QByteArray("42\0"
                           "99,99",
                           8));
    EXPECT_EQ(shown(GetParam().name), "42");
    for (const auto& slot : Unit2::Buffers().FieldSlots) // nothing after the NUL is read
        EXPECT_STRNE(slot, "99");
}

INSTANTIATE_TEST_SUITE_P(EveryNumericControl, NumericReply, ::testing::ValuesIn(NumericControls),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

// Bytes that arrive while "Escrow (80h)" waits for its reply, and what the ticks make of them.
struct FrameCase {
    const char* what;
    int ticks;             // until the buffer is empty
    int loggedLength;      // bytes of the one line logged
    const char* status;    // CommStatus afterwards
    QString escrow;        // what the Escrow label then shows
    QByteArrayList chunks; // one receive notification each
};

QByteArray frames(int count, const QByteArray& payload)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += replyFrame(payload);
    return bytes;
}

const QString Unchanged = QStringLiteral("00000");
const char* const Sent = "Packet is sent.";
const char* const Rejected = "Bad Received Packet.";
const char* const BadChecksum = "Bad Received CheckSum.";

// RxBuffer holds 255 bytes; a notification that overflows it leaves its first six as a frame,
// which is taken as it stands one tick later, whatever older bytes fill its positions.
// clang-format off
const FrameCase FrameCases[] = {
    {"LEN 255 over a full buffer", 1, 255, Rejected, Unchanged,
     {hexBytes("02 01 06 FF") + QByteArray(251, '1')}},
    {"LEN 252 over a full buffer", 1, 255, Rejected, Unchanged,
     {hexBytes("02 01 06 FC") + QByteArray(251, '1')}},
    {"LEN 249: the longest reply the buffer holds whole", 1, 255, Sent,
     QString(249, QLatin1Char('7')), {replyFrame(QByteArray(249, '7'))}},
    {"LEN 250: the buffer cannot hold its check byte", 2, 256, BadChecksum,
     QString(250, QLatin1Char('7')), {replyFrame(QByteArray(250, '7'))}},
    {"a reply that ends on the buffer's last byte", 1, 7, Sent, QStringLiteral("9"),
     {QByteArray(245, '\xAA') + replyFrame("9")}},
    {"a reply that would end past the buffer", 2, 176, BadChecksum, Noise.repeated(170),
     {QByteArray(250, '\xAA') + replyFrame("9")}},
    {"300 bytes: a reply, then noise", 2, 9, Sent, QStringLiteral("250"),
     {replyFrame("250") + QByteArray(291, '\xAA')}},
    {"300 bytes of noise", 2, 176, BadChecksum, Noise.repeated(170), {QByteArray(300, '\xAA')}},
    {"300 start bytes", 2, 8, BadChecksum, QString(2, QChar(0x02)), {QByteArray(300, '\x02')}},
    {"300 bytes of replies back to back", 2, 9, Sent, QStringLiteral("250"),
     {frames(34, "250").left(300)}},
    {"300 bytes of noise in two notifications", 2, 176, BadChecksum, Noise.repeated(170),
     {QByteArray(150, '\xAA'), QByteArray(150, '\xAA')}},
};
// clang-format on

void PrintTo(const FrameCase& c, std::ostream* out)
{
    *out << c.what;
}

class FrameReply : public BadInput, public ::testing::WithParamInterface<FrameCase> {};

} // namespace

TEST_P(FrameReply, IsTakenInOnceWithinTheBuffer)
{
    const FrameCase& c = GetParam();
    screen->bEscrowClick();
    for (const QByteArray& chunk : c.chunks)
        port->deliver(chunk);
    for (int i = 0; i < c.ticks; ++i) {
        EXPECT_TRUE(receivedLines().isEmpty()) << "taken in early, at tick " << i;
        tick();
    }
    EXPECT_EQ(screen->RxCount, 0);
    ASSERT_EQ(receivedLines().size(), 1);
    EXPECT_EQ(receivedLines()[0].size(), 3 * c.loggedLength);
    EXPECT_EQ(labelText("CommStatus"), c.status);
    EXPECT_EQ(labelText("Escrow"), c.escrow);
    tick();
    EXPECT_EQ(receivedLines().size(), 1);
    EXPECT_EQ(screen->Payload[TMainScreen::EtxIndex], 0x03);
}

INSTANTIATE_TEST_SUITE_P(BadFrames, FrameReply, ::testing::ValuesIn(FrameCases));

// Text replies are shown whole up to their first NUL, however long.
TEST_F(BadInput, TextRepliesOfAnyLengthAndWithNulBytes)
{
    struct Case {
        Handler read;
        const char* control;
        QByteArray payload;
        QString shown;
    };
    const QByteArray longText(240, 'V');
    const Case cases[] = {
        {&TMainScreen::VersionCheck, "ReadVersion", longText, QString::fromLatin1(longText)},
        {&TMainScreen::bReadSerialNumberClick, "ReadSerialNumber", QByteArray("\0CV-1", 5), ""},
        {&TMainScreen::bReadMaxCashClick, "ReadMaxCashValue", QByteArray(12, '4'),
         QString(12, QLatin1Char('4'))},
        {&TMainScreen::NetworkReadSettingsClick, "IPAddress", QByteArray("10.0.0.5\0.7", 11),
         "10.0.0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        freshConsole();
        press(c.read);
        answer(c.payload);
        EXPECT_EQ(shown(c.control), c.shown);
        EXPECT_TRUE(errors.isEmpty());
    }

    // The MAC address reader and the one-character flags, at the end of their sequences.
    freshConsole();
    press(&TMainScreen::NetworkReadSettingsClick);
    for (const char* step : {"10.0.0.5", "80,81", "255.0.0.0", "10.0.0.1"})
        answer(step);
    answer(longText);
    EXPECT_EQ(shown("MacAddress"), QString::fromLatin1(longText));
    answer(QByteArray("00-11\0-22", 9));
    EXPECT_EQ(shown("MacAddress"), "00-11");

    control<QCheckBox>("TrailingEdge1")->setChecked(false);
    press(&TMainScreen::TimingReadClick);
    answer("10,20,30,111111111111111");
    EXPECT_TRUE(control<QCheckBox>("TrailingEdge1")->isChecked());
}

// The controller's address replies go into their edits only when they are IPv4 addresses.
TEST_F(BadInput, InvalidAddressForEveryAddressEdit)
{
    struct Edit {
        const char* name;
        std::vector<QByteArray> before; // the read sequence's replies up to its step
    };
    const Edit edits[] = {
        {"IPAddress", {}},
        {"Subnet", {"10.0.0.5", "80,81"}},
        {"Gateway", {"10.0.0.5", "80,81", "255.0.0.0"}},
    };
    const QByteArray invalid[] = {
        "1.2.3",      "1.2.3.4.5",         "256.1.1.1",
        "1.2.3.-4",   " 1.2.3.4",          "1.2.3.4 ",
        "1..3.4",     "a.b.c.d",           "0x1.2.3.4",
        "1234.1.1.1", QByteArray(1, '\0'), QByteArray(200, '9'),
        "1,2,3,4",    "1.2.3.4/24",
    };
    for (const Edit& e : edits) {
        for (const QByteArray& text : invalid) {
            SCOPED_TRACE(testing::Message() << e.name << " " << text.left(20).toStdString());
            freshConsole();
            press(&TMainScreen::NetworkReadSettingsClick);
            for (const QByteArray& step : e.before)
                answer(step);
            const QString before = control<IpAddressEdit>(e.name)->address();
            const qsizetype writes = port->writes.size();
            answer(text);
            EXPECT_EQ(errors, QStringList{"Invalid IP address string."});
            EXPECT_EQ(control<IpAddressEdit>(e.name)->address(), before);
            EXPECT_EQ(control<IpAddressEdit>(e.name)->text(), before);
            EXPECT_EQ(port->writes.size(), writes); // the read sequence ends here
            EXPECT_EQ(screen->RxCount, 0);
        }
    }
}

// Only the first payload byte of an escrow status or system mode reply counts: the digit or the
// raw value of a state the console knows; any other leaves the label, or selects no mode.
TEST_F(BadInput, EveryFirstByteOfAnEscrowStatusOrModeReply)
{
    auto escrowText = [](int b) {
        const std::pair<int, const char*> states[] = {
            {0, "No Escrow"}, {1, "Cash Escrow"}, {5, "Bypass Mode"}, {6, "Credit Card"}};
        for (const auto& [state, text] : states) {
            if (b == state || b == '0' + state) return QString::fromLatin1(text);
        }
        return QStringLiteral("before");
    };
    const char* const modes[] = {"ModeStandard", "ModeSteering", "ModeTimeVend"};
    auto modeOf = [](int b) { return b < 3 ? b : b >= '0' && b < '3' ? b - '0' : -1; };

    for (int b = 0; b <= 0xFF; ++b) {
        SCOPED_TRACE(b);
        const QByteArray payload = QByteArray(1, char(b)) + "9";
        press(&TMainScreen::bReadEscrowClick);
        control<QLabel>("EscrowStatus")->setText(QStringLiteral("before"));
        answer(payload);
        EXPECT_EQ(labelText("EscrowStatus"), escrowText(b));

        press(&TMainScreen::GeneralReadSettingsClick);
        answer(payload);
        for (int m = 0; m < 3; ++m)
            EXPECT_EQ(control<QRadioButton>(modes[m])->isChecked(), m == modeOf(b)) << modes[m];
        EXPECT_EQ(lastWrite(), "02 01 E6 00 03 E6 "); // the read goes on
    }
    EXPECT_TRUE(errors.isEmpty());
}
