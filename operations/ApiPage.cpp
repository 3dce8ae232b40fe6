#include "console/MainScreenCardDispenser.h"

#include <QLabel>

void TMainScreen::buildApiCommandsPage(QWidget* page)
{
    APIStatus = new QLabel(QStringLiteral("Status Message"), page);
    APIStatus->setObjectName(QStringLiteral("APIStatus"));
}

void TMainScreen::buildApiCommands2Page(QWidget*) {}
