#include "console/MainScreenCardDispenser.h"

#include "configuration/WireValues.h"
#include "help/ShowWindow.h"
#include "link/Unit2.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>

using namespace std::chrono_literals;

namespace {

using Address = RequestSite::Address;

// The timing read continues with the time-vend read (D0h), the timing write with the time-vend
// write (D1h); both in TimeVend.cpp.
constexpr RequestSite TimingsRead{0x99, Address::Frame, "99h Read Timings1 - Sent", 2ms};
constexpr RequestSite TimingsWrite{0x9A, Address::Frame, "9Ah Write Timings1 - Sent"};

// The page reads and writes opto-pulse input #1 only.
constexpr char OptoPulsePosition[] = "1";

void enableVendGroups(QGroupBox* optoPulse, QGroupBox* timeVend, bool timeVending)
{
    optoPulse->setEnabled(!timeVending);
    timeVend->setEnabled(timeVending);
}

} // namespace

void TMainScreen::TimingReadClick()
{
    SendRequest(TimingsRead, QByteArray(OptoPulsePosition));
}

void TMainScreen::TimingSaveClick()
{
    const QByteArray payload =
        QString::asprintf("%s,%u,%u,%u,%d", OptoPulsePosition, unsignedValue(TimingSense1),
                          unsignedValue(TimingBlind1), unsignedValue(TimingReset1),
                          TrailingEdge1->isChecked() ? 1 : 0)
            .toLatin1();
    // The technician sees the values as text above the frame that carries them.
    DataSentBuffer->appendPlainText(QString::fromLatin1(payload));
    SendRequest(TimingsWrite, payload);
}

void TMainScreen::ModeStandardClick()
{
    enableVendGroups(OptoPulseGroup, TimeVendGroup, false);
}

void TMainScreen::ModeSteeringClick()
{
    enableVendGroups(OptoPulseGroup, TimeVendGroup, false);
}

void TMainScreen::ModeTimeVendClick()
{
    enableVendGroups(OptoPulseGroup, TimeVendGroup, true);
}

void TMainScreen::TrailingEdgeHelpButtonClick()
{
    showModeless(windows_.trailingEdge);
}

void TMainScreen::decodeTiming()
{
    char trailingEdge = 0;
    const int found = SplitFields(3, &trailingEdge);
    // Missing timings take what their slots still hold from an earlier reply.
    const auto& fields = Unit2::Buffers().FieldSlots;
    TimingSense1->setText(QString::fromLatin1(fields[0]));
    TimingBlind1->setText(QString::fromLatin1(fields[1]));
    TimingReset1->setText(QString::fromLatin1(fields[2]));
    // Without a fourth field the edge is unknown, so the box keeps its state.
    if (found > 3) TrailingEdge1->setChecked(isOnFlag(trailingEdge));
}
