#include "pictures.h"

#include "assets/artwork.h"

namespace vortalin::ui {

// Painted every frame: held in the screen's own format, not as a palette.
QImage starfieldPicture() {
    return art::starfield().convertToFormat(QImage::Format_RGB32);
}

std::array<QImage, stockPictureCount> stockPictures() {
    std::array<QImage, stockPictureCount> stock;
    // Pictures are opaque: the black square hides what lies beneath.
    for (int i = 0; i < stockPictureCount; ++i)
        stock[std::size_t(i)] = art::stockPicture(i).convertToFormat(QImage::Format_RGB32);
    return stock;
}

} // namespace vortalin::ui
