#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace artgen {

// One picture of the game and the file it is stored in.
struct Artwork {
    QString fileName;
    QImage image;
};

// The screens' scales above one device pixel a board pixel that every
// picture is painted for.
inline constexpr double finerScales[] = {1.25, 1.5, 2.0};

// Every picture, painted from fixed seeds: the same source always gives
// the same pixels. Stock pictures come first, in their index order. At
// `scale` device pixels a board pixel each shows the same at the same size
// in board pixels, its file named "stock00@2x.png" and so on.
std::vector<Artwork> paintArtwork(double scale = 1);

// The sets for all the finer scales, one after the other.
std::vector<Artwork> paintScaledArtwork();

// "stock00.png" at 1.5 device pixels a board pixel: "stock00@1.5x.png".
QString scaledName(const QString& fileName, double scale);

// The globe for the desktop's hicolor icon theme at each of its usual
// sizes, named by their place in the theme ("hicolor/16x16/apps/...").
std::vector<Artwork> paintDesktopIcons();

// The icons of the page installed as an app: the globe at 192 and 512
// pixels, and at 512 on a full square for launchers that cut their own shape.
std::vector<Artwork> paintWebIcons();

// Writes each picture as a PNG into `directory`; false if any write fails.
bool writeArtwork(const std::vector<Artwork>& artwork, const QString& directory);

// All pictures enlarged four times on grey, each labelled, for review.
QImage contactSheet(const std::vector<Artwork>& artwork);

} // namespace artgen
