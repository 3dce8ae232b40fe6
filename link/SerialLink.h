#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The serial port operations the console needs, behind an interface of our own so that tests
// can replace the port. Notifications are delivered on the window thread.
class SerialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QString portName() const = 0;
    virtual void setPortName(const QString& name) = 0;
    virtual int baudRate() const = 0;
    // Set while closed; used at the next open.
    virtual void setBaudRate(int baud) = 0;

    // Opens (8N1 at the set rate) or closes the port. Closing a closed port does nothing.
    // A failed open returns false and leaves the system's reason in errorText().
    virtual bool setActive(bool active) = 0;
    virtual bool isActive() const = 0;
    virtual QString errorText() const = 0;

    // Discards both queues; does nothing on a closed port.
    virtual void purge() = 0;
    // Starts writing without waiting for completion. False when nothing could be started (a
    // closed port, or a failure that is also reported through lineError()).
    virtual bool write(const QByteArray& bytes) = 0;

signals:
    // Every byte queued at the moment, in arrival order.
    void received(const QByteArray& bytes);
    // A line or device error on an open port; the connection is no longer usable.
    void lineError(const QString& reason);
};
