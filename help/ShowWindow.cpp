#include "help/ShowWindow.h"

#include <QWidget>

void showModeless(QWidget* window)
{
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}
