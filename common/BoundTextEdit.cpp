#include "BoundTextEdit.h"

#include "DataSet.h"
#include "DataSource.h"
#include "Dialogs.h"
#include "StepError.h"

#include <QFocusEvent>

BoundTextEdit::BoundTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void BoundTextEdit::bind(DataSource *source, const QString &fieldName)
{
    m_source = source;
    m_field = fieldName;
    connect(source, &DataSource::dataSetChanged, this, &BoundTextEdit::attach);
    attach();
}

DataSet *BoundTextEdit::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

void BoundTextEdit::attach()
{
    if (m_attached)
        disconnect(m_attached, nullptr, this, nullptr);
    m_attached = dataSet();
    m_dirty = false;
    if (DataSet *ds = m_attached) {
        connect(ds, &DataSet::recordChanged, this, &BoundTextEdit::reload);
        connect(ds, &DataSet::rowsChanged, this, &BoundTextEdit::reload);
        connect(ds, &DataSet::stateChanged, this, &BoundTextEdit::reload);
        connect(ds, &DataSet::fieldChanged, this, [this](int index) {
            DataSet *ds = dataSet();
            if (ds && ds->field(index).name.compare(m_field, Qt::CaseInsensitive) == 0)
                reload();
        });
        ds->addEditor(this, [this, ds] {
            if (dataSet() == ds)
                flush();
        });
    }
    reload();
}

void BoundTextEdit::reload()
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
            text.clear();
        }
    }
    if (text != toPlainText())
        setPlainText(text);
}

void BoundTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString before = toPlainText();
    const bool wasDirty = m_dirty;
    m_dirty = true;
    QPlainTextEdit::keyPressEvent(event);
    if (toPlainText() == before) {
        m_dirty = wasDirty;
        return;
    }
    const QString typed = toPlainText();
    DataSet *ds = dataSet();
    const bool ok = Dialogs::runStep(this, [&] {
        if (ds && ds->isActive() && !ds->isEditing())
            ds->edit();
    });
    if (!ok || !ds) {
        m_dirty = false;
        reload();
        return;
    }
    if (toPlainText() != typed)
        setPlainText(typed); // putting the row into edit must not lose the keystroke
}

void BoundTextEdit::flush()
{
    if (!m_dirty)
        return;
    DataSet *ds = dataSet();
    if (!ds || !ds->isEditing()) {
        m_dirty = false;
        reload();
        return;
    }
    ds->setText(m_field, toPlainText());
    m_dirty = false;
}

void BoundTextEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    Dialogs::runStep(this, [this] { flush(); });
}
