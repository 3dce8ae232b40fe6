#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

// The controller's end of a pseudo-terminal: the console opens slavePath() as its serial port.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    QString slavePath() const { return slavePath_; }
    bool isOpen() const { return master_ >= 0; }

    // Reads until count bytes arrived or the wait ran out, serving Qt's events meanwhile.
    QByteArray read(int count, std::chrono::milliseconds wait = std::chrono::seconds(5));
    void write(const QByteArray& bytes);
    void closeMaster();

private:
    int master_ = -1;
    QString slavePath_;
};
