#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class FakeSerialLink;
class TMainScreen;

// Plays a hostile controller and a restless user against the main window on a fake port, from a
// script of bytes. Each step is one operation byte, taken modulo OperationCount:
//
//   0 Receive    n = next byte, then n bytes delivered as one receive notification
//   1 Command    LastCommand := next byte
//   2 Tick       one poll tick, as the window's timer runs it
//   3 Press      next byte selects a handler a user can start (Presses in ConsoleDriver.cpp)
//   4 Port       next byte: 0 pick and tick "ACTIVE Serial Port", 1 untick, 2 line error,
//                3 writes fail from now on, 4 writes succeed again
//   5 Clear      the "Clear" button
//
// A script that ends inside a step runs that step with what is left. After every step the link
// state is checked; a broken invariant aborts with its name, so that a fuzzer reports it.
//
// The window is built once, its poll timer stopped; before each script it is put back as it was
// new (controls, link state, shared buffers, port), so a script does the same on its own as
// after any other. The pause after a write is skipped while a driver exists.
class ConsoleDriver {
public:
    static constexpr int OperationCount = 6;

    ConsoleDriver();
    ~ConsoleDriver();
    ConsoleDriver(const ConsoleDriver&) = delete;
    ConsoleDriver& operator=(const ConsoleDriver&) = delete;

    // Puts the window back as it was new, then runs the script.
    void run(const std::uint8_t* script, std::size_t size);

    TMainScreen& screen() { return *screen_; }
    FakeSerialLink& port() { return *port_; }
    int errorsShown() const { return errorsShown_; }

private:
    // What a control showed when the window was new.
    struct ControlState {
        QPointer<QWidget> control;
        QString text;
        bool checked;
        bool enabled;
    };

    void snapshot();
    void reset();
    void step(std::uint8_t operation);
    std::uint8_t next();
    void tick();
    void checkInvariants() const;

    FakeSerialLink* port_ = nullptr; // owned by the window
    std::unique_ptr<TMainScreen> screen_;
    std::vector<ControlState> fresh_;
    QString freshPortName_;
    const std::uint8_t* script_ = nullptr;
    std::size_t left_ = 0;
    int errorsShown_ = 0;
};
