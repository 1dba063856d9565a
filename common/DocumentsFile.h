#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

// A file the program hands to the user in the documents folder.
namespace DocumentsFile {

// The user's documents folder, created when it does not exist yet.
QString folder();

// `name` with the characters a file name cannot hold, and a leading dot, replaced by '_'.
QString safeName(const QString &name);

// Writes `name` into the documents folder: asks before replacing a file of
// that name (No is the default), writes through `write` into a temporary file
// beside it and moves that into place, so a failed write leaves any old file
// as it was, then opens it with the desktop's default application. Returns
// the path, or an empty text when the user kept the old file. Throws
// StepError for a name that is not a plain file name, a failed write or a
// desktop that cannot open the file.
QString save(QWidget *parent, const QString &name, const std::function<void(const QString &path)> &write);
// The same for a file whose bytes are ready.
QString save(QWidget *parent, const QString &name, const QByteArray &contents);

} // namespace DocumentsFile
