// Paints the game's pictures into a folder:
//   vortalin-artgen <folder> [--sheet <file.png>]
#include "artwork.h"
#include "vectoricon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

bool writeScalableIcon(const QString& folder) {
    const QString path =
        QDir(folder).filePath(QStringLiteral("hicolor/scalable/apps/vortalin.svg"));
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(artgen::paintScalableIcon()) >= 0 && file.flush();
}

} // namespace

int main(int argc, char* argv[]) {
    // Fonts for the contact sheet's labels need an application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: vortalin-artgen <folder> [--sheet <file.png>]\n");
        return 2;
    }
    const auto artwork = artgen::paintArtwork();
    if (!artgen::writeArtwork(artwork, args.first()) ||
        !artgen::writeArtwork(artgen::paintScaledArtwork(), args.first()) ||
        !artgen::writeArtwork(artgen::paintDesktopIcons(), args.first()) ||
        !artgen::writeArtwork(artgen::paintWebIcons(), args.first()) ||
        !writeScalableIcon(args.first())) {
        std::fprintf(stderr, "vortalin-artgen: cannot write into %s\n", qPrintable(args.first()));
        return 1;
    }
    const qsizetype sheetAt = args.indexOf(QStringLiteral("--sheet"));
    if (sheetAt > 0 && sheetAt + 1 < args.size() &&
        !artgen::contactSheet(artwork).save(args.at(sheetAt + 1), "png")) {
        std::fprintf(stderr, "vortalin-artgen: cannot write the contact sheet\n");
        return 1;
    }
    return 0;
}
