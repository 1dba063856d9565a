#pragma once

#include <QString>

// Column names of the sample plan and of the block definitions.
namespace PlanFields {
inline const QString Estrato = QStringLiteral("Estrato");
inline const QString NumeroDeImoveisNoEstrato = QStringLiteral("NumeroDeImoveisNoEstrato");
inline const QString TamanhoDaAmostra = QStringLiteral("TamanhoDaAmostra");
inline const QString NumeroDeQuarteiroesNoEstrato = QStringLiteral("NumeroDeQuarteiroesNoEstrato");
inline const QString EstimativaDeImoveisPorQuart = QStringLiteral("EstimativaDeImoveisPorQuart");
inline const QString QuartQueComporaoAmostra = QStringLiteral("QuartQueComporaoAmostra");
inline const QString PercentualDeQuartAmostrado = QStringLiteral("PercentualDeQuartAmostrado");
inline const QString IntervaloDeQuart = QStringLiteral("IntervaloDeQuart");
inline const QString QuartInicial = QStringLiteral("QuartInicial");

inline const QString Item = QStringLiteral("Item");
inline const QString Bairro = QStringLiteral("Bairro");
inline const QString Quarteirao = QStringLiteral("Quarteirao");
inline const QString Observacao = QStringLiteral("Observação");
inline const QString TotalQuartBairro = QStringLiteral("TotalQuartBairro");
inline const QString QuarteiroesATrabalhar = QStringLiteral("QuarteiroesATrabalhar");
// TotalQuartBairro is read by its fixed position.
inline constexpr int TotalQuartBairroPosition = 5;
} // namespace PlanFields
