#include "common/Accessibility.h"

#include <QAbstractButton>
#include <QLabel>

namespace Accessibility {

void label(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    QString caption = label->text();
    caption.remove(QLatin1Char('&'));
    control->setAccessibleName(caption.trimmed());
}

void hint(QAbstractButton *button, const QString &hint)
{
    button->setToolTip(hint);
    button->setAccessibleName(hint);
}

void buttonsFocusedByKeyboardOnly(QWidget *root)
{
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        button->setFocusPolicy(Qt::TabFocus);
}

} // namespace Accessibility
