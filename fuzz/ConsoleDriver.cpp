#include "fuzz/ConsoleDriver.h"

#include "console/ErrorBox.h"
#include "console/MainScreenCardDispenser.h"
#include "link/Unit2.h"
#include "link/WritePause.h"
#include "network/WebOpener.h"
#include "support/FakeSerialLink.h"
#include "widgets/IpAddressEdit.h"
#include "widgets/PortSelector.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QByteArray>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

using Screen = TMainScreen;

// Every handler a user can start without arguments, bar the windows and the exit.
constexpr void (Screen::*Presses[])() = {
    &Screen::bEscrowClick,
    &Screen::bDebitValueClick,
    &Screen::CreditValueClick,
    &Screen::bReadEscrowClick,
    &Screen::LMDSpeedButton16Click,
    &Screen::VersionCheck,
    &Screen::bSystemModeClick,
    &Screen::bReadSerialNumberClick,
    &Screen::bReadSystemStatusClick,
    &Screen::bWriteMaxCashClick,
    &Screen::bReadMaxCashClick,
    &Screen::bPayoutChangeClick,
    &Screen::bRestoreClick,
    &Screen::GeneralReadSettingsClick,
    &Screen::GeneralWriteSettingsClick,
    &Screen::bReadPulseValueClick,
    &Screen::bWritePulseValueClick,
    &Screen::ReadPrices1Click,
    &Screen::ReadPrices2Click,
    &Screen::SavePrices1Click,
    &Screen::SavePrices2Click,
    &Screen::PriceSet1Change,
    &Screen::TimingReadClick,
    &Screen::TimingSaveClick,
    &Screen::ModeStandardClick,
    &Screen::ModeSteeringClick,
    &Screen::ModeTimeVendClick,
    &Screen::NetworkReadSettingsClick,
    &Screen::NetworkSaveSettingsClick,
    &Screen::IPAddressChange,
    &Screen::WebPortChange,
    &Screen::WebSiteAccessClick,
    &Screen::Baud9600Click,
    &Screen::Baud19200Click,
    &Screen::nrDeviceBox1Click,
};
constexpr std::size_t PressCount = std::size(Presses);

// A complete reply that no dispatch row takes, to end any wait for a frame still arriving.
const QByteArray NeutralReply = QByteArray::fromHex("020106000304");

enum PortAction { Open, Close, LineError, FailWrites, GoodWrites, PortActionCount };

[[noreturn]] void broken(const char* invariant)
{
    std::fprintf(stderr, "ConsoleDriver: broken invariant: %s\n", invariant);
    std::abort();
}

bool terminatedWithin(const char* text, std::size_t size)
{
    return std::memchr(text, '\0', size) != nullptr;
}

// Unchecks a button even when it is the checked one of an exclusive set.
void uncheck(QAbstractButton* button)
{
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive) group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive) group->setExclusive(true);
}

} // namespace

ConsoleDriver::ConsoleDriver()
{
    Unit2::Buffers() = {};
    port_ = new FakeSerialLink;
    screen_ = std::make_unique<TMainScreen>(port_);
    // Ticks come from the script only.
    screen_->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    snapshot();
}

ConsoleDriver::~ConsoleDriver()
{
    screen_.reset();
    ErrorBox::setReporter({});
    WebOpener::setOpener({});
    WritePause::setPauser(nullptr);
}

void ConsoleDriver::snapshot()
{
    freshPortName_ = port_->portName();
    for (QWidget* control : screen_->findChildren<QWidget*>()) {
        ControlState state{control, {}, false, !control->testAttribute(Qt::WA_ForceDisabled)};
        if (auto* ip = qobject_cast<IpAddressEdit*>(control))
            state.text = ip->address();
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            state.text = edit->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            state.text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            state.checked = button->isChecked();
        fresh_.push_back(state);
    }
}

void ConsoleDriver::reset()
{
    // The seams are the driver's that runs now, whichever other driver set them last.
    ErrorBox::setReporter([this](const QString&) { ++errorsShown_; });
    WebOpener::setOpener([](const QString&) {});
    WritePause::setPauser([](std::chrono::milliseconds) {});

    TMainScreen& s = *screen_;
    s.LastCommand = 0;
    s.RxCount = 0;
    port_->deliver(NeutralReply);
    ErrorBox::guarded([&] { s.Timer1Timer(); });

    // Controls first, with their handlers quiet; checked buttons before unchecked ones, so that
    // an exclusive set never refuses.
    for (const ControlState& c : fresh_)
        if (c.control) c.control->blockSignals(true);
    for (const ControlState& c : fresh_) {
        QWidget* control = c.control;
        if (!control) continue;
        control->setEnabled(c.enabled);
        if (auto* ip = qobject_cast<IpAddressEdit*>(control))
            ip->setAddress(c.text);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(c.text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(c.text);
        else if (auto* log = qobject_cast<QPlainTextEdit*>(control))
            log->clear();
        else if (auto* button = qobject_cast<QAbstractButton*>(control); button && c.checked)
            button->setChecked(true);
    }
    for (const ControlState& c : fresh_) {
        auto* button = qobject_cast<QAbstractButton*>(c.control.data());
        if (button && !c.checked && button->isChecked()) uncheck(button);
    }
    for (const ControlState& c : fresh_)
        if (c.control) c.control->blockSignals(false);

    port_->setActive(false);
    port_->failWrites(false);
    port_->setBaudRate(19200);
    port_->setPortName(freshPortName_);
    port_->writes.clear();

    Unit2::Buffers() = {};
    s.RxCount = 0;
    s.RxIndex = 0;
    s.LastCommand = 0;
    s.FrameStx = 0x02;
    s.FrameAddress = 0x01;
    s.FrameCommand = 0x30;
    s.PayloadLength = 0;
    std::fill(std::begin(s.Payload), std::end(s.Payload), 0);
    s.Payload[TMainScreen::EtxIndex] = 0x03;
    s.RxChecksum = 0;
    errorsShown_ = 0;
    QCoreApplication::sendPostedEvents();
}

void ConsoleDriver::run(const std::uint8_t* script, std::size_t size)
{
    reset();
    script_ = script;
    left_ = size;
    while (left_ > 0) {
        step(next());
        checkInvariants();
    }
}

std::uint8_t ConsoleDriver::next()
{
    if (left_ == 0) return 0;
    --left_;
    return *script_++;
}

void ConsoleDriver::step(std::uint8_t operation)
{
    switch (operation % OperationCount) {
    case 0: {
        const std::size_t count = std::min<std::size_t>(next(), left_);
        const QByteArray bytes(reinterpret_cast<const char*>(script_), qsizetype(count));
        script_ += count;
        left_ -= count;
        port_->deliver(bytes);
        break;
    }
    case 1:
        screen_->LastCommand = next();
        break;
    case 2:
        tick();
        break;
    case 3: {
        const auto handler = Presses[next() % PressCount];
        if (handler == &Screen::bRestoreClick) // armed, or the press does nothing
            screen_->findChild<QCheckBox*>(QStringLiteral("cRestore"))->setChecked(true);
        ErrorBox::guarded([&] { (screen_.get()->*handler)(); });
        break;
    }
    case 4:
        switch (next() % PortActionCount) {
        case Open:
            emit screen_->findChild<PortSelector*>(QStringLiteral("nrDeviceBox1"))
                ->picked(QStringLiteral("ttyFUZZ"));
            screen_->findChild<QCheckBox*>(QStringLiteral("CommON1"))->setChecked(true);
            break;
        case Close:
            screen_->findChild<QCheckBox*>(QStringLiteral("CommON1"))->setChecked(false);
            break;
        case LineError:
            if (port_->isActive()) port_->failLine();
            break;
        case FailWrites:
            port_->failWrites(true);
            break;
        case GoodWrites:
            port_->failWrites(false);
            break;
        }
        break;
    default:
        screen_->ClearClick();
        break;
    }
}

void ConsoleDriver::tick()
{
    const std::int32_t before = screen_->RxCount;
    ErrorBox::guarded([&] { screen_->Timer1Timer(); });
    // A tick either leaves the bytes for later or takes them all in.
    if (screen_->RxCount != 0 && screen_->RxCount != before) broken("tick left part of RxBuffer");
    if (screen_->FrameAddress != 0x01 && before < 6) broken("tick kept a reply's address");
}

void ConsoleDriver::checkInvariants() const
{
    const TMainScreen& s = *screen_;
    const auto& b = Unit2::Buffers();
    if (s.RxCount < 0 || s.RxCount > TMainScreen::ReceiveLimit) broken("RxCount within RxBuffer");
    if (s.RxIndex < 0 || s.RxIndex > int(Unit2::FrameBufferSize)) broken("RxIndex in RxBuffer");
    if (s.PayloadLength > Unit2::MaxPayloadLength) broken("PayloadLength at most 250");
    if (s.Payload[TMainScreen::EtxIndex] != 0x03) broken("Payload's last byte holds ETX");
    if (s.FrameStx != 0x02) broken("FrameStx is STX");
    if (!terminatedWithin(b.HexText, Unit2::HexTextSize)) broken("HexText NUL-terminated");
    for (const auto& slot : b.FieldSlots) {
        if (!terminatedWithin(slot, Unit2::FieldSlotSize)) broken("field slot NUL-terminated");
    }
}
