#include "municipal/reports/Report2.h"

#include "common/DataSet.h"
#include "common/report/ReportCanvas.h"

namespace {

const struct
{
    const char *label;
    const char *field;
} rows[] = {
    {"Quantidade de estratos a levantar :", "QuantEstratosALevantar"},
    {"Soma dos imóveis a trabalhar :", "SomaDosImoveisATrabalhar"},
    {"Rendimento imóveis/homem/dia :", "RendImoveisHomenDia"},
    {"Exame larva/hora/técnico :", "ExameLarvaHoraTecnico"},
    {"Média larvas/tubito :", "MediaLarvasTubito"},
    {"Horas de trabalho :", "HorasDeTrabalho"},
    {"Dias previstos :", "DiasPrevistos"},
    {"Servidores necessários :", "ServidoresNecessarios"},
    {"Supervisores :", "Supervisores"},
    {"Rendimento tubitos/hora/técnico :", "RendTubitosHoraTecnico"},
    {"Tubitos dia/técnico :", "TubitosDiasTecnicos"},
    {"Técnicos necessários :", "TecnicosNecessarios"},
    {"Boletins diários campo/lab :", "BolDiarioCampoLab"},
    {"Número de tubitos :", "NumTubitos"},
};

MunicipalReport::Style style()
{
    MunicipalReport::Style s;
    s.title = QStringLiteral("Planejamento  de  necessidades");
    s.periodLabel = true;
    s.titleUnderlined = true;
    s.hasFooter = false;
    return s;
}

} // namespace

Report2::Report2(const DataSet &needs) : MunicipalReport(style()), m_needs(needs)
{}

void Report2::body(ReportCanvas &c, const ReportParams &)
{
    const qreal left = c.margin() + 5;
    const qreal blockHeight = int(std::size(rows)) * (c.lineHeight(ReportCanvas::font(10, true)) + 1) + 6;
    for (int row = 0; row < m_needs.recordCount(); ++row) {
        c.ensureSpace(blockHeight);
        for (const auto &r : rows)
            labelAndValue(c, left, left + 80, QString::fromUtf8(r.label),
                          m_needs.textAt(row, m_needs.fieldIndex(QString::fromLatin1(r.field))));
        c.advance(6);
    }
}
