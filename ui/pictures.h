#pragma once

#include "assets/artwork.h"

#include <QImage>

#include <array>

namespace vortalin::ui {

inline constexpr int stockPictureCount = art::stockPictureCount;

// The main window's artwork: the starfield behind the board and the stock of
// pictures that the body and ship images copy (Image3).
QImage starfieldPicture();
std::array<QImage, stockPictureCount> stockPictures();

} // namespace vortalin::ui
