#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <optional>

class QWidget;

// The one way the programs talk to the user through modal dialogs and hand
// files to other applications. Tests switch it to scripted mode, queue the
// answers in advance and read back what would have been shown.
namespace Dialogs {

// Yes / No question; true for Yes. No is the default button when `noIsDefault`.
bool question(QWidget *parent, const QString &title, const QString &text, bool noIsDefault = false);
// Plain message with an OK button.
void message(QWidget *parent, const QString &title, const QString &text);
// Error message of a failed step.
void error(QWidget *parent, const QString &text);
// Line input; nothing when cancelled.
std::optional<QString> inputText(QWidget *parent, const QString &title, const QString &label,
                                 const QString &defaultText = QString());
// File dialog for a new file, starting in `startFolder`; empty when cancelled.
// A name typed without an extension gets `defaultSuffix`; the dialog asks
// before an existing file is replaced.
QString saveFileName(QWidget *parent, const QString &caption, const QString &startFolder, const QString &filter,
                     const QString &defaultSuffix = QString());
// One or several existing files to open; empty when cancelled.
QStringList openFileNames(QWidget *parent, const QString &caption, const QString &startPath, const QString &filter);
// A custom choice dialog (the report output options): `show` runs the real
// dialog and returns its result; in scripted mode the queued answer is returned instead.
QVariant choose(const QString &kind, const std::function<QVariant()> &show);
// Opens a file with the desktop's default application.
bool openWithDesktop(const QString &path);
// A save dialog that leaves replacing an existing file to the caller, who asks
// through question(); empty when cancelled. Scripted like saveFileName().
QString saveFileNameUnconfirmed(QWidget *parent, const QString &caption, const QString &startPath,
                                const QString &filter);

// Runs one user action; a StepError ends it and its message is shown.
// Returns false when the action failed.
bool runStep(QWidget *parent, const std::function<void()> &action);

// Makes a handler of `owner` the user action that `signal` starts.
template <typename Sender, typename Signal, typename Owner>
void connectStep(Sender *sender, Signal signal, Owner *owner, void (Owner::*handler)())
{
    QObject::connect(sender, signal, owner,
                     [owner, handler] { runStep(owner, [owner, handler] { (owner->*handler)(); }); });
}

// ---- scripted mode, for tests --------------------------------------------
struct Shown
{
    QString kind; // "question", "message", "error", "input", "save", "open", "choose", "desktop"
    QString title;
    QString text;
};

void setScripted(bool scripted);
bool isScripted();
// Queues the answer to the next dialog: bool for a question or for whether
// the desktop opened a file (it does, unless told), a QString for an input or
// file dialog (a null QVariant cancels it), a QStringList for an open dialog,
// any value for choose().
void answerNext(const QVariant &answer);
QVector<Shown> shown();
void clearShown();

} // namespace Dialogs
