#include "console/MainScreenCardDispenser.h"

#include "console/PageBlocks.h"

using namespace pages;

namespace {

using B = GeneralButton;

// The form names of a page built like "Coin Changer": an MDB device with sixteen channels.
struct MdbDevicePage {
    GeneralButton read;
    GeneralButton save;
    const char* prefix; // Coin, Bill: CoinEnable, CoinStatus, CoinEnable1, CoinSet1, CoinNote1
    const char* enableText;
    const char* resetText;
};

Panel mdbDevicePage(const MdbDevicePage& p)
{
    const QString prefix = QString::fromLatin1(p.prefix);
    const QString enable = prefix + QStringLiteral("Enable");
    const Panel device{{},
                       {check(enable, p.enableText, {0, 0}),
                        check(prefix + QStringLiteral("Reset"), p.resetText, {1, 0})}};
    return arranged({
        stacked({generalButtons({p.read, p.save}), device, mdbInformation(prefix)}, {0, 0}),
        formatNote({0, 1}),
        channelGrid(enable, prefix + QStringLiteral("Set"), prefix + QStringLiteral("Note"),
                    {0, 2}),
    });
}

} // namespace

void TMainScreen::buildReadersPage(QWidget* page)
{
    const Panel reader{{0, 1},
                       {check("CCReaderEnable", "Enable MDB Credit Card  Reader", {0, 0}),
                        check("CCReaderReset", "Reset Credit Card Reader", {1, 0}),
                        caption(QStringLiteral("Maximum\nPre-Authorized\nValue"), {2, 0}),
                        spin("CCReaderMaxAuthValue", {1, 65000, 1, 5}, 1000, {3, 0})}};
    const Panel buttons = generalButtons({{"LMDSpeedButton26", "Read Settings", B::Read},
                                          {"LMDSpeedButton27", "Save Settings", B::Save}});
    buildFromTable(page, arranged({
                             stacked({buttons, mdbInformation(QStringLiteral("CCReader"))}),
                             reader,
                             formatNote({0, 2}),
                         }));
}

void TMainScreen::buildCoinChangerPage(QWidget* page)
{
    // Its buttons start the general sequences, as on every other peripheral page.
    buildFromTable(page, mdbDevicePage({{"bReadCoinChanger", "Read Settings", B::Read},
                                        {"LMDSpeedButton17", "Save Settings", B::Save},
                                        "Coin",
                                        "Enable MDB Coin Changer",
                                        "Reset Coin Changer"}));
}

void TMainScreen::buildBillAcceptorPage(QWidget* page)
{
    buildFromTable(page, mdbDevicePage({{"LMDSpeedButton19", "Read Settings", B::Read},
                                        {"LMDSpeedButton18", "Save Settings", B::Save},
                                        "Bill",
                                        "Enable MDB Bill Acceptor",
                                        "Reset Bill Acceptor"}));
}

void TMainScreen::buildCoinTubeStatusPage(QWidget* page)
{
    constexpr int TubeCount = 6;
    Panel tubes{{0, 0}};
    tubes.controls = {caption(QStringLiteral("Coin Tube"), {0, 0}),
                      caption(QStringLiteral("Value"), {0, 1}),
                      caption(QStringLiteral("Count"), {0, 2})};
    for (int n = 1; n <= TubeCount; ++n) {
        const QString number = QString::number(n);
        tubes.controls.push_back(caption(u'#' + number, {n, 0}));
        tubes.controls.push_back(
            value(QStringLiteral("CoinValue") + number, QStringLiteral("0"), {n, 1}));
        tubes.controls.push_back(
            value(QStringLiteral("CoinTubeCount") + number, QStringLiteral("0"), {n, 2}));
    }
    tubes.controls.push_back(caption(QStringLiteral("Total Coin Value"), {TubeCount + 1, 0}));
    tubes.controls.push_back(value("CoinTubeTotalValue", QStringLiteral("0"), {TubeCount + 1, 1}));

    buildFromTable(
        page,
        arranged({tubes, generalButtons({{"LMDSpeedButton9", "Read Tube Status", B::Read},
                                         {"LMDSpeedButton10", "Reset Coin Tube Counters", B::Save}},
                                        {0, 1})}));
}
