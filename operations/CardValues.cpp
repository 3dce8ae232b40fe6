#include "console/MainScreenCardDispenser.h"

#include "widgets/SpinEdit.h"

#include <QLabel>
#include <chrono>

namespace {

using namespace std::chrono_literals;
using Address = RequestSite::Address;

// What the card value buttons send.
constexpr RequestSite ReadEscrowSite{0x80, Address::Frame, "80h Read Escrow - Sent", 2ms};
constexpr RequestSite DebitSite{0x83, Address::Frame, "83h Write Debit Value - Sent"};
constexpr RequestSite CreditSite{0x84, Address::Frame, "84h Write Credit Value - Sent"};
constexpr RequestSite EscrowStatusSite{0xAD, Address::Fixed01, "ADh Read Escrow Status - Sent",
                                       5ms};
constexpr RequestSite CloseCardSite{0xEE, Address::Frame, "EEh Close CC Trans. - Sent", 2ms};

// The escrow states; the controller reports each as a raw byte or as its digit.
struct EscrowState {
    std::uint8_t raw;
    std::uint8_t digit;
    const char* text;
};
constexpr EscrowState EscrowStates[] = {
    {0x00, '0', "No Escrow"},
    {0x01, '1', "Cash Escrow"},
    {0x05, '5', "Bypass Mode"},
    {0x06, '6', "Credit Card"},
};

} // namespace

void TMainScreen::bEscrowClick()
{
    SendRequest(ReadEscrowSite);
}

void TMainScreen::bDebitValueClick()
{
    SendRequest(DebitSite, QByteArray::number(DebitValue->value()));
}

void TMainScreen::CreditValueClick()
{
    SendRequest(CreditSite, QByteArray::number(CreditValue->value()));
}

void TMainScreen::bReadEscrowClick()
{
    SendRequest(EscrowStatusSite);
}

void TMainScreen::LMDSpeedButton16Click()
{
    SendRequest(CloseCardSite);
}

void TMainScreen::decodeEscrow()
{
    Escrow->setText(payloadText());
}

void TMainScreen::decodeEscrowStatus()
{
    // Only the first byte counts; a state the console does not know leaves the label alone.
    const std::uint8_t code = Payload[0];
    for (const EscrowState& state : EscrowStates) {
        if (code == state.raw || code == state.digit)
            EscrowStatus->setText(QString::fromLatin1(state.text));
    }
}
