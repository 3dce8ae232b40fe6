#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class BenchLink;
class QPlainTextEdit;
class TMainScreen;

// The statistic the repeated benchmarks report, as "min": the fastest of the runs. On a shared
// machine other work only ever adds time, so the fastest run is closest to the code's own cost.
double fastest(const std::vector<double>& runs);

// Runs the events that are waiting (layout, expose, paint), as the event loop would next.
void settle();

// The controller's reply to a 91h price read, eight prices of 32000: 53 bytes on the wire.
QByteArray priceReply();

// A frame as the traffic logs show it: upper-case hex pairs, each followed by a space.
QString hexLine(const QByteArray& frame);

// The real main window, shown, on an in-memory port, waiting for a 91h price reply.
class BenchConsole {
public:
    BenchConsole();
    ~BenchConsole();

    // Takes in one price reply as the console does: the port's received notification, then
    // one poll tick that logs and decodes it.
    void takeInPriceReply();
    // Empties both traffic logs.
    void clearLogs();

    TMainScreen& screen() { return *screen_; }
    QPlainTextEdit& receivedLog() { return *receivedLog_; }

private:
    std::unique_ptr<TMainScreen> screen_;
    BenchLink* link_;
    QPlainTextEdit* receivedLog_;
    QByteArray reply_;
};
