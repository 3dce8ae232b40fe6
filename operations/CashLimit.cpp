#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::bWriteMaxCashClick() {}

void TMainScreen::bReadMaxCashClick() {}

void TMainScreen::bPayoutChangeClick() {}

void TMainScreen::bRestoreClick() {}

void TMainScreen::decodeCashLimit() {}
