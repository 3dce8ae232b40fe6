#pragma once

#include <chrono>
#include <cstdint>

// How one place in the console sends its request: command, address, status text, pause, and
// whether both traffic logs are emptied first. The payload is given when the request is sent.
struct RequestSite {
    enum class Address { Frame, Fixed01 }; // FrameAddress, or always 01h

    std::uint8_t command;
    Address address;
    const char* statusText;
    std::chrono::milliseconds pause{0};
    bool emptiesLogs = false;
};
