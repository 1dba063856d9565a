#pragma once

#include <QMap>
#include <QPageLayout>
#include <QString>

class ReportCanvas;

using ReportParams = QMap<QString, QString>;

// One printed report: it paints its pages on a canvas from its data sets and
// the parameters it was given.
class ReportLayout
{
public:
    virtual ~ReportLayout() = default;
    virtual QPageLayout::Orientation orientation() const { return QPageLayout::Portrait; }
    virtual void paint(ReportCanvas &canvas, const ReportParams &params) = 0;
};
