#include "support/PseudoTerminal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    int slave = -1;
    char name[256] = {};
    if (openpty(&master_, &slave, name, nullptr, nullptr) != 0) return;
    termios raw{};
    tcgetattr(master_, &raw);
    cfmakeraw(&raw);
    tcsetattr(master_, TCSANOW, &raw);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);
    ::close(slave); // the console opens it by name
}

PseudoTerminal::~PseudoTerminal()
{
    closeMaster();
}

QByteArray PseudoTerminal::read(int count, std::chrono::milliseconds wait)
{
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (bytes.size() < count && clock.elapsed() < wait.count()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        char chunk[256];
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n > 0)
            bytes.append(chunk, static_cast<int>(n));
        else
            usleep(1000);
    }
    return bytes;
}

void PseudoTerminal::write(const QByteArray& bytes)
{
    ssize_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, bytes.size() - done);
        if (n <= 0) break;
        done += n;
    }
}

void PseudoTerminal::closeMaster()
{
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}
