#pragma once

#include "sim/Frame.h"

#include <cstddef>

namespace CorvanSim {

// Spoils replies on purpose, as asked on the command line: line noise before each reply and a
// wrong checksum on every Nth one. The timing faults (delay, split) belong to the writer.
class ReplyFaults {
public:
    ReplyFaults(std::size_t garbage, unsigned badChecksumEvery)
        : garbage_(garbage), badChecksumEvery_(badChecksumEvery)
    {
    }

    // The bytes to send for one reply.
    Bytes apply(Bytes reply);

private:
    std::size_t garbage_;
    unsigned badChecksumEvery_;
    unsigned replies_ = 0;
};

} // namespace CorvanSim
