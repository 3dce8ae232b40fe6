#include "console/MainScreenCardDispenser.h"

#include "configuration/PageParts.h"
#include "widgets/Named.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <tuple>
#include <utility>

namespace {

constexpr SpinEdit::Bounds TimingBounds{1, 65500, 5, 5};   // milliseconds
constexpr SpinEdit::Bounds TimeVendBounds{1, 65500, 5, 5}; // seconds
constexpr SpinEdit::Bounds CopierModeBounds{0, 7, 1, 1};
constexpr int TimingInitial = 10;
constexpr int TimeVendTimerInitial = 60;
constexpr int TimeVendDelayInitial = 5;
constexpr int CopierModeEditWidth = 36; // pixels, one digit with arrows

QGridLayout* tightGrid(QWidget* parent)
{
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

SpinEdit* centredEdit(const SpinEdit::Bounds& bounds, int initial, const char* name,
                      QWidget* parent)
{
    auto* edit = named(new SpinEdit(bounds, initial, parent), name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(FiveDigitEditWidth);
    return edit;
}

// One row of a group: caption, edit, unit; the labels' form names where the form has them.
void addEditRow(QGridLayout* grid, int row, const QString& caption, SpinEdit* edit,
                const QString& unit, const char* captionName = "", const char* unitName = "")
{
    auto* label = named(new QLabel(caption, edit->parentWidget()), captionName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(named(new QLabel(unit, edit->parentWidget()), unitName), row, 2);
}

struct OptoPulseControls {
    SpinEdit* sense;
    SpinEdit* blind;
    SpinEdit* reset;
    QCheckBox* trailingEdge;
};

// An opto-pulse group: the sense, blind and reset timings and the debiting edge.
OptoPulseControls buildOptoPulseGroup(QGroupBox* group, const std::array<const char*, 4>& names,
                                      const char* codeName, const char* codeText)
{
    auto* grid = tightGrid(group);
    const OptoPulseControls c{
        centredEdit(TimingBounds, TimingInitial, names[0], group),
        centredEdit(TimingBounds, TimingInitial, names[1], group),
        centredEdit(TimingBounds, TimingInitial, names[2], group),
        named(new QCheckBox(QStringLiteral("Trailing Edge"), group), names[3]),
    };
    const QString ms = QStringLiteral("mS");
    addEditRow(grid, 0, QStringLiteral("Sense"), c.sense, ms);
    addEditRow(grid, 1, QStringLiteral("Blind"), c.blind, ms);
    addEditRow(grid, 2, QStringLiteral("Reset"), c.reset, ms);
    c.trailingEdge->setChecked(true);
    grid->addWidget(c.trailingEdge, 3, 1, 1, 2);
    grid->addWidget(named(new QLabel(QString::fromLatin1(codeText), group), codeName), 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);
    return c;
}

struct TimeVendControls {
    SpinEdit* timer;
    SpinEdit* delay;
    QCheckBox* autoVend;
    QPushButton* help;
};

// The time-vend group: period, delay and auto-vend, with its help button.
TimeVendControls buildTimeVendGroup(QGroupBox* group)
{
    auto* grid = tightGrid(group);
    const TimeVendControls c{
        centredEdit(TimeVendBounds, TimeVendTimerInitial, "TimeVendTimer", group),
        centredEdit(TimeVendBounds, TimeVendDelayInitial, "TimeVendDelay", group),
        named(new QCheckBox(QStringLiteral("AutoVend (no button)"), group), "TimeVendAutoVend"),
        namedButton("bTimeVendHelp", QStringLiteral("TimeVend Help"), group),
    };
    const QString secs = QStringLiteral("Secs");
    addEditRow(grid, 0, QStringLiteral("TimeVend\nTimer"), c.timer, secs, "Label13", "Label4");
    addEditRow(grid, 1, QStringLiteral("TimeVend\nDelay"), c.delay, secs, "Label14", "Label5");
    c.autoVend->setChecked(true);
    grid->addWidget(c.autoVend, 2, 0, 1, 3);
    grid->addWidget(named(new QLabel(QStringLiteral("9Ah-W 9Bh-R"), group), "Label18"), 3, 0);
    grid->addWidget(c.help, 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    return c;
}

// The opto-pulse help button above the copier interface mode and its note; returns the button.
QPushButton* buildCopierColumn(QWidget* column)
{
    auto* grid = tightGrid(column);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* help = namedButton("TrailingEdgeHelpButton", QStringLiteral("Opto-Pulse Help"), column);
    grid->addWidget(help, 0, 0, 1, 2);
    grid->addWidget(
        named(new QLabel(QStringLiteral("Copier Interface Mode:"), column), "LMDSimpleLabel45"), 1,
        0);
    auto* copierMode =
        named(new SpinEdit(CopierModeBounds, 0, column), "GeneralCopierInterfaceMode");
    copierMode->setFixedWidth(CopierModeEditWidth);
    grid->addWidget(copierMode, 1, 1);
    const QString note =
        QStringLiteral("Default: 0 for VUZ\nOther Modes:\nContact Factory for details");
    grid->addWidget(named(new QLabel(note, column), "LMDLabel29"), 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    return help;
}

// The "System Mode" heading over the three mode buttons, Standard selected.
std::tuple<QRadioButton*, QRadioButton*, QRadioButton*> buildModeColumn(QWidget* modes)
{
    auto* column = new QVBoxLayout(modes);
    column->setContentsMargins(4, 0, 0, 0);
    column->setSpacing(1);
    auto* heading = named(new QLabel(QStringLiteral("System Mode"), modes), "LMDLabel1");
    heading->setFont(boldened(heading->font()));
    // The command codes stand beside the heading, so the page keeps its height.
    auto* headingRow = new QHBoxLayout;
    headingRow->setSpacing(8);
    headingRow->addWidget(heading);
    headingRow->addWidget(named(new QLabel(QStringLiteral("96h-W 97h-R"), modes), "Label2"));
    headingRow->addStretch();
    column->addLayout(headingRow);
    auto mode = [&](const char* caption, const char* name) {
        auto* button = named(new QRadioButton(QString::fromLatin1(caption), modes), name);
        column->addWidget(button);
        return button;
    };
    auto* standard = mode("Standard", "ModeStandard");
    auto* steering = mode("Steering", "ModeSteering");
    auto* timeVend = mode("TimeVend", "ModeTimeVend");
    column->addStretch();
    standard->setChecked(true);
    return {standard, steering, timeVend};
}

} // namespace

void TMainScreen::buildTimingPage(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    OptoPulseGroup = named(new QGroupBox(QStringLiteral("Opto-Pulse #1")), "OptoPulseGroup");
    const OptoPulseControls first = buildOptoPulseGroup(
        OptoPulseGroup, {"TimingSense1", "TimingBlind1", "TimingReset1", "TrailingEdge1"},
        "Label17", "98h-W 99h-R Pos#1");
    TimingSense1 = first.sense;
    TimingBlind1 = first.blind;
    TimingReset1 = first.reset;
    TrailingEdge1 = first.trailingEdge;
    grid->addWidget(OptoPulseGroup, 0, 0);

    // No request carries the second input's timings.
    auto* second = named(new QGroupBox(QStringLiteral("Opto-Pulse #2")), "GroupBox3");
    buildOptoPulseGroup(second, {"TimingSense2", "TimingBlind2", "TimingReset3", "TrailingEdge2"},
                        "Label25", "98h-W 99h-R Pos#2");
    grid->addWidget(second, 0, 1);

    TimeVendGroup = named(new QGroupBox(QStringLiteral("TimeVend Settings")), "TimeVendGroup");
    const TimeVendControls timeVend = buildTimeVendGroup(TimeVendGroup);
    TimeVendTimer = timeVend.timer;
    TimeVendDelay = timeVend.delay;
    TimeVendAutoVend = timeVend.autoVend;
    wire(timeVend.help, &QPushButton::clicked, &TMainScreen::bTimeVendHelpClick);
    grid->addWidget(TimeVendGroup, 0, 2);

    // System mode: the radio buttons form one exclusive set of their own.
    auto* modes = new QWidget;
    std::tie(ModeStandard, ModeSteering, ModeTimeVend) = buildModeColumn(modes);
    const std::pair<QRadioButton*, void (TMainScreen::*)()> modeHandlers[] = {
        {ModeStandard, &TMainScreen::ModeStandardClick},
        {ModeSteering, &TMainScreen::ModeSteeringClick},
        {ModeTimeVend, &TMainScreen::ModeTimeVendClick},
    };
    // A selection made from a reply runs the handler just as a click does.
    for (const auto& [button, handler] : modeHandlers) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected) ErrorBox::guarded([&] { (this->*handler)(); });
        });
    }
    grid->addWidget(modes, 1, 0, 2, 1);

    auto* middle = new QWidget;
    wire(buildCopierColumn(middle), &QPushButton::clicked,
         &TMainScreen::TrailingEdgeHelpButtonClick);
    grid->addWidget(middle, 1, 1, 2, 1);

    auto* buttons = new QHBoxLayout;
    auto* read = namedButton("TimingRead", QStringLiteral("Read Settings"), page);
    auto* save = namedButton("TimingSave", QStringLiteral("Save Settings"), page);
    buttons->addWidget(read);
    buttons->addWidget(save);
    wire(read, &QPushButton::clicked, &TMainScreen::TimingReadClick);
    wire(save, &QPushButton::clicked, &TMainScreen::TimingSaveClick);
    grid->setRowStretch(1, 1);
    grid->addLayout(buttons, 2, 2, Qt::AlignBottom);
}
