#include "sim/Port.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pty.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace CorvanSim {

namespace {

[[noreturn]] void fail(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

void makeRaw(int fd, speed_t speed, const std::string& name)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) fail("cannot read the settings of " + name);
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (speed != B0 && (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0))
        fail("cannot set the baud rate of " + name);
    if (tcsetattr(fd, TCSANOW, &settings) != 0) fail("cannot set " + name + " to raw mode");
}

void setNonBlocking(int fd)
{
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0)
        fail("cannot make the port non-blocking");
}

} // namespace

Port::Port()
{
    char slaveName[PATH_MAX] = {};
    if (openpty(&fd_, &heldSlave_, slaveName, nullptr, nullptr) != 0)
        fail("cannot open a pseudo-terminal");
    name_ = slaveName;
    makeRaw(heldSlave_, B0, name_);
    setNonBlocking(fd_);
}

Port::Port(const std::string& device, unsigned baud) : name_(device)
{
    fd_ = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) fail("cannot open " + device);
    makeRaw(fd_, baud == 9600 ? B9600 : B19200, device);
}

Port::~Port()
{
    if (heldSlave_ >= 0) close(heldSlave_);
    if (fd_ >= 0) close(fd_);
}

} // namespace CorvanSim
