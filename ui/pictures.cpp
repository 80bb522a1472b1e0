#include "pictures.h"

#if __has_include("assets/artwork.h")
#include "assets/artwork.h"
#define VORTALIN_HAVE_ARTWORK 1
#endif

#include <QPainter>

namespace vortalin::ui {

namespace {

// Side of each stock picture, in pixels; ships are 30 x 15.
constexpr std::array<int, stockPictureCount> stockSides{70,  70, 70, 70, 100, 100, 100, 150,
                                                        150, 70, 70, 30, 30,  50,  100};

QImage plainDisc(int side, QColor colour) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(0, 0, side, side);
    return image;
}

QImage plainShip(QColor colour) {
    QImage image(30, 15, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.fillRect(2, 6, 20, 3, colour);
    painter.fillRect(20, 3, 8, 9, colour);
    return image;
}

} // namespace

// Painted every frame: held in the screen's own format, not as a palette.
QImage starfieldPicture() {
#ifdef VORTALIN_HAVE_ARTWORK
    if (QImage stars = vortalin::art::starfield(); !stars.isNull())
        return stars.convertToFormat(QImage::Format_RGB32);
#endif
    QImage image(1173, 853, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

std::array<QImage, stockPictureCount> stockPictures() {
    std::array<QImage, stockPictureCount> stock;
    for (int i = 0; i < stockPictureCount; ++i) {
#ifdef VORTALIN_HAVE_ARTWORK
        // Pictures are opaque: the black square hides what lies beneath.
        if (QImage art = vortalin::art::stockPicture(i); !art.isNull()) {
            stock[std::size_t(i)] = art.convertToFormat(QImage::Format_RGB32);
            continue;
        }
#endif
        if (i == 11 || i == 12)
            stock[std::size_t(i)] = plainShip(i == 11 ? Qt::white : Qt::gray);
        else
            stock[std::size_t(i)] =
                plainDisc(stockSides[std::size_t(i)], QColor::fromHsv(i * 24, 160, 220));
    }
    return stock;
}

} // namespace vortalin::ui
