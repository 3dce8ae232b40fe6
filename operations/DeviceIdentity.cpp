#include "console/MainScreenCardDispenser.h"

#include <QLabel>
#include <chrono>

namespace {

using namespace std::chrono_literals;
using Address = RequestSite::Address;

// What the identity and status buttons send.
constexpr RequestSite VersionSite{0xA4, Address::Fixed01, "A4h Read Version - Sent", 5ms};
constexpr RequestSite SystemModeSite{0xA5, Address::Frame, "A5h Read System Mode - Sent", 2ms};
constexpr RequestSite SerialNumberSite{0xA7, Address::Frame, "A7h Read Serial # - Sent", 2ms};
constexpr RequestSite SystemStatusSite{0xA8, Address::Frame, "A8h Read Sys Stat - Sent", 2ms};

} // namespace

void TMainScreen::VersionCheck()
{
    SendRequest(VersionSite);
}

void TMainScreen::bSystemModeClick()
{
    SendRequest(SystemModeSite);
}

void TMainScreen::bReadSerialNumberClick()
{
    SendRequest(SerialNumberSite);
}

void TMainScreen::bReadSystemStatusClick()
{
    SendRequest(SystemStatusSite);
}

// The controller's own texts, shown as they come.

void TMainScreen::decodeVersion()
{
    ReadVersion->setText(payloadText());
}

void TMainScreen::decodeSystemMode()
{
    ReadSystemMode->setText(payloadText());
}

void TMainScreen::decodeSerialNumber()
{
    ReadSerialNumber->setText(payloadText());
}

void TMainScreen::decodeSystemStatus()
{
    ReadSystemStatus->setText(payloadText());
}
