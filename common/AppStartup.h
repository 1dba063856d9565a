#pragma once

#include <QString>

#include <functional>

class QApplication;

// What both programs do on starting, around their own database and windows.
namespace AppStartup {

// True when the command line asks for a new, empty database ("--init").
bool wantsInit(int argc, char *argv[]);

// Writes the new database with `create`, without a display: says so on stdout,
// or gives the reason on stderr. Returns the exit code.
int initDatabase(int &argc, char *argv[], const QString &fileName, const std::function<void(const QString &)> &create);

// Names the application and installs the Portuguese translations.
void prepare(QApplication &app, const QString &name);

// Runs `open` (the lock, the database, the windows). When it throws StepError
// the reason goes to stderr and, with a display, to a message box; returns false.
bool open(const std::function<void()> &open);

} // namespace AppStartup
