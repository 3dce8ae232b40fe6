#include "console/ErrorBox.h"
#include "console/MainScreenCardDispenser.h"
#include "support/ProcessClock.h"
#include "support/PseudoTerminal.h"
#include "support/SimulatorFixture.h"
#include "widgets/PortSelector.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

// A controller that disappears while the port is open, and a port the user may not open. The
// pseudo-terminal whose far end closes is in serial_pty_test.cpp.

using namespace std::chrono_literals;
using VanishingDevice = SimulatorFixture;

TEST_F(VanishingDevice, KilledSimulatorEndsNotConnectedAndTheNextOneReconnects)
{
    start();
    auto* active = control<QCheckBox>("CommON1");
    simulator.kill();
    ASSERT_TRUE(simulator.waitForFinished());

    ASSERT_TRUE(waitUntil([&] { return !active->isChecked(); }));
    EXPECT_EQ(text("PortStatus"), "Not Connected");
    EXPECT_LT(processorTimeWhileServing(1s), IdleProcessorTimeLimit);
    press("bVersion");
    EXPECT_EQ(text("CommStatus"), "Packet is not sent.");

    startSimulator(); // back on the same path
    QTest::mouseClick(active, Qt::LeftButton);
    ASSERT_EQ(text("PortStatus"), "Connected") << errors.join('\n').toStdString();
    press("bVersion");
    EXPECT_TRUE(waitUntil([&] { return text("ReadVersion") == "V1.07"; }));
    EXPECT_TRUE(errors.isEmpty());
}

namespace {

// The pseudo-terminal a child process running as nobody must fail to open.
const char* const DeniedPortVariable = "TUNEWRIGHT_DENIED_PORT";
const char* const SetPriv = "/usr/bin/setpriv";

} // namespace

// Root opens any port, so as root the check runs again in a child process as nobody.
TEST(PortPermission, DeniedOpenShowsTheSystemsReason)
{
    QString path = qEnvironmentVariable(DeniedPortVariable);
    PseudoTerminal pty;
    if (path.isEmpty()) {
        path = pty.slavePath();
        ASSERT_EQ(chmod(path.toLocal8Bit().constData(), 0), 0);
    }
    if (geteuid() == 0) {
        if (!QFileInfo::exists(SetPriv))
            GTEST_SKIP() << "no setpriv to drop root; the fake port's test shows the message";
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(DeniedPortVariable, path);
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR")); // root's, not nobody's
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(SetPriv, {"--reuid=65534", "--regid=65534", "--clear-groups", "--",
                              QCoreApplication::applicationFilePath(),
                              "--gtest_filter=PortPermission.DeniedOpenShowsTheSystemsReason"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        return;
    }

    QStringList errors;
    ErrorBox::setReporter([&](const QString& m) { errors << m; });
    {
        TMainScreen screen;
        emit screen.findChild<PortSelector*>(QStringLiteral("nrDeviceBox1"))->picked(path);
        auto* active = screen.findChild<QCheckBox*>(QStringLiteral("CommON1"));
        active->setChecked(true);
        EXPECT_FALSE(active->isChecked());
        EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("PortStatus"))->text(), "Not Connected");
    }
    ErrorBox::setReporter({});
    EXPECT_EQ(errors, QStringList{"Device \"" + path + "\" Open Error !!!\nPermission denied."});
}
