#include "support/ConsoleFixture.h"

#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// One press of an API button, what is set before it, and the frame it must put on the wire.
struct WorkedFrame {
    const char* name;
    const char* button;
    const char* edit = nullptr; // a value edit set to value before the press
    int value = 0;
    bool armed = false;              // "Restore" ticked
    bool hardReset = false;          // "Hard Reset" ticked
    std::uint8_t repliedFrom = 0x01; // the address of the reply taken in just before
    const char* frame;
    const char* status;
    bool emptiesLogs = false;
};

const WorkedFrame WorkedFrames[] = {
    {.name = "Escrow80h",
     .button = "bDispense",
     .frame = "02 01 80 00 03 80 ",
     .status = "80h Read Escrow - Sent"},
    {.name = "Escrow80hAfterReplyFrom05h",
     .button = "bDispense",
     .repliedFrom = 0x05,
     .frame = "02 05 80 00 03 84 ",
     .status = "80h Read Escrow - Sent"},
    {.name = "Debit83hWith5",
     .button = "bDebitValue",
     .edit = "DebitValue",
     .value = 5,
     .frame = "02 01 83 01 35 03 B7 ",
     .status = "83h Write Debit Value - Sent"},
    {.name = "Credit84hWith65500",
     .button = "bReadTotalDispense",
     .edit = "CreditValue",
     .value = 65500,
     .frame = "02 01 84 05 36 35 35 30 30 03 B7 ",
     .status = "84h Write Credit Value - Sent"},
    {.name = "EscrowStatusADh",
     .button = "bReadEscrow",
     .frame = "02 01 AD 00 03 AD ",
     .status = "ADh Read Escrow Status - Sent"},
    {.name = "EscrowStatusADhAfterReplyFrom05h",
     .button = "bReadEscrow",
     .repliedFrom = 0x05,
     .frame = "02 01 AD 00 03 AD ",
     .status = "ADh Read Escrow Status - Sent"},
    {.name = "CloseCardEEh",
     .button = "LMDSpeedButton16",
     .frame = "02 01 EE 00 03 EE ",
     .status = "EEh Close CC Trans. - Sent"},
    {.name = "VersionA4h",
     .button = "bVersion",
     .frame = "02 01 A4 00 03 A4 ",
     .status = "A4h Read Version - Sent"},
    {.name = "VersionA4hAfterReplyFrom05h",
     .button = "bVersion",
     .repliedFrom = 0x05,
     .frame = "02 01 A4 00 03 A4 ",
     .status = "A4h Read Version - Sent"},
    {.name = "SystemModeA5h",
     .button = "bSystemMode",
     .frame = "02 01 A5 00 03 A5 ",
     .status = "A5h Read System Mode - Sent"},
    {.name = "SerialNumberA7h",
     .button = "bReadSerialNumber",
     .frame = "02 01 A7 00 03 A7 ",
     .status = "A7h Read Serial # - Sent"},
    {.name = "SystemStatusA8h",
     .button = "bReadSystemStatus",
     .frame = "02 01 A8 00 03 A8 ",
     .status = "A8h Read Sys Stat - Sent"},
    {.name = "WriteCashLimitB0hWith9999",
     .button = "bWriteMaxCash",
     .edit = "WriteMaxCash",
     .value = 9999,
     .frame = "02 01 B0 04 39 39 39 39 03 B4 ",
     .status = "B0h Write Max Cash Value - Sent"},
    {.name = "WriteCashLimitB0hWith65500",
     .button = "bWriteMaxCash",
     .edit = "WriteMaxCash",
     .value = 65500,
     .frame = "02 01 B0 05 36 35 35 30 30 03 83 ",
     .status = "B0h Write Max Cash Value - Sent"},
    {.name = "WriteCashLimitB0hWith1",
     .button = "bWriteMaxCash",
     .edit = "WriteMaxCash",
     .value = 1,
     .frame = "02 01 B0 01 31 03 80 ",
     .status = "B0h Write Max Cash Value - Sent"},
    {.name = "ReadCashLimitB1h",
     .button = "bReadMaxCash",
     .frame = "02 01 B1 00 03 B1 ",
     .status = "B1h Read Max Cash Value - Sent"},
    {.name = "PayoutA2h",
     .button = "bPayoutChange",
     .frame = "02 01 A2 00 03 A2 ",
     .status = "A2h Payout Change - Sent"},
    {.name = "RestoreFCh",
     .button = "bRestore",
     .armed = true,
     .frame = "02 01 FC 01 30 03 CD ",
     .status = "FCh Restore to Defaults - Sent",
     .emptiesLogs = true},
    {.name = "HardResetFCh",
     .button = "bRestore",
     .armed = true,
     .hardReset = true,
     .frame = "02 01 FC 01 31 03 CC ",
     .status = "FCh Restore to Defaults - Sent",
     .emptiesLogs = true},
    {.name = "RestoreFChAfterReplyFrom05h",
     .button = "bRestore",
     .armed = true,
     .repliedFrom = 0x05,
     .frame = "02 01 FC 01 30 03 CD ",
     .status = "FCh Restore to Defaults - Sent",
     .emptiesLogs = true},
};

void PrintTo(const WorkedFrame& c, std::ostream* out)
{
    *out << c.name;
}

} // namespace

class ApiWorkedFrames : public ConsoleFixture, public ::testing::WithParamInterface<WorkedFrame> {};

TEST_P(ApiWorkedFrames, PressSendsTheFrameByteForByte)
{
    const WorkedFrame& c = GetParam();
    connectPort();
    reply(replyFrame("1", c.repliedFrom)); // leaves one line in the received log
    if (c.edit) control<SpinEdit>(c.edit)->setValue(c.value);
    control<QCheckBox>("cRestore")->setChecked(c.armed);
    control<QCheckBox>("cHardReset")->setChecked(c.hardReset);

    control<QPushButton>(c.button)->click();

    ASSERT_EQ(port->writes.size(), 1);
    EXPECT_EQ(lastWrite(), c.frame);
    EXPECT_EQ(sentLines().last(), c.frame);
    EXPECT_EQ(receivedLines().size(), c.emptiesLogs ? 0 : 1);
    EXPECT_EQ(labelText("CommStatus"), "Packet is sent.");
    EXPECT_EQ(labelText("APIStatus"), c.status);
    EXPECT_FALSE(control<QCheckBox>("cRestore")->isChecked());
    EXPECT_EQ(control<QCheckBox>("cHardReset")->isChecked(), c.hardReset);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Api, ApiWorkedFrames, ::testing::ValuesIn(WorkedFrames),
                         [](const auto& info) { return std::string(info.param.name); });

class ApiRestore : public ConsoleFixture {
protected:
    QCheckBox* armed() const { return control<QCheckBox>("cRestore"); }
    void pressRestore() const { control<QPushButton>("bRestore")->click(); }
};

TEST_F(ApiRestore, UnarmedPressDoesNothingAtAll)
{
    connectPort();
    control<QPushButton>("bDispense")->click();
    reply(replyFrame("250"));
    control<QCheckBox>("cHardReset")->setChecked(true);
    const QStringList sent = sentLines();
    const QStringList received = receivedLines();
    const QString commStatus = labelText("CommStatus");

    pressRestore();

    EXPECT_EQ(sentLines(), sent);
    EXPECT_EQ(receivedLines(), received);
    EXPECT_EQ(labelText("CommStatus"), commStatus);
    EXPECT_EQ(labelText("APIStatus"), "80h Read Escrow - Sent");
    EXPECT_EQ(screen->LastCommand, 0x80);
    EXPECT_EQ(port->writes.size(), 1);
    EXPECT_TRUE(control<QCheckBox>("cHardReset")->isChecked());
}

TEST_F(ApiRestore, ArmedPressWithPortClosedEmptiesLogsLogsFrameAndDisarms)
{
    control<QPushButton>("bDispense")->click();
    control<QPlainTextEdit>("DataReceivedBuffer")->appendPlainText("02 01 80 01 35 03 B6 ");
    armed()->setChecked(true);

    pressRestore();

    EXPECT_EQ(sentLines(), QStringList{"02 01 FC 01 30 03 CD "});
    EXPECT_TRUE(receivedLines().isEmpty());
    EXPECT_EQ(labelText("CommStatus"), "Packet is not sent.");
    EXPECT_EQ(labelText("APIStatus"), "Status Message");
    EXPECT_EQ(screen->LastCommand, 0xFC);
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_FALSE(armed()->isChecked());

    pressRestore(); // each restore needs a fresh tick
    EXPECT_EQ(sentLines().size(), 1);
}
