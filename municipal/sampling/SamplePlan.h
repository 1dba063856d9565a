#pragma once

#include <QtGlobal>

#include <functional>

class QWidget;
class TDataModule1;
class DataSet;
class WorkingValues;

// The plan of each stratum: sample size, dwellings per block, blocks to
// sample, share, interval and random start; and what confirming a stratum's
// blocks rebuilds from the whole plan. Every computed value is written as
// its formatted text and read back from that text by the next step.
// Failures throw StepError; what was stored before stays stored.
namespace SamplePlan {

using SeedSource = std::function<quint32()>;

// When the dwellings box is left: the sample size. Nothing when it is empty.
void sampleSize(DataSet &plan);

// When the blocks box is left: the block plan and the random start, the
// question for the number of neighbourhoods, then the needs record and the
// per-stratum rows of Consolidado and Indices made anew from the whole plan.
void blockPlan(TDataModule1 &dm, WorkingValues &values, const SeedSource &seed, QWidget *parent);

// "Novo Estrato": a new stratum numbered after the last one.
void newStratum(TDataModule1 &dm, WorkingValues &values, QWidget *parent);

// "Excluir": deletes the current stratum after confirmation.
void deleteStratum(TDataModule1 &dm, QWidget *parent);

} // namespace SamplePlan
