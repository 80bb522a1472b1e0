#include "assets/artwork.h"

#include <QString>

// Resources of a static library are not registered by themselves; this
// runs once, before the first picture is read.
static void loadArtwork() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    (void)loaded;
}

namespace vortalin::art {

namespace {

QImage picture(const QString& name) {
    loadArtwork();
    return QImage(QStringLiteral(":/art/") + name);
}

} // namespace

QImage stockPicture(int index) {
    if (index < 0 || index >= stockPictureCount)
        return {};
    return picture(QStringLiteral("stock%1.png").arg(index, 2, 10, QLatin1Char('0')));
}

QImage starfield() {
    return picture(QStringLiteral("starfield.png"));
}

QImage banner() {
    return picture(QStringLiteral("banner.png"));
}

QIcon appIcon() {
    loadArtwork();
    return QIcon(QStringLiteral(":/art/icon.png"));
}

} // namespace vortalin::art
