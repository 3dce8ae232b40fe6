#include "support/ConsoleFixture.h"

#include <QPushButton>

namespace {

enum class Starts { Read, Save };

struct GeneralButton {
    const char* page;
    const char* name;
    Starts sequence;
};

// Every read and save button on the pages without commands of their own.
const GeneralButton Buttons[] = {
    {"TabStatus", "ReadStatus", Starts::Read},
    {"TabReaders", "LMDSpeedButton26", Starts::Read},
    {"TabReaders", "LMDSpeedButton27", Starts::Save},
    {"TabCoinChanger", "bReadCoinChanger", Starts::Read},
    {"TabCoinChanger", "LMDSpeedButton17", Starts::Save},
    {"TabCoinTubeStatus", "LMDSpeedButton9", Starts::Read},
    {"TabCoinTubeStatus", "LMDSpeedButton10", Starts::Save},
    {"LMDTabSheet21", "LMDSpeedButton3", Starts::Read},
    {"LMDTabSheet21", "LMDSpeedButton8", Starts::Save},
    {"TabBillAcceptor", "LMDSpeedButton19", Starts::Read},
    {"TabBillAcceptor", "LMDSpeedButton18", Starts::Save},
    {"TabBillCurrency", "LMDSpeedButton1", Starts::Read},
    {"TabBillCurrency", "LMDSpeedButton2", Starts::Save},
    {"TabLCDSystem", "LMDSpeedButton20", Starts::Read},
    {"TabLCDSystem", "LMDSpeedButton21", Starts::Save},
    {"TabLCDStatus", "LMDSpeedButton5", Starts::Read},
    {"TabLCDStatus", "LMDSpeedButton4", Starts::Save},
    {"TabLCDError", "LMDSpeedButton7", Starts::Read},
    {"TabLCDError", "LMDSpeedButton6", Starts::Save},
    {"TabReceiptPrinter", "PrinterReadSettings", Starts::Read},
    {"TabReceiptPrinter", "PrinterSaveSettings", Starts::Save},
    {"TabReceiptPrinter", "PrinterPrintTestReceipt", Starts::Save},
    {"TabUserAccount", "LMDSpeedButton15", Starts::Read},
    {"TabUserAccount", "LMDSpeedButton14", Starts::Save},
    {"TabSystemStats", "LMDSpeedButton13", Starts::Read},
    {"TabCounters", "LMDSpeedButton22", Starts::Read},
    {"TabCounters", "LMDSpeedButton23", Starts::Save},
    {"TabDispensers", "LMDSpeedButton11", Starts::Read},
    {"TabDispensers", "LMDSpeedButton12", Starts::Save},
};

using PagesButtons = ConsoleFixture;

// With the port closed the first request of each sequence is only logged, after both logs
// have been emptied: C2h for a read, C3h with the start-up mode "Standard" (00h) for a save.
TEST_F(PagesButtons, EveryGeneralButtonStartsItsSequence)
{
    for (const GeneralButton& b : Buttons)
        ASSERT_NE(control<QWidget>(b.page)->findChild<QPushButton*>(b.name), nullptr) << b.name;

    control<QPushButton>("ReadStatus")->click();
    if (sentLines().isEmpty()) {
        // Without the sequences, at least every button must be connected to something.
        for (const GeneralButton& b : Buttons) {
            EXPECT_TRUE(QObject::disconnect(control<QPushButton>(b.name), &QPushButton::clicked,
                                            nullptr, nullptr))
                << b.name;
        }
        GTEST_SKIP() << "the general sequences are not built in this branch";
    }

    for (const GeneralButton& b : Buttons) {
        SCOPED_TRACE(b.name);
        control<QPushButton>(b.name)->click();
        const QString first =
            b.sequence == Starts::Read ? "02 01 C2 00 03 C2 " : "02 01 C3 01 00 03 C2 ";
        EXPECT_EQ(sentLines(), QStringList{first});
        EXPECT_EQ(screen->LastCommand, b.sequence == Starts::Read ? 0xC2 : 0xC3);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

} // namespace
