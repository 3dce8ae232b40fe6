#include "console/MainScreenCardDispenser.h"

#include "link/Unit2.h"
#include "widgets/SpinEdit.h"

#include <QStringList>

using namespace std::chrono_literals;

namespace {

using Address = RequestSite::Address;

// Sent by the page's own buttons and as the last step of the general read and write sequences.
constexpr RequestSite PulseValuesRead{0x8A, Address::Fixed01,
                                      "8Ah Read Currency Pulse Value - Sent", 5ms};
constexpr RequestSite PulseValuesWrite{0x89, Address::Fixed01,
                                       "89h Write Currency Pulse Value - Sent"};

} // namespace

void TMainScreen::bReadPulseValueClick()
{
    SendRequest(PulseValuesRead);
}

void TMainScreen::sendCurrencyPulseRead()
{
    SendRequest(PulseValuesRead);
}

void TMainScreen::bWritePulseValueClick()
{
    // The page's buttons send the texts as shown, even an emptied one.
    QStringList texts;
    for (const SpinEdit* pulse : CurrencyPulse)
        texts << pulse->text();
    SendRequest(PulseValuesWrite, texts.join(QLatin1Char(',')).toLatin1());
}

void TMainScreen::sendCurrencyPulseWrite()
{
    // The general write sends each edit's value as a number within its bounds.
    QByteArrayList values;
    for (const SpinEdit* pulse : CurrencyPulse)
        values << QByteArray::number(pulse->value());
    SendRequest(PulseValuesWrite, values.join(','));
}

void TMainScreen::decodeCurrencyPulses()
{
    // Missing fields leave their slots as an earlier reply left them; all six edits take them.
    SplitFields(static_cast<int>(CurrencyPulse.size()));
    const auto& fields = Unit2::Buffers().FieldSlots;
    for (std::size_t k = 0; k < CurrencyPulse.size(); ++k)
        CurrencyPulse[k]->setText(QString::fromLatin1(fields[k]));
}
