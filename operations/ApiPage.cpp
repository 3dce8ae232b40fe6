#include "console/MainScreenCardDispenser.h"

#include "widgets/Named.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// What a command button of the API page has beside or under it.
enum class Companion { None, Label, LabelUnder, Edit };

// Values the controller takes for debit, credit and cash limit: at most 5 digits.
constexpr SpinEdit::Bounds ValueBounds{.minimum = 1, .maximum = 65500, .step = 5, .maxLength = 5};
const QColor StatusText(0x00, 0x00, 0x80);       // navy
const QColor StatusBackground(0xFF, 0xFB, 0xF0); // cream
constexpr int Gap = 2;                           // px between rows and columns
constexpr int ValueWidth = 62;                   // px: five digits and the arrows

// Readers of the controller's texts: a long reply must not push the rows apart.
QLabel* replyLabel(const char* name, const char* text, QWidget* parent)
{
    auto* label = named(new QLabel(QString::fromLatin1(text), parent), name);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

} // namespace

void TMainScreen::buildApiCommandsPage(QWidget* page)
{
    using S = TMainScreen;
    using enum Companion;
    struct Row {
        const char* button;
        const char* caption; // a line break makes a two-line caption
        void (TMainScreen::*click)();
        Companion companion = None;
        const char* name = nullptr; // the companion's form name
        const char* text = nullptr; // what it shows at start-up
        QLabel* TMainScreen::*label = nullptr;
        SpinEdit* TMainScreen::*edit = nullptr;
    };
    // The command rows, top to bottom.
    static constexpr Row Rows[] = {
        {"bDispense", "Escrow (80h)", &S::bEscrowClick, Label, "Escrow", "00000", &S::Escrow},
        {"bDebitValue", "Debit Value (83h)", &S::bDebitValueClick, Edit, "DebitValue", "5", nullptr,
         &S::DebitValue},
        {"bReadTotalDispense", "Credit Value (84h)", &S::CreditValueClick, Edit, "CreditValue", "5",
         nullptr, &S::CreditValue},
        {"bReadEscrow", "Read Escrow \nStatus (ADh)", &S::bReadEscrowClick, Label, "EscrowStatus",
         "========", &S::EscrowStatus},
        {"bWriteMaxCash", "Write MaxCash\nValue (B0h)", &S::bWriteMaxCashClick, Edit,
         "WriteMaxCash", "9999", nullptr, &S::WriteMaxCash},
        {"bReadMaxCash", "Read MaxCash\nValue (B1h)", &S::bReadMaxCashClick, Label,
         "ReadMaxCashValue", "00000", &S::ReadMaxCashValue},
        {"bVersion", "Read Version (A4h)", &S::VersionCheck, LabelUnder, "ReadVersion",
         "====================", &S::ReadVersion},
        {"bSystemMode", "System Mode (A5h)", &S::bSystemModeClick, LabelUnder, "ReadSystemMode",
         "====================", &S::ReadSystemMode},
        {"bReadSerialNumber", "Read Serial Num (A7h)", &S::bReadSerialNumberClick, LabelUnder,
         "ReadSerialNumber", "====================", &S::ReadSerialNumber},
        {"bReadSystemStatus", "Read Sys Status (A8h)", &S::bReadSystemStatusClick, LabelUnder,
         "ReadSystemStatus", "====================", &S::ReadSystemStatus},
        {"bPayoutChange", "Payout Change (A2h)", &S::bPayoutChangeClick},
        {"bRestore", "Restore To\nDefaults (FCh)", &S::bRestoreClick},
    };

    // Both API captions side by side, without scroll arrows.
    LMDPageControl2->tabBar()->setExpanding(true);
    LMDPageControl2->setUsesScrollButtons(false);

    auto* group =
        named(new QGroupBox(QStringLiteral("API Shortcut Test Buttons"), page), "GroupBox1");
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(group);

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setSpacing(Gap);
    grid->setColumnStretch(1, 1);

    APIStatus = replyLabel("APIStatus", "Status Message", group);
    APIStatus->setAlignment(Qt::AlignCenter);
    colour(APIStatus, StatusText, StatusBackground);
    APIStatus->setFrameShape(QFrame::Panel);
    APIStatus->setFrameShadow(QFrame::Sunken);
    // Two lines: the longest status texts of the other pages are wider than the column.
    APIStatus->setWordWrap(true);
    APIStatus->setFixedHeight(2 * APIStatus->fontMetrics().lineSpacing() +
                              2 * APIStatus->frameWidth());
    int row = 0;
    grid->addWidget(APIStatus, row++, 0, 1, 2);

    for (const Row& r : Rows) {
        auto* button = named(new QPushButton(QString::fromLatin1(r.caption), group), r.button);
        wire(button, &QPushButton::clicked, r.click);
        grid->addWidget(button, row, 0);
        switch (r.companion) {
        case Companion::None:
            break;
        case Companion::Label:
            this->*r.label = replyLabel(r.name, r.text, group);
            grid->addWidget(this->*r.label, row, 1);
            break;
        case Companion::LabelUnder:
            this->*r.label = replyLabel(r.name, r.text, group);
            grid->addWidget(this->*r.label, ++row, 0, 1, 2);
            break;
        case Companion::Edit:
            this->*r.edit =
                named(new SpinEdit(ValueBounds, QByteArray(r.text).toInt(), group), r.name);
            (this->*r.edit)->setFixedWidth(ValueWidth);
            grid->addWidget(this->*r.edit, row, 1, Qt::AlignLeft); // leaves the column free
            break;
        }
        ++row;
    }

    // Under the last button: "Restore" arms it, "Hard Reset" picks its payload (beside it they
    // would squeeze every caption of the button column). Two labels nothing writes end the row.
    auto* switches = new QHBoxLayout;
    cRestore = named(new QCheckBox(QStringLiteral("Restore"), group), "cRestore");
    cHardReset = named(new QCheckBox(QStringLiteral("Hard Reset"), group), "cHardReset");
    switches->addWidget(cRestore);
    switches->addWidget(cHardReset);
    switches->addStretch();
    switches->addWidget(named(new QLabel(group), "APIReadRetries"));
    switches->addWidget(named(new QLabel(group), "APICardHoldStatus"));
    grid->addLayout(switches, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
}

void TMainScreen::buildApiCommands2Page(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* close =
        named(new QPushButton(QStringLiteral("Close CC Trans. (EEh)"), page), "LMDSpeedButton16");
    wire(close, &QPushButton::clicked, &TMainScreen::LMDSpeedButton16Click);
    layout->addWidget(close, 0, Qt::AlignLeft);
    layout->addStretch();
}
