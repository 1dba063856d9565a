#pragma once

#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

class ReportCanvas;

using ReportParams = QMap<QString, QString>;

// One printed report: a header painted at the top of every page, a footer at
// the bottom of every page, and a body that flows over as many pages as it needs.
class ReportLayout
{
public:
    virtual ~ReportLayout() = default;
    virtual QPageSize::PageSizeId pageSize() const { return QPageSize::A4; }
    virtual QPageLayout::Orientation orientation() const { return QPageLayout::Portrait; }
    virtual void header(ReportCanvas &canvas, const ReportParams &params) { (void)canvas, (void)params; }
    // Millimetres kept free for the footer above the bottom margin.
    virtual qreal footerHeight() const { return 0; }
    virtual void footer(ReportCanvas &canvas, const ReportParams &params) { (void)canvas, (void)params; }
    virtual void body(ReportCanvas &canvas, const ReportParams &params) = 0;
};
