#include "help/TimeVendHelp.h"

#include "help/HelpMemo.h"
#include "help/SecondaryWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize OuterSize{416, 441}; // px
constexpr QPoint DesignPosition{192, 107};
constexpr int SpacesPerTab = 6;     // tabs only indent the bullets' text
constexpr QSize MemoSize{389, 329}; // px

} // namespace

TTimeVendForm::TTimeVendForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setUpSecondaryWindow(*this, "TimeVendForm", "TimeVendForm", OuterSize);
    move(DesignPosition);
    LMDLabel1 = createBoldLabel(*this, "LMDLabel1", "TimeVend Settings");
    HelpMemo = createHelpMemo(":/help/TimeVendHelp.txt", SpacesPerTab, this);
    HelpMemo->setMinimumSize(MemoSize);
    Button1 = createCloseButton(*this, "OK");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LMDLabel1, 0, Qt::AlignHCenter);
    layout->addWidget(HelpMemo, 1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    connect(Button1, &QPushButton::clicked, this, &TTimeVendForm::Button1Click);
}

void TTimeVendForm::Button1Click()
{
    close();
}
