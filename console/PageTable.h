#pragma once

#include "widgets/SpinEdit.h"

#include <QString>
#include <utility>
#include <vector>

class QPushButton;
class QWidget;
class TMainScreen;

// Pages described as data: a page is a panel, a grid of controls and of further panels.
namespace pages {

using Handler = void (TMainScreen::*)();

enum class Kind {
    Caption, // a label naming something; never written
    Value,   // a value label that nothing writes
    Edit,    // single-line edit, text shown in clear
    Spin,    // SpinEdit, whole-number or decimal by its bounds
    Check,
    Radio,  // one of the radio buttons of its panel, one selectable at a time
    Button, // runs its handler when pressed
    Link,   // drawn as a web link with the hand pointer; a click does nothing
    Date,   // date edit with a pop-up calendar
    Clock,  // the computer's time of day, running by itself
};

// A place in a grid, in rows and columns.
struct Cell {
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
};

struct Control {
    Kind kind;
    QString name; // form name; empty for an unnamed caption
    QString text; // caption, or the initial text of an edit or a label
    Cell at;
    SpinEdit::Bounds bounds = {}; // an edit uses maxLength alone
    double initial = 0;           // spin edits; check boxes and radio buttons: 1 when ticked
    Handler onClick = nullptr;    // buttons
};

struct Panel {
    Cell at = {}; // place in the grid of the enclosing panel
    std::vector<Control> controls = {};
    std::vector<Panel> panels = {};
    QString group = {};    // form name of the group box that frames the panel
    QString title = {};    // its title; a panel with neither has no frame
    int rowSpacing = 2;    // px between rows of controls
    int columnSpacing = 3; // px between controls side by side
};

// Rows of a table, by kind.
Control caption(const QString& text, Cell at);
Control value(const QString& name, const QString& text, Cell at);
Control edit(const QString& name, const QString& text, int maxLength, Cell at);
Control spin(const QString& name, const SpinEdit::Bounds& bounds, double initial, Cell at);
Control check(const QString& name, const QString& text, Cell at, bool ticked = false);
Control radio(const QString& name, const QString& text, Cell at, bool selected = false);
Control button(const QString& name, const QString& text, Handler onClick, Cell at);
Control link(const QString& text, Cell at);

// The panels, each at its own cell, as one panel (a page, or a part of one).
Panel arranged(std::vector<Panel> panels, Cell at = {});

// The panels one under the other, in the order given, as one panel.
Panel stacked(std::vector<Panel> panels, Cell at = {});

// Lays page out on area; returns every button with its handler, for the window to connect.
std::vector<std::pair<QPushButton*, Handler>> build(QWidget* area, const Panel& page);

} // namespace pages
