#pragma once

#include <QAbstractSpinBox>

// A spin edit with text semantics: it shows exactly the text it was given (at most its maximum
// length), and reads that text as a number only when asked for its value.
//
// value() of a text that is not a number is the minimum; a number outside the bounds is
// clamped to them. The user can type digits only (and a point for decimal edits); decoders can
// put any text in with setText(). changed() fires on every change of the text: typed, stepped
// or set from code.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    struct Bounds {
        double minimum = 0;
        double maximum = 0;
        double step = 1;
        int maxLength = 5;
        int decimals = 0; // 0 for a whole-number edit
    };

    SpinEdit(const Bounds& bounds, double initial, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // The shown text as a whole number, clamped to the bounds (minimum when not a number).
    int value() const;
    // The same as a decimal number, for decimal edits.
    double number() const;
    void setValue(double value);

    double minimum() const { return bounds_.minimum; }
    double maximum() const { return bounds_.maximum; }
    double singleStep() const { return bounds_.step; }
    int maxLength() const;

    void stepBy(int steps) override;

signals:
    void changed();

protected:
    StepEnabled stepEnabled() const override;

private:
    QString format(double value) const;

    Bounds bounds_;
};
