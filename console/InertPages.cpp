#include "console/MainScreenCardDispenser.h"

#include "console/PageBlocks.h"

#include <QPushButton>

using namespace pages;

namespace {

using B = GeneralButton;

constexpr int PrinterLineLength = 40; // characters
constexpr int AccountFieldLength = 8; // characters

// Placeholder company details, to be replaced by the operator's own.
const char* const CompanyAddress[] = {
    "Your Company Name",   "123 Main Street", "Anytown, ST 12345", "Tel: (555) 555-0100",
    "Fax: (555) 555-0101", "www.example.com", "info@example.com",
};

const char* const PrinterFooters[] = {
    "Thank you for your business!", "Any questions, please", "visit our front",
    "lobby at the door and",        "ask for assistance",
};

} // namespace

void TMainScreen::buildFromTable(QWidget* area, const Panel& page)
{
    for (const auto& [button, handler] : pages::build(area, page))
        wire(button, &QPushButton::clicked, handler);
}

void TMainScreen::buildStatusPage(QWidget* page)
{
    struct Row {
        const char* caption;
        const char* name;
        const char* shown;
    };
    // Nothing ever writes these labels.
    static constexpr const char* Unread = "=============";
    static constexpr Row Rows[] = {
        {"Date/Time", "Status_DateTime", "dd.mm.yyyy hh:mm:ss"},
        {"System Mode", "Status_SystemMode", Unread},
        {"Status", "Status_SystemStatus", Unread},
        {"Version", "Status_Version", Unread},
        {"Serial Number", "Status_SerialNumber", Unread},
        {"Location", "Status_Location", Unread},
        {"Copier Interface", "Status_CopierInterface", Unread},
        {"Last Transaction", "Status_LastTransaction", Unread},
        {"Escrow/Balance", "Status_Escrow", Unread},
        {"Last No-Activity Escrow", "Status_LastNoActivityEscrow", Unread},
    };
    Panel readings{{0, 0}};
    int row = 0;
    for (const Row& r : Rows) {
        readings.controls.push_back(caption(r.caption, {row, 0}));
        readings.controls.push_back(value(r.name, r.shown, {row, 1}));
        ++row;
    }
    buildFromTable(
        page,
        arranged({readings, generalButtons({{"ReadStatus", "Read Status", B::Read}}, {0, 1})}));
}

void TMainScreen::buildReceiptPrinterPage(QWidget* page)
{
    // The printer's control characters, then the address block with a rule under it.
    Panel headers{{1, 0}};
    headers.controls = {caption(QStringLiteral("Start Header\nHexChars"), {0, 0}),
                        edit("PrinterStartHexChars", "00", PrinterLineLength, {0, 1})};
    const int headerCount = 8;
    for (int n = 1; n <= headerCount; ++n) {
        const QString text = n < headerCount ? QString::fromLatin1(CompanyAddress[n - 1])
                                             : QString(23, QLatin1Char('='));
        const QString number = QString::number(n);
        headers.controls.push_back(caption(QStringLiteral("Header #") + number, {n, 0}));
        headers.controls.push_back(
            edit(QStringLiteral("PrinterHeader") + number, text, PrinterLineLength, {n, 1}));
    }

    // The footers, then the printer's control characters that end the receipt.
    Panel footers{{1, 1}};
    int row = 0;
    for (const char* text : PrinterFooters) {
        const QString number = QString::number(row + 1);
        footers.controls.push_back(caption(QStringLiteral("Footer #") + number, {row, 0}));
        footers.controls.push_back(
            edit(QStringLiteral("PrinterFooter") + number, text, PrinterLineLength, {row, 1}));
        ++row;
    }
    footers.controls.push_back(caption(QStringLiteral("End Footer\nHexChars"), {row, 0}));
    footers.controls.push_back(edit("LMDEdit2", "00", PrinterLineLength, {row, 1}));

    const Panel usePrinter{.controls = {radio("PrinterDisabled", "Disabled", {0, 0}, true),
                                        radio("PrinterAutoPrint", "AutoPrint", {1, 0}),
                                        radio("PrinterManual", "Manual (Button)", {2, 0})},
                           .group = QStringLiteral("LMDGroupBox3"),
                           .title = QStringLiteral("Use Printer")};

    const Panel feeds{{},
                      {caption(QStringLiteral("Printer Line Delay"), {0, 0}),
                       spin("PrinterDelay", {1, 1000, 1, 5}, 20, {1, 0}),
                       caption(QStringLiteral("Header LineFeeds"), {2, 0}),
                       spin("PrinterHeaderLineFeeds", {1, 25, 1, 2}, 2, {3, 0}),
                       caption(QStringLiteral("Footer LineFeeds"), {4, 0}),
                       spin("PrinterFooterLineFeeds", {1, 25, 1, 2}, 2, {5, 0})}};

    const Panel buttons =
        generalButtons({{"PrinterReadSettings", "Read Settings", B::Read},
                        {"PrinterSaveSettings", "Save Settings", B::Save},
                        {"PrinterPrintTestReceipt", "Print Test Receipt (RS232)", B::Save}},
                       {0, 0, 1, 3}, true);
    buildFromTable(page,
                   arranged({buttons, headers, footers, stacked({usePrinter, feeds}, {1, 2})}));
}

void TMainScreen::buildUserAccountsPage(QWidget* page)
{
    struct Account {
        const char* title;
        const char* user;
        const char* userName;
        const char* password;
    };
    static constexpr Account Accounts[] = {
        {"Manager Account", "LMDEdit8", "manager1", "LMDMaskEdit3"},
        {"Clerk Account", "LMDEdit9", "clerk001", "LMDMaskEdit4"},
    };
    Panel accounts;
    int column = 0;
    for (const Account& a : Accounts) {
        accounts.panels.push_back(
            {.at = {0, column++},
             .controls = {caption(QStringLiteral("Username"), {0, 0}),
                          edit(a.user, a.userName, AccountFieldLength, {0, 1}),
                          caption(QStringLiteral("Password"), {1, 0}),
                          edit(a.password, "changeme", AccountFieldLength, {1, 1})},
             .title = QString::fromLatin1(a.title)});
    }
    accounts.panels.push_back(generalButtons({{"LMDSpeedButton15", "Read Settings", B::Read},
                                              {"LMDSpeedButton14", "Save Settings", B::Save}},
                                             {0, column}));
    buildFromTable(page, accounts);
}

void TMainScreen::buildSystemStatsPage(QWidget* page)
{
    struct Row {
        const char* caption;
        const char* resettable;
        const char* total;
    };
    static constexpr Row Rows[] = {
        {"All Transactions", "SystemAllTransResettable", "SystemAllTransNonResettable"},
        {"Invalid Transactions", "SystemInvalidTransResettable", "SystemInvalidTransNonResettable"},
        {"Card Swipes", "SystemCardSwipesResettable", "SystemCardSwipesNonResettable"},
        {"Transactions via Net", "SystemTransViaNetResettable", "SystemTransViaNetNonResettable"},
        {"Transactions via Serial", "SystemTransViaSerialResettable",
         "SystemTransViaSerialNonResettable"},
        {"Power-ups", "SystemPowerUpsResettable", "SystemPowerUpsNonResettable"},
    };
    Panel stats{{0, 0}};
    stats.controls = {caption(QStringLiteral("System Statistics"), {0, 0, 1, 3}),
                      caption(QStringLiteral("Resettable Total"), {1, 1}),
                      caption(QStringLiteral("Non-Resettable Total"), {1, 2})};
    int row = 2;
    for (const Row& r : Rows) {
        stats.controls.push_back(caption(r.caption, {row, 0}));
        stats.controls.push_back(value(r.resettable, QStringLiteral("0"), {row, 1}));
        stats.controls.push_back(value(r.total, QStringLiteral("0"), {row, 2}));
        ++row;
    }
    stats.controls.push_back(caption(QStringLiteral("Last Cleared:"), {row, 0}));
    stats.controls.push_back(value("SystemLastCleared", QStringLiteral("NEVER"), {row, 1}));
    stats.controls.push_back(
        check("LMDCheckBox65", QStringLiteral("Clear Resettable Stats"), {row + 1, 0, 1, 3}));

    buildFromTable(
        page, arranged({stats, generalButtons({{"LMDSpeedButton13", "Read System Stats", B::Read}},
                                              {0, 1})}));
}

void TMainScreen::buildCountersPage(QWidget* page)
{
    buildFromTable(page,
                   arranged({generalButtons({{"LMDSpeedButton22", "Read Settings", B::Read},
                                             {"LMDSpeedButton23", "Save Settings", B::Save}})}));
}

void TMainScreen::buildDispensersPage(QWidget* page)
{
    buildFromTable(page,
                   arranged({generalButtons({{"LMDSpeedButton11", "Read Settings", B::Read},
                                             {"LMDSpeedButton12", "Save Settings", B::Save}})}));
}
