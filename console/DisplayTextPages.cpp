#include "console/MainScreenCardDispenser.h"

#include "console/PageBlocks.h"

#include <span>

using namespace pages;

namespace {

using B = GeneralButton;

constexpr int DisplayLineLength = 20; // characters of one display line

// One display text: its edit, the label naming the line, and its initial text, which the
// controller's own defaults pad with trailing spaces to padTo characters.
struct DisplayText {
    const char* name;
    const char* label;
    const char* text;
    int padTo;
    const char* description = nullptr; // the situation the line is shown in, when given
};

Control displayEdit(const DisplayText& t, Cell at)
{
    const QString text = QString::fromLatin1(t.text).leftJustified(t.padTo, QLatin1Char(' '));
    return edit(t.name, text, DisplayLineLength, at);
}

// The texts with their labels on the left, in columns of rowsPerColumn.
Panel displayTexts(std::span<const DisplayText> texts, int rowsPerColumn, Cell at)
{
    Panel panel{at};
    int index = 0;
    for (const DisplayText& t : texts) {
        const int row = index % rowsPerColumn;
        const int column = index / rowsPerColumn * 3;
        panel.controls.push_back(caption(t.label, {row, column}));
        panel.controls.push_back(displayEdit(t, {row, column + 1}));
        if (t.description) panel.controls.push_back(caption(t.description, {row, column + 2}));
        ++index;
    }
    return panel;
}

} // namespace

void TMainScreen::buildLcdSystemPage(QWidget* page)
{
    static constexpr DisplayText Texts[] = {
        {"LMDEdit13", "1st Line Idle State", "Your Company Name", 19},
        {"LMDEdit6", "2nd Line Idle State", "Corvan Series", 20},
        {"LMDEdit7", "1st Line Idle State 2", "Insert Coin", 20},
        {"LMDEdit10", "2nd Line Idle State 2", "Bill or Card", 20},
        {"LMDEdit11", "1st Line Processing", "Processing your", 20},
        {"LMDEdit12", "2nd Line Your Acct", "account........", 20},
        {"LMDEdit14", "1st Line Escrow/Balance", "Escrow/Balance:", 20},
        {"LMDEdit15", "1st Line Entering Acct #", "Type your acct #", 20},
        {"LMDEdit16", "1st Line Entering PIN #", "Type your PIN #", 20},
        {"LMDEdit17", "2nd Line Press Enter Key", "Then Press ENTER", 20},
        {"LMDEdit18", "1st Line TimeVend", "TimeVend MM:SS", 20},
        {"LMDEdit19", "1st Line Credit Card Msg", "Credit Card", 20},
    };
    buildFromTable(page, arranged({
                             generalButtons({{"LMDSpeedButton20", "Read Settings", B::Read},
                                             {"LMDSpeedButton21", "Save Settings", B::Save}},
                                            {0, 0}, true),
                             displayTexts(Texts, 6, {1, 0}),
                         }));
}

void TMainScreen::buildLcdStatusPage(QWidget* page)
{
    static constexpr DisplayText Texts[] = {
        {"LMDEdit20", "System - Ready", "System - Ready", 20},
        {"LMDEdit21", "Enabled", "Enabled", 18},
        {"LMDEdit22", "Disabled", "Disabled", 14},
        {"LMDEdit23", "Exceeded Limit", "Exceeded Limit", 20},
        {"LMDEdit24", "Bypass Mode", "Bypass Mode", 16},
        {"LMDEdit25", "Total Sales (Credit Card)", "Total Sales", 16},
        {"LMDEdit26", "Approved (Credit Card)", "Approved", 13},
        {"LMDEdit27", "Declined (Credit Card)", "Declined", 13},
    };
    buildFromTable(page, arranged({
                             generalButtons({{"LMDSpeedButton5", "Read Settings", B::Read},
                                             {"LMDSpeedButton4", "Save Settings", B::Save}},
                                            {0, 0}, true),
                             displayTexts(Texts, 4, {1, 0}),
                         }));
}

void TMainScreen::buildLcdErrorPage(QWidget* page)
{
    static constexpr DisplayText Texts[] = {
        {"LMDEdit28", "1st Line", "*ERROR MESSAGE*", 19, "Error Message"},
        {"LMDEdit29", "2nd Line", "Bad Card?", 17, "Unable to read card"},
        {"LMDEdit30", "2nd Line", "Exceeded # of keys", 19, "Exceed # of pressed keys"},
        {"LMDEdit31", "2nd Line", "Invalid Account!", 18, "Invalid Account"},
        {"LMDEdit32", "2nd Line", "Out of Service", 15, "Out of Service"},
        {"LMDEdit33", "2nd Line", "Not In Use", 11, "Not In Use"},
        {"LMDEdit34", "2nd Line", "Use Exact Coins", 15, "Use Exact Coins"},
        {"LMDEdit35", "2nd Line", "Out of Coins", 12, "Out of Coins"},
    };
    buildFromTable(page, arranged({
                             displayTexts(Texts, 8, {0, 0}),
                             generalButtons({{"LMDSpeedButton7", "Read Settings", B::Read},
                                             {"LMDSpeedButton6", "Save Settings", B::Save}},
                                            {0, 1}),
                         }));
}
