#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::VersionCheck() {}

void TMainScreen::bSystemModeClick() {}

void TMainScreen::bReadSerialNumberClick() {}

void TMainScreen::bReadSystemStatusClick() {}

void TMainScreen::decodeVersion() {}

void TMainScreen::decodeSystemMode() {}

void TMainScreen::decodeSerialNumber() {}

void TMainScreen::decodeSystemStatus() {}
