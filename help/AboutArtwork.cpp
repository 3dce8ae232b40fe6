#include "help/AboutArtwork.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Natural sizes of the two pictures, px; drawing units below are pixels at these sizes.
constexpr QSize EmblemSize{121, 89};
constexpr QSize ProductNameSize{153, 89};

const QColor Navy{0x1f, 0x3a, 0x68};
const QColor Gold{0xd9, 0xa4, 0x1e};

// A navy disc ringed in gold, crossed by a white vend pulse that ends in a gold coin.
void drawEmblem(QPainter& painter)
{
    const QPointF centre(60.5, 44.5);
    painter.setPen(QPen(Gold, 3));
    painter.setBrush(Navy);
    painter.drawEllipse(centre, 40, 40);

    QPainterPath pulse({28, 58});
    pulse.lineTo(44, 58);
    pulse.lineTo(44, 30);
    pulse.lineTo(76, 30);
    pulse.lineTo(76, 58);
    pulse.lineTo(93, 58);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(pulse);

    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(Gold);
    painter.drawEllipse(QPointF(76, 30), 6, 6);
}

// "Tunewright" in two colours over a gold swoosh.
void drawProductName(QPainter& painter)
{
    QFont font = painter.font();
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(100);
    const QString tune = QStringLiteral("Tune");
    const QString wright = QStringLiteral("wright");
    const qreal naturalWidth = QFontMetricsF(font).horizontalAdvance(tune + wright);
    constexpr qreal TextWidth = 145; // leaves a margin of 4 px on each side
    font.setPixelSize(qMax(1, int(100 * TextWidth / naturalWidth)));
    painter.setFont(font);

    const QFontMetricsF metrics(font);
    const qreal left = (ProductNameSize.width() - metrics.horizontalAdvance(tune + wright)) / 2;
    const qreal baseline = 50;
    painter.setPen(Navy);
    painter.drawText(QPointF(left, baseline), tune);
    painter.setPen(Gold.darker(115));
    painter.drawText(QPointF(left + metrics.horizontalAdvance(tune), baseline), wright);

    QPainterPath swoosh({8, 66});
    swoosh.cubicTo(50, 56, 100, 56, 145, 64);
    painter.setPen(QPen(Gold, 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(swoosh);
}

} // namespace

AboutArtwork::AboutArtwork(Picture picture, QWidget* parent) : QWidget(parent), m_picture(picture)
{
}

QSize AboutArtwork::sizeHint() const
{
    return m_picture == Picture::Emblem ? EmblemSize : ProductNameSize;
}

void AboutArtwork::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QSizeF natural = sizeHint();
    painter.scale(width() / natural.width(), height() / natural.height()); // stretched to the box
    if (m_picture == Picture::Emblem)
        drawEmblem(painter);
    else
        drawProductName(painter);
}
