#pragma once

#include "common/UserQuestions.h"

#include <QPointer>
#include <QWidget>

// The questions of an algorithm answered through the dialogs of a window.
class DialogQuestions : public UserQuestions
{
public:
    explicit DialogQuestions(QWidget *parent) : m_parent(parent) {}
    bool question(const QString &title, const QString &text, bool noIsDefault = false) override;
    void message(const QString &title, const QString &text) override;
    std::optional<QString> inputText(const QString &title, const QString &label) override;

private:
    QPointer<QWidget> m_parent;
};
