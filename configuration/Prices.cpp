#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::buildPricesPage(QWidget*) {}

void TMainScreen::ReadPrices1Click() {}

void TMainScreen::ReadPrices2Click() {}

void TMainScreen::SavePrices1Click() {}

void TMainScreen::SavePrices2Click() {}

void TMainScreen::PriceSet1Change() {}

void TMainScreen::PriceSet2Change(SpinEdit*) {}

void TMainScreen::decodePrices1() {}

void TMainScreen::decodePrices2() {}
