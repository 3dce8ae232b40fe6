#include "support/FakeSerialLink.h"

bool FakeSerialLink::setActive(bool active)
{
    if (!active) {
        open_ = false;
        return true;
    }
    if (!openFailure_.isEmpty()) return false;
    open_ = true;
    ++opens;
    openedAtBaud = baud_;
    return true;
}

void FakeSerialLink::purge()
{
    if (open_) ++purges;
}

bool FakeSerialLink::write(const QByteArray& bytes)
{
    if (!open_) return false;
    if (failWrites_) {
        failLine(QStringLiteral("Write error"));
        return false;
    }
    writes << bytes;
    return true;
}

void FakeSerialLink::failLine(const QString& reason)
{
    open_ = false;
    emit lineError(reason);
}
