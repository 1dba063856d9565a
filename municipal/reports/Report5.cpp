#include "municipal/reports/Report5.h"

#include "common/report/ReportCanvas.h"

namespace {

void sectionHeading(ReportCanvas &c, qreal x, const QString &text)
{
    const QFont font = ReportCanvas::font(11, true, true);
    c.text(x, c.y(), text, font);
    c.advance(c.lineHeight(font) + 2);
}

// Two labels side by side, each with its value under it.
void twoColumns(ReportCanvas &c, qreal x, qreal secondX, const QString &leftLabel, const QString &leftValue,
                const QString &rightLabel, const QString &rightValue)
{
    const QFont bold = ReportCanvas::font(10, true);
    const QFont regular = ReportCanvas::font(10);
    c.text(x, c.y(), leftLabel, bold);
    c.text(secondX, c.y(), rightLabel, bold);
    c.advance(c.lineHeight(bold) + 1);
    c.text(x, c.y(), leftValue, regular);
    c.text(secondX, c.y(), rightValue, regular);
    c.advance(c.lineHeight(regular) + 3);
}

} // namespace

Report5::Report5() : MunicipalReport({QStringLiteral("Estatística")})
{}

void Report5::body(ReportCanvas &c, const ReportParams &p)
{
    const qreal left = c.margin() + 5;
    const qreal right = c.margin() + (c.pageWidth() - 2 * c.margin()) / 2;
    const qreal valueX = left + 60;
    const auto param = [&](const char *name) { return p.value(QString::fromLatin1(name)); };
    const auto rows = [&](const char *mean, const char *variance, const char *deviation, const char *variation) {
        labelAndValue(c, left, valueX, QStringLiteral("Média :"), param(mean));
        labelAndValue(c, left, valueX, QStringLiteral("Variância :"), param(variance));
        labelAndValue(c, left, valueX, QStringLiteral("Desvio Padrâo :"), param(deviation));
        labelAndValue(c, left, valueX, QStringLiteral("Coeficiente de Variação :"), param(variation));
        c.advance(5);
    };

    sectionHeading(c, left, QStringLiteral("Ìndice de Infestação Predial (IIP)"));
    twoColumns(c, left, right, QStringLiteral("IIP do município para Aedes aegypti"), param("IIPMun"),
               QStringLiteral("IIP do município para Aedes albopictus"), param("IIPalb"));
    rows("MediaIIP", "VarianciaIIP", "DPIIP", "CVIIP");

    sectionHeading(c, left, QStringLiteral("Índice de Breteau (IB)"));
    twoColumns(c, left, right, QStringLiteral("IB do município para Aedes aegypti:"), param("IBMun"),
               QStringLiteral("IB do município para Aedes albopictus:"), param("IBalb"));
    rows("MediaIB", "VarianciaIB", "DPIB", "CVIB");

    sectionHeading(c, left, QStringLiteral("Situação dos estratos"));
    labelAndValue(c, left, valueX, QStringLiteral("N° de estratos com baixo risco :"), param("BaixoRisco"));
    labelAndValue(c, left, valueX, QStringLiteral("N° de estratos com médio risco :"), param("MedioRisco"));
    labelAndValue(c, left, valueX, QStringLiteral("N° de estratos com alto risco :"), param("AltoRisco"));
    c.advance(5);

    sectionHeading(c, left, QStringLiteral("Situação do Município"));
    const QFont situation = ReportCanvas::font(14, true);
    c.text(left, c.y(), param("SituacaoMun"), situation);
    c.advance(c.lineHeight(situation));
}
