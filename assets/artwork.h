#pragma once

#include "game/constants.h"

#include <QIcon>
#include <QImage>

namespace vortalin::art {

// How many stock pictures there are: Image3(0) to Image3(14).
inline constexpr int stockPictureCount = vortalin::stockCount;

// The stock picture Image3(index); a null image for an index without one.
QImage stockPicture(int index);

// The board's background, 8 bits a pixel with a grey palette.
QImage starfield();

// The splash window's and the about box's picture.
QImage banner();

// The globe: the program's icon and the map file dialog's.
QIcon appIcon();

} // namespace vortalin::art
