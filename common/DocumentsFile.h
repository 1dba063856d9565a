#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Saving a file the program made for the user into the user's documents
// folder, then handing it to the desktop's default application.
namespace DocumentsFile {

// The user's documents folder.
QString folder();

// `fileName` with the characters a file name cannot hold replaced by '_'.
QString safeName(const QString &fileName);

// Saves `contents` as `fileName` in the documents folder (created when
// missing). An existing file of that name is replaced only when the user
// answers "Sim"; on "Não" nothing is written and an empty path is returned.
// The file is written beside its final place and renamed over it, so a
// failure leaves the old file, or none, and never a half-written one. Then
// the file is opened with the desktop. Returns the path saved; throws
// StepError when it cannot be written or opened.
QString save(QWidget *parent, const QString &fileName, const QByteArray &contents);

} // namespace DocumentsFile
