#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::buildStatusPage(QWidget*) {}

void TMainScreen::buildReadersPage(QWidget*) {}

void TMainScreen::buildCoinChangerPage(QWidget*) {}

void TMainScreen::buildCoinTubeStatusPage(QWidget*) {}

void TMainScreen::buildCoinCurrencyPage(QWidget*) {}

void TMainScreen::buildBillAcceptorPage(QWidget*) {}

void TMainScreen::buildBillCurrencyPage(QWidget*) {}

void TMainScreen::buildLcdSystemPage(QWidget*) {}

void TMainScreen::buildLcdStatusPage(QWidget*) {}

void TMainScreen::buildLcdErrorPage(QWidget*) {}

void TMainScreen::buildReceiptPrinterPage(QWidget*) {}

void TMainScreen::buildUserAccountsPage(QWidget*) {}

void TMainScreen::buildSystemStatsPage(QWidget*) {}

void TMainScreen::buildCountersPage(QWidget*) {}

void TMainScreen::buildDispensersPage(QWidget*) {}
