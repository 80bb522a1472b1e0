#include "artwork.h"

#include "banner.h"
#include "exoticbodies.h"
#include "icon.h"
#include "planets.h"
#include "ships.h"
#include "stars.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

namespace artgen {

namespace {

QString stockName(int index) {
    return QStringLiteral("stock%1.png").arg(index, 2, 10, QLatin1Char('0'));
}

std::vector<QImage> paintStock(double s) {
    return {
        planetPicture(70, oceanPlanet(), 1005, s),
        planetPicture(70, moonPlanet(), 1012, s),
        planetPicture(70, vividPlanet(), 1027, s),
        planetPicture(70, redPlanet(), 1033, s),
        planetPicture(100, earthPlanet(), 1046, s),
        planetPicture(100, cloudPlanet(), 1058, s),
        planetPicture(100, streakPlanet(), 1063, s),
        planetPicture(150, bandedGiant(), 1079, s),
        planetPicture(150, ochreGiant(), 1084, s),
        repulsiveBody(s),
        blackHole(s),
        firstShip(s),
        secondShip(s),
        hitShip(s),
        supernova(s),
    };
}

} // namespace

QString scaledName(const QString& fileName, double scale) {
    if (scale == 1.0)
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return fileName.left(dot) + QStringLiteral("@%1x").arg(scale) + fileName.mid(dot);
}

std::vector<Artwork> paintArtwork(double scale) {
    std::vector<Artwork> all;
    const std::vector<QImage> stock = paintStock(scale);
    for (int i = 0; i < int(stock.size()); ++i)
        all.push_back({scaledName(stockName(i), scale), stock[i]});
    all.push_back({scaledName(QStringLiteral("starfield.png"), scale),
                   scale == 1.0 ? paintStarfield(1173, 853, 4013, 7)
                                : paintStarfield(1173, 853, 4013, 7, scale)});
    all.push_back({scaledName(QStringLiteral("banner.png"), scale), paintBanner(scale)});
    // Above one device pixel a board pixel the icon is true colour with
    // soft edges, as the desktop's icons are.
    all.push_back({scaledName(QStringLiteral("icon.png"), scale),
                   scale == 1.0 ? paintIcon() : paintDesktopIcon(scaledLength(32, scale))});
    return all;
}

std::vector<Artwork> paintScaledArtwork() {
    std::vector<Artwork> all;
    for (double scale : finerScales) {
        std::vector<Artwork> set = paintArtwork(scale);
        all.insert(all.end(), set.begin(), set.end());
    }
    return all;
}

std::vector<Artwork> paintDesktopIcons() {
    std::vector<Artwork> all;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        all.push_back(
            {QStringLiteral("hicolor/%1x%1/apps/vortalin.png").arg(size), paintDesktopIcon(size)});
    return all;
}

std::vector<Artwork> paintWebIcons() {
    // A launcher may cut the maskable icon to any shape inside the central
    // circle of 80 %: the globe keeps within it, on the board's starry black.
    constexpr int maskable = 512;
    QImage backdrop =
        paintStarfield(maskable, maskable, 180, 11).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&backdrop);
    const int globe = maskable * 5 / 8;
    painter.drawImage((maskable - globe) / 2, (maskable - globe) / 2, paintDesktopIcon(globe));
    painter.end();
    return {
        {QStringLiteral("web/vortalin-192.png"), paintDesktopIcon(192)},
        {QStringLiteral("web/vortalin-512.png"), paintDesktopIcon(512)},
        {QStringLiteral("web/vortalin-maskable-512.png"), backdrop},
    };
}

bool writeArtwork(const std::vector<Artwork>& artwork, const QString& directory) {
    for (const Artwork& a : artwork) {
        const QString path = QDir(directory).filePath(a.fileName);
        if (!QDir().mkpath(QFileInfo(path).path()))
            return false;
        QImageWriter writer(path, "png");
        if (!writer.write(a.image))
            return false;
    }
    return true;
}

} // namespace artgen
