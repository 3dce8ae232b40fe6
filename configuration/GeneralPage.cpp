#include "console/MainScreenCardDispenser.h"

#include "configuration/PageParts.h"
#include "widgets/Named.h"
#include "widgets/SpinEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// The General page's right-hand column holds the cash limit and the general read and save
// buttons; the page's other settings stand to its left, in x below CashLimitArea.left().
constexpr QRect CashLimitArea(428, 0, 129, 236);

constexpr SpinEdit::Bounds MaxCashBounds{5, 65000, 1, 5}; // cents
constexpr int MaxCashInitial = 9999;

struct CashLimitControls {
    SpinEdit* maxCash;
    QPushButton* read;
    QPushButton* save;
};

CashLimitControls buildCashLimitArea(QWidget* page)
{
    auto* area = named(new QWidget(page), "GeneralCashLimitArea", CashLimitArea);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(4, 8, 4, 6);
    grid->setVerticalSpacing(6);
    auto* label = new QLabel(QStringLiteral("Max Cash"), area);
    auto* maxCash = named(new SpinEdit(MaxCashBounds, MaxCashInitial, area), "MaxCash");
    maxCash->setFixedWidth(FiveDigitEditWidth);
    grid->addWidget(label, 0, 0);
    grid->addWidget(maxCash, 0, 1);
    grid->addWidget(formatNote(area), 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    auto* read = namedButton("GeneralReadSettings", QStringLiteral("Read Settings"), area);
    auto* save = namedButton("GeneralWriteSettings", QStringLiteral("Save Settings"), area);
    grid->addWidget(read, 3, 0, 1, 2);
    grid->addWidget(save, 4, 0, 1, 2);
    return {maxCash, read, save};
}

} // namespace

void TMainScreen::buildGeneralPage(QWidget* page)
{
    auto* others = new QWidget(page);
    others->setGeometry(0, 0, CashLimitArea.left(), CashLimitArea.height());
    buildGeneralInertControls(others);
    const CashLimitControls cashLimit = buildCashLimitArea(page);
    MaxCash = cashLimit.maxCash;
    wire(cashLimit.read, &QPushButton::clicked, &TMainScreen::GeneralReadSettingsClick);
    wire(cashLimit.save, &QPushButton::clicked, &TMainScreen::GeneralWriteSettingsClick);
}
