#pragma once

#include <QString>

#include <optional>

// What an algorithm may ask the user halfway through its steps. The window
// that runs the algorithm answers through its dialogs; a test answers from a
// script. The algorithm itself never opens a window.
class UserQuestions
{
public:
    virtual ~UserQuestions() = default;
    // Yes / No; true for Yes. `noIsDefault` when a slip of the Enter key must not say Yes.
    virtual bool question(const QString &title, const QString &text, bool noIsDefault = false) = 0;
    virtual void message(const QString &title, const QString &text) = 0;
    // Line input; nothing when cancelled.
    virtual std::optional<QString> inputText(const QString &title, const QString &label) = 0;
};
