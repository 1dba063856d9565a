#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QWidget;

namespace TestSupport {

// A fresh temporary folder that is the current folder while it lives.
class WorkFolder
{
public:
    WorkFolder();
    ~WorkFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // Writes a new municipality database here with the program's own --init.
    void initMunicipalDatabase() const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A temporary folder made the user's home, so the documents folder is the test's own.
std::unique_ptr<QTemporaryDir> ownHome();

// Runs the sqlite3 command-line shell on a database file and returns what it prints.
QString sqlite(const QString &dbFile, const QString &sql);

// Runs a program; returns its exit code and fills its outputs.
int run(const QString &program, const QStringList &arguments, const QString &folder, QString *out = nullptr,
        QString *err = nullptr);

// Text of a PDF file through pdftotext, page breaks as form feeds.
QString pdfText(const QString &pdfFile);

// The visible control whose accessible name is `caption`, below `root`.
QWidget *findByCaption(QWidget *root, const QString &caption);
// Every control below `root` that takes typing or clicks and carries no accessible name.
QStringList unnamedControls(QWidget *root);

// Drives a real modal dialog the way a user does: from the event loop of the
// dialog that is about to open, `act` is offered the active modal window
// until it returns true (it took that window as its own). Gives up after a
// few seconds.
void whenModal(const std::function<bool(QWidget *)> &act);

// The user's decimal separator.
QString decimalPoint();
// A number text written with '.', in the user's format.
QString local(const QString &number);
// The same with the separator the user does not use.
QString foreign(const QString &number);

} // namespace TestSupport
