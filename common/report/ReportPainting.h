#pragma once

#include "common/report/ReportLayout.h"

#include <functional>

class QPagedPaintDevice;

namespace ReportPainting {

// Paints a report onto a paged device (a PDF writer, a printer) in the
// layout's page size and orientation; `onPage` is told each page number as
// it starts. Returns the number of pages.
int paint(ReportLayout &layout, QPagedPaintDevice &device, const ReportParams &params,
          const std::function<void(int)> &onPage = {});

} // namespace ReportPainting
