#include "common/BoundLookupCombo.h"

#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/Dialogs.h"
#include "common/StepError.h"

BoundLookupCombo::BoundLookupCombo(QWidget *parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this,
            [this](int index) { Dialogs::runStep(this, [this, index] { choose(index); }); });
}

DataSet *BoundLookupCombo::target() const
{
    return m_target ? m_target->dataSet() : nullptr;
}

DataSet *BoundLookupCombo::list() const
{
    return m_list ? m_list->dataSet() : nullptr;
}

void BoundLookupCombo::bind(DataSource *target, const QString &field, DataSource *list, const QString &keyField,
                            const QString &displayField)
{
    m_target = target;
    m_list = list;
    m_field = field;
    m_keyField = keyField;
    m_displayField = displayField;
    if (DataSet *ds = this->target()) {
        Dialogs::connectStep(ds, &DataSet::recordChanged, this, &BoundLookupCombo::showCurrent);
        Dialogs::connectStep(ds, &DataSet::rowsChanged, this, &BoundLookupCombo::showCurrent);
        Dialogs::connectStep(ds, &DataSet::fieldChanged, this, &BoundLookupCombo::showCurrent);
    }
    if (DataSet *ds = this->list())
        Dialogs::connectStep(ds, &DataSet::rowsChanged, this, &BoundLookupCombo::refill);
    refill();
}

void BoundLookupCombo::refill()
{
    const QSignalBlocker blocker(this);
    QComboBox::clear();
    DataSet *ds = list();
    if (ds && ds->isActive()) {
        const int display = ds->fieldIndex(m_displayField);
        const int key = ds->fieldIndex(m_keyField);
        for (int row = 0; row < ds->recordCount(); ++row)
            addItem(ds->textAt(row, display), ds->textAt(row, key));
    }
    showCurrent();
}

void BoundLookupCombo::showCurrent()
{
    const QSignalBlocker blocker(this);
    DataSet *ds = target();
    QString key;
    if (ds && ds->isActive() && !ds->isEmpty())
        key = ds->asText(m_field);
    if (key.isEmpty())
        m_cleared = false;
    setCurrentIndex(m_cleared || key.isEmpty() ? -1 : findData(key));
}

void BoundLookupCombo::clearChoice()
{
    const QSignalBlocker blocker(this);
    m_cleared = true;
    setCurrentIndex(-1);
}

void BoundLookupCombo::choose(int index)
{
    DataSet *ds = target();
    if (!ds || index < 0)
        return;
    m_cleared = false;
    const QString key = itemData(index).toString();
    if (!ds->isEditing())
        ds->edit();
    ds->setText(m_field, key);
    if (DataSet *l = list())
        l->moveTo(index + 1);
    showCurrent();
    emit chosen();
}
