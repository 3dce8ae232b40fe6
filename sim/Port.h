#pragma once

#include <string>

namespace CorvanSim {

// The simulator's end of the serial line, opened raw and non-blocking: the master side of a
// new pseudo-terminal, or a serial device. Throws std::system_error when it cannot be opened.
class Port {
public:
    Port();                                         // a new pseudo-terminal
    Port(const std::string& device, unsigned baud); // a serial device
    ~Port();
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;

    int fd() const { return fd_; }

    // The path a client opens: the pseudo-terminal's slave, or the device.
    const std::string& name() const { return name_; }

private:
    int fd_ = -1;
    // Our own handle on the slave, so that the master never sees a hang-up (EIO) while the
    // console has the port closed.
    int heldSlave_ = -1;
    std::string name_;
};

} // namespace CorvanSim
