#include "municipal/app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Artwork {

QPixmap logo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 110, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(0, 0, size, size));
    // A stylised larva: a curved body with a breathing siphon.
    QPainterPath body;
    body.moveTo(size * 0.25, size * 0.70);
    body.cubicTo(size * 0.30, size * 0.30, size * 0.65, size * 0.25, size * 0.72, size * 0.45);
    p.setPen(QPen(Qt::white, size * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawLine(QPointF(size * 0.72, size * 0.45), QPointF(size * 0.80, size * 0.30));
    return pixmap;
}

QPixmap banner(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(0, 90, 140));
    gradient.setColorAt(1, QColor(0, 150, 110));
    p.fillRect(pixmap.rect(), gradient);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(width * 0.85, height * 0.5), 12.0 + i * 14, 12.0 + i * 14);
    return pixmap;
}

} // namespace Artwork
