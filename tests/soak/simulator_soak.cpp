#include "console/ErrorBox.h"
#include "link/Unit2.h"
#include "support/SimulatorFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

// Ten thousand and more request/reply exchanges with corvan-sim over its pseudo-terminal, with
// its faults on, through every button that sends and every sequence. The poll tick is driven
// directly: once a reply's bytes are all in, or after a short wait for a reply that never comes.

namespace {

using namespace std::chrono_literals;

constexpr int Exchanges = 10200;
constexpr int WarmUpExchanges = 1000; // memory is compared with what it was after these
constexpr long MemoryGrowthLimitKb = 2048;
constexpr int ActionsBetweenClears = 50;
// Far beyond any reply's time: only a lost reply reaches it.
constexpr std::chrono::milliseconds ReplyWait = 3s;
// The simulator answers within a few milliseconds.
constexpr std::chrono::milliseconds SilenceWait = 20ms;

// One user action and the commands it exchanges in order; a sequence goes on while replies come.
struct Action {
    const char* button;
    std::vector<std::uint8_t> commands;
    const char* control = nullptr; // shows the last reply's text, when every step is answered
    const char* shown = nullptr;
};

const Action Actions[] = {
    {"bDispense", {0x80}},
    {"bDebitValue", {0x83}},
    {"bReadTotalDispense", {0x84}},
    {"bReadEscrow", {0xAD}},
    {"LMDSpeedButton16", {0xEE}},
    {"bVersion", {0xA4}, "ReadVersion", "V1.07"},
    {"bSystemMode", {0xA5}},
    {"bReadSerialNumber", {0xA7}, "ReadSerialNumber", "CV-2041-0187"},
    {"bReadSystemStatus", {0xA8}, "ReadSystemStatus", "Ready"},
    {"bWriteMaxCash", {0xB0}},
    {"bReadMaxCash", {0xB1}},
    {"bPayoutChange", {0xA2}},
    {"bRestore", {0xFC}},
    {"GeneralReadSettings", {0xC2, 0xE6, 0x8A}},
    {"GeneralWriteSettings", {0xC3, 0xE7, 0x89}},
    {"bReadCurrencyPulseValues", {0x8A}},
    {"bSaveCurrencyPulseValues", {0x89}},
    {"ReadPrices1", {0x91}},
    {"ReadPrices2", {0x93}},
    {"SavePrices1", {0x90}},
    {"SavePrices2", {0x92}},
    {"TimingRead", {0x99, 0xD0}},
    {"TimingSave", {0x9A, 0xD1}},
    {"NetworkReadSettings", {0xB3, 0xB5, 0xB7, 0xB9, 0xBA}, "MacAddress", "00-11-22-33-44-55"},
    {"NetworkSaveSettings", {0xB2, 0xB4, 0xB6, 0xB8}},
};

// The simulator's faults for one part of the run; each command is answered in some phase.
struct Phase {
    int splitGapMs;
    int badChecksumEvery;
    int garbage;
    std::set<std::uint8_t> silent;

    QStringList options() const
    {
        QStringList o{"--log",
                      "--split-gap",
                      QString::number(splitGapMs),
                      "--bad-checksum-every",
                      QString::number(badChecksumEvery),
                      "--garbage",
                      QString::number(garbage)};
        for (std::uint8_t command : silent)
            o << "--silent" << QString::number(command, 16);
        return o;
    }
};

const Phase Phases[] = {
    {2, 5, 3, {0xB9, 0xD1}},
    {1, 3, 8, {0xA2, 0xE7}},
};

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

bool checksumHolds(const QString& loggedFrame)
{
    std::uint8_t sum = 0;
    for (char byte : QByteArray::fromHex(loggedFrame.toLatin1()))
        sum ^= static_cast<std::uint8_t>(byte);
    return sum == 0;
}

// What the run saw, for its closing lines.
struct Tally {
    int exchanges = 0;
    int decoded = 0;
    int unanswered = 0;
    int badChecksums = 0;
    int ticksMidReply = 0;
    int noiseRejected = 0;
    int simulatorReplies = 0;
};

class SimulatorSoak : public SimulatorFixture {
protected:
    void tick()
    {
        ErrorBox::guarded([&] { screen->Timer1Timer(); });
    }

    // The first frame held in RxBuffer has all its bytes.
    bool replyComplete() const
    {
        const auto& rx = Unit2::Buffers().RxBuffer;
        const int start = Unit2::FindFrameStart(screen->RxCount, rx);
        return rx[start] == 0x02 && screen->RxCount >= start + 4 &&
               screen->RxCount >= start + rx[start + 3] + 6;
    }

    qsizetype logged() const { return receivedLines().size(); }

    // Counts the replies the simulator reports having written.
    void readSimulatorLog()
    {
        simulatorLog_ += simulator.readAllStandardError();
        const qsizetype end = simulatorLog_.lastIndexOf('\n') + 1;
        for (const QByteArray& line : simulatorLog_.left(end).split('\n'))
            tally.simulatorReplies += line.startsWith("<-");
        simulatorLog_.remove(0, end);
    }

    // One exchange whose reply comes: at most one tick while it is still arriving, which must
    // not take it in (leading noise alone may be rejected), then one tick that takes it in.
    void takeInReply()
    {
        bool tickedMidReply = false;
        QElapsedTimer clock;
        clock.start();
        while (!replyComplete() && clock.elapsed() < ReplyWait.count()) {
            if (!tickedMidReply && screen->RxCount > 0) {
                const qsizetype before = logged();
                tick();
                tickedMidReply = true;
                ++tally.ticksMidReply;
                if (logged() != before) {
                    ASSERT_EQ(text("CommStatus"), "Bad Received Packet.");
                    ASSERT_FALSE(receivedLines().last().contains("02 ")) << "a frame was lost";
                    ++tally.noiseRejected;
                }
            }
            QTest::qWait(1);
        }
        ASSERT_TRUE(replyComplete()) << "no complete reply to " << int(screen->LastCommand);
        const qsizetype before = logged();
        tick();
        ASSERT_EQ(logged(), before + 1);
        EXPECT_EQ(screen->RxCount, 0);
        ++tally.decoded;
        tally.badChecksums += !checksumHolds(receivedLines().last());
    }

    void run(const Action& action, const Phase& phase)
    {
        if (action.control) {
            if (auto* label = screen->findChild<QLabel*>(action.control)) label->clear();
            if (auto* edit = screen->findChild<QLineEdit*>(action.control)) edit->clear();
        }
        if (QByteArray(action.button) == "bRestore")
            control<QCheckBox>("cRestore")->setChecked(true);
        control<QAbstractButton>(action.button)->click();

        bool answered = true;
        for (std::uint8_t command : action.commands) {
            ASSERT_EQ(screen->LastCommand, command) << action.button;
            ++tally.exchanges;
            if (phase.silent.contains(command)) {
                QTest::qWait(static_cast<int>(SilenceWait.count()));
                EXPECT_EQ(screen->RxCount, 0);
                const qsizetype before = logged();
                tick();
                EXPECT_EQ(logged(), before);
                ++tally.unanswered;
                answered = false;
                break; // nothing more of this sequence is sent
            }
            takeInReply();
            if (HasFatalFailure()) return;
        }
        const qsizetype before = logged();
        tick(); // a reply is never taken in twice
        EXPECT_EQ(logged(), before);
        if (answered && action.control) EXPECT_EQ(text(action.control), action.shown);
        readSimulatorLog();
    }

    void connectToSimulator(const Phase& phase, bool first)
    {
        if (first) {
            start(phase.options());
        } else {
            simulator.terminate();
            ASSERT_TRUE(simulator.waitForFinished());
            auto* active = control<QCheckBox>("CommON1");
            ASSERT_TRUE(waitUntil([&] { return !active->isChecked(); }));
            startSimulator(phase.options());
            active->click();
            ASSERT_EQ(text("PortStatus"), "Connected");
        }
        // The ticks are the run's own.
        control<QTimer>("Timer1")->stop();
        simulatorLog_.clear();
    }

    Tally tally;

private:
    QByteArray simulatorLog_;
};

} // namespace

TEST_F(SimulatorSoak, TenThousandExchangesWithFaults)
{
    QElapsedTimer clock;
    clock.start();
    long warmKb = -1;
    int actions = 0;
    const int phaseCount = static_cast<int>(std::size(Phases));
    for (int p = 0; p < phaseCount; ++p) {
        const Phase& phase = Phases[p];
        connectToSimulator(phase, p == 0);
        if (HasFatalFailure()) return;
        const int phaseStart = tally.exchanges;
        const int decodedBefore = tally.decoded;
        const int badBefore = tally.badChecksums;
        const int repliesBefore = tally.simulatorReplies;
        for (std::size_t a = 0; tally.exchanges < Exchanges * (p + 1) / phaseCount; ++a) {
            run(Actions[a % std::size(Actions)], phase);
            if (HasFatalFailure()) return;
            if (++actions % ActionsBetweenClears == 0) control<QAbstractButton>("Button1")->click();
            if (warmKb < 0 && tally.exchanges >= WarmUpExchanges) warmKb = residentKb();
        }
        // Every reply the simulator wrote was taken in once, and every spoiled one was seen.
        const int decoded = tally.decoded - decodedBefore;
        EXPECT_TRUE(waitUntil(
            [&] {
                readSimulatorLog();
                return tally.simulatorReplies - repliesBefore >= decoded;
            },
            2s));
        EXPECT_EQ(tally.simulatorReplies - repliesBefore, decoded);
        EXPECT_EQ(tally.badChecksums - badBefore, decoded / phase.badChecksumEvery);
        std::printf("phase %d: %d exchanges, %d replies decoded\n", p + 1,
                    tally.exchanges - phaseStart, decoded);
    }
    control<QAbstractButton>("Button1")->click();
    QTest::qWait(10);
    const long endKb = residentKb();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_GE(tally.exchanges, Exchanges);
    EXPECT_LE(endKb - warmKb, MemoryGrowthLimitKb);

    std::printf("exchanges %d in %.1f s; replies decoded once %d, written by the simulator %d; "
                "unanswered %d; bad checksums seen %d; ticks mid-reply %d, of which rejected "
                "noise %d\nVmRSS after %d exchanges %ld kB, at the end %ld kB (%+ld kB)\n",
                tally.exchanges, clock.elapsed() / 1000.0, tally.decoded, tally.simulatorReplies,
                tally.unanswered, tally.badChecksums, tally.ticksMidReply, tally.noiseRejected,
                WarmUpExchanges, warmKb, endKb, endKb - warmKb);
}
