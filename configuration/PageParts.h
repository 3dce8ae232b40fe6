#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Pieces that several setting pages share.

// The four-line note that says amounts are entered in cents.
QLabel* formatNote(QWidget* parent);

// A push button with its form name and caption.
QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent);

// Width of a five-digit spin edit with its arrows, in pixels.
constexpr int FiveDigitEditWidth = 58;
