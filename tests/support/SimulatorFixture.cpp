#include "support/SimulatorFixture.h"

#include "console/ErrorBox.h"
#include "console/Startup.h"
#include "widgets/PortSelector.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

void SimulatorFixture::start(const QStringList& simulatorOptions)
{
    ErrorBox::setReporter([this](const QString& m) { errors << m; });
    startSimulator(simulatorOptions);
    if (HasFatalFailure()) return;

    screen = createMainScreen();
    screen->show();
    auto* selector = control<PortSelector>("nrDeviceBox1");
    selector->lineEdit()->selectAll();
    QTest::keyClicks(selector->lineEdit(), linkPath);
    QTest::keyClick(selector->lineEdit(), Qt::Key_Return);
    QTest::mouseClick(control<QCheckBox>("CommON1"), Qt::LeftButton);
    ASSERT_EQ(text("PortStatus"), "Connected") << errors.join('\n').toStdString();
}

void SimulatorFixture::startSimulator(const QStringList& simulatorOptions)
{
    ASSERT_TRUE(folder.isValid());
    linkPath = folder.filePath(QStringLiteral("corvan"));
    simulator.start(QStringLiteral(CORVAN_SIM_PATH),
                    QStringList{QStringLiteral("--link"), linkPath} + simulatorOptions);
    ASSERT_TRUE(simulator.waitForStarted());
    ASSERT_TRUE(waitUntil([&] { return simulator.canReadLine(); }));
    ASSERT_TRUE(simulator.readLine().startsWith("Simulated controller on "));
}

void SimulatorFixture::TearDown()
{
    screen.reset();
    ErrorBox::setReporter({});
    if (simulator.state() != QProcess::NotRunning) {
        simulator.terminate();
        simulator.waitForFinished();
    }
}

bool SimulatorFixture::waitUntil(const std::function<bool()>& done, std::chrono::milliseconds wait)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < wait.count())
        QTest::qWait(10);
    return done();
}

bool SimulatorFixture::waitForReplies(int count)
{
    return waitUntil([&] { return receivedLines().size() >= count; });
}

void SimulatorFixture::press(const char* button)
{
    QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
}

QString SimulatorFixture::text(const char* name) const
{
    QWidget* w = control(name);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = w ? w->findChild<QLineEdit*>() : nullptr; edit && !qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    return {};
}

QStringList SimulatorFixture::receivedLines() const
{
    const QString log = control<QPlainTextEdit>("DataReceivedBuffer")->toPlainText();
    return log.isEmpty() ? QStringList() : log.split(QLatin1Char('\n'));
}
