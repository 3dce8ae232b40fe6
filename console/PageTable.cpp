#include "console/PageTable.h"

#include "widgets/LinkLabel.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace pages {

namespace {

using namespace std::chrono_literals;

constexpr int FieldHeight = 20;      // px, edits and spin edits
constexpr int ChoiceHeight = 16;     // px, check boxes and radio buttons
constexpr int FieldPadding = 12;     // px, frame and margins of an edit
constexpr int SpinButtonsWidth = 20; // px, the arrows of a spin edit
constexpr int WidestEdit = 23;       // characters shown; longer texts scroll
constexpr int WidestSpin = 5;        // characters shown
constexpr int PageMargin = 2;        // px
constexpr int GroupMargin = 4;       // px
constexpr int PanelSpacing = 4;      // px
constexpr auto ClockTick = 1s;
constexpr int ClockDigits = 8; // hh:mm:ss
const QDate CalendarInitialDate(2010, 8, 30);

// Width of a field that shows as many samples as it holds characters, from 3 to widest.
int fieldWidth(const QWidget* field, QChar sample, int characters, int widest)
{
    const int shown = std::clamp(characters, 3, widest);
    return field->fontMetrics().horizontalAdvance(QString(shown, sample)) + FieldPadding;
}

QWidget* makeClock(QWidget* parent)
{
    auto* clock = new QLabel(parent);
    clock->setFrameShape(QFrame::Panel);
    clock->setFrameShadow(QFrame::Sunken);
    clock->setAlignment(Qt::AlignCenter);
    clock->setFixedSize(fieldWidth(clock, u'0', ClockDigits, ClockDigits), FieldHeight);
    auto show = [clock] {
        clock->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    };
    show();
    auto* tick = new QTimer(clock);
    QObject::connect(tick, &QTimer::timeout, clock, show);
    tick->start(ClockTick);
    return clock;
}

// Made with its parent, so that it is measured in the window's font.
QWidget* makeControl(const Control& c, QWidget* parent)
{
    switch (c.kind) {
    case Kind::Caption:
    case Kind::Value: {
        auto* label = new QLabel(c.text, parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case Kind::Link:
        return new LinkLabel(c.text, parent);
    case Kind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(c.bounds.maxLength);
        edit->setText(c.text);
        edit->setCursorPosition(0);
        const int width = fieldWidth(edit, u'x', c.bounds.maxLength, WidestEdit);
        edit->setFixedSize(width, FieldHeight);
        return edit;
    }
    case Kind::Spin: {
        auto* spin = new SpinEdit(c.bounds, c.initial, parent);
        const int width = fieldWidth(spin, u'0', c.bounds.maxLength, WidestSpin) + SpinButtonsWidth;
        spin->setFixedSize(width, FieldHeight);
        return spin;
    }
    case Kind::Check: {
        auto* box = new QCheckBox(c.text, parent);
        box->setChecked(c.initial != 0);
        if (!c.text.contains(u'\n')) box->setFixedHeight(ChoiceHeight);
        return box;
    }
    case Kind::Radio: {
        auto* radio = new QRadioButton(c.text, parent);
        radio->setChecked(c.initial != 0);
        radio->setFixedHeight(ChoiceHeight);
        return radio;
    }
    case Kind::Button:
        return new QPushButton(c.text, parent);
    case Kind::Date: {
        auto* date = new QDateEdit(CalendarInitialDate, parent);
        date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        date->setCalendarPopup(true);
        date->setFixedHeight(FieldHeight);
        return date;
    }
    case Kind::Clock:
        return makeClock(parent);
    }
    return nullptr;
}

void add(QGridLayout* grid, QWidget* widget, const Cell& at, Qt::Alignment alignment)
{
    grid->addWidget(widget, at.row, at.column, at.rowSpan, at.columnSpan, alignment);
}

using Buttons = std::vector<std::pair<QPushButton*, Handler>>;

// Fills widget with the panel's controls and, recursively, its panels.
void layOut(QWidget* widget, const Panel& panel, int margin, Buttons& buttons)
{
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(margin, margin, margin, margin);
    grid->setHorizontalSpacing(panel.panels.empty() ? panel.columnSpacing : PanelSpacing);
    grid->setVerticalSpacing(panel.panels.empty() ? panel.rowSpacing : PanelSpacing);
    for (const Control& c : panel.controls) {
        QWidget* w = makeControl(c, widget);
        w->setObjectName(c.name);
        add(grid, w, c.at, Qt::AlignLeft | Qt::AlignVCenter);
        if (c.kind == Kind::Button) buttons.emplace_back(static_cast<QPushButton*>(w), c.onClick);
    }
    for (const Panel& p : panel.panels) {
        const bool framed = !p.group.isEmpty() || !p.title.isEmpty();
        QWidget* inner = framed ? new QGroupBox(p.title, widget) : new QWidget(widget);
        inner->setObjectName(p.group);
        layOut(inner, p, framed ? GroupMargin : 0, buttons);
        add(grid, inner, p.at, Qt::AlignLeft | Qt::AlignTop);
    }
}

} // namespace

Control caption(const QString& text, Cell at)
{
    return {Kind::Caption, {}, text, at};
}

Control value(const QString& name, const QString& text, Cell at)
{
    return {Kind::Value, name, text, at};
}

Control edit(const QString& name, const QString& text, int maxLength, Cell at)
{
    return {Kind::Edit, name, text, at, {.maxLength = maxLength}};
}

Control spin(const QString& name, const SpinEdit::Bounds& bounds, double initial, Cell at)
{
    return {Kind::Spin, name, {}, at, bounds, initial};
}

Control check(const QString& name, const QString& text, Cell at, bool ticked)
{
    return {Kind::Check, name, text, at, {}, ticked ? 1.0 : 0.0};
}

Control radio(const QString& name, const QString& text, Cell at, bool selected)
{
    return {Kind::Radio, name, text, at, {}, selected ? 1.0 : 0.0};
}

Control button(const QString& name, const QString& text, Handler onClick, Cell at)
{
    return {Kind::Button, name, text, at, {}, 0, onClick};
}

Control link(const QString& text, Cell at)
{
    return {Kind::Link, {}, text, at};
}

Panel arranged(std::vector<Panel> panels, Cell at)
{
    return {at, {}, std::move(panels)};
}

Panel stacked(std::vector<Panel> panels, Cell at)
{
    int row = 0;
    for (Panel& p : panels)
        p.at = {row++, 0};
    return {at, {}, std::move(panels)};
}

Buttons build(QWidget* area, const Panel& page)
{
    Buttons buttons;
    layOut(area, page, PageMargin, buttons);
    // Spare room gathers at the right and at the bottom.
    auto* grid = static_cast<QGridLayout*>(area->layout());
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(grid->columnCount(), 1);
    return buttons;
}

} // namespace pages
