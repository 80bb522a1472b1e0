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

namespace artgen {

namespace {

QString stockName(int index) {
    return QStringLiteral("stock%1.png").arg(index, 2, 10, QLatin1Char('0'));
}

std::vector<QImage> paintStock() {
    return {
        planetPicture(70, oceanPlanet(), 1005),
        planetPicture(70, moonPlanet(), 1012),
        planetPicture(70, vividPlanet(), 1027),
        planetPicture(70, redPlanet(), 1033),
        planetPicture(100, earthPlanet(), 1046),
        planetPicture(100, cloudPlanet(), 1058),
        planetPicture(100, streakPlanet(), 1063),
        planetPicture(150, bandedGiant(), 1079),
        planetPicture(150, ochreGiant(), 1084),
        repulsiveBody(),
        blackHole(),
        firstShip(),
        secondShip(),
        hitShip(),
        supernova(),
    };
}

} // namespace

std::vector<Artwork> paintArtwork() {
    std::vector<Artwork> all;
    const std::vector<QImage> stock = paintStock();
    for (int i = 0; i < int(stock.size()); ++i)
        all.push_back({stockName(i), stock[i]});
    all.push_back({QStringLiteral("starfield.png"), paintStarfield(1173, 853, 4013, 7)});
    all.push_back({QStringLiteral("banner.png"), paintBanner()});
    all.push_back({QStringLiteral("icon.png"), paintIcon()});
    return all;
}

std::vector<Artwork> paintDesktopIcons() {
    std::vector<Artwork> all;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        all.push_back(
            {QStringLiteral("hicolor/%1x%1/apps/vortalin.png").arg(size), paintDesktopIcon(size)});
    return all;
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
