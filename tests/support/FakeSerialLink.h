#pragma once

#include "link/SerialLink.h"

#include <QByteArrayList>

// An in-memory port: records what is written and lets a test deliver bytes or errors.
class FakeSerialLink : public SerialLink {
    Q_OBJECT
public:
    using SerialLink::SerialLink;

    QString portName() const override { return name_; }
    void setPortName(const QString& name) override { name_ = name; }
    int baudRate() const override { return baud_; }
    void setBaudRate(int baud) override { baud_ = baud; }
    bool setActive(bool active) override;
    bool isActive() const override { return open_; }
    QString errorText() const override { return openFailure_; }
    void purge() override;
    bool write(const QByteArray& bytes) override;

    // Test controls
    void deliver(const QByteArray& bytes) { emit received(bytes); }
    void failLine(const QString& reason = QStringLiteral("Input/output error"));
    void failNextOpen(const QString& reason) { openFailure_ = reason; }
    void failWrites(bool fail) { failWrites_ = fail; }

    QByteArrayList writes; // every write, in order
    int purges = 0;
    int opens = 0;
    int openedAtBaud = 0;

private:
    QString name_;
    QString openFailure_;
    int baud_ = 19200;
    bool open_ = false;
    bool failWrites_ = false;
};
