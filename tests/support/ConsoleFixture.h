#pragma once

#include "console/MainScreenCardDispenser.h"
#include "support/FakeSerialLink.h"
#include "support/QtPrinters.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// Bytes from a hex text such as "02 01 80 00 03 80".
QByteArray hexBytes(const char* hex);
// A complete reply frame: STX, address, response byte, LEN, payload, ETX and checksum.
QByteArray replyFrame(const QByteArray& payload, std::uint8_t address = 0x01,
                      std::uint8_t response = 0x06);

// The main window on a fake port, with the error box replaced by a list of messages.
class ConsoleFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Ticks "ACTIVE Serial Port" after picking a port, so requests are written.
    void connectPort(const QString& name = QStringLiteral("ttyS0"));
    // Delivers bytes as the port would, then runs one poll tick.
    void reply(const QByteArray& bytes);
    // The last frame written, as the log renders it ("02 01 80 00 03 80 ").
    QString lastWrite() const;
    QStringList sentLines() const;
    QStringList receivedLines() const;
    QString labelText(const char* name) const;

    template <typename W = QWidget> W* control(const char* name) const
    {
        W* w = screen->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << "no control named " << name;
        return w;
    }

    FakeSerialLink* port = nullptr;
    std::unique_ptr<TMainScreen> screen;
    QStringList errors;
};
