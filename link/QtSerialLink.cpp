#include "link/QtSerialLink.h"

QtSerialLink::QtSerialLink(QObject* parent) : SerialLink(parent)
{
    connect(&port_, &QSerialPort::readyRead, this, [this] {
        // Drain everything on each notification; Qt may hold more than one chunk.
        const QByteArray bytes = port_.readAll();
        if (!bytes.isEmpty()) emit received(bytes);
    });
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
}

QString QtSerialLink::portName() const
{
    return name_;
}

void QtSerialLink::setPortName(const QString& name)
{
    // A full path (a pseudo-terminal, a by-id link) is opened as given and shown as typed;
    // QSerialPort itself would report it without its /dev/ prefix.
    name_ = name;
    port_.setPortName(name);
}

int QtSerialLink::baudRate() const
{
    return baud_;
}

void QtSerialLink::setBaudRate(int baud)
{
    baud_ = baud;
}

bool QtSerialLink::setActive(bool active)
{
    if (!active) {
        if (port_.isOpen()) port_.close();
        return true;
    }
    if (port_.isOpen()) return true;
    port_.setBaudRate(baud_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    return port_.open(QIODevice::ReadWrite);
}

bool QtSerialLink::isActive() const
{
    return port_.isOpen();
}

QString QtSerialLink::errorText() const
{
    return port_.errorString();
}

void QtSerialLink::purge()
{
    if (port_.isOpen()) port_.clear(QSerialPort::AllDirections);
}

bool QtSerialLink::write(const QByteArray& bytes)
{
    if (!port_.isOpen()) return false;
    if (port_.write(bytes) != bytes.size()) return false;
    port_.flush(); // hand the bytes to the driver now, not after the caller's pause
    return port_.isOpen() && port_.error() != QSerialPort::WriteError &&
           port_.error() != QSerialPort::ResourceError;
}

void QtSerialLink::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::NotOpenError:              // a purge or modem-line request on a closed port
    case QSerialPort::UnsupportedOperationError: // modem lines on a pseudo-terminal
    case QSerialPort::OpenError:                 // reported by setActive() itself
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
        return;
    default:
        break;
    }
    if (!port_.isOpen()) return;
    const QString reason = port_.errorString();
    port_.clearError();
    port_.close();
    emit lineError(reason);
}
