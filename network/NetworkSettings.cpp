#include "console/MainScreenCardDispenser.h"

// Not built yet.

void TMainScreen::buildNetworkPage(QWidget*) {}

void TMainScreen::NetworkReadSettingsClick() {}

void TMainScreen::NetworkSaveSettingsClick() {}

void TMainScreen::decodeIPAddress() {}

void TMainScreen::decodePorts() {}

void TMainScreen::decodeSubnet() {}

void TMainScreen::decodeGateway() {}

void TMainScreen::decodeMacAddress() {}

void TMainScreen::sendPortsRead() {}

void TMainScreen::sendSubnetRead() {}

void TMainScreen::sendGatewayRead() {}

void TMainScreen::sendMacAddressRead() {}

void TMainScreen::sendPortsWrite() {}

void TMainScreen::sendSubnetWrite() {}

void TMainScreen::sendGatewayWrite() {}
