#include "console/Startup.h"

#include "console/Application.h"
#include "console/ErrorBox.h"
#include "console/MainScreenCardDispenser.h"

#include <QScreen>
#include <memory>

int runConsole(int argc, char* argv[])
{
    TApplication app(argc, argv);
    std::unique_ptr<TMainScreen> mainScreen;
    try {
        mainScreen = std::make_unique<TMainScreen>();
        mainScreen->attachWindows({});
    } catch (...) {
        ErrorBox::showCurrentException();
        return 0;
    }
    const QRect screen = mainScreen->screen()->availableGeometry();
    mainScreen->move(screen.center() - mainScreen->rect().center());
    mainScreen->show();
    app.exec();
    return 0;
}
