#pragma once

#include <QWidget>

struct PulseDrawing;

// A line drawing of one vend pulse on a time axis, marking where the price is debited and the
// sense, blind and reset intervals; drawn as vectors, so it stays sharp at any size.
class PulseDiagram : public QWidget {
    Q_OBJECT

public:
    enum class Debit { OnTrailingEdge, OnLeadingEdge };

    explicit PulseDiagram(Debit debit, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PulseDrawing& m_drawing;
};
