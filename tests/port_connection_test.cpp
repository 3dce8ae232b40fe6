#include "support/ConsoleFixture.h"

#include "link/Unit2.h"
#include "widgets/PortSelector.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class PortConnection : public ConsoleFixture {
protected:
    QCheckBox* active() const { return control<QCheckBox>("CommON1"); }
    void pick(const QString& name) { emit control<PortSelector>("nrDeviceBox1")->picked(name); }
};

TEST_F(PortConnection, StartsClosedAndNotSelectable)
{
    EXPECT_FALSE(active()->isChecked());
    EXPECT_FALSE(active()->isEnabled());
    EXPECT_EQ(labelText("PortShow"), "ttyS0");
    EXPECT_EQ(labelText("BaudShow"), "19200");
    EXPECT_EQ(labelText("PortStatus"), "Not Connected");
}

TEST_F(PortConnection, PickTickUntick)
{
    pick("/dev/pts/7");
    EXPECT_TRUE(active()->isEnabled());
    EXPECT_EQ(labelText("PortShow"), "/dev/pts/7");
    EXPECT_EQ(labelText("CommStatus"), "COM port is changed.");

    QTest::mouseClick(active(), Qt::LeftButton);
    EXPECT_TRUE(port->isActive());
    EXPECT_EQ(port->portName(), "/dev/pts/7");
    EXPECT_EQ(labelText("PortStatus"), "Connected");
    EXPECT_EQ(labelText("CommStatus"), "Connection status is updated.");

    QTest::mouseClick(active(), Qt::LeftButton);
    EXPECT_FALSE(port->isActive());
    EXPECT_EQ(labelText("PortStatus"), "Not Connected");
    EXPECT_EQ(labelText("CommStatus"), "Connection status is updated.");
}

TEST_F(PortConnection, PickingAnotherPortWhileConnectedCloses)
{
    connectPort();
    pick("ttyUSB0");
    EXPECT_FALSE(port->isActive());
    EXPECT_FALSE(active()->isChecked());
    EXPECT_TRUE(active()->isEnabled());
    EXPECT_EQ(labelText("CommStatus"), "COM port is changed.");
    EXPECT_EQ(labelText("PortStatus"), "Not Connected");
}

TEST_F(PortConnection, BaudChangeClosesAndTheNextOpenUsesIt)
{
    connectPort();
    QTest::mouseClick(control<QRadioButton>("Baud9600"), Qt::LeftButton);
    EXPECT_FALSE(port->isActive());
    EXPECT_EQ(labelText("BaudShow"), "9600");
    EXPECT_EQ(labelText("CommStatus"), "Connection status is updated.");
    EXPECT_FALSE(control<QRadioButton>("Baud19200")->isChecked());

    active()->setChecked(true);
    EXPECT_EQ(port->openedAtBaud, 9600);
}

TEST_F(PortConnection, BaudChangeBeforeAnyPickLeavesTheBoxDisabled)
{
    QTest::mouseClick(control<QRadioButton>("Baud9600"), Qt::LeftButton);
    EXPECT_FALSE(active()->isEnabled());
    EXPECT_EQ(labelText("BaudShow"), "9600");
}

TEST_F(PortConnection, LineErrorCloses)
{
    connectPort();
    port->failLine();
    EXPECT_FALSE(active()->isChecked());
    EXPECT_EQ(labelText("PortStatus"), "Not Connected");
}

TEST_F(PortConnection, FailedOpenShowsTheReasonAndLeavesTheLinkClosed)
{
    pick("ttyUSB3");
    port->failNextOpen("Permission denied");
    active()->setChecked(true);

    EXPECT_EQ(errors, QStringList{"Device \"ttyUSB3\" Open Error !!!\nPermission denied."});
    EXPECT_FALSE(active()->isChecked());
    EXPECT_EQ(labelText("PortStatus"), "Not Connected");
    screen->SendRequest({0x80, RequestSite::Address::Frame, "80h Read Escrow - Sent"});
    EXPECT_EQ(labelText("CommStatus"), "Packet is not sent.");
}

TEST_F(PortConnection, ReceiveOverflowKeepsSixBytes)
{
    struct Case {
        int held;
        int arriving;
        int storedBeforeOverflow;
    };
    for (const Case c : {Case{0, 300, 255}, Case{250, 10, 5}}) {
        screen->RxCount = 0;
        port->deliver(QByteArray(c.held, 'h'));
        port->deliver(QByteArray(c.arriving, 'n'));
        EXPECT_EQ(screen->RxCount, 6);
        EXPECT_EQ(Unit2::Buffers().RxBuffer[c.held + c.storedBeforeOverflow - 1],
                  c.storedBeforeOverflow > 0 ? 'n' : 'h');
    }
}

TEST_F(PortConnection, ClearEmptiesBothLogsButNotTheReceivedLength)
{
    screen->SendRequest({0x83, RequestSite::Address::Frame, ""});
    reply(replyFrame("7"));
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_TRUE(sentLines().isEmpty());
    EXPECT_TRUE(receivedLines().isEmpty());
    EXPECT_EQ(labelText("ReceivedLength"), "7");
}
