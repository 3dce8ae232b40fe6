#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::bEscrowClick() {}

void TMainScreen::bDebitValueClick() {}

void TMainScreen::CreditValueClick() {}

void TMainScreen::bReadEscrowClick() {}

void TMainScreen::LMDSpeedButton16Click() {}

void TMainScreen::decodeEscrow() {}

void TMainScreen::decodeEscrowStatus() {}
