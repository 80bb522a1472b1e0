#include "assets/artwork.h"

#include <QFile>
#include <QResource>
#include <QString>
#include <QStringList>

#include <algorithm>

// Resources of a static library are not registered by themselves; this
// runs once, before the first picture is read.
static void loadArtwork() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(artwork);
#ifndef VORTALIN_FINER_SETS_BESIDE
        Q_INIT_RESOURCE(artwork125);
        Q_INIT_RESOURCE(artwork150);
        Q_INIT_RESOURCE(artwork200);
#endif
        return true;
    }();
    (void)loaded;
}

namespace vortalin::art {

namespace {

bool painted(double scale) {
    return std::find(paintedScales.begin(), paintedScales.end(), scale) != paintedScales.end();
}

// "stock00" at 1.5 is ":/art/stock00@1.5x.png", at 1 ":/art/stock00.png".
QString fileName(const QString& name, double scale) {
    const QString suffix = scale == 1.0 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QStringLiteral(":/art/") + name + suffix + QStringLiteral(".png");
}

// In device pixels: the reader would take "@2x" in a name for a ratio.
QImage picture(const QString& name, double scale) {
    loadArtwork();
    QImage image = painted(scale) ? QImage(fileName(name, scale)) : QImage();
    image.setDevicePixelRatio(1);
    return image;
}

// The pictures of a finer set. The globe's icons are not among them: a
// window's icon is picked by its size, whatever the screen, so every build
// carries all four (a few kilobytes).
QStringList setPictureNames() {
    QStringList names{QStringLiteral("starfield"), QStringLiteral("banner")};
    for (int i = 0; i < stockPictureCount; ++i)
        names << QStringLiteral("stock%1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

} // namespace

bool carries(double scale) {
    if (!painted(scale))
        return false;
    loadArtwork();
    const QStringList names = setPictureNames();
    return std::all_of(names.begin(), names.end(),
                       [scale](const QString& name) { return QFile::exists(fileName(name, scale)); });
}

bool addPictureFile(const QString& file) {
    loadArtwork();
    return QFile::exists(file) && QResource::registerResource(file);
}

QImage stockPicture(int index, double scale) {
    if (index < 0 || index >= stockPictureCount)
        return {};
    return picture(QStringLiteral("stock%1").arg(index, 2, 10, QLatin1Char('0')), scale);
}

QImage starfield(double scale) {
    return picture(QStringLiteral("starfield"), scale);
}

QImage banner(double scale) {
    return picture(QStringLiteral("banner"), scale);
}

QIcon appIcon() {
    loadArtwork();
    QIcon icon;
    for (double scale : paintedScales)
        icon.addFile(fileName(QStringLiteral("icon"), scale));
    return icon;
}

} // namespace vortalin::art
