#pragma once

#include <QPixmap>

// The pictures of the main and credits windows, drawn by the program.
namespace Artwork {
QPixmap logo(int size);
QPixmap banner(int width, int height);
} // namespace Artwork
