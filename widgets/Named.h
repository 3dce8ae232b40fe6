#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

// Gives a new control its form name (its objectName) and, optionally, its place.
template <typename W> W* named(W* widget, const char* name, const QRect& geometry = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (geometry.isValid()) widget->setGeometry(geometry);
    return widget;
}

inline QFont boldened(QFont font)
{
    font.setBold(true);
    return font;
}

// Colours a label's text and background through its palette (cheaper than a style sheet).
template <typename W> void colour(W* widget, const QColor& text, const QColor& background = {})
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}
