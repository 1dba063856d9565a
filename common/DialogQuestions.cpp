#include "common/DialogQuestions.h"

#include "common/Dialogs.h"

bool DialogQuestions::question(const QString &title, const QString &text, bool noIsDefault)
{
    return Dialogs::question(m_parent, title, text, noIsDefault);
}

void DialogQuestions::message(const QString &title, const QString &text)
{
    Dialogs::message(m_parent, title, text);
}

std::optional<QString> DialogQuestions::inputText(const QString &title, const QString &label)
{
    return Dialogs::inputText(m_parent, title, label);
}
