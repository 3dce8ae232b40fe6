#include "console/MainScreenCardDispenser.h"

#include "widgets/MultiRowTabs.h"

void TMainScreen::buildSettingPages()
{
    struct Page {
        const char* name;
        const char* caption;
        void (TMainScreen::*build)(QWidget*);
    };
    // The setting pages in tab order.
    static constexpr Page Pages[] = {
        {"TabStatus", "Status", &TMainScreen::buildStatusPage},
        {"TabGeneral", "General", &TMainScreen::buildGeneralPage},
        {"TabTiming", "Timing", &TMainScreen::buildTimingPage},
        {"TabPrices", "Prices", &TMainScreen::buildPricesPage},
        {"TabReaders", "Readers", &TMainScreen::buildReadersPage},
        {"TabCoinChanger", "Coin Changer", &TMainScreen::buildCoinChangerPage},
        {"TabCoinTubeStatus", "Coin Tube Status", &TMainScreen::buildCoinTubeStatusPage},
        {"LMDTabSheet21", "Coin Currency Conv", &TMainScreen::buildCoinCurrencyPage},
        {"TabBillAcceptor", "Bill Acceptor", &TMainScreen::buildBillAcceptorPage},
        {"TabBillCurrency", "Bill Currency Conv", &TMainScreen::buildBillCurrencyPage},
        {"TabCoinBillPulse", "Coin/Bill Pulse/Conv", &TMainScreen::buildCoinBillPulsePage},
        {"TabLCDSystem", "LCD System", &TMainScreen::buildLcdSystemPage},
        {"TabLCDStatus", "LCD Status", &TMainScreen::buildLcdStatusPage},
        {"TabLCDError", "LCD Error", &TMainScreen::buildLcdErrorPage},
        {"TabReceiptPrinter", "Receipt Printer", &TMainScreen::buildReceiptPrinterPage},
        {"TabNetwork", "Network", &TMainScreen::buildNetworkPage},
        {"TabUserAccount", "User Accounts", &TMainScreen::buildUserAccountsPage},
        {"TabSystemStats", "System Stats", &TMainScreen::buildSystemStatsPage},
        {"TabCounters", "Counters/Meters", &TMainScreen::buildCountersPage},
        {"TabDispensers", "Dispensers", &TMainScreen::buildDispensersPage},
    };
    QWidget* network = nullptr;
    for (const Page& p : Pages) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(p.name));
        TabCoinCurrency->addTab(page, QString::fromLatin1(p.caption));
        (this->*p.build)(page);
        if (p.build == &TMainScreen::buildNetworkPage) network = page;
    }
    TabCoinCurrency->setCurrentWidget(network);
}
