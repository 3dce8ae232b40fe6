#include "fuzz/ConsoleDriver.h"

#include "console/MainScreenCardDispenser.h"
#include "support/FakeSerialLink.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QByteArray script(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void run(ConsoleDriver& driver, const QByteArray& bytes)
{
    driver.run(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
               static_cast<std::size_t>(bytes.size()));
}

// Everything a script can leave behind that a user or the controller could see, bar the clock
// labels, which show the time of day.
QStringList visibleState(ConsoleDriver& driver)
{
    static const QRegularExpression clockFace(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    QStringList state;
    for (const QWidget* w : driver.screen().findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<const QLabel*>(w);
            label && !clockFace.match(label->text()).hasMatch())
            state << label->text();
        if (auto* edit = qobject_cast<const QLineEdit*>(w)) state << edit->text();
        if (auto* log = qobject_cast<const QPlainTextEdit*>(w)) state << log->toPlainText();
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            state << QString::number(button->isChecked());
        state << QString::number(w->isEnabled());
    }
    for (const QByteArray& written : driver.port().writes)
        state << QString::fromLatin1(written.toHex());
    return state;
}

QString shown(ConsoleDriver& driver, const char* name)
{
    QWidget* control = driver.screen().findChild<QWidget*>(QString::fromLatin1(name));
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* edit = control ? control->findChild<QLineEdit*>() : nullptr) return edit->text();
    return QStringLiteral("(no control %1)").arg(QLatin1String(name));
}

} // namespace

// Every seed of the fuzzer and every input it ever found a fault with (fuzz/regressions) runs
// to its end without breaking an invariant (the driver aborts the suite if one does), and does
// the same after all the others as on a window of its own, so that a finding replays.
TEST(FuzzCorpus, EveryKeptInputReplaysCleanlyAndAlike)
{
    ConsoleDriver reused;
    int replayed = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        const QDir dir(QStringLiteral(FUZZ_DIR "/") + QLatin1String(folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            SCOPED_TRACE(name.toStdString());
            const QByteArray bytes = script(dir.filePath(name));
            run(reused, bytes);
            ConsoleDriver fresh;
            run(fresh, bytes);
            EXPECT_EQ(visibleState(reused), visibleState(fresh));
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 20);
}

// The seeds reach the decoders they are named for, so the corpus matches the driver's format.
TEST(FuzzCorpus, SeedsReachTheirDecoders)
{
    const struct {
        const char* seed;
        const char* control;
        const char* shown;
    } seeds[] = {
        {"escrow-worked-reply", "Escrow", "250"},
        {"identity", "ReadSystemStatus", "Ready"},
        {"general-read-raw-mode", "CurrencyPulse1", "7"},
        {"timing-read", "TimingReset1", "1200"},
        {"prices", "PriceSet16", "32000"},
        {"network-read", "MacAddress", "00-11-22-33-44-55"},
    };
    ConsoleDriver driver;
    for (const auto& s : seeds) {
        SCOPED_TRACE(s.seed);
        run(driver, script(QStringLiteral(FUZZ_DIR "/corpus/") + QLatin1String(s.seed)));
        EXPECT_EQ(shown(driver, s.control), s.shown);
    }
    // Put back as new between scripts: nothing of the last one is left.
    run(driver, {});
    EXPECT_EQ(shown(driver, "MacAddress"), "");
    EXPECT_EQ(shown(driver, "Escrow"), "00000");
    EXPECT_TRUE(driver.port().writes.isEmpty());
    for (const char* log : {"DataSentBuffer", "DataReceivedBuffer"})
        EXPECT_TRUE(driver.screen().findChild<QPlainTextEdit*>(log)->toPlainText().isEmpty());
}
