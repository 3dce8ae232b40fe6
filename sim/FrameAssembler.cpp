#include "sim/FrameAssembler.h"

#include <algorithm>

namespace CorvanSim {

std::vector<Bytes> FrameAssembler::feed(std::span<const std::uint8_t> bytes)
{
    std::vector<Bytes> frames;
    // Taking frames after every byte keeps pending_ within one frame whatever arrives.
    for (std::uint8_t byte : bytes) {
        if (pending_.empty() && byte != Stx) continue;
        pending_.push_back(byte);
        takeFrames(frames);
    }
    return frames;
}

std::vector<Bytes> FrameAssembler::lineWentQuiet()
{
    std::vector<Bytes> frames;
    while (!pending_.empty()) {
        pending_.erase(pending_.begin());
        takeFrames(frames);
    }
    return frames;
}

void FrameAssembler::takeFrames(std::vector<Bytes>& frames)
{
    for (;;) {
        pending_.erase(pending_.begin(), std::find(pending_.begin(), pending_.end(), Stx));
        if (pending_.size() <= LengthOffset) return;
        const std::size_t length = pending_[LengthOffset];
        const std::size_t total = length + FrameOverhead;
        if (length <= MaxPayloadLength) {
            if (pending_.size() < total) return;
            if (pending_[total - 2] == Etx) {
                frames.emplace_back(pending_.begin(), pending_.begin() + total);
                pending_.erase(pending_.begin(), pending_.begin() + total);
                continue;
            }
        }
        // Not a frame after all: resume at the next start byte held.
        pending_.erase(pending_.begin());
    }
}

} // namespace CorvanSim
