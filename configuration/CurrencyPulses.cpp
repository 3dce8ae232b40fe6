#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::buildCoinBillPulsePage(QWidget*) {}

void TMainScreen::bReadPulseValueClick() {}

void TMainScreen::bWritePulseValueClick() {}

void TMainScreen::decodeCurrencyPulses() {}
