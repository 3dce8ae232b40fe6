#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::buildTimingPage(QWidget*) {}

void TMainScreen::TimingReadClick() {}

void TMainScreen::TimingSaveClick() {}

void TMainScreen::ModeStandardClick() {}

void TMainScreen::ModeSteeringClick() {}

void TMainScreen::ModeTimeVendClick() {}

void TMainScreen::TrailingEdgeHelpButtonClick() {}

void TMainScreen::decodeTiming() {}
