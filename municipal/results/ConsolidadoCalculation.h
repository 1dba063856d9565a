#pragma once

class TDataModule1;

// "Cálculo" of the page "Entrada de dados": the per-stratum totals and their
// plausibility verdict, the totals of all strata, then each stratum's indices
// and the shares of the container classes. The three passes are one database
// transaction: a failure part-way leaves every table as it was before and
// throws StepError.
//
// Each stratum's indices go to the row of `Indices` with the same `Estrato`
// (the k-th row of a stratum number to the k-th such row), whatever the
// stratum query lists; a stratum of `Consolidado` without a row in `Indices`
// gets one. The stratum query keeps its text and is read again at the end.
namespace ConsolidadoCalculation {

void run(TDataModule1 &dm);

} // namespace ConsolidadoCalculation
