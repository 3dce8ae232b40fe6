#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace CorvanSim {

// Everything the simulated controller remembers; the initial values are its factory defaults.
// Money is in cents, times in milliseconds or seconds as the controller's pages state them.
struct ControllerState {
    unsigned escrow = 500;
    std::uint8_t systemMode = 0; // 0 Standard, 1 Steering, 2 TimeVend

    std::vector<unsigned> apiCashLimit{9999}; // B0h/B1h; also the most the escrow may hold
    std::vector<unsigned> cashLimit{9999};    // E7h/E6h, the General page's limit
    std::vector<unsigned> pulseValues{5, 10, 25, 100, 500, 1000};
    std::vector<unsigned> prices1to8{10, 20, 30, 40, 50, 60, 70, 80};
    std::vector<unsigned> prices9to16{90, 100, 110, 120, 130, 140, 150, 160};
    std::vector<unsigned> optoPulse1{10, 200, 1200, 1}; // sense, blind, reset, trailing edge
    std::vector<unsigned> timeVend{60, 5, 1};           // timer, delay, auto-vend
    std::vector<unsigned> ports{1234, 8080};            // network API port, web port

    std::string ipAddress = "192.168.1.100";
    std::string subnet = "255.255.255.0";
    std::string gateway = "192.168.1.1";
    std::string macAddress = "00-11-22-33-44-55";

    std::string version = "V1.07";
    std::string serialNumber = "CV-2041-0187";
    std::string systemStatus = "Ready";
};

} // namespace CorvanSim
