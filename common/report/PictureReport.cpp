#include "common/report/PictureReport.h"

#include "common/report/ReportCanvas.h"

QPageLayout::Orientation PictureReport::orientation() const
{
    return m_size.width() > m_size.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void PictureReport::body(ReportCanvas &canvas, const ReportParams &)
{
    const qreal margin = canvas.margin();
    canvas.picture(QRectF(margin, canvas.y(), canvas.pageWidth() - 2 * margin, canvas.bodyBottom() - canvas.y()),
                   m_size, m_paint);
}
