#pragma once

#include "link/SerialLink.h"

// An in-memory port that is always open: the benchmarks deliver replies through it.
class BenchLink : public SerialLink {
    Q_OBJECT
public:
    using SerialLink::SerialLink;

    QString portName() const override { return name_; }
    void setPortName(const QString& name) override { name_ = name; }
    int baudRate() const override { return baud_; }
    void setBaudRate(int baud) override { baud_ = baud; }
    bool setActive(bool) override { return true; }
    bool isActive() const override { return true; }
    QString errorText() const override { return {}; }
    void purge() override {}
    bool write(const QByteArray&) override { return true; }

    void deliver(const QByteArray& bytes) { emit received(bytes); }

private:
    QString name_;
    int baud_ = 19200;
};
