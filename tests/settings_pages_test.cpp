#include "support/ConsoleFixture.h"

#include <QPushButton>
#include <QRadioButton>

using SettingsPages = ConsoleFixture;

// The Timing page's help buttons show their windows without waiting for them.
TEST_F(SettingsPages, HelpButtonsShowTheirWindows)
{
    QWidget trailingEdge;
    QWidget timeVend;
    screen->attachWindows({nullptr, nullptr, &trailingEdge, &timeVend});

    control<QPushButton>("TrailingEdgeHelpButton")->click();
    EXPECT_TRUE(trailingEdge.isVisible());
    EXPECT_FALSE(timeVend.isVisible());
    control<QPushButton>("bTimeVendHelp")->click();
    EXPECT_FALSE(timeVend.isVisible()) << "its group is disabled outside TimeVend mode";
    control<QRadioButton>("ModeTimeVend")->click();
    control<QPushButton>("bTimeVendHelp")->click();
    EXPECT_TRUE(timeVend.isVisible());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SettingsPages, HelpButtonsWithoutWindowsDoNothing)
{
    control<QRadioButton>("ModeTimeVend")->click();
    control<QPushButton>("TrailingEdgeHelpButton")->click();
    control<QPushButton>("bTimeVendHelp")->click();
    EXPECT_TRUE(errors.isEmpty());
}
