#include "common/FieldBinding.h"

#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/StepError.h"

FieldBinding::FieldBinding(QObject *control, std::function<QString()> controlText,
                           std::function<void(const QString &)> show)
    : QObject(control), m_control(control), m_controlText(std::move(controlText)), m_show(std::move(show))
{}

void FieldBinding::bind(DataSource *source, const QString &fieldName)
{
    m_source = source;
    m_field = fieldName;
    connect(source, &DataSource::dataSetChanged, this, &FieldBinding::attach);
    attach();
}

DataSet *FieldBinding::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

void FieldBinding::attach()
{
    if (m_attached)
        disconnect(m_attached, nullptr, this, nullptr);
    m_attached = dataSet();
    m_dirty = false;
    if (DataSet *ds = m_attached) {
        connect(ds, &DataSet::recordChanged, this, &FieldBinding::reload);
        connect(ds, &DataSet::rowsChanged, this, &FieldBinding::reload);
        connect(ds, &DataSet::stateChanged, this, &FieldBinding::reload);
        connect(ds, &DataSet::fieldChanged, this, [this](int index) {
            DataSet *ds = dataSet();
            if (ds && index < ds->fieldCount() && ds->field(index).name.compare(m_field, Qt::CaseInsensitive) == 0)
                reload();
        });
        ds->addEditor(m_control, [this, ds] {
            if (dataSet() == ds)
                flush();
        });
    }
    reload();
}

void FieldBinding::reload()
{
    DataSet *ds = dataSet();
    if (m_dirty && ds && ds->isEditing())
        return;
    m_dirty = false;
    QString text;
    if (ds && ds->isActive() && !ds->isEmpty()) {
        try {
            text = ds->asText(m_field);
        } catch (const StepError &) {
            text.clear(); // a column the data set does not have shows nothing
        }
    }
    m_show(text);
}

void FieldBinding::typed()
{
    DataSet *ds = dataSet();
    if (!ds || !ds->isActive()) {
        m_dirty = false;
        return;
    }
    // Dirty first: putting the row into edit reloads the bound controls.
    m_dirty = true;
    if (!ds->isEditing()) {
        try {
            ds->edit();
        } catch (const StepError &) {
            m_dirty = false;
            reload();
            throw;
        }
    }
}

void FieldBinding::flush()
{
    if (!m_dirty)
        return;
    DataSet *ds = dataSet();
    if (!ds || !ds->isEditing()) {
        m_dirty = false;
        reload();
        return;
    }
    ds->setText(m_field, m_controlText()); // throws and stays dirty when refused
    m_dirty = false;
    reload();
}
