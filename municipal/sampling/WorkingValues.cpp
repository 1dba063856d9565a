#include "municipal/sampling/WorkingValues.h"

#include "common/DataSet.h"
#include "common/StepError.h"
#include "municipal/sampling/PlanFields.h"

WorkingValues::WorkingValues(DataSet &plan, QObject *parent) : QObject(parent), m_plan(&plan)
{
    connect(&plan, &DataSet::recordChanged, this, &WorkingValues::followStart);
    connect(&plan, &DataSet::rowsChanged, this, &WorkingValues::followStart);
    connect(&plan, &DataSet::fieldChanged, this, [this](int index) {
        if (m_plan && m_plan->isActive() && index < m_plan->fieldCount()
            && m_plan->field(index).name == PlanFields::QuartInicial)
            followStart();
    });
    followStart();
}

void WorkingValues::followStart()
{
    if (!m_plan || !m_plan->isActive())
        return;
    // Runs inside the plan's signals, where no error may escape: a plan
    // without the column has no start to follow.
    try {
        PosicaoProximoBairro = m_plan->asText(PlanFields::QuartInicial);
    } catch (const StepError &) {
        PosicaoProximoBairro.clear();
    }
    emit changed();
}
