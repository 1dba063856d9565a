#include "common/Dialogs.h"

#include "common/StepError.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

#include <deque>

namespace Dialogs {

namespace {

struct Script
{
    bool scripted = false;
    std::deque<QVariant> answers;
    QVector<Shown> shown;
};

Script &script()
{
    static Script s;
    return s;
}

// In scripted mode: logs the dialog and takes the next queued answer, or the
// given default when the test queued none.
QVariant scriptedAnswer(const QString &kind, const QString &title, const QString &text, const QVariant &fallback)
{
    Script &s = script();
    s.shown.push_back({kind, title, text});
    if (s.answers.empty())
        return fallback;
    QVariant answer = s.answers.front();
    s.answers.pop_front();
    return answer;
}

} // namespace

bool question(QWidget *parent, const QString &title, const QString &text, bool noIsDefault)
{
    if (script().scripted)
        return scriptedAnswer(QStringLiteral("question"), title, text, false).toBool();
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 noIsDefault ? QMessageBox::No : QMessageBox::NoButton)
           == QMessageBox::Yes;
}

void message(QWidget *parent, const QString &title, const QString &text)
{
    if (script().scripted) {
        scriptedAnswer(QStringLiteral("message"), title, text, {});
        return;
    }
    QMessageBox::information(parent, title, text);
}

void error(QWidget *parent, const QString &text)
{
    if (script().scripted) {
        scriptedAnswer(QStringLiteral("error"), QString(), text, {});
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Erro"), text);
}

std::optional<QString> inputText(QWidget *parent, const QString &title, const QString &label,
                                 const QString &defaultText)
{
    if (script().scripted) {
        const QVariant answer = scriptedAnswer(QStringLiteral("input"), title, label, QVariant());
        if (answer.isNull())
            return std::nullopt;
        return answer.toString();
    }
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &startFolder, const QString &filter,
                     const QString &defaultSuffix)
{
    if (script().scripted)
        return scriptedAnswer(QStringLiteral("save"), caption, startFolder, QString()).toString();
    QFileDialog dialog(parent, caption, startFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QStringList openFileNames(QWidget *parent, const QString &caption, const QString &startPath, const QString &filter)
{
    if (script().scripted)
        return scriptedAnswer(QStringLiteral("open"), caption, startPath, QStringList()).toStringList();
    return QFileDialog::getOpenFileNames(parent, caption, startPath, filter);
}

QVariant choose(const QString &kind, const std::function<QVariant()> &show)
{
    if (script().scripted)
        return scriptedAnswer(QStringLiteral("choose"), kind, QString(), QVariant());
    return show();
}

bool openWithDesktop(const QString &path)
{
    if (script().scripted)
        return scriptedAnswer(QStringLiteral("desktop"), QString(), path, true).toBool();
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString saveFileNameUnconfirmed(QWidget *parent, const QString &caption, const QString &startPath,
                                const QString &filter)
{
    if (script().scripted)
        return scriptedAnswer(QStringLiteral("save"), caption, startPath, QString()).toString();
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

bool runStep(QWidget *parent, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const StepError &e) {
        error(parent, e.message());
        return false;
    }
}

void setScripted(bool scripted)
{
    script().scripted = scripted;
}

bool isScripted()
{
    return script().scripted;
}

void answerNext(const QVariant &answer)
{
    script().answers.push_back(answer);
}

QVector<Shown> shown()
{
    return script().shown;
}

void clearShown()
{
    script().shown.clear();
    script().answers.clear();
}

} // namespace Dialogs
