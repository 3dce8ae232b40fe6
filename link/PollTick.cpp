#include "console/MainScreenCardDispenser.h"
#include "link/Unit2.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <cctype>
#include <cstring>

using Unit2::Buffers;

namespace {

constexpr int HeaderLength = 4; // STX ADD CMD LEN
constexpr int FrameOverhead = 6;

} // namespace

void TMainScreen::Timer1Timer()
{
    FrameAddress = 0x01;
    if (RxCount < FrameOverhead) return;

    FrameStx = 0x02;
    const auto& rx = Buffers().RxBuffer;
    const int start = Unit2::FindFrameStart(RxCount, rx);
    const int limit = static_cast<int>(Unit2::FrameBufferSize);
    const int length = start + 3 < limit ? rx[start + 3] : 0;
    const bool headerIn = RxCount >= start + HeaderLength;
    const bool complete = RxCount >= start + length + FrameOverhead;
    const bool fits = length <= static_cast<int>(Unit2::MaxPayloadLength) &&
                      start + length + FrameOverhead <= limit;
    if (headerIn && !fits) {
        rejectHeldBytes();
    } else if (!complete && RxCount != pendingRxCount_) {
        // Still arriving: wait while bytes keep coming; a stalled frame is taken as it stands.
        pendingRxCount_ = RxCount;
    } else if (!fits) {
        rejectHeldBytes();
    } else {
        takeInFrame(start);
    }
}

void TMainScreen::takeInFrame(int start)
{
    // The tick always ends with an empty receive state, even when a decoder throws.
    struct EndOfTick {
        TMainScreen* screen;
        ~EndOfTick() { screen->endTick(); }
    } end{this};

    auto& b = Buffers();
    // Positions not yet written by this reply hold older bytes; all lie within RxBuffer.
    RxIndex = start + 1;
    FrameAddress = b.RxBuffer[RxIndex++];
    FrameCommand = b.RxBuffer[RxIndex++];
    PayloadLength = b.RxBuffer[RxIndex++];
    if (PayloadLength != 0) {
        std::memcpy(Payload, b.RxBuffer + RxIndex, PayloadLength);
        Payload[PayloadLength] = 0;
        RxIndex += static_cast<std::int32_t>(PayloadLength);
    }
    ++RxIndex; // ETX, not examined
    RxChecksum = b.RxBuffer[RxIndex];

    std::uint8_t* frame = b.TxFrame;
    frame[0] = FrameStx;
    frame[1] = FrameAddress;
    frame[2] = FrameCommand;
    frame[3] = static_cast<std::uint8_t>(PayloadLength);
    std::memcpy(frame + 4, Payload, PayloadLength);
    frame[4 + PayloadLength] = Payload[EtxIndex];
    frame[5 + PayloadLength] = RxChecksum;

    if (Unit2::XorChecksum(frame, PayloadLength + 5) != RxChecksum)
        CommStatus->setText(QStringLiteral("Bad Received CheckSum."));
    ReceivedLength->setText(QString::number(PayloadLength + 6));
    Unit2::FormatHexDump(PayloadLength + 6);
    appendLog(DataReceivedBuffer);
    if (PayloadLength != 0)
        std::strcpy(reinterpret_cast<char*>(frame), reinterpret_cast<const char*>(Payload));

    const DispatchRow* row = findDispatchRow(LastCommand);
    if (row && (!row->needsPayload || PayloadLength != 0)) {
        if (row->decode) (this->*row->decode)();
        if (row->chain) (this->*row->chain)();
    }
}

void TMainScreen::rejectHeldBytes()
{
    auto& b = Buffers();
    std::memcpy(b.TxFrame, b.RxBuffer, RxCount);
    Unit2::FormatHexDump(RxCount);
    appendLog(DataReceivedBuffer);
    CommStatus->setText(QStringLiteral("Bad Received Packet."));
    endTick();
}

void TMainScreen::endTick()
{
    emptyReceiveState();
    std::memset(Payload, 0, 7);
}

void TMainScreen::emptyReceiveState()
{
    RxIndex = 0;
    RxCount = 0;
    PayloadLength = 0;
    pendingRxCount_ = -1;
}

int TMainScreen::SplitFields(int fieldCount, char* flag)
{
    char* text = reinterpret_cast<char*>(Payload);
    for (std::uint32_t i = 0; i < PayloadLength; ++i) {
        if (text[i] == ',') text[i] = ' ';
    }
    auto& fieldSlots = Buffers().FieldSlots;
    const char* p = text; // NUL-terminated by the tick
    int found = 0;
    const int wanted = fieldCount + (flag ? 1 : 0);
    while (found < wanted && found < static_cast<int>(Unit2::FieldSlotCount)) {
        while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p)))
            ++p;
        if (*p == '\0') break;
        if (found == fieldCount) {
            *flag = *p++; // a single character, as "%c" takes it
            return ++found;
        }
        // A field longer than a slot keeps its first 11 characters.
        std::size_t n = 0;
        while (*p != '\0' && !std::isspace(static_cast<unsigned char>(*p))) {
            if (n < Unit2::FieldSlotSize - 1) fieldSlots[found][n++] = *p;
            ++p;
        }
        fieldSlots[found][n] = '\0';
        ++found;
    }
    return found;
}

QString TMainScreen::payloadText() const
{
    return QString::fromLatin1(reinterpret_cast<const char*>(Payload));
}
