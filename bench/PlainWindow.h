#pragma once

#include <QByteArray>
#include <QMainWindow>
#include <QRect>
#include <QVariant>
#include <memory>
#include <vector>

class QWidget;

// One widget that a window's code created (not one Qt made for itself): its nearest Qt class,
// whether it shows, where it sits in its window and the text it carries, if any.
struct WidgetCopy {
    QByteArray qtClass;
    bool shown;
    QRect rect;
    const char* textProperty; // "text", "title", "plainText" or nullptr
    QVariant text;
};
using WidgetCensus = std::vector<WidgetCopy>;

// Lists the widgets under root, its hidden secondary windows included, parents first.
WidgetCensus takeCensus(const QWidget& root);

// A plain QMainWindow holding the same widgets, with their places and texts and no logic: the
// shown ones where they show in the window, the hidden ones in a hidden container. Not shown.
std::unique_ptr<QMainWindow> buildPlainWindow(const WidgetCensus& census);

// Prints how many widgets of each kind the census holds, and the total.
void printCensus(const WidgetCensus& census);
