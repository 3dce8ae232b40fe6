#include "link/WritePause.h"
#include "support/ConsoleFixture.h"

#include <vector>

namespace {

using namespace std::chrono_literals;

std::vector<std::chrono::milliseconds> pausesTaken;

void recordPause(std::chrono::milliseconds pause)
{
    pausesTaken.push_back(pause);
}

class WritePauseTest : public ConsoleFixture {
protected:
    void SetUp() override
    {
        ConsoleFixture::SetUp();
        pausesTaken.clear();
        WritePause::setPauser(recordPause);
    }
    void TearDown() override
    {
        WritePause::setPauser(nullptr);
        ConsoleFixture::TearDown();
    }
};

} // namespace

// Only a request that was written pauses, for its own site's time.
TEST_F(WritePauseTest, TakenAfterAWriteForTheSitesTime)
{
    screen->bEscrowClick(); // not connected
    connectPort();
    screen->bEscrowClick();
    screen->bReadEscrowClick();
    screen->bDebitValueClick();
    port->failWrites(true);
    connectPort();
    screen->bReadEscrowClick();

    EXPECT_EQ(pausesTaken, (std::vector{2ms, 5ms}));
}
