#pragma once

#include <string>

namespace CorvanSim {

// A symbolic link to the port, kept for as long as the object lives, so that the console can
// be pointed at a fixed path. Replaces a stale link left at the path, never any other file;
// throws std::system_error when the link cannot be made.
class PortLink {
public:
    PortLink(std::string path, std::string target);
    ~PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

private:
    std::string path_;
    std::string target_;
};

} // namespace CorvanSim
