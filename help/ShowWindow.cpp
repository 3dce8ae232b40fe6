#include "help/ShowWindow.h"

#include <QWidget>

void showModeless(QWidget* window)
{
    if (!window) return; // a main window built without its secondary windows, as in tests
    if (window->isHidden()) window->show();
    const Qt::WindowStates state = window->windowState();
    if (state & Qt::WindowMinimized) window->setWindowState(state & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}
