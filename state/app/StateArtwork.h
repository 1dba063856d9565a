#pragma once

#include <QPixmap>

// The state module's pictures, drawn by the program.
namespace StateArtwork {
// A map pin over a larva: the state gathering its municipalities' surveys.
QPixmap logo(int size);
} // namespace StateArtwork
