#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class TDataModule1;
class DataSet;
class UserQuestions;
class WorkingValues;

// The plan of each stratum: sample size, dwellings per block, blocks to
// sample, share, interval and random start; and what confirming a stratum's
// blocks rebuilds from the whole plan. Every computed value is written as
// its formatted text and read back from that text by the next step.
// Failures throw StepError; what was stored before stays stored.
namespace SamplePlan {

using SeedSource = std::function<quint32()>;

// The texts that the dwellings, the blocks and the sample size of a stratum
// give: dwellings per block, blocks in the sample, share and interval.
struct BlockPlanTexts
{
    QString estimate;
    QString sampled;
    QString share;
    QString interval;
};
BlockPlanTexts blockPlanTexts(const QString &dwellings, const QString &blocks, const QString &sampleSize);

// When the dwellings box is left: the sample size. Nothing when it is empty.
void sampleSize(DataSet &plan);

// When the blocks box is left: the block plan and the random start, the
// question for the number of neighbourhoods, then the needs record and the
// per-stratum rows of Consolidado and Indices made anew from the whole plan,
// all stored together or not at all. Nothing happens when the stratum's
// stored plan, its random start and its results rows already follow from its
// dwellings and blocks; typed results are deleted only when the user agrees.
void blockPlan(TDataModule1 &dm, WorkingValues &values, const SeedSource &seed, UserQuestions &ask);

// "Novo Estrato": a new stratum numbered after the last one.
void newStratum(TDataModule1 &dm, WorkingValues &values, UserQuestions &ask);

// "Excluir": deletes the current stratum after confirmation.
void deleteStratum(TDataModule1 &dm, UserQuestions &ask);

} // namespace SamplePlan
