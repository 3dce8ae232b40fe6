#include "console/MainScreenCardDispenser.h"

#include "console/PageTable.h"

using namespace pages;

namespace {

constexpr int CurrencyCodeLength = 3; // characters
constexpr int LocationLength = 20;    // characters

Panel currencySymbols()
{
    static const QString Symbols[] = {
        QStringLiteral("$"),     QStringLiteral("£"),       QStringLiteral("¥"),
        QStringLiteral("€"),     QStringLiteral("Baht"),    QStringLiteral("florin"),
        QStringLiteral("Dinar"), QStringLiteral("No Sign"),
    };
    constexpr int Rows = 4;
    Panel panel{.group = QStringLiteral("LMDGroupBox1"),
                .title = QStringLiteral("Currency Symbol")};
    int index = 0;
    for (const QString& symbol : Symbols) {
        panel.controls.push_back(radio({}, symbol, {index % Rows, index / Rows}, index == 0));
        ++index;
    }
    return panel;
}

} // namespace

void TMainScreen::buildGeneralInertControls(QWidget* area)
{
    const Panel noActivity{
        .controls = {caption(QStringLiteral("No Activity\nTimeout (Secs)"), {0, 0}),
                     spin("General_NoActivityTimeout", {5, 65000, 1, 5}, 60, {1, 0}),
                     check("General_NoActivityPayout", "No Activity \nPayout", {2, 0})}};
    const Panel currencyCode{
        .at = {1, 0, 1, 2},
        .controls = {caption(QStringLiteral("International Currency Code"), {0, 0}),
                     edit("LMDEdit1", "USD", CurrencyCodeLength, {0, 1})}};
    const Panel preCursor{.controls = {radio("LMDRadioButton9", ".", {0, 0}, true),
                                       radio("LMDRadioButton10", ",", {1, 0}),
                                       radio("LMDRadioButton11", "None", {2, 0})},
                          .group = QStringLiteral("LMDRadioGroup1"),
                          .title = QStringLiteral("Currency Pre-Cursor")};
    const Panel options{.controls = {check("General_FreeChange", "Free Change", {0, 0}),
                                     check("LMDCheckBox2", "Auto Change", {1, 0}),
                                     check("LMDCheckBox3", "Coin Return", {2, 0}),
                                     check("General_DisableUnit", "Disable Unit", {3, 0})}};
    const Panel dateTime{.controls = {{Kind::Date, "LMDCalendarEdit1", {}, {0, 0}},
                                      {Kind::Clock, "LMDClock1", {}, {1, 0}},
                                      check("LMDCheckBox5", "Update", {2, 0})},
                         .group = QStringLiteral("LMDGroupBox2"),
                         .title = QStringLiteral("Date/Time")};
    const Panel location{
        .controls = {caption(QStringLiteral("Location"), {0, 0}),
                     edit("GeneralLocation", "Front Lobby #1", LocationLength, {1, 0})}};
    const Panel restore{.at = {2, 0, 1, 3},
                        .controls = {check("LMDCheckBox4", "Restore to Factory Settings", {0, 0})}};

    buildFromTable(area, arranged({
                             stacked({noActivity, currencySymbols()}, {0, 0}),
                             stacked({preCursor, options}, {0, 1}),
                             stacked({dateTime, location}, {0, 2}),
                             currencyCode,
                             restore,
                         }));
}
