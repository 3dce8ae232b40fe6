#include "console/MainScreenCardDispenser.h"

#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QScopeGuard>
#include <chrono>

namespace {

using namespace std::chrono_literals;
using Address = RequestSite::Address;

// What the cash limit, payout and restore buttons send. This cash limit pair is separate from
// the General page's (E6h, E7h): neither touches the other's controls.
constexpr RequestSite WriteCashLimitSite{0xB0, Address::Frame, "B0h Write Max Cash Value - Sent"};
constexpr RequestSite ReadCashLimitSite{0xB1, Address::Frame, "B1h Read Max Cash Value - Sent",
                                        2ms};
constexpr RequestSite PayoutSite{0xA2, Address::Frame, "A2h Payout Change - Sent", 2ms};
constexpr RequestSite RestoreSite{0xFC, Address::Fixed01, "FCh Restore to Defaults - Sent", 5ms,
                                  true};

constexpr std::uint8_t HardReset = '1';
constexpr std::uint8_t SoftReset = '0';

} // namespace

void TMainScreen::bWriteMaxCashClick()
{
    SendRequest(WriteCashLimitSite, QByteArray::number(WriteMaxCash->value()));
}

void TMainScreen::bReadMaxCashClick()
{
    SendRequest(ReadCashLimitSite);
}

void TMainScreen::bPayoutChangeClick()
{
    SendRequest(PayoutSite);
}

void TMainScreen::bRestoreClick()
{
    // "Restore" arms one press: unarmed, the press does nothing at all; armed, it disarms
    // whether or not the request goes out.
    if (!cRestore->isChecked()) return;
    const auto disarm = qScopeGuard([this] { cRestore->setChecked(false); });
    SendRequest(RestoreSite, cHardReset->isChecked() ? HardReset : SoftReset);
}

void TMainScreen::decodeCashLimit()
{
    ReadMaxCashValue->setText(payloadText());
}
