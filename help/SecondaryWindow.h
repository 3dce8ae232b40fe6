#pragma once

#include <QSize>

class QLabel;
class QPushButton;
class QString;
class QWidget;

// What every secondary window shares: a window of its own above the main window, never modal,
// hidden rather than destroyed when closed, in 8-point type. Set a window up before creating its
// controls, so that they take its type.
//
// The outer sizes given here include the window frame; the client area is that less the frame.
void setUpSecondaryWindow(QWidget& form, const QString& name, const QString& caption,
                          QSize outerSize);

// Places a window so that its outer rectangle is centred on its screen.
void centreOnScreen(QWidget& form, QSize outerSize);

// Gives a window a white background.
void paintWhite(QWidget& form);

// A bold label named name, in the window's type.
QLabel* createBoldLabel(QWidget& form, const QString& name, const QString& text);

// The button that closes a secondary window: `Button1`, in the size of a standard button.
QPushButton* createCloseButton(QWidget& form, const QString& caption);
