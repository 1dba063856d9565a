#include "municipal/reports/Report1.h"

#include "common/DataSet.h"
#include "common/report/ReportCanvas.h"

namespace {

const struct
{
    const char *label;
    const char *field;
} rows[] = {
    {"N° de imóveis no estrato :", "NumeroDeImoveisNoEstrato"},
    {"Tamanho da amostra :", "TamanhoDaAmostra"},
    {"N° de quarteirões no estrato :", "NumeroDeQuarteiroesNoEstrato"},
    {"Estimativa de imóveis por quarteirão :", "EstimativaDeImoveisPorQuart"},
    {"Quarteirões que comporão a amostra :", "QuartQueComporaoAmostra"},
    {"Percentual de quarteirões amostrados :", "PercentualDeQuartAmostrado"},
    {"Intervalo de quarteirões :", "IntervaloDeQuart"},
    {"Quarteirão inicial :", "QuartInicial"},
};

} // namespace

Report1::Report1(const DataSet &plan) : MunicipalReport({QStringLiteral("Plano  Amostral"), true}), m_plan(plan)
{}

void Report1::body(ReportCanvas &c, const ReportParams &)
{
    const qreal left = c.margin() + 5;
    const QFont heading = ReportCanvas::font(12, true);
    const qreal blockHeight = c.lineHeight(heading) + 3 + 8 * (c.lineHeight(ReportCanvas::font(10, true)) + 1) + 6;
    const int estrato = m_plan.fieldIndex(QStringLiteral("Estrato"));
    for (int row = 0; row < m_plan.recordCount(); ++row) {
        c.ensureSpace(blockHeight);
        const qreal width = c.text(left, c.y(), QStringLiteral("Estrato  :"), heading);
        c.text(left + width + 3, c.y(), m_plan.textAt(row, estrato), ReportCanvas::font(12));
        c.advance(c.lineHeight(heading) + 1);
        c.line(left, c.y(), left + 45, c.y());
        c.advance(2);
        for (const auto &r : rows)
            labelAndValue(c, left + 4, left + 90, QString::fromUtf8(r.label),
                          m_plan.textAt(row, m_plan.fieldIndex(QString::fromLatin1(r.field))));
        c.advance(6);
    }
}
