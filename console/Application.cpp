#include "console/Application.h"

#include "console/ErrorBox.h"
#include "packaging/ApplicationIcon.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tunewright"));
    setWindowIcon(applicationIcon());
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
