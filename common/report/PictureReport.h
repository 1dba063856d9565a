#pragma once

#include "common/report/ReportLayout.h"

#include <QSizeF>

#include <functional>

class QPainter;

// A report of one page holding one picture scaled proportionally to the
// page, turned to landscape when the picture is wider than tall.
class PictureReport : public ReportLayout
{
public:
    using Paint = std::function<void(QPainter &)>;

    // `paint` draws the picture of `size` from its top-left corner.
    PictureReport(QSizeF size, Paint paint) : m_size(size), m_paint(std::move(paint)) {}

    QPageLayout::Orientation orientation() const override;
    void body(ReportCanvas &canvas, const ReportParams &params) override;

private:
    QSizeF m_size;
    Paint m_paint;
};
