#pragma once

#include "common/UserQuestions.h"

#include <QVariant>
#include <QVector>

#include <deque>

// The user's answers to an algorithm's questions, given in advance by a
// test; what was asked is kept for the test to read. No window is involved.
class ScriptedQuestions : public UserQuestions
{
public:
    struct Asked
    {
        QString kind; // "question", "message", "input"
        QString title;
        QString text;
    };

    // The answer to the next question (bool) or input (a QString; a null QVariant cancels).
    void answerNext(const QVariant &answer) { m_answers.push_back(answer); }
    QVector<Asked> shown() const { return m_asked; }

    bool question(const QString &title, const QString &text, bool = false) override
    {
        return next(QStringLiteral("question"), title, text, false).toBool();
    }
    void message(const QString &title, const QString &text) override
    {
        next(QStringLiteral("message"), title, text, QVariant());
    }
    std::optional<QString> inputText(const QString &title, const QString &label) override
    {
        const QVariant answer = next(QStringLiteral("input"), title, label, QVariant());
        if (answer.isNull())
            return std::nullopt;
        return answer.toString();
    }

private:
    // Unanswered questions get No, unanswered inputs are cancelled.
    QVariant next(const QString &kind, const QString &title, const QString &text, const QVariant &fallback)
    {
        m_asked.push_back({kind, title, text});
        if (m_answers.empty())
            return fallback;
        QVariant answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::deque<QVariant> m_answers;
    QVector<Asked> m_asked;
};
