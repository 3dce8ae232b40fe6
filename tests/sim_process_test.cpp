#include "sim/Frame.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using CorvanSim::Bytes;

namespace {

constexpr int HangGuardMs = 10000; // only stops a broken simulator from hanging the suite

const Bytes VersionRequest{0x02, 0x01, 0xA4, 0x00, 0x03, 0xA4};
const Bytes VersionReply = CorvanSim::buildFrame(0x01, CorvanSim::Ack, "V1.07");
const Bytes StatusRequest{0x02, 0x01, 0xA8, 0x00, 0x03, 0xA8};
const Bytes StatusReply = CorvanSim::buildFrame(0x01, CorvanSim::Ack, "Ready");

// The client's end of the simulator's line, opened raw as the console opens it.
class Line {
public:
    explicit Line(const QString& path)
        : fd_(open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY))
    {
        termios settings{};
        if (fd_ >= 0 && tcgetattr(fd_, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(fd_, TCSANOW, &settings);
        }
    }
    ~Line()
    {
        if (fd_ >= 0) close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }

    void send(const Bytes& bytes) const
    {
        ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // Exactly count bytes, or fewer if the simulator stops answering.
    Bytes receive(std::size_t count) const
    {
        Bytes bytes(count);
        std::size_t got = 0;
        pollfd line{fd_, POLLIN, 0};
        while (got < count && poll(&line, 1, HangGuardMs) == 1) {
            const ssize_t n = read(fd_, bytes.data() + got, count - got);
            if (n <= 0) break;
            got += std::size_t(n);
        }
        bytes.resize(got);
        return bytes;
    }

private:
    int fd_;
};

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The real corvan-sim, started with a link in a temporary folder and stopped with SIGTERM.
class SimProcess : public ::testing::Test {
protected:
    void start(QStringList arguments)
    {
        ASSERT_TRUE(folder.isValid());
        linkPath = folder.filePath("corvan");
        process.start(CORVAN_SIM_PATH, QStringList{"--link", linkPath} + arguments);
        ASSERT_TRUE(process.waitForStarted(HangGuardMs));
        while (!process.canReadLine() && process.waitForReadyRead(HangGuardMs)) {
        }
        const QString first = QString::fromLocal8Bit(process.readLine()).trimmed();
        ASSERT_TRUE(first.startsWith("Simulated controller on /dev/pts/")) << first.toStdString();
        slavePath = first.section(' ', -1);
    }

    // Ends the simulator as a user would, and tells whether it left cleanly.
    bool stop()
    {
        process.terminate(); // SIGTERM
        return process.waitForFinished(HangGuardMs) &&
               process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(HangGuardMs);
        }
    }

    QTemporaryDir folder;
    QProcess process;
    QString linkPath;
    QString slavePath;
};

} // namespace

TEST_F(SimProcess, AnswersOnItsLinkSurvivesAReopenAndRemovesTheLinkOnSigterm)
{
    start({"--log"});
    EXPECT_EQ(QFileInfo(linkPath).symLinkTarget(), slavePath);
    {
        Line line(linkPath);
        ASSERT_TRUE(line.isOpen());
        line.send(VersionRequest);
        EXPECT_EQ(line.receive(VersionReply.size()), VersionReply);
    }
    // The console closes the port and opens it again later: the simulator is still there.
    {
        Line line(slavePath);
        ASSERT_TRUE(line.isOpen());
        line.send(Bytes{0xAA, 0x02, 0x01} + StatusRequest);
        EXPECT_EQ(line.receive(StatusReply.size()), StatusReply);
    }
    EXPECT_TRUE(stop());
    EXPECT_FALSE(QFileInfo::exists(linkPath) || QFileInfo(linkPath).isSymLink());
    const QString log = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(log.contains("-> 02 01 A4 00 03 A4")) << log.toStdString();
    EXPECT_TRUE(log.contains("<- " + QString::fromStdString(CorvanSim::toHex(StatusReply))));
}

TEST_F(SimProcess, ShowsTheFaultsItIsAskedFor)
{
    start({"--garbage", "3", "--bad-checksum-every", "2", "--split-gap", "20", "--delay", "5",
           "--silent", "a4"});
    Line line(linkPath);
    ASSERT_TRUE(line.isOpen());
    // A4h goes unanswered, so the first bytes back belong to the first A8h.
    line.send(VersionRequest);
    line.send(StatusRequest);
    line.send(StatusRequest);
    const Bytes noise{0xAA, 0x55, 0x00};
    Bytes spoilt = StatusReply;
    spoilt.back() ^= 0xFF;
    EXPECT_EQ(line.receive(2 * (noise.size() + StatusReply.size())),
              noise + StatusReply + noise + spoilt);
    EXPECT_TRUE(stop());
}

TEST(SimProcessOptions, RefusesAnUnknownOptionAndPrintsHelp)
{
    QProcess process;
    process.start(CORVAN_SIM_PATH, {"--no-such-option"});
    ASSERT_TRUE(process.waitForFinished(HangGuardMs));
    EXPECT_EQ(process.exitCode(), 2);

    process.start(CORVAN_SIM_PATH, {"--help"});
    ASSERT_TRUE(process.waitForFinished(HangGuardMs));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("--bad-checksum-every N"));
}
