#include "municipal/reports/Report6.h"

#include "common/DataSet.h"
#include "common/report/ReportCanvas.h"

namespace {

constexpr qreal labelIndent = 5;
constexpr qreal numberColumn = 70;
constexpr qreal shareColumn = 110;

} // namespace

Report6::Report6(const DataSet &kavel)
    : MunicipalReport([] {
        Style style;
        style.title = QStringLiteral("Consolidado geral do Município");
        style.titlePoints = 12;
        style.footerRule = false;
        return style;
    }())
    , m_kavel(kavel)
{}

QString Report6::value(const char *field) const
{
    return m_kavel.textAt(0, m_kavel.fieldIndex(QString::fromUtf8(field)));
}

void Report6::section(ReportCanvas &c, const QString &heading)
{
    const QFont bold = ReportCanvas::font(10, true);
    const qreal left = c.margin();
    c.text(left, c.y(), heading, bold);
    c.advance(c.lineHeight(bold) + 1);
    c.line(left, c.y(), c.pageWidth() - c.margin(), c.y());
    c.advance(2);
}

void Report6::numberAndShareRows(ReportCanvas &c, const QString &number,
                                 std::initializer_list<std::array<const char *, 3>> rows)
{
    const QFont regular = ReportCanvas::font(10);
    const QFont underlined = ReportCanvas::font(10, false, true);
    const qreal left = c.margin() + labelIndent;
    c.text(left + numberColumn, c.y(), number, underlined);
    c.text(left + shareColumn, c.y(), QStringLiteral("Percentual"), underlined);
    c.advance(c.lineHeight(regular) + 1);
    for (const auto &[label, numberField, shareField] : rows) {
        c.text(left, c.y(), QString::fromUtf8(label), regular);
        c.text(left + numberColumn, c.y(), value(numberField), regular);
        c.text(left + shareColumn, c.y(), value(shareField), regular);
        c.advance(c.lineHeight(regular) + 1);
    }
    c.advance(5);
}

void Report6::body(ReportCanvas &c, const ReportParams &)
{
    const QFont bold = ReportCanvas::font(10, true);
    const QFont regular = ReportCanvas::font(10);
    const qreal left = c.margin() + labelIndent;
    const qreal albopictus = left + numberColumn;

    section(c, QStringLiteral("Índices"));
    c.text(left, c.y(), QStringLiteral("Aedes aegypti"), bold);
    c.text(albopictus, c.y(), QStringLiteral("Aedes albopictus"), bold);
    c.advance(c.lineHeight(bold) + 1);
    for (const auto &[label, aegypti, albopictusField] : {std::array<const char *, 3>{"IIP - ", "IIP", "IIPalb"},
                                                          std::array<const char *, 3>{"IB - ", "IB", "IBalb"}}) {
        const QString text = QString::fromUtf8(label);
        const qreal width = c.text(left, c.y(), text, bold);
        c.text(left + width + 1, c.y(), value(aegypti), regular);
        c.text(albopictus, c.y(), text, bold);
        c.text(albopictus + width + 1, c.y(), value(albopictusField), regular);
        c.advance(c.lineHeight(bold) + 1);
    }
    c.advance(5);

    section(c, QStringLiteral("N° e percentual de estratos em faixas de IIP para Aedes aegypti"));
    numberAndShareRows(c, QStringLiteral("Numero"),
                       {{"Estratos <= 0,9 - ", "E<0,9_N°", "E<0,9_%"},
                        {"1=< Estratos <=3,9 - ", "1<E<3,9_N°", "1<E<3,9_%"},
                        {"Estratos >= 4,0 - ", "E>4_N°", "E>4_%"}});

    section(c, QStringLiteral("N° e percentual de criadouros para Aedes aegypti"));
    numberAndShareRows(c, QStringLiteral("Número"),
                       {{"A1 -", "A1_N°", "A1_%"},
                        {"A2 - ", "A2_N°", "A2_%"},
                        {"B - ", "B_N°", "B_%"},
                        {"C - ", "C_N°", "C_%"},
                        {"D1 - ", "D1_N°", "D1_%"},
                        {"D2 - ", "D2_N°", "D2_%"},
                        {"E - ", "E_N°", "E_%"}});
}
