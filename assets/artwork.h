#pragma once

#include "game/constants.h"

#include <QIcon>
#include <QImage>
#include <QString>

#include <array>

namespace vortalin::art {

// The screens' scales, in device pixels a board pixel, that every picture
// is painted for; each shows the same at the same size in board pixels.
inline constexpr std::array<double, 4> paintedScales{1.0, 1.25, 1.5, 2.0};

// Whether the program holds the board's and the banner's pictures painted
// for `scale`: the desktop carries each painted set, the browser's page the
// 1x set and at most the finer one its screen needs.
bool carries(double scale);

// Adds the pictures in a Qt binary resource file (a finer set that the
// browser's page fetched beside the program) under their usual names; false
// where the file is missing or is no resource file.
bool addPictureFile(const QString& file);

// How many stock pictures there are: Image3(0) to Image3(14).
inline constexpr int stockPictureCount = vortalin::stockCount;

// The stock picture Image3(index) painted for `scale`, one of
// paintedScales; a null image for an index or a scale without one, or for
// a set the program does not carry.
QImage stockPicture(int index, double scale = 1);

// The board's background: at one device pixel a board pixel 8 bits a pixel
// with a grey palette, above it 8-bit grey.
QImage starfield(double scale = 1);

// The splash window's and the about box's picture.
QImage banner(double scale = 1);

// The globe: the program's icon and the map file dialog's, at each scale
// (carried whole by every build).
QIcon appIcon();

} // namespace vortalin::art
