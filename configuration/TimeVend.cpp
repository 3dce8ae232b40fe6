#include "console/MainScreenCardDispenser.h"

#include "configuration/WireValues.h"
#include "help/ShowWindow.h"
#include "link/Unit2.h"

#include <QCheckBox>

using namespace std::chrono_literals;

namespace {

using Address = RequestSite::Address;

// Sent only as the second step of the timing read and write sequences (Timing.cpp).
constexpr RequestSite TimeVendRead{0xD0, Address::Fixed01, "D0h Read TimeVend Timer Value - Sent",
                                   5ms};
constexpr RequestSite TimeVendWrite{0xD1, Address::Fixed01, "D1h Write TimeVend Values - Sent"};

} // namespace

void TMainScreen::bTimeVendHelpClick()
{
    showModeless(windows_.timeVend);
}

void TMainScreen::sendTimeVendRead()
{
    SendRequest(TimeVendRead);
}

void TMainScreen::sendTimeVendWrite()
{
    const QByteArray payload =
        QString::asprintf("%u,%u,%d", unsignedValue(TimeVendTimer), unsignedValue(TimeVendDelay),
                          TimeVendAutoVend->isChecked() ? 1 : 0)
            .toLatin1();
    SendRequest(TimeVendWrite, payload);
}

void TMainScreen::decodeTimeVend()
{
    char autoVend = 0;
    const int found = SplitFields(2, &autoVend);
    // A short reply leaves the settings it does not carry as they are.
    const auto& fields = Unit2::Buffers().FieldSlots;
    if (found > 0) TimeVendTimer->setText(QString::fromLatin1(fields[0]));
    if (found > 1) TimeVendDelay->setText(QString::fromLatin1(fields[1]));
    if (found > 2) TimeVendAutoVend->setChecked(isOnFlag(autoVend));
}
