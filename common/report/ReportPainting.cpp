#include "common/report/ReportPainting.h"

#include "common/report/ReportCanvas.h"

#include <QPagedPaintDevice>

namespace ReportPainting {

int paint(ReportLayout &layout, QPagedPaintDevice &device, const ReportParams &params,
          const std::function<void(int)> &onPage)
{
    device.setPageSize(QPageSize(layout.pageSize()));
    device.setPageOrientation(layout.orientation());
    ReportCanvas canvas(device, onPage);
    canvas.setHeader([&](ReportCanvas &c) { layout.header(c, params); });
    if (layout.footerHeight() > 0)
        canvas.setFooter([&](ReportCanvas &c) { layout.footer(c, params); }, layout.footerHeight());
    canvas.begin();
    layout.body(canvas, params);
    canvas.finish();
    return canvas.pageNumber();
}

} // namespace ReportPainting
