#pragma once

#include "console/MainScreenCardDispenser.h"
#include "support/QtPrinters.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The whole console against corvan-sim: the real TMainScreen on the offscreen platform, the Qt
// serial port on the simulator's pseudo-terminal and the real 500 ms poll timer.
class SimulatorFixture : public ::testing::Test {
protected:
    void TearDown() override;

    // Starts corvan-sim with the given fault options, then the console connected to it.
    void start(const QStringList& simulatorOptions = {});
    // Serves events until done() holds or the wait runs out; returns done().
    bool waitUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds wait = std::chrono::seconds(10));
    // Waits until the console has taken in count replies.
    bool waitForReplies(int count);
    void press(const char* button);
    QString text(const char* control) const; // a label's or an edit's text
    QStringList receivedLines() const;

    template <typename W = QWidget> W* control(const char* name) const
    {
        W* w = screen->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << "no control named " << name;
        return w;
    }

    QTemporaryDir folder;
    QString linkPath;
    QProcess simulator;
    std::unique_ptr<TMainScreen> screen;
    QStringList errors;
};
