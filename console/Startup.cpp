#include "console/Startup.h"

#include "console/Application.h"
#include "console/ErrorBox.h"
#include "console/MainScreenCardDispenser.h"
#include "help/TimeVendHelp.h"
#include "help/TrailingEdgeHelp.h"
#include "help/uAbout.h"
#include "help/uHelp.h"

#include <QScreen>

std::unique_ptr<TMainScreen> createMainScreen(SerialLink* port)
{
    auto mainScreen = std::make_unique<TMainScreen>(port);
    // Parented to the main window, so they close with it and never keep the program alive.
    SecondaryWindows windows;
    windows.about = new TAboutForm(mainScreen.get());
    windows.help = new THelpForm(mainScreen.get());
    windows.trailingEdge = new TTrailingEdgeForm(mainScreen.get());
    windows.timeVend = new TTimeVendForm(mainScreen.get());
    mainScreen->attachWindows(windows);
    return mainScreen;
}

int runConsole(int argc, char* argv[])
{
    TApplication app(argc, argv);
    std::unique_ptr<TMainScreen> mainScreen;
    try {
        mainScreen = createMainScreen();
        const QRect screen = mainScreen->screen()->availableGeometry();
        mainScreen->move(screen.center() - mainScreen->rect().center());
        mainScreen->show();
        app.exec();
    } catch (...) {
        ErrorBox::showCurrentException();
    }
    return 0;
}
