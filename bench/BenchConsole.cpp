#include "BenchConsole.h"

#include "BenchLink.h"
#include "console/MainScreenCardDispenser.h"
#include "console/Startup.h"
#include "link/Unit2.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::uint8_t PriceRead = 0x91;

} // namespace

double fastest(const std::vector<double>& runs)
{
    return runs.empty() ? 0 : *std::min_element(runs.begin(), runs.end());
}

void settle()
{
    // Twice: events posted while the first batch runs (paint after expose) belong to it.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QByteArray priceReply()
{
    const QByteArray payload = "32000,32000,32000,32000,32000,32000,32000,32000";
    QByteArray frame;
    frame += '\x02';
    frame += '\x01';
    frame += static_cast<char>(PriceRead);
    frame += static_cast<char>(payload.size());
    frame += payload;
    frame += '\x03';
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(frame.constData());
    frame += static_cast<char>(Unit2::XorChecksum(bytes, frame.size()));
    return frame;
}

QString hexLine(const QByteArray& frame)
{
    return QString::fromLatin1(frame.toHex(' ').toUpper() + ' ');
}

BenchConsole::BenchConsole() : link_(new BenchLink), reply_(priceReply())
{
    screen_ = createMainScreen(link_);
    receivedLog_ = screen_->findChild<QPlainTextEdit*>(QStringLiteral("DataReceivedBuffer"));
    if (!receivedLog_) throw std::runtime_error("the main window has no DataReceivedBuffer");
    screen_->show();
    settle();
    screen_->LastCommand = PriceRead;
}

BenchConsole::~BenchConsole() = default;

void BenchConsole::takeInPriceReply()
{
    link_->deliver(reply_);
    screen_->Timer1Timer();
}

void BenchConsole::clearLogs()
{
    screen_->ClearClick();
}
