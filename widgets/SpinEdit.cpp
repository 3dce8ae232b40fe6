#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <cmath>

namespace {

// One validator per kind, shared by every edit: hundreds of edits need not compile the pattern.
const QValidator* typingValidator(bool decimal)
{
    // Owned by the application, so they outlive every edit.
    static auto* whole =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), qApp);
    static auto* fraction = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), qApp);
    return decimal ? fraction : whole;
}

} // namespace

SpinEdit::SpinEdit(const Bounds& bounds, double initial, QWidget* parent)
    : QAbstractSpinBox(parent), bounds_(bounds)
{
    // The validator only guards typing; setText() bypasses it on purpose.
    lineEdit()->setValidator(typingValidator(bounds.decimals > 0));
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
