#include "support/ConsoleFixture.h"

#include "widgets/SpinEdit.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A button whose reply is shown as the controller's own text, and the label that shows it.
struct ReplyLabel {
    const char* button;
    const char* label;
    const char* initial;
};

const ReplyLabel ReplyLabels[] = {
    {"bDispense", "Escrow", "00000"},
    {"bVersion", "ReadVersion", "===================="},
    {"bSystemMode", "ReadSystemMode", "===================="},
    {"bReadSerialNumber", "ReadSerialNumber", "===================="},
    {"bReadSystemStatus", "ReadSystemStatus", "===================="},
    {"bReadMaxCash", "ReadMaxCashValue", "00000"},
};

void PrintTo(const ReplyLabel& r, std::ostream* out)
{
    *out << r.label;
}

} // namespace

class ApiTextReply : public ConsoleFixture, public ::testing::WithParamInterface<ReplyLabel> {};

TEST_P(ApiTextReply, ShowsThePayloadWholeUpToAnyNulInItsLabelOnly)
{
    connectPort();
    control<QPushButton>(GetParam().button)->click();

    reply(replyFrame(" V1.2,00250 "));
    EXPECT_EQ(labelText(GetParam().label), " V1.2,00250 ");
    for (const ReplyLabel& other : ReplyLabels) {
        if (QByteArray(other.label) != GetParam().label)
            EXPECT_EQ(labelText(other.label), other.initial);
    }
    EXPECT_EQ(labelText("EscrowStatus"), "========");

    reply(replyFrame(QByteArray("AB\0CD", 5))); // the same row decodes a further reply
    EXPECT_EQ(labelText(GetParam().label), "AB");
}

INSTANTIATE_TEST_SUITE_P(Api, ApiTextReply, ::testing::ValuesIn(ReplyLabels),
                         [](const auto& info) { return std::string(info.param.label); });

using ApiReplies = ConsoleFixture;

TEST_F(ApiReplies, EmptyReplyLeavesEveryLabelAsItWas)
{
    connectPort();
    for (const ReplyLabel& r : ReplyLabels) {
        SCOPED_TRACE(r.button);
        control<QPushButton>(r.button)->click();
        reply(replyFrame({}));
        EXPECT_EQ(labelText(r.label), r.initial);
    }
    control<QPushButton>("bReadEscrow")->click();
    reply(replyFrame({}));
    EXPECT_EQ(labelText("EscrowStatus"), "========");
}

TEST_F(ApiReplies, EscrowStatusReadsTheFirstByteRawOrAsDigit)
{
    struct Case {
        const char* payload; // hex
        const char* shown;   // nullptr: unchanged
    };
    const Case cases[] = {
        {"00", "No Escrow"},   {"30", "No Escrow"},   {"00 36", "No Escrow"},
        {"01", "Cash Escrow"}, {"31", "Cash Escrow"}, {"31 35", "Cash Escrow"},
        {"05", "Bypass Mode"}, {"35", "Bypass Mode"}, {"06", "Credit Card"},
        {"36", "Credit Card"}, {"37", nullptr},       {"02", nullptr},
        {"41", nullptr},       {"FF", nullptr},       {"32 31", nullptr},
    };
    connectPort();
    control<QPushButton>("bReadEscrow")->click();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.payload);
        control<QLabel>("EscrowStatus")->setText(QStringLiteral("before"));
        reply(replyFrame(hexBytes(c.payload)));
        EXPECT_EQ(labelText("EscrowStatus"), c.shown ? c.shown : "before");
    }
}

TEST_F(ApiReplies, CashLimitReplyLeavesTheGeneralPageAlone)
{
    auto* maxCash = screen->findChild<SpinEdit*>(QStringLiteral("MaxCash"));
    const QString before = maxCash ? maxCash->text() : QString();
    connectPort();
    control<QPushButton>("bReadMaxCash")->click();

    reply(replyFrame("4321"));

    EXPECT_EQ(labelText("ReadMaxCashValue"), "4321");
    if (!maxCash) GTEST_SKIP() << "no MaxCash on the General page in this build to compare";
    EXPECT_EQ(maxCash->text(), before);
}
