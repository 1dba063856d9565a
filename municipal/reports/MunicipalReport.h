#pragma once

#include "common/report/ReportLayout.h"

#include <QString>

// What every report of the municipality module prints around its body: the
// office line, the product title, the municipality, state and period boxes
// and the report's title on top of each page; a rule, the office line and
// the page number at the bottom.
class MunicipalReport : public ReportLayout
{
public:
    struct Style
    {
        QString title;
        bool periodLabel = false; // "Período :" before the period
        bool titleUnderlined = false;
        qreal titlePoints = 14;
        bool hasFooter = true;
        bool footerRule = true;
        bool footerBold = false;
    };

    explicit MunicipalReport(Style style) : m_style(std::move(style)) {}

    void header(ReportCanvas &canvas, const ReportParams &params) override;
    qreal footerHeight() const override { return m_style.hasFooter ? 12 : 0; }
    void footer(ReportCanvas &canvas, const ReportParams &params) override;

    // A label in bold and its value in a column to its right, then the next line.
    static void labelAndValue(ReportCanvas &canvas, qreal x, qreal valueX, const QString &label, const QString &value,
                              qreal points = 10);

private:
    Style m_style;
};
