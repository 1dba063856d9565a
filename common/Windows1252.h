#pragma once

#include <QByteArray>
#include <QString>

// The single-byte Windows-1252 code page, the same on every system: summary
// files of older installations are written in it.
namespace Windows1252 {

// One byte per character; a character the code page cannot hold becomes '?'.
QByteArray encode(const QString &text);
// One character per byte.
QString decode(const QByteArray &bytes);

} // namespace Windows1252
