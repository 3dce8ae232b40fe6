#pragma once

#include "sim/ControllerState.h"
#include "sim/Frame.h"

#include <cstdint>
#include <optional>
#include <span>

namespace CorvanSim {

// A Corvan controller held in memory: answers each request frame as the controller does,
// reading and changing its state.
class Controller {
public:
    // The reply to one request: ACK with the value asked for, NAK for a payload it refuses,
    // FFh for a wrong checksum, FEh for a command it does not know, always to the request's
    // address. Nothing when the bytes are not a frame at all.
    std::optional<Bytes> answer(std::span<const std::uint8_t> request);

    const ControllerState& state() const { return state_; }

private:
    ControllerState state_;
};

} // namespace CorvanSim
