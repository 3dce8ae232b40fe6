#include "console/ErrorBox.h"
#include "console/MainScreenCardDispenser.h"
#include "support/ConsoleFixture.h"
#include "support/ProcessClock.h"
#include "support/PseudoTerminal.h"
#include "widgets/PortSelector.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// The real Qt serial port on a pseudo-terminal, the test playing the controller.
class SerialOverPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        ErrorBox::setReporter([this](const QString& m) { errors << m; });
        ASSERT_TRUE(pty.isOpen());
        screen = std::make_unique<TMainScreen>();
        screen->show();
    }
    void TearDown() override
    {
        screen.reset();
        ErrorBox::setReporter({});
    }

    template <typename W = QWidget> W* control(const char* name) const
    {
        return screen->findChild<W*>(QString::fromLatin1(name));
    }

    // Types the path into "COM Port", confirms it with Enter and ticks "ACTIVE Serial Port".
    void connectToPty()
    {
        auto* selector = control<PortSelector>("nrDeviceBox1");
        selector->lineEdit()->selectAll();
        QTest::keyClicks(selector->lineEdit(), pty.slavePath());
        QTest::keyClick(selector->lineEdit(), Qt::Key_Return);
        QTest::mouseClick(control<QCheckBox>("CommON1"), Qt::LeftButton);
    }

    bool waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 5000)
            QTest::qWait(10);
        return done();
    }

    PseudoTerminal pty;
    std::unique_ptr<TMainScreen> screen;
    QStringList errors;
};

TEST_F(SerialOverPty, RequestGoesOutAndReplyIsTakenInAtTheNextTick)
{
    connectToPty();
    ASSERT_EQ(control<QLabel>("PortStatus")->text(), "Connected")
        << errors.join('\n').toStdString();
    EXPECT_EQ(control<QLabel>("PortShow")->text(), pty.slavePath());

    screen->SendRequest({0x80, RequestSite::Address::Frame, "80h Read Escrow - Sent"});
    EXPECT_EQ(pty.read(6), hexBytes("02 01 80 00 03 80"));
    EXPECT_TRUE(pty.read(1, std::chrono::milliseconds(100)).isEmpty()); // exactly its bytes

    pty.write(hexBytes("02 01 06 03 32 35 30 03 B5"));
    ASSERT_TRUE(waitFor([&] { return screen->RxCount >= 9; }));
    screen->Timer1Timer();
    EXPECT_EQ(control<QPlainTextEdit>("DataReceivedBuffer")->toPlainText(),
              "02 01 06 03 32 35 30 03 B5 ");
    EXPECT_EQ(control<QLabel>("ReceivedLength")->text(), "9");
}

TEST_F(SerialOverPty, ClosedFarEndEndsNotConnected)
{
    connectToPty();
    ASSERT_EQ(control<QLabel>("PortStatus")->text(), "Connected");
    pty.closeMaster();
    EXPECT_TRUE(waitFor([&] { return !control<QCheckBox>("CommON1")->isChecked(); }));
    EXPECT_EQ(control<QLabel>("PortStatus")->text(), "Not Connected");
    EXPECT_LT(processorTimeWhileServing(std::chrono::seconds(1)), IdleProcessorTimeLimit);
}

TEST_F(SerialOverPty, MissingDeviceShowsTheSystemsReason)
{
    auto* selector = control<PortSelector>("nrDeviceBox1");
    emit selector->picked("/dev/tunewright-no-such-port");
    control<QCheckBox>("CommON1")->setChecked(true);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Device \"/dev/tunewright-no-such-port\" Open Error !!!\n"));
    EXPECT_GT(errors[0].size(), 60); // the reason follows
    EXPECT_FALSE(control<QCheckBox>("CommON1")->isChecked());
}
