#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::IPAddressChange() {}

void TMainScreen::WebPortChange() {}

void TMainScreen::WebSiteAccessClick() {}
