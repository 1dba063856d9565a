#include "BoundLineEdit.h"

#include "DataSet.h"
#include "DataSource.h"
#include "Dialogs.h"
#include "StepError.h"

#include <QFocusEvent>

BoundLineEdit::BoundLineEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] { Dialogs::runStep(this, [this] { startEdit(); }); });
}

void BoundLineEdit::bind(DataSource *source, const QString &fieldName)
{
    m_source = source;
    m_field = fieldName;
    connect(source, &DataSource::dataSetChanged, this, &BoundLineEdit::attach);
    attach();
}

DataSet *BoundLineEdit::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

void BoundLineEdit::attach()
{
    if (m_attached)
        disconnect(m_attached, nullptr, this, nullptr);
    m_attached = dataSet();
    m_dirty = false;
    if (DataSet *ds = m_attached) {
        connect(ds, &DataSet::recordChanged, this, &BoundLineEdit::reload);
        connect(ds, &DataSet::rowsChanged, this, &BoundLineEdit::reload);
        connect(ds, &DataSet::stateChanged, this, &BoundLineEdit::reload);
        connect(ds, &DataSet::fieldChanged, this, [this](int index) {
            DataSet *ds = dataSet();
            if (ds && index < ds->fieldCount() && ds->field(index).name.compare(m_field, Qt::CaseInsensitive) == 0)
                reload();
        });
        ds->addEditor(this, [this, ds] {
            if (dataSet() == ds)
                flush();
        });
    }
    reload();
}

void BoundLineEdit::reload()
{
    DataSet *ds = dataSet();
    // What the user typed stays until it is written, or until the edit ends.
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
    if (text != this->text())
        setText(text);
}

void BoundLineEdit::startEdit()
{
    DataSet *ds = dataSet();
    if (!ds || !ds->isActive()) {
        m_dirty = false;
        return;
    }
    // Dirty first: putting the row into edit reloads the bound boxes.
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

void BoundLineEdit::flush()
{
    if (!m_dirty)
        return;
    DataSet *ds = dataSet();
    if (!ds || !ds->isEditing()) {
        m_dirty = false;
        reload();
        return;
    }
    ds->setText(m_field, text()); // throws and stays dirty when refused
    m_dirty = false;
    reload();
}

void BoundLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a menu taking the focus is no exit from the box.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (Dialogs::runStep(this, [this] { flush(); }))
        emit exited(reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
}
