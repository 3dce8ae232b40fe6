#pragma once

#include "link/SerialLink.h"

#include <QSerialPort>

// The production port: QSerialPort at 8 data bits, no parity, one stop bit.
class QtSerialLink : public SerialLink {
    Q_OBJECT
public:
    explicit QtSerialLink(QObject* parent = nullptr);

    QString portName() const override;
    void setPortName(const QString& name) override;
    int baudRate() const override;
    void setBaudRate(int baud) override;
    bool setActive(bool active) override;
    bool isActive() const override;
    QString errorText() const override;
    void purge() override;
    bool write(const QByteArray& bytes) override;

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QString name_;
    int baud_ = 19200;
};
