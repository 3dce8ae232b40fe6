#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::buildGeneralPage(QWidget*) {}

void TMainScreen::GeneralReadSettingsClick() {}

void TMainScreen::GeneralWriteSettingsClick() {}

void TMainScreen::decodeGeneralMode() {}

void TMainScreen::decodeGeneralCashLimit() {}

void TMainScreen::sendGeneralCashLimitRead() {}

void TMainScreen::sendCurrencyPulseRead() {}

void TMainScreen::sendGeneralCashLimitWrite() {}

void TMainScreen::sendCurrencyPulseWrite() {}
