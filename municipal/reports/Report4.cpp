#include "municipal/reports/Report4.h"

namespace {

QVector<StratumTableReport::Column> columns()
{
    const QString imoveis = QStringLiteral("Imóveis");
    const QString aeg = QStringLiteral("Ae.aegypti (%)");
    const QString alb = QStringLiteral("Ae.albopictus (%)");
    const QString iip = QStringLiteral("IIP (%)");
    const QString ib = QStringLiteral("IB (%)");
    QVector<StratumTableReport::Column> list{
        {QString(), QStringLiteral("Estrato"), QStringLiteral("Estrato"), 15},
        {imoveis, QStringLiteral("Prog."), QStringLiteral("ImoveisProgramados"), 13},
        {imoveis, QStringLiteral("Insp."), QStringLiteral("ImoveisInspecionados"), 13},
        {aeg, QStringLiteral("TB"), QStringLiteral("ImoveisComAegTB"), 14},
        {aeg, QStringLiteral("Outros"), QStringLiteral("ImoveisComAegOutros"), 16},
        {alb, QStringLiteral("TB"), QStringLiteral("ImoveisComAlbTB"), 16},
        {alb, QStringLiteral("Outros"), QStringLiteral("ImoveisComAlbOutros"), 16},
        {QString(), QStringLiteral("%  de  Perda"), QStringLiteral("PerdaNaAmostra"), 23},
        {iip, QStringLiteral("aeg."), QStringLiteral("IIPaeg"), 13},
        {iip, QStringLiteral("alb."), QStringLiteral("IIPalb"), 13},
        {ib, QStringLiteral("aeg."), QStringLiteral("IBaeg"), 13},
        {ib, QStringLiteral("alb."), QStringLiteral("IBalb"), 13},
    };
    for (const char *cls : {"A1", "A2", "B", "C", "D1", "D2", "E"})
        list.append({QStringLiteral("ITR (Ae.aegypti [%])"), QLatin1String(cls), QLatin1String(cls), 13});
    return list;
}

} // namespace

Report4::Report4(const DataSet &strata)
    : StratumTableReport({QStringLiteral("Índices"), false, false, 14, true, true, false}, strata, columns())
{}
