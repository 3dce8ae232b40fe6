#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::bTimeVendHelpClick() {}

void TMainScreen::decodeTimeVend() {}

void TMainScreen::sendTimeVendRead() {}

void TMainScreen::sendTimeVendWrite() {}
