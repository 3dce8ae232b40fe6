#include "console/Startup.h"

#include <QApplication>
#include <QMainWindow>

int runConsole(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    return app.exec();
}
