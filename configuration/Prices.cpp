#include "console/MainScreenCardDispenser.h"

#include "console/PageBlocks.h"
#include "link/Unit2.h"
#include "widgets/SpinEdit.h"

#include <QByteArray>
#include <chrono>
#include <cstring>

using namespace pages;

namespace {

using namespace std::chrono_literals;

constexpr int BankSize = 8;     // prices per read or write request
constexpr int MaxPrice = 32000; // cents
constexpr int PriceColumns = 4;
constexpr int PricesPerColumn = 4;
constexpr int BankGap = 12; // px between the buttons of the two banks
constexpr SpinEdit::Bounds PriceBounds{1, MaxPrice, 5, 5};
constexpr std::uint8_t ReadWholeBank = '0'; // the one payload byte of a read request

// What each button of the page sends.
constexpr RequestSite ReadBank1{0x91, RequestSite::Address::Frame, "91h Read Prices - Sent", 2ms};
constexpr RequestSite ReadBank2{0x93, RequestSite::Address::Frame, "93h Read Prices - Sent", 2ms};
constexpr RequestSite SaveBank1{0x90, RequestSite::Address::Frame, "90h Write Prices - Sent"};
constexpr RequestSite SaveBank2{0x92, RequestSite::Address::Frame, "92h Write Prices - Sent"};

// The form names of the labels "#1" to "#16" beside the prices.
const char* const PriceLabels[] = {
    "Price1Label", "Label15", "Label16", "Label26", "Label27", "Label28", "Label29", "Label30",
    "Label31",     "Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38",
};

// A bank as it travels: its prices in order, joined by single commas.
QByteArray bankText(const SpinEdit* const* bank)
{
    QByteArray text;
    for (int k = 0; k < BankSize; ++k) {
        if (k > 0) text += ',';
        text += QByteArray::number(static_cast<unsigned>(bank[k]->value()));
    }
    return text;
}

// Every control of the bank takes the text of its field slot, whatever the reply held.
void showFieldSlots(SpinEdit* const* bank)
{
    const auto& fieldSlots = Unit2::Buffers().FieldSlots;
    for (int k = 0; k < BankSize; ++k) {
        const auto length = static_cast<qsizetype>(::strnlen(fieldSlots[k], Unit2::FieldSlotSize));
        bank[k]->setText(QString::fromLatin1(fieldSlots[k], length));
    }
}

void clampPrice(SpinEdit* price)
{
    bool isNumber = false;
    const double shown = price->text().trimmed().toDouble(&isNumber);
    if (isNumber && shown > MaxPrice) price->setValue(MaxPrice);
}

// Four columns of four prices, each after its label.
Panel priceGrid()
{
    Panel panel{{0, 0, 1, 2}};
    for (int i = 0; i < PriceColumns * PricesPerColumn; ++i) {
        const Cell label{i % PricesPerColumn, i / PricesPerColumn * 2};
        const Cell price{label.row, label.column + 1};
        const QString number = QString::number(i + 1);
        panel.controls.push_back({Kind::Caption, PriceLabels[i], u'#' + number, label});
        panel.controls.push_back(
            spin(QStringLiteral("PriceSet") + number, PriceBounds, 10 * (i + 1), price));
    }
    return panel;
}

// Reads above saves, bank 1 on the left, bank 2 on the right.
Panel priceButtons()
{
    return {
        .at = {1, 1},
        .controls =
            {
                button("ReadPrices1", "Read Prices1-8", &TMainScreen::ReadPrices1Click, {0, 0}),
                button("ReadPrices2", "Read Prices9-16", &TMainScreen::ReadPrices2Click, {0, 1}),
                button("SavePrices1", "Save Prices 1-8", &TMainScreen::SavePrices1Click, {1, 0}),
                button("SavePrices2", "Save Prices 9-16", &TMainScreen::SavePrices2Click, {1, 1}),
                {Kind::Caption, "Label19", "90h-W 91h-R Prices 1-8", {2, 0}},
                {Kind::Caption, "Label156", "92h-W 93h-R Prices 9-16", {2, 1}},
            },
        .columnSpacing = BankGap};
}

Panel priceFormatNote()
{
    return {{1, 0}, {{Kind::Caption, "Label21", FormatNote, {0, 0}}}};
}

Panel steeringNote()
{
    const QString note = QStringLiteral("Note: Price 3+ are available for steering mode only.");
    return {{2, 0, 1, 2}, {{Kind::Caption, "Label9", note, {0, 0}}}};
}

} // namespace

void TMainScreen::buildPricesPage(QWidget* page)
{
    buildFromTable(page,
                   arranged({priceGrid(), priceFormatNote(), priceButtons(), steeringNote()}));
    for (int i = 0; i < static_cast<int>(PriceSet.size()); ++i) {
        SpinEdit* price =
            page->findChild<SpinEdit*>(QStringLiteral("PriceSet") + QString::number(i + 1));
        PriceSet[i] = price;
        if (i == 0) {
            wire(price, &SpinEdit::changed, &TMainScreen::PriceSet1Change);
        } else {
            connect(price, &SpinEdit::changed, this,
                    [this, price] { ErrorBox::guarded([&] { PriceSet2Change(price); }); });
        }
    }
}

void TMainScreen::ReadPrices1Click()
{
    SendRequest(ReadBank1, ReadWholeBank);
}

void TMainScreen::ReadPrices2Click()
{
    SendRequest(ReadBank2, ReadWholeBank);
}

void TMainScreen::SavePrices1Click()
{
    SendRequest(SaveBank1, bankText(PriceSet.data()));
}

void TMainScreen::SavePrices2Click()
{
    SendRequest(SaveBank2, bankText(PriceSet.data() + BankSize));
}

void TMainScreen::PriceSet1Change()
{
    clampPrice(PriceSet[0]);
}

void TMainScreen::PriceSet2Change(SpinEdit* changed)
{
    clampPrice(changed);
}

void TMainScreen::decodePrices1()
{
    SplitFields(BankSize);
    showFieldSlots(PriceSet.data());
}

void TMainScreen::decodePrices2()
{
    SplitFields(BankSize);
    showFieldSlots(PriceSet.data() + BankSize);
}
