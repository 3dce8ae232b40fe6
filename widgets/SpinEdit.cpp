#include "widgets/SpinEdit.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <cmath>

SpinEdit::SpinEdit(const Bounds& bounds, double initial, QWidget* parent)
    : QAbstractSpinBox(parent), bounds_(bounds)
{
    const QString pattern =
        bounds.decimals > 0 ? QStringLiteral("[0-9]*\\.?[0-9]*") : QStringLiteral("[0-9]*");
    // The validator only guards typing; setText() bypasses it on purpose.
    auto* typing = new QRegularExpressionValidator(QRegularExpression(pattern), this);
    lineEdit()->setValidator(typing);
    lineEdit()->setMaxLength(bounds.maxLength);
    setText(format(initial));
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::changed);
}

QString SpinEdit::text() const
{
    return lineEdit()->text();
}

void SpinEdit::setText(const QString& text)
{
    // QLineEdit keeps at most maxLength characters of what it is given.
    lineEdit()->setText(text);
}

double SpinEdit::number() const
{
    bool ok = false;
    const double parsed = text().trimmed().toDouble(&ok);
    if (!ok || std::isnan(parsed)) return bounds_.minimum;
    return std::clamp(parsed, bounds_.minimum, bounds_.maximum);
}

int SpinEdit::value() const
{
    return static_cast<int>(std::lround(number()));
}

void SpinEdit::setValue(double value)
{
    setText(format(std::clamp(value, bounds_.minimum, bounds_.maximum)));
}

int SpinEdit::maxLength() const
{
    return lineEdit()->maxLength();
}

void SpinEdit::stepBy(int steps)
{
    setValue(number() + steps * bounds_.step);
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    if (isReadOnly()) return StepNone;
    StepEnabled enabled = StepNone;
    if (number() < bounds_.maximum) enabled |= StepUpEnabled;
    if (number() > bounds_.minimum) enabled |= StepDownEnabled;
    return enabled;
}

QString SpinEdit::format(double value) const
{
    if (bounds_.decimals > 0) return QString::number(value, 'f', bounds_.decimals);
    return QString::number(static_cast<qlonglong>(std::llround(value)));
}
