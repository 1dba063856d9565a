#include "common/BoundTextEdit.h"

#include "common/Dialogs.h"
#include "common/FieldBinding.h"

#include <QFocusEvent>

BoundTextEdit::BoundTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_binding(new FieldBinding(
          this, [this] { return toPlainText(); },
          [this](const QString &t) {
              if (t != toPlainText())
                  setPlainText(t);
          }))
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void BoundTextEdit::bind(DataSource *source, const QString &fieldName)
{
    m_binding->bind(source, fieldName);
}

void BoundTextEdit::keyPressEvent(QKeyEvent *event)
{
    const QString before = toPlainText();
    QPlainTextEdit::keyPressEvent(event);
    if (isReadOnly() || toPlainText() == before)
        return;
    const QString typed = toPlainText();
    if (!Dialogs::runStep(this, [this] { m_binding->typed(); }))
        return;
    if (toPlainText() != typed)
        setPlainText(typed); // putting the row into edit must not lose the keystroke
}

void BoundTextEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    Dialogs::runStep(this, [this] { m_binding->flush(); });
}
