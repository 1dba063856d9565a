#include "municipal/reports/Report3.h"

namespace {

QVector<StratumTableReport::Column> columns()
{
    const QString imoveis = QStringLiteral("Imóveis");
    const QString aeg = QStringLiteral("Ae.aegypti");
    const QString alb = QStringLiteral("Ae.albopictus");
    const QString criadouros = QStringLiteral("Criadouros de Ae. aegypti");
    QVector<StratumTableReport::Column> list{
        {QString(), QStringLiteral("Estrato"), QStringLiteral("Estrato"), 20},
        {imoveis, QStringLiteral("Prog."), QStringLiteral("ImoveisProgramados"), 18},
        {imoveis, QStringLiteral("Insp."), QStringLiteral("ImoveisInspecionados"), 18},
        {aeg, QStringLiteral("TB"), QStringLiteral("ImoveisComAegTB"), 16},
        {aeg, QStringLiteral("Outros"), QStringLiteral("ImoveisComAegOutros"), 20},
        {alb, QStringLiteral("TB"), QStringLiteral("ImoveisComAlbTB"), 16},
        {alb, QStringLiteral("Outros"), QStringLiteral("ImoveisComAlbOutros"), 20},
    };
    for (const char *cls : {"A1", "A2", "B", "C", "D1", "D2", "E"})
        list.append({criadouros, QLatin1String(cls), QStringLiteral("DepositoAeg") + QLatin1String(cls), 16});
    return list;
}

} // namespace

Report3::Report3(const DataSet &consolidado)
    : StratumTableReport({QStringLiteral("Consolidação  de   dados"), false, false, 14, true, true, true}, consolidado,
                         columns())
{}
