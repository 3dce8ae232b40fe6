#include "help/uHelp.h"

#include "help/HelpMemo.h"
#include "help/SecondaryWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize OuterSize{465, 479}; // px
constexpr int ButtonGap = 8;         // px around the button
// A table cell padded with 16 spaces, as the guide's tables are, ends on the next tab stop.
constexpr int SpacesPerTab = 16;

} // namespace

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setUpSecondaryWindow(*this, "HelpForm", "Help", OuterSize);
    paintWhite(*this);
    centreOnScreen(*this, OuterSize);
    HelpMemo = createHelpMemo(":/help/QuickGuide.txt", SpacesPerTab, this);
    Button1 = createCloseButton(*this, "Ok");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, ButtonGap);
    layout->setSpacing(ButtonGap);
    layout->addWidget(HelpMemo, 1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    connect(Button1, &QPushButton::clicked, this, &THelpForm::Button1Click);
}

void THelpForm::Button1Click()
{
    close();
}
