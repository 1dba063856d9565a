#include "state/app/StateArtwork.h"

#include <QPainter>
#include <QPainterPath>

namespace StateArtwork {

QPixmap logo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 128));
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.15, size * 0.15);
    // Three dots for the municipalities, joined to the state.
    p.setBrush(Qt::white);
    const QPointF centre(size * 0.5, size * 0.55);
    p.setPen(QPen(Qt::white, size * 0.04));
    for (const QPointF &dot :
         {QPointF(size * 0.22, size * 0.28), QPointF(size * 0.78, size * 0.28), QPointF(size * 0.5, size * 0.85)}) {
        p.drawLine(centre, dot);
        p.drawEllipse(dot, size * 0.08, size * 0.08);
    }
    p.drawEllipse(centre, size * 0.14, size * 0.14);
    return pixmap;
}

} // namespace StateArtwork
