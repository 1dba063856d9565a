#include "common/BoundLineEdit.h"

#include "common/Dialogs.h"
#include "common/FieldBinding.h"

#include <QFocusEvent>

BoundLineEdit::BoundLineEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_binding(new FieldBinding(
          this, [this] { return text(); },
          [this](const QString &t) {
              if (t != text())
                  setText(t);
          }))
{
    connect(this, &QLineEdit::textEdited, this, [this] { Dialogs::runStep(this, [this] { m_binding->typed(); }); });
}

void BoundLineEdit::bind(DataSource *source, const QString &fieldName)
{
    m_binding->bind(source, fieldName);
}

void BoundLineEdit::flush()
{
    m_binding->flush();
}

void BoundLineEdit::typeText(const QString &text)
{
    setText(text);
    m_binding->typed();
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
