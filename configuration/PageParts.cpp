#include "configuration/PageParts.h"

#include "widgets/Named.h"

#include <QLabel>
#include <QPushButton>

QLabel* formatNote(QWidget* parent)
{
    return new QLabel(
        QStringLiteral("Format:\n5 = .05 dollars\n100 = 1.00 dollars\n2000 = 20.00 dollars"),
        parent);
}

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent)
{
    return named(new QPushButton(caption, parent), name);
}
