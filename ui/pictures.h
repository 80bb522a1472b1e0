#pragma once

#include "game/constants.h"

#include <QImage>

#include <array>

namespace vortalin::ui {

// The main window's artwork: the starfield behind the board and the stock of
// pictures that the body and ship images copy (Image3).
QImage starfieldPicture();
std::array<QImage, stockCount> stockPictures();

} // namespace vortalin::ui
