#pragma once

class TDataModule1;
class UserQuestions;
class WorkingValues;

// The blocks to work in each neighbourhood of a stratum, picked
// systematically from the stratum's random start, one every interval, the
// position carried from one neighbourhood into the next in the order the
// user computes them. Failures throw StepError; what was done before stays.
namespace BlockSelection {

// Texts written into the neighbourhood's observation.
inline constexpr const char *toWork = "Quarteirões a trabalhar";
inline constexpr const char *notSurveyed = "       Não levantar";

// A key typed in "Quarteirões :": the item goes into edit and its block list
// is emptied, so the next calculation is a fresh selection.
void blockCountTyped(TDataModule1 &dm);

// "Cálculo": the selection of the current item (fresh, or from a typed
// start), the stratum total, and the check of the announced neighbourhoods.
// Does nothing unless the current item is being entered or edited.
void calculate(TDataModule1 &dm, WorkingValues &values, UserQuestions &ask);

// The page was shown: the stratum total again, then the first item.
void recomputeStratumTotal(TDataModule1 &dm, WorkingValues &values);

// "Novo item" and "Excluir registro".
void newItem(TDataModule1 &dm, UserQuestions &ask);
void deleteItem(TDataModule1 &dm, UserQuestions &ask);

} // namespace BlockSelection
