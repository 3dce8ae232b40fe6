#include "widgets/PulseDiagram.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

// Everything below is in drawing units: pixels at the diagram's natural size.
struct Interval {
    const char* label;
    qreal from;
    qreal to;
};

struct PulseDrawing {
    QSize size;
    qreal low;  // y of the idle level, which is also the time axis
    qreal high; // y of the active level
    qreal axisFrom;
    qreal axisTo;
    qreal rise;
    qreal fall;
    QPointF debit;
    std::array<Interval, 3> intervals;
};

namespace {

// Trailing edge: the debit waits for the pulse to end.
constexpr PulseDrawing TrailingEdge{
    .size = {385, 137},
    .low = 76,
    .high = 28,
    .axisFrom = 10,
    .axisTo = 374,
    .rise = 40,
    .fall = 200,
    .debit = {200, 76},
    .intervals = {{{"Sense Time", 40, 120}, {"Blind Time", 200, 282}, {"Reset Delay", 282, 364}}},
};

// Leading edge: the debit comes as soon as the sense time is over, while the pulse is active.
constexpr PulseDrawing LeadingEdge{
    .size = {361, 169},
    .low = 102,
    .high = 44,
    .axisFrom = 10,
    .axisTo = 350,
    .rise = 40,
    .fall = 252,
    .debit = {122, 44},
    .intervals = {{{"Sense Time", 40, 122}, {"Blind Time", 122, 252}, {"Reset Delay", 252, 338}}},
};

constexpr qreal LineWidth = 1.5;
constexpr qreal ThinLineWidth = 1.0;
constexpr qreal ArrowLength = 7;
constexpr qreal ArrowHalfWidth = 3.5;
constexpr qreal DebitRadius = 4;
constexpr qreal DashOverhang = 10; // how far the dashed lines reach above the active level
constexpr qreal ArrowRowDrop = 24; // from the axis down to the interval arrows
constexpr qreal LabelGap = 3;
constexpr int LabelPixels = 11; // about 8 points at the natural size

// A filled arrow head whose tip is at tip, pointing along the unit direction dx (left or right).
void drawArrowHead(QPainter& painter, QPointF tip, qreal dx)
{
    const QPointF back = tip - QPointF(dx * ArrowLength, 0);
    const std::array<QPointF, 3> head{tip, back + QPointF(0, ArrowHalfWidth),
                                      back - QPointF(0, ArrowHalfWidth)};
    painter.drawPolygon(head.data(), int(head.size()));
}

void drawSignal(QPainter& painter, const PulseDrawing& d)
{
    QPainterPath trace({d.axisFrom, d.low});
    trace.lineTo(d.rise, d.low);
    trace.lineTo(d.rise, d.high);
    trace.lineTo(d.fall, d.high);
    trace.lineTo(d.fall, d.low);
    trace.lineTo(d.axisTo - ArrowLength, d.low);
    painter.setPen(QPen(Qt::black, LineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    drawArrowHead(painter, {d.axisTo, d.low}, 1);
}

void drawIntervals(QPainter& painter, const PulseDrawing& d)
{
    const qreal arrowY = d.low + ArrowRowDrop;
    const QFontMetricsF metrics(painter.font());

    painter.setPen(QPen(Qt::black, ThinLineWidth, Qt::DashLine));
    for (const Interval& interval : d.intervals)
        for (qreal x : {interval.from, interval.to})
            painter.drawLine(QPointF(x, d.high - DashOverhang), QPointF(x, arrowY + ArrowLength));

    for (const Interval& interval : d.intervals) {
        painter.setPen(QPen(Qt::black, ThinLineWidth));
        painter.drawLine(QPointF(interval.from + ArrowLength, arrowY),
                         QPointF(interval.to - ArrowLength, arrowY));
        painter.setPen(Qt::NoPen);
        drawArrowHead(painter, {interval.from, arrowY}, -1);
        drawArrowHead(painter, {interval.to, arrowY}, 1);

        painter.setPen(Qt::black);
        const QString label = QString::fromLatin1(interval.label);
        const qreal centre = (interval.from + interval.to) / 2;
        painter.drawText(QPointF(centre - metrics.horizontalAdvance(label) / 2,
                                 arrowY + ArrowHalfWidth + LabelGap + metrics.ascent()),
                         label);
    }
}

void drawDebit(QPainter& painter, const PulseDrawing& d)
{
    painter.setPen(QPen(Qt::black, ThinLineWidth));
    painter.setBrush(Qt::white);
    painter.drawEllipse(d.debit, DebitRadius, DebitRadius);

    const qreal offset = DebitRadius + LabelGap; // above and right of the circle
    painter.drawText(d.debit + QPointF(offset, -offset), QStringLiteral("debit"));
}

} // namespace

PulseDiagram::PulseDiagram(Debit debit, QWidget* parent)
    : QWidget(parent), m_drawing(debit == Debit::OnTrailingEdge ? TrailingEdge : LeadingEdge)
{
}

QSize PulseDiagram::sizeHint() const
{
    return m_drawing.size;
}

void PulseDiagram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(rect(), Qt::white);

    // Scale the drawing to the widget, keeping its proportions, centred.
    const QSizeF natural = m_drawing.size;
    const qreal scale = qMin(width() / natural.width(), height() / natural.height());
    painter.translate((width() - natural.width() * scale) / 2,
                      (height() - natural.height() * scale) / 2);
    painter.scale(scale, scale);

    QFont font = painter.font();
    font.setPixelSize(LabelPixels);
    painter.setFont(font);

    drawSignal(painter, m_drawing);
    drawIntervals(painter, m_drawing);
    drawDebit(painter, m_drawing);
}
