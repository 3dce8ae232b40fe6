#include "sim/ReplyFaults.h"

#include "link/Unit2.h"

#include <algorithm>
#include <gtest/gtest.h>

using CorvanSim::Bytes;
using CorvanSim::ReplyFaults;

namespace {

const Bytes Reply = CorvanSim::buildFrame(0x01, CorvanSim::Ack, "V1.07");

bool checksumHolds(const Bytes& frame)
{
    return Unit2::XorChecksum(frame.data(), frame.size()) == 0;
}

} // namespace

TEST(SimReplyFaults, NoFaultsLeaveTheReplyAlone)
{
    ReplyFaults faults(0, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(faults.apply(Reply), Reply);
}

TEST(SimReplyFaults, GarbageComesFirstAndNeverHoldsAStartByte)
{
    ReplyFaults faults(300, 0);
    const Bytes bytes = faults.apply(Reply);
    ASSERT_EQ(bytes.size(), 300 + Reply.size());
    EXPECT_EQ(std::find(bytes.begin(), bytes.begin() + 300, CorvanSim::Stx), bytes.begin() + 300);
    EXPECT_TRUE(std::equal(Reply.begin(), Reply.end(), bytes.begin() + 300));
}

TEST(SimReplyFaults, EveryNthChecksumIsWrong)
{
    ReplyFaults faults(0, 3);
    for (int reply = 1; reply <= 9; ++reply) {
        const Bytes bytes = faults.apply(Reply);
        EXPECT_EQ(checksumHolds(bytes), reply % 3 != 0) << "reply " << reply;
        EXPECT_TRUE(std::equal(Reply.begin(), Reply.end() - 1, bytes.begin()));
    }
}
