#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable test failure messages for Qt's text types.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[';
    for (const QString& s : list)
        *os << '"' << s.toStdString() << "\" ";
    *os << ']';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << bytes.toHex(' ').toUpper().toStdString();
}
