#include "support/ConsoleFixture.h"

#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Every control of the two API pages with the page it sits on and what it shows at start-up.
struct ApiControl {
    const char* name;
    const char* page;
    const char* shown;
};

const ApiControl ApiControls[] = {
    {"GroupBox1", "LMDTabSheet6", "API Shortcut Test Buttons"},
    {"APIStatus", "LMDTabSheet6", "Status Message"},
    {"bDispense", "LMDTabSheet6", "Escrow (80h)"},
    {"Escrow", "LMDTabSheet6", "00000"},
    {"bDebitValue", "LMDTabSheet6", "Debit Value (83h)"},
    {"DebitValue", "LMDTabSheet6", "5"},
    {"bReadTotalDispense", "LMDTabSheet6", "Credit Value (84h)"},
    {"CreditValue", "LMDTabSheet6", "5"},
    {"bReadEscrow", "LMDTabSheet6", "Read Escrow \nStatus (ADh)"},
    {"EscrowStatus", "LMDTabSheet6", "========"},
    {"bWriteMaxCash", "LMDTabSheet6", "Write MaxCash\nValue (B0h)"},
    {"WriteMaxCash", "LMDTabSheet6", "9999"},
    {"bReadMaxCash", "LMDTabSheet6", "Read MaxCash\nValue (B1h)"},
    {"ReadMaxCashValue", "LMDTabSheet6", "00000"},
    {"bVersion", "LMDTabSheet6", "Read Version (A4h)"},
    {"ReadVersion", "LMDTabSheet6", "===================="},
    {"bSystemMode", "LMDTabSheet6", "System Mode (A5h)"},
    {"ReadSystemMode", "LMDTabSheet6", "===================="},
    {"bReadSerialNumber", "LMDTabSheet6", "Read Serial Num (A7h)"},
    {"ReadSerialNumber", "LMDTabSheet6", "===================="},
    {"bReadSystemStatus", "LMDTabSheet6", "Read Sys Status (A8h)"},
    {"ReadSystemStatus", "LMDTabSheet6", "===================="},
    {"bPayoutChange", "LMDTabSheet6", "Payout Change (A2h)"},
    {"bRestore", "LMDTabSheet6", "Restore To\nDefaults (FCh)"},
    {"cRestore", "LMDTabSheet6", "Restore"},
    {"cHardReset", "LMDTabSheet6", "Hard Reset"},
    {"APIReadRetries", "LMDTabSheet6", ""},
    {"APICardHoldStatus", "LMDTabSheet6", ""},
    {"LMDSpeedButton16", "LMDTabSheet7", "Close CC Trans. (EEh)"},
};

QString shownText(const QWidget* w)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<const SpinEdit*>(w)) return edit->text();
    if (auto* group = qobject_cast<const QGroupBox*>(w)) return group->title();
    return QStringLiteral("<no text>");
}

} // namespace

using ApiPage = ConsoleFixture;

TEST_F(ApiPage, EveryControlIsOnItsPageWithItsStartText)
{
    for (const ApiControl& c : ApiControls) {
        SCOPED_TRACE(c.name);
        auto* w = control(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(control(c.page)->isAncestorOf(w));
        EXPECT_EQ(shownText(w), c.shown);
    }
    EXPECT_FALSE(control<QCheckBox>("cRestore")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("cHardReset")->isChecked());
    EXPECT_EQ(control<QLabel>("APIStatus")->alignment(), Qt::AlignCenter);

    auto* tabs = control<QTabWidget>("LMDPageControl2");
    EXPECT_EQ(tabs->tabText(0), "API Commands #1");
    EXPECT_EQ(tabs->tabText(1), "API Commands #2");
    EXPECT_EQ(tabs->currentWidget(), control("LMDTabSheet6"));
}

TEST_F(ApiPage, ValueEditsTakeOneTo65500InStepsOfFive)
{
    for (const char* name : {"DebitValue", "CreditValue", "WriteMaxCash"}) {
        SCOPED_TRACE(name);
        auto* edit = control<SpinEdit>(name);
        EXPECT_EQ(edit->minimum(), 1);
        EXPECT_EQ(edit->maximum(), 65500);
        EXPECT_EQ(edit->singleStep(), 5);
        EXPECT_EQ(edit->maxLength(), 5);
    }
}

TEST_F(ApiPage, EveryRowFitsUnclippedAtTheWindowsSize)
{
    screen->show();
    auto* group = control("GroupBox1");
    const QRect inside = group->contentsRect();
    for (const ApiControl& c : ApiControls) {
        auto* w = control(c.name);
        if (w == group || c.page != std::string("LMDTabSheet6")) continue;
        SCOPED_TRACE(c.name);
        const QRect at(w->mapTo(group, QPoint(0, 0)), w->size());
        EXPECT_TRUE(inside.contains(at))
            << "at " << at.x() << "," << at.y() << " " << at.width() << "x" << at.height();
        EXPECT_GE(w->width(), w->sizeHint().width());
        EXPECT_GE(w->height(), w->minimumSizeHint().height());
    }
    // APIStatus shows the requests of every page; this is the widest of their texts.
    auto* status = control<QLabel>("APIStatus");
    status->setText(QStringLiteral("B4h Write Nework Port & Web Port - Sent"));
    EXPECT_LE(status->heightForWidth(status->width()), status->height());

    auto* bar = control<QTabWidget>("LMDPageControl2")->tabBar();
    const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        SCOPED_TRACE(i);
        const int captionWidth = bar->fontMetrics().horizontalAdvance(bar->tabText(i));
        EXPECT_GE(bar->tabRect(i).width(), captionWidth + padding);
        EXPECT_LE(bar->tabRect(i).right(), bar->width());
    }
}
