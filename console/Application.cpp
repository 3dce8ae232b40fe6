#include "console/Application.h"

#include "console/ErrorBox.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tunewright"));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ErrorBox::showCurrentException();
        return false;
    }
}
