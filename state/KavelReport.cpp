#include "state/KavelReport.h"

#include "common/DataSet.h"
#include "common/StepError.h"
#include "common/report/ReportCanvas.h"

namespace {

// Inches from the printing area's corner, which lies 0.3 in from the left
// and 0.2 in from the top of the page, to millimetres on the page.
qreal x(qreal inches)
{
    return (0.3 + inches) * 25.4;
}
qreal y(qreal inches)
{
    return (0.2 + inches) * 25.4;
}

constexpr qreal headerHeight = 2.5;
constexpr qreal bandHeight = 0.3;
constexpr qreal areaHeight = 7.2;

struct Column
{
    qreal left;
    const char *field;
};

const Column columns[] = {
    {0.0, "Municipio"}, {1.1, "Periodo"}, {2.4, "IIP"},        {2.8, "IIPalb"},    {3.1, "IB"},     {3.4, "IBalb"},
    {3.9, "E<0,9_N°"},  {4.2, "E<0,9_%"}, {4.6, "1<E<3,9_N°"}, {4.9, "1<E<3,9_%"}, {5.4, "E>4_N°"}, {5.6, "E>4_%"},
    {6.2, "A1_N°"},     {6.4, "A1_%"},    {6.8, "A2_N°"},      {7.0, "A2_%"},      {7.4, "B_N°"},   {7.6, "B_%"},
    {8.0, "C_N°"},      {8.2, "C_%"},     {8.6, "D1_N°"},      {8.8, "D1_%"},      {9.3, "D2_N°"},  {9.5, "D2_%"},
    {9.9, "E_N°"},      {10.1, "E_%"},
};

struct Label
{
    qreal left;
    qreal top;
    const char *text;
};

const Label headings[] = {
    {0.0, 1.7, "Município"},   {1.4, 1.7, "Período"}, {2.8, 1.7, "Índices"}, {4.3, 1.7, "Classificação   dos   IIP"},
    {7.9, 1.7, "Criadouros"},  {2.6, 2.0, "IIP"},     {3.2, 2.0, "IB"},      {3.9, 2.0, "IIP<=0,9"},
    {4.5, 2.0, "1<=IIP<=3,9"}, {5.4, 2.0, "IIP>=4"},  {6.3, 2.0, "A1"},      {6.9, 2.0, "A2"},
    {7.5, 2.0, "B"},           {8.1, 2.0, "C"},       {8.7, 2.0, "D1"},      {9.4, 2.0, "D2"},
    {10.0, 2.0, "E"},
};

} // namespace

KavelReport::KavelReport(const DataSet &result) : m_result(result)
{
    if (!result.isActive())
        throw StepError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

int KavelReport::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_result.fieldCount(); ++i)
        if (m_result.field(i).name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1; // a result without this column prints nothing there
}

QString KavelReport::text(int row, const QString &field) const
{
    const int index = fieldIndex(field);
    return index < 0 ? QString() : m_result.textAt(row, index);
}

void KavelReport::header(ReportCanvas &c, const ReportParams &)
{
    const QFont office = ReportCanvas::font(18, true);
    c.text(x(0.0), y(0.0), QStringLiteral("Kavel/Pelvane"), office);
    c.text(x(0.0), y(0.0) + c.lineHeight(office), QStringLiteral("CEVA"), office);
    c.line(x(0.0), y(0.7) + c.lineHeight(office), x(3.0), y(0.7) + c.lineHeight(office));
    c.text(x(4.5), y(0.6), QStringLiteral("Nubrel 1.2"), ReportCanvas::font(20, true));
    c.text(x(4.3), y(1.0), QStringLiteral("Módulo do Estado"), ReportCanvas::font(16, true));
    // The logo: the product's name in a frame.
    const QRectF logo(x(8.2), y(0.0), 2.2 * 25.4, 0.6 * 25.4);
    c.frame(logo, 0.5);
    c.text(logo, QStringLiteral("NUBREL · Estados"), ReportCanvas::font(14, true), Qt::AlignCenter);
    c.text(x(9.7), y(0.8), text(m_row, QStringLiteral("UF")), ReportCanvas::font(22, true));

    c.line(x(0.0), y(1.4), x(10.5), y(1.4));
    const QFont bold = ReportCanvas::font(8, true);
    const QFont regular = ReportCanvas::font(8);
    for (const Label &h : headings)
        c.text(x(h.left), y(h.top), QString::fromUtf8(h.text), bold);
    c.line(x(2.5), y(1.9), x(3.5), y(1.9));
    c.line(x(3.8), y(1.9), x(5.8), y(1.9));
    c.line(x(6.1), y(1.9), x(10.3), y(1.9));
    for (const qreal left : {3.9, 4.6, 5.4})
        c.line(x(left), y(2.15), x(left + 0.5), y(2.15));
    for (const qreal left : {2.4, 3.1})
        c.text(x(left), y(2.2), QStringLiteral("aeg"), regular);
    for (const qreal left : {2.8, 3.4})
        c.text(x(left), y(2.2), QStringLiteral("alb"), regular);
    for (int i = 6; i < int(std::size(columns)); i += 2) {
        c.text(x(columns[i].left), y(2.2), QStringLiteral("N°"), bold);
        c.text(x(columns[i + 1].left), y(2.2), QStringLiteral("%"), bold);
    }
    c.line(x(0.0), y(2.4), x(10.5), y(2.4));
    c.setY(y(headerHeight));
}

void KavelReport::body(ReportCanvas &c, const ReportParams &)
{
    const QFont regular = ReportCanvas::font(8);
    const qreal band = bandHeight * 25.4;
    QVector<int> fields;
    for (const Column &column : columns)
        fields << fieldIndex(QString::fromUtf8(column.field));
    for (m_row = 0; m_row < m_result.recordCount(); ++m_row) {
        if (c.y() + band > y(areaHeight) + 0.01)
            c.newPage();
        for (int i = 0; i < fields.size(); ++i)
            if (fields[i] >= 0)
                c.textOnly(x(columns[i].left), c.y() + 0.1 * 25.4, m_result.textAt(m_row, fields[i]), regular);
        c.advance(band);
    }
}
