#pragma once

#include <QApplication>

// The application: whatever escapes an event handler is shown in the error box and the event
// loop goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
