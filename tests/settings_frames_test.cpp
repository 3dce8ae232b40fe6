#include "support/ConsoleFixture.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

namespace {

// The console with its port connected; cases drive it through these.
class SettingsFrames : public ConsoleFixture {
public:
    void press(const char* button) { control<QPushButton>(button)->click(); }
    // Presses button, then answers each request of the sequence in turn.
    void pressAndAnswer(const char* button, std::initializer_list<const char*> payloads)
    {
        press(button);
        for (const char* payload : payloads)
            reply(replyFrame(payload));
    }
    template <typename W> W* find(const char* name) { return control<W>(name); }
};

struct FrameCase {
    const char* what;
    void (*act)(SettingsFrames&);
    const char* frame;
    const char* status;
};

const char* const PulseValuesFrame =
    "02 01 89 14 35 2C 31 30 2C 32 35 2C 31 30 30 2C 35 30 30 2C 31 30 30 30 03 87 ";

// Every worked frame of the settings pages, from a press or from a reply, with its status text.
const FrameCase FrameCases[] = {
    {"general read", [](SettingsFrames& f) { f.press("GeneralReadSettings"); },
     "02 01 C2 00 03 C2 ", "C2h Read System Mode - Sent"},
    {"general write in Steering",
     [](SettingsFrames& f) {
         f.find<QRadioButton>("ModeSteering")->click();
         f.press("GeneralWriteSettings");
     },
     "02 01 C3 01 01 03 C3 ", "C3h Write System Mode - Sent"},
    {"general write in Standard", [](SettingsFrames& f) { f.press("GeneralWriteSettings"); },
     "02 01 C3 01 00 03 C2 ", "C3h Write System Mode - Sent"},
    {"cash limit read", [](SettingsFrames& f) { f.pressAndAnswer("GeneralReadSettings", {"0"}); },
     "02 01 E6 00 03 E6 ", "E6h Read MaxCash - Sent"},
    {"pulse read ending the general read",
     [](SettingsFrames& f) {
         f.pressAndAnswer("GeneralReadSettings", {"0", "65000"});
     },
     "02 01 8A 00 03 8A ", "8Ah Read Currency Pulse Value - Sent"},
    {"cash limit write of 9999",
     [](SettingsFrames& f) { f.pressAndAnswer("GeneralWriteSettings", {""}); },
     "02 01 E7 04 39 39 39 39 03 E3 ", "E7h Write MaxCash - Sent"},
    {"cash limit write of 65000",
     [](SettingsFrames& f) {
         f.find<SpinEdit>("MaxCash")->setText(QStringLiteral("65000"));
         f.pressAndAnswer("GeneralWriteSettings", {""});
     },
     "02 01 E7 05 36 35 30 30 30 03 D1 ", "E7h Write MaxCash - Sent"},
    {"pulse write ending the general write",
     [](SettingsFrames& f) {
         f.pressAndAnswer("GeneralWriteSettings", {"", ""});
     },
     PulseValuesFrame, "89h Write Currency Pulse Value - Sent"},
    {"pulse page read", [](SettingsFrames& f) { f.press("bReadCurrencyPulseValues"); },
     "02 01 8A 00 03 8A ", "8Ah Read Currency Pulse Value - Sent"},
    {"pulse page second read", [](SettingsFrames& f) { f.press("LMDSpeedButton28"); },
     "02 01 8A 00 03 8A ", "8Ah Read Currency Pulse Value - Sent"},
    {"pulse page save", [](SettingsFrames& f) { f.press("bSaveCurrencyPulseValues"); },
     PulseValuesFrame, "89h Write Currency Pulse Value - Sent"},
    {"pulse page second save", [](SettingsFrames& f) { f.press("LMDSpeedButton32"); },
     PulseValuesFrame, "89h Write Currency Pulse Value - Sent"},
    {"timing read", [](SettingsFrames& f) { f.press("TimingRead"); }, "02 01 99 01 31 03 A9 ",
     "99h Read Timings1 - Sent"},
    {"timing write", [](SettingsFrames& f) { f.press("TimingSave"); },
     "02 01 9A 0C 31 2C 31 30 2C 31 30 2C 31 30 2C 31 03 97 ", "9Ah Write Timings1 - Sent"},
    {"timing write on the leading edge",
     [](SettingsFrames& f) {
         f.find<QCheckBox>("TrailingEdge1")->setChecked(false);
         f.press("TimingSave");
     },
     "02 01 9A 0C 31 2C 31 30 2C 31 30 2C 31 30 2C 30 03 96 ", "9Ah Write Timings1 - Sent"},
    {"time-vend read", [](SettingsFrames& f) { f.pressAndAnswer("TimingRead", {"10,200,1200,0"}); },
     "02 01 D0 00 03 D0 ", "D0h Read TimeVend Timer Value - Sent"},
    {"time-vend write", [](SettingsFrames& f) { f.pressAndAnswer("TimingSave", {""}); },
     "02 01 D1 06 36 30 2C 35 2C 31 03 D5 ", "D1h Write TimeVend Values - Sent"},
};

class SettingsFrame : public SettingsFrames, public ::testing::WithParamInterface<FrameCase> {};

} // namespace

TEST_P(SettingsFrame, IsWrittenAndLoggedByteExactWithItsStatusText)
{
    const FrameCase& c = GetParam();
    SCOPED_TRACE(c.what);
    connectPort();
    c.act(*this);
    EXPECT_EQ(lastWrite(), QString::fromLatin1(c.frame));
    EXPECT_EQ(sentLines().last(), QString::fromLatin1(c.frame));
    EXPECT_EQ(labelText("APIStatus"), QString::fromLatin1(c.status));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(WorkedFrames, SettingsFrame, ::testing::ValuesIn(FrameCases));

// The page's save buttons send the texts as shown; the general write sends the values.
TEST_F(SettingsFrames, PulseButtonsSendTheTextsAndTheGeneralWriteSendsTheValues)
{
    connectPort();
    find<SpinEdit>("CurrencyPulse2")->setText(QString());
    press("bSaveCurrencyPulseValues");
    EXPECT_EQ(lastWrite(), "02 01 89 12 35 2C 2C 32 35 2C 31 30 30 2C 35 30 30 2C 31 30 30 30 03 "
                           "80 ");
    pressAndAnswer("GeneralWriteSettings", {"", ""});
    EXPECT_EQ(lastWrite(), "02 01 89 13 35 2C 31 2C 32 35 2C 31 30 30 2C 35 30 30 2C 31 30 30 30 "
                           "03 B0 ");
}
