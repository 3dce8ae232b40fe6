#include "console/MainScreenCardDispenser.h"
#include "link/SerialLink.h"
#include "link/Unit2.h"
#include "link/WritePause.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstring>

using Unit2::Buffers;

void TMainScreen::SendRequest(const RequestSite& site)
{
    sendFrame(site, 0);
}

void TMainScreen::SendRequest(const RequestSite& site, std::uint8_t fixedByte)
{
    Buffers().TxFrame[4] = fixedByte;
    sendFrame(site, 1);
}

void TMainScreen::SendRequest(const RequestSite& site, const QByteArray& text)
{
    // The payload and its NUL stay clear of Payload's last byte, which holds ETX.
    const auto length = std::min<std::size_t>(text.size(), Unit2::MaxPayloadLength);
    std::memcpy(Payload, text.constData(), length);
    Payload[length] = 0;
    PayloadLength = static_cast<std::uint32_t>(length);
    std::memcpy(Buffers().TxFrame + 4, Payload, length);
    sendFrame(site, PayloadLength);
}

void TMainScreen::sendFrame(const RequestSite& site, std::uint32_t length)
{
    std::uint8_t* frame = Buffers().TxFrame;
    frame[0] = FrameStx;
    frame[1] = site.address == RequestSite::Address::Frame ? FrameAddress : 0x01;
    LastCommand = site.command;
    frame[2] = site.command;
    frame[3] = static_cast<std::uint8_t>(length);
    frame[4 + length] = Payload[EtxIndex];
    frame[5 + length] = Unit2::XorChecksum(frame, length + 5);
    frame[6 + length] = 0;

    const std::uint32_t frameLength = length + 6;
    Unit2::FormatHexDump(frameLength);
    if (site.emptiesLogs) {
        DataSentBuffer->clear();
        DataReceivedBuffer->clear();
    }
    appendLog(DataSentBuffer);

    if (!CommON1->isChecked()) {
        CommStatus->setText(QStringLiteral("Packet is not sent."));
        return;
    }
    emptyReceiveState();
    nrComm1->purge();
    const QByteArray bytes(reinterpret_cast<const char*>(frame), frameLength);
    if (!nrComm1->write(bytes)) {
        // Never claim a send for bytes that did not go out; a failed write has closed the link.
        nrComm1CommError();
        CommStatus->setText(QStringLiteral("Packet is not sent."));
        return;
    }
    CommStatus->setText(QStringLiteral("Packet is sent."));
    APIStatus->setText(QString::fromLatin1(site.statusText));
    if (site.pause.count() > 0) WritePause::take(site.pause);
}

void TMainScreen::appendLog(QPlainTextEdit* log)
{
    log->appendPlainText(QString::fromLatin1(Buffers().HexText));
}
