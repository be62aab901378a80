#pragma once

#include <QPixmap>

// The window's three pictures, drawn in code at the pixel sizes of the design.
namespace PictureArt {
QPixmap hungarianFlag();
QPixmap englishFlag();
QPixmap logo();
} // namespace PictureArt
