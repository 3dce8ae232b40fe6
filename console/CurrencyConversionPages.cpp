#include "console/MainScreenCardDispenser.h"

#include "console/PageBlocks.h"

using namespace pages;

namespace {

using B = GeneralButton;

constexpr int CurrencyCodeLength = 3; // characters
// A conversion rate: 0 to 100, stepped by 0.1, at most 7 characters.
constexpr SpinEdit::Bounds RateBounds{0, 100, 0.1, 7, 1};

// A target currency: its code edit and rate spin edit, each under its label.
struct Currency {
    const char* codeLabel;
    const char* codeName;
    const char* code;
    const char* rateLabel;
    const char* rateName;
    double rate;
};

Panel currencies(std::initializer_list<Currency> list)
{
    Panel panel;
    int column = 0;
    for (const Currency& c : list) {
        panel.controls.push_back(caption(c.codeLabel, {0, column}));
        panel.controls.push_back(edit(c.codeName, c.code, CurrencyCodeLength, {1, column}));
        panel.controls.push_back(caption(c.rateLabel, {2, column}));
        panel.controls.push_back(spin(c.rateName, RateBounds, c.rate, {3, column}));
        ++column;
    }
    return panel;
}

// The channel table with the notes under it, and on the right the buttons and the currencies.
Panel conversionPage(const Panel& table, const Panel& buttons, const Panel& currencies)
{
    return arranged({
        table,
        stacked({buttons, currencies}, {0, 1}),
        stacked({conversionNote(), converterReference()}, {1, 0}),
        formatNote({1, 1}),
    });
}

} // namespace

void TMainScreen::buildCoinCurrencyPage(QWidget* page)
{
    buildFromTable(page,
                   conversionPage(conversionTable({QStringLiteral("Convert ")},
                                                  {QStringLiteral("CoinConvertEnable")}),
                                  generalButtons({{"LMDSpeedButton3", "Read Settings", B::Read},
                                                  {"LMDSpeedButton8", "Save Settings", B::Save}}),
                                  currencies({{"Currency\nCode", "CoinCurrCode", "USD",
                                               "Currency Rate", "CoinCurrRate", 0.9}})));
}

void TMainScreen::buildBillCurrencyPage(QWidget* page)
{
    buildFromTable(
        page,
        conversionPage(conversionTable({QStringLiteral("Convert #1"), QStringLiteral("Convert #2")},
                                       {QStringLiteral("BillConvert1Enable"),
                                        QStringLiteral("BillConvert2Enable")}),
                       generalButtons({{"LMDSpeedButton1", "Read Settings", B::Read},
                                       {"LMDSpeedButton2", "Save Settings", B::Save}}),
                       currencies({{"Currency\nCode #1", "BillCurrCode1", "EUR",
                                    "Currency \nRate #1", "BillCurrRate1", 1.3},
                                   {"Currency\nCode #2", "BillCurrCode2", "CAD",
                                    "Currency\nRate #2", "BillCurrRate2", 0.9}})));
}
