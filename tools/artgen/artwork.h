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

// Every picture, painted from fixed seeds: the same source always gives
// the same pixels. Stock pictures come first, in their index order.
std::vector<Artwork> paintArtwork();

// The globe for the desktop's hicolor icon theme at each of its usual
// sizes, named by their place in the theme ("hicolor/16x16/apps/...").
std::vector<Artwork> paintDesktopIcons();

// Writes each picture as a PNG into `directory`; false if any write fails.
bool writeArtwork(const std::vector<Artwork>& artwork, const QString& directory);

// All pictures enlarged four times on grey, each labelled, for review.
QImage contactSheet(const std::vector<Artwork>& artwork);

} // namespace artgen
