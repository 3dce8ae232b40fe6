#include "console/MainScreenCardDispenser.h"

#include "console/ConsoleError.h"
#include "widgets/SpinEdit.h"

#include <QRadioButton>
#include <algorithm>
#include <array>

using namespace std::chrono_literals;

namespace {

using Address = RequestSite::Address;

// The general read sequence is C2h, E6h, then the pulse-value read 8Ah; the general write
// sequence is C3h, E7h, then the pulse-value write 89h (both last steps in CurrencyPulses.cpp).
constexpr RequestSite SystemModeRead{0xC2, Address::Fixed01, "C2h Read System Mode - Sent", 5ms,
                                     true};
constexpr RequestSite CashLimitRead{0xE6, Address::Frame, "E6h Read MaxCash - Sent", 5ms};
constexpr RequestSite SystemModeWrite{0xC3, Address::Fixed01, "C3h Write System Mode - Sent", 5ms,
                                      true};
constexpr RequestSite CashLimitWrite{0xE7, Address::Frame, "E7h Write MaxCash - Sent", 5ms};

constexpr int NoMode = -1;

// The controller sends the mode as a raw value (00h-02h) or as its ASCII digit.
int systemModeOf(std::uint8_t byte, int modeCount)
{
    const int mode = byte >= '0' ? byte - '0' : byte;
    return mode < modeCount ? mode : NoMode;
}

} // namespace

void TMainScreen::GeneralReadSettingsClick()
{
    SendRequest(SystemModeRead);
}

void TMainScreen::GeneralWriteSettingsClick()
{
    // Mode buttons in the order of their values on the wire.
    const std::array modes{ModeStandard, ModeSteering, ModeTimeVend};
    const auto selected =
        std::find_if(modes.begin(), modes.end(), [](QRadioButton* b) { return b->isChecked(); });
    // Only an unknown mode in a read reply leaves none selected; never send a made-up one.
    if (selected == modes.end()) throw ConsoleError("No system mode is selected.");
    SendRequest(SystemModeWrite, static_cast<std::uint8_t>(selected - modes.begin()));
}

void TMainScreen::decodeGeneralMode()
{
    const std::array modes{ModeStandard, ModeSteering, ModeTimeVend};
    for (QRadioButton* button : modes) {
        // The checked button of an exclusive set refuses to be unchecked on its own.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    const int mode = systemModeOf(Payload[0], static_cast<int>(modes.size()));
    // Checking a button runs its mode handler, as a click does.
    if (mode != NoMode) modes[mode]->setChecked(true);
}

void TMainScreen::decodeGeneralCashLimit()
{
    MaxCash->setText(payloadText());
}

void TMainScreen::sendGeneralCashLimitRead()
{
    SendRequest(CashLimitRead);
}

void TMainScreen::sendGeneralCashLimitWrite()
{
    SendRequest(CashLimitWrite, QByteArray::number(MaxCash->value()));
}
