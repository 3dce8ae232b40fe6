#include "support/ConsoleFixture.h"

#include "console/ErrorBox.h"
#include "link/Unit2.h"
#include "widgets/PortSelector.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

QByteArray hexBytes(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

QByteArray replyFrame(const QByteArray& payload, std::uint8_t address, std::uint8_t response)
{
    QByteArray frame;
    frame.append(char(0x02)).append(char(address)).append(char(response));
    frame.append(char(payload.size())).append(payload).append(char(0x03));
    char sum = 0;
    for (char c : frame)
        sum ^= c;
    return frame.append(sum);
}

void ConsoleFixture::SetUp()
{
    Unit2::Buffers() = {};
    ErrorBox::setReporter([this](const QString& message) { errors << message; });
    port = new FakeSerialLink;
    screen = std::make_unique<TMainScreen>(port);
}

void ConsoleFixture::TearDown()
{
    screen.reset();
    ErrorBox::setReporter({});
}

void ConsoleFixture::connectPort(const QString& name)
{
    auto* selector = control<PortSelector>("nrDeviceBox1");
    emit selector->picked(name);
    control<QCheckBox>("CommON1")->setChecked(true);
    ASSERT_TRUE(port->isActive());
}

void ConsoleFixture::reply(const QByteArray& bytes)
{
    port->deliver(bytes);
    screen->Timer1Timer();
}

QString ConsoleFixture::lastWrite() const
{
    if (port->writes.isEmpty()) return {};
    return QString::fromLatin1(port->writes.last().toHex(' ').toUpper()) + QLatin1Char(' ');
}

static QStringList linesOf(const QPlainTextEdit* log)
{
    const QString text = log->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList ConsoleFixture::sentLines() const
{
    return linesOf(control<QPlainTextEdit>("DataSentBuffer"));
}

QStringList ConsoleFixture::receivedLines() const
{
    return linesOf(control<QPlainTextEdit>("DataReceivedBuffer"));
}

QString ConsoleFixture::labelText(const char* name) const
{
    return control<QLabel>(name)->text();
}
