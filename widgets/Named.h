#pragma once

#include <QFont>
#include <QRect>
#include <QString>

// Gives a new control its form name (its objectName) and, optionally, its place.
template <typename W>
W* named(W* widget, const char* name, const QRect& geometry = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (geometry.isValid())
        widget->setGeometry(geometry);
    return widget;
}

inline QFont boldened(QFont font)
{
    font.setBold(true);
    return font;
}
