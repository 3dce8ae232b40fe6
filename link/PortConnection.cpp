#include "console/ConsoleError.h"
#include "console/MainScreenCardDispenser.h"
#include "link/SerialLink.h"
#include "link/Unit2.h"
#include "widgets/PortSelector.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const QString ConnectionUpdated = QStringLiteral("Connection status is updated.");
const QString NotConnected = QStringLiteral("Not Connected");

} // namespace

void TMainScreen::FormCreate()
{
    nrComm1->setActive(false);
    CommON1->setChecked(false);
    FrameAddress = 0x01;
    FrameStx = 0x02;
    Payload[EtxIndex] = 0x03;
    DataSentBuffer->clear();
    DataReceivedBuffer->clear();
    nrComm1->setBaudRate(19200);
    BaudShow->setText(QString::number(nrComm1->baudRate()));
    PortShow->setText(nrComm1->portName());
    if (OptoPulseGroup) OptoPulseGroup->setEnabled(true);
    if (TimeVendGroup) TimeVendGroup->setEnabled(false);
}

void TMainScreen::nrDeviceBox1Change(const QString& name)
{
    nrComm1->setActive(false);
    nrComm1->setPortName(name);
    CommON1->setChecked(false);
    PortShow->setText(nrComm1->portName());
    CommStatus->setText(QStringLiteral("COM port is changed."));
    CommON1->setEnabled(true);
}

void TMainScreen::nrDeviceBox1Click()
{
    CommON1->setEnabled(true);
}

void TMainScreen::CommON1Click(bool checked)
{
    if (!checked) {
        nrComm1->purge();
        PortStatus->setText(NotConnected);
        nrComm1->setActive(false);
        CommStatus->setText(ConnectionUpdated);
        return;
    }
    if (!nrComm1->setActive(true)) {
        // Leave the link visibly closed, so later requests say "Packet is not sent.".
        const QSignalBlocker quiet(CommON1);
        CommON1->setChecked(false);
        PortStatus->setText(NotConnected);
        throw ConsoleError(QStringLiteral("Device \"%1\" Open Error !!!\n%2")
                               .arg(nrComm1->portName(), nrComm1->errorText()));
    }
    PortStatus->setText(QStringLiteral("Connected"));
    CommStatus->setText(ConnectionUpdated);
}

void TMainScreen::Baud9600Click()
{
    selectBaudRate(9600, Baud19200);
}

void TMainScreen::Baud19200Click()
{
    selectBaudRate(19200, Baud9600);
}

void TMainScreen::selectBaudRate(int baud, QRadioButton* other)
{
    CommON1->setChecked(false);
    nrComm1->setActive(false);
    nrComm1->setBaudRate(baud);
    PortStatus->setText(NotConnected);
    CommStatus->setText(ConnectionUpdated);
    other->setChecked(false);
    BaudShow->setText(QString::number(nrComm1->baudRate()));
}

void TMainScreen::nrComm1AfterReceive(const QByteArray& bytes)
{
    auto& rx = Unit2::Buffers().RxBuffer;
    for (const char byte : bytes) {
        if (RxCount > ReceiveLimit - 1) {
            // Overflow: the first six bytes held stay and count as received; the rest is dropped.
            RxCount = 6;
            return;
        }
        rx[RxCount++] = static_cast<std::uint8_t>(byte);
    }
}

void TMainScreen::nrComm1CommError()
{
    nrComm1->setActive(false);
    CommON1->setChecked(false);
    PortStatus->setText(NotConnected);
}

void TMainScreen::ClearClick()
{
    DataSentBuffer->clear();
    DataReceivedBuffer->clear();
}

void TMainScreen::ExitClick()
{
    nrComm1->setActive(false);
    close();
}
