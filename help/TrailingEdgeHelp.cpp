#include "help/TrailingEdgeHelp.h"

#include "help/HelpMemo.h"
#include "help/SecondaryWindow.h"
#include "widgets/PulseDiagram.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize OuterSize{442, 556}; // px
constexpr QPoint DesignPosition{315, 157};
constexpr int SpacesPerTab = 6;     // tabs only indent the bullets' text
constexpr QSize MemoSize{429, 137}; // px
constexpr int Spacing = 3;          // px between the parts of the window

PulseDiagram* createDiagram(QWidget& form, const QString& name, PulseDiagram::Debit debit)
{
    auto* diagram = new PulseDiagram(debit, &form);
    diagram->setObjectName(name);
    diagram->setFixedSize(diagram->sizeHint()); // the picture boxes keep their size
    return diagram;
}

} // namespace
TTrailingEdgeForm::TTrailingEdgeForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setUpSecondaryWindow(*this, "TrailingEdgeForm", "Trailing Edge Help Details", OuterSize);
    move(DesignPosition);
    LMDLabel1 = createBoldLabel(*this, "LMDLabel1", "Trailing Edge Pulse Signal");
    Image1 = createDiagram(*this, "Image1", PulseDiagram::Debit::OnTrailingEdge);
    LMDLabel2 = createBoldLabel(*this, "LMDLabel2", "Leading Edge Pulse Signal");
    Image2 = createDiagram(*this, "Image2", PulseDiagram::Debit::OnLeadingEdge);
    HelpMemo = createHelpMemo(":/help/TrailingEdgeHelp.txt", SpacesPerTab, this);
    HelpMemo->setMinimumSize(MemoSize);
    Button1 = createCloseButton(*this, "Ok");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Spacing, Spacing, Spacing, Spacing);
    layout->setSpacing(Spacing);
    layout->addWidget(LMDLabel1, 0, Qt::AlignHCenter);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(LMDLabel2, 0, Qt::AlignHCenter);
    layout->addWidget(Image2, 0, Qt::AlignHCenter);
    layout->addWidget(HelpMemo, 1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    connect(Button1, &QPushButton::clicked, this, &TTrailingEdgeForm::Button1Click);
}

void TTrailingEdgeForm::Button1Click()
{
    close();
}
