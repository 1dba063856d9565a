#pragma once

#include <QByteArray>

#include <functional>

struct lxw_workbook;

// Builds an .xlsx workbook with libxlsxwriter and returns its bytes, so that
// the caller decides where and how the file is stored. The library writes
// into a private temporary folder that is removed afterwards.
namespace WorkbookBytes {

// `fill` adds the sheets and cells; a StepError it throws ends the build and
// leaves nothing behind. Throws StepError when the library fails.
QByteArray build(const std::function<void(lxw_workbook *)> &fill);

// Throws StepError with the library's message unless `error` is LXW_NO_ERROR.
void check(int error);

} // namespace WorkbookBytes
