#pragma once

#include <QStringList>

class QTextStream;

// The state module's subcommands, run in the working folder without a window:
// importar, listar, exportar, relatorio.
namespace StateCommandLine {

// True when the arguments start with a word (a subcommand, known or mistyped)
// or ask for the help; options such as --init are not commands.
bool isCommand(const QStringList &arguments);
// Whether the command paints (the report), and so needs fonts.
bool needsGui(const QStringList &arguments);

// Runs the subcommand in arguments[0]; returns the exit status: 0 done,
// 1 a file or statement refused, 2 a usage error or a missing database.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace StateCommandLine
