#pragma once

#include "sim/Frame.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace CorvanSim {

// Cuts request frames out of an untrusted byte stream: bytes before a 02h are dropped, and a
// start that cannot begin a frame (LEN too large, no ETX where LEN puts it) is given up in
// favour of the next 02h already received. What it holds never exceeds one largest frame.
class FrameAssembler {
public:
    // Takes in the next bytes of the stream and returns every frame they complete, in order.
    std::vector<Bytes> feed(std::span<const std::uint8_t> bytes);

    // Gives up every start still waiting for bytes once the line has gone quiet, and returns
    // the frames found behind them: a false start must not swallow the request after it.
    std::vector<Bytes> lineWentQuiet();

    bool hasPartial() const { return !pending_.empty(); }

private:
    void takeFrames(std::vector<Bytes>& frames);

    Bytes pending_;
};

} // namespace CorvanSim
