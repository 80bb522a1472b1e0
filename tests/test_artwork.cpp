// The pictures the game carries: sizes, colour depths, stars, discs,
// and that the committed files are exactly what the generator paints.
#include "assets/artwork.h"

#include "artwork.h"
#include "vectoricon.h"

#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>

// The 2x set embedded in the program, taken away and given back, as the
// browser's page carries it beside the program instead.
void dropEmbedded2x() {
    Q_CLEANUP_RESOURCE(artwork200);
}
void restoreEmbedded2x() {
    Q_INIT_RESOURCE(artwork200);
}

namespace {

bool isBlack(QRgb c) {
    return (c & 0xffffffu) == 0;
}
bool isGrey(QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

// Width, height, bit depth and colour type from a PNG's header chunk.
struct PngHeader {
    int width = 0, height = 0, depth = 0, colourType = -1;
};

PngHeader readHeader(const QByteArray& png) {
    auto u32 = [&](int at) {
        return (uchar(png[at]) << 24) | (uchar(png[at + 1]) << 16) | (uchar(png[at + 2]) << 8) |
               uchar(png[at + 3]);
    };
    if (png.size() < 26 || png.mid(12, 4) != "IHDR")
        return {};
    return {int(u32(16)), int(u32(20)), uchar(png[24]), uchar(png[25])};
}

QByteArray committed(const QString& name) {
    vortalin::art::starfield(); // makes sure the resources are registered
    QFile f(QStringLiteral(":/art/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pixels lying wholly outside the circle inscribed in the square.
template <typename Visit> void forEachCornerPixel(const QImage& image, Visit visit) {
    const double r = image.width() / 2.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double dx = std::max(std::abs(x + 0.5 - r) - 0.5, 0.0);
            const double dy = std::max(std::abs(y + 0.5 - r) - 0.5, 0.0);
            if (std::hypot(dx, dy) > r)
                visit(x, y, image.pixel(x, y));
        }
    }
}

bool aloneAmongBlack(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx || dy) && image.valid(x + dx, y + dy) && !isBlack(image.pixel(x + dx, y + dy)))
                return false;
    return true;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void stockPicturesHaveTheBoardsSizes_data();
    void stockPicturesHaveTheBoardsSizes();
    void stockIndexOutsideTheStockGivesNoPicture();
    void filesHaveTheirColourDepth_data();
    void filesHaveTheirColourDepth();
    void starfieldHasItsStarsScatteredEvenly();
    void bodyCornersAreBlackWithAFewStars_data();
    void bodyCornersAreBlackWithAFewStars();
    void discsReachTheEdgesOfTheirSquare_data();
    void discsReachTheEdgesOfTheirSquare();
    void planetsAreLitFromOneSide_data();
    void planetsAreLitFromOneSide();
    void shipsAreGreyAndWhiteSilhouettes_data();
    void shipsAreGreyAndWhiteSilhouettes();
    void iconIsTransparentOutsideTheGlobe();
    void committedFilesAreWhatTheGeneratorPaints();
    void finerPicturesShowTheSameAtTheSameBoardSize_data();
    void finerPicturesShowTheSameAtTheSameBoardSize();
    void desktopIconsAreTheGlobeAtTheirSize_data();
    void desktopIconsAreTheGlobeAtTheirSize();
    void scalableIconIsTheCommittedDrawing();
    void webIconsAreTheCommittedGlobe_data();
    void webIconsAreTheCommittedGlobe();
    void aSetFromAFileStandsInForTheEmbeddedOne_data();
    void aSetFromAFileStandsInForTheEmbeddedOne();
};

void TestArtwork::stockPicturesHaveTheBoardsSizes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    const int sides[] = {70, 70, 70, 70, 100, 100, 100, 150, 150, 70, 70};
    for (int i = 0; i < 11; ++i)
        QTest::addRow("body %d", i) << i << QSize(sides[i], sides[i]);
    QTest::newRow("first ship") << 11 << QSize(30, 15);
    QTest::newRow("second ship") << 12 << QSize(30, 15);
    QTest::newRow("hit ship") << 13 << QSize(50, 50);
    QTest::newRow("supernova") << 14 << QSize(100, 100);
}

// Bodies are placed by their radius, so a wrong size shifts the picture.
void TestArtwork::stockPicturesHaveTheBoardsSizes() {
    QFETCH(int, index);
    QFETCH(QSize, size);
    const QImage image = vortalin::art::stockPicture(index);
    QCOMPARE(image.size(), size);
    QVERIFY(!image.hasAlphaChannel());
}

void TestArtwork::stockIndexOutsideTheStockGivesNoPicture() {
    QVERIFY(vortalin::art::stockPicture(-1).isNull());
    QVERIFY(vortalin::art::stockPicture(15).isNull());
    QCOMPARE(vortalin::art::starfield().size(), QSize(1173, 853));
    QCOMPARE(vortalin::art::banner().size(), QSize(359, 80));
    QVERIFY(!vortalin::art::appIcon().isNull());
}

void TestArtwork::filesHaveTheirColourDepth_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colourType"); // 2 true colour, 3 palette
    for (int i = 0; i < vortalin::art::stockPictureCount; ++i) {
        const QString name = QStringLiteral("stock%1.png").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(name)) << name << vortalin::art::stockPicture(i).size() << 2;
    }
    QTest::newRow("banner") << QStringLiteral("banner.png") << QSize(359, 80) << 2;
    QTest::newRow("starfield") << QStringLiteral("starfield.png") << QSize(1173, 853) << 3;
    QTest::newRow("icon") << QStringLiteral("icon.png") << QSize(32, 32) << 3;
}

// 8-bit samples everywhere: 24 bits a pixel for true colour, 8 for a palette.
void TestArtwork::filesHaveTheirColourDepth() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, colourType);
    const PngHeader h = readHeader(committed(name));
    QCOMPARE(QSize(h.width, h.height), size);
    QCOMPARE(h.depth, 8);
    QCOMPARE(h.colourType, colourType);
}

void TestArtwork::starfieldHasItsStarsScatteredEvenly() {
    const QImage sky = vortalin::art::starfield();
    QCOMPARE(sky.format(), QImage::Format_Indexed8);
    int stars = 0, isolated = 0, dimmest = 255, brightest = 0;
    int perBand[4] = {};
    for (int y = 0; y < sky.height(); ++y) {
        for (int x = 0; x < sky.width(); ++x) {
            const QRgb c = sky.pixel(x, y);
            if (isBlack(c))
                continue;
            QVERIFY2(isGrey(c), "stars are neutral grey");
            ++stars;
            isolated += aloneAmongBlack(sky, x, y);
            dimmest = std::min(dimmest, qRed(c));
            brightest = std::max(brightest, qRed(c));
            ++perBand[4 * x / sky.width()];
        }
    }
    QCOMPARE(stars, 4013);
    QVERIFY(isolated > stars * 95 / 100);
    QVERIFY2(dimmest < 64 && brightest > 215, "from dark grey to near white");
    for (int band : perBand)
        QVERIFY2(std::abs(band - stars / 4) < stars / 20, "evenly over the width");
}

void TestArtwork::bodyCornersAreBlackWithAFewStars_data() {
    QTest::addColumn<int>("index");
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14})
        QTest::addRow("stock %d", i) << i;
}

// Corners show the board's black and match the starfield: 5 to 10 single
// grey stars, nothing else.
void TestArtwork::bodyCornersAreBlackWithAFewStars() {
    QFETCH(int, index);
    const QImage image = vortalin::art::stockPicture(index);
    int stars = 0;
    forEachCornerPixel(image, [&](int x, int y, QRgb c) {
        if (isBlack(c))
            return;
        QVERIFY2(isGrey(c), qPrintable(QStringLiteral("colour at %1,%2").arg(x).arg(y)));
        QVERIFY2(aloneAmongBlack(image, x, y), "a star is a single pixel");
        ++stars;
    });
    QVERIFY2(stars >= 5 && stars <= 10, qPrintable(QString::number(stars)));
}

void TestArtwork::discsReachTheEdgesOfTheirSquare_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("fills");
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 14})
        QTest::addRow("stock %d", i) << i << true;
    QTest::newRow("repulsive body") << 9 << false;
    QTest::newRow("black hole") << 10 << false;
}

// A planet's disc must cover the body's whole circle, or shots would
// seem to hit empty space.
void TestArtwork::discsReachTheEdgesOfTheirSquare() {
    QFETCH(int, index);
    QFETCH(bool, fills);
    const QImage image = vortalin::art::stockPicture(index);
    const int last = image.width() - 1, mid = image.width() / 2;
    int lit = 0;
    for (QPoint p :
         {QPoint(0, mid), QPoint(last, mid), QPoint(mid, 0), QPoint(mid, last), QPoint(0, mid - 1),
          QPoint(last, mid - 1), QPoint(mid - 1, 0), QPoint(mid - 1, last)}) {
        const QRgb c = image.pixel(p);
        lit += std::max({qRed(c), qGreen(c), qBlue(c)}) >= 8;
    }
    if (fills)
        QCOMPARE(lit, 8);
    else
        QVERIFY(lit <= 1); // at most a star
    // Round, not square: the very corner is never part of the body.
    QVERIFY(isBlack(image.pixel(0, 0)) || aloneAmongBlack(image, 0, 0));
}

void TestArtwork::planetsAreLitFromOneSide_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("fromTheRight");
    for (int i : {0, 1, 2, 3, 4, 5, 6, 8})
        QTest::addRow("stock %d", i) << i << false;
    QTest::newRow("banded giant") << 7 << true;
}

// Spheres, not flat discs: the lit half outshines the other, and the
// rim is darker than the face.
void TestArtwork::planetsAreLitFromOneSide() {
    QFETCH(int, index);
    QFETCH(bool, fromTheRight);
    const QImage image = vortalin::art::stockPicture(index);
    const double r = image.width() / 2.0;
    double left = 0, right = 0, face = 0, rim = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x + 0.5 - r, y + 0.5 - r) / r;
            const double v = qGray(image.pixel(x, y));
            if (d > 0.95)
                continue;
            (x < r ? left : right) += v;
            if (d < 0.5)
                face += v / (0.25);
            else if (d > 0.85)
                rim += v / (0.95 * 0.95 - 0.85 * 0.85);
        }
    }
    QVERIFY(fromTheRight ? right > left * 1.1 : left > right * 1.1);
    QVERIFY(face > rim * 1.2);
}

void TestArtwork::shipsAreGreyAndWhiteSilhouettes_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("first ship") << 11;
    QTest::newRow("second ship") << 12;
}

// White and grey on black, and a shape rather than a smudge or a dot.
void TestArtwork::shipsAreGreyAndWhiteSilhouettes() {
    QFETCH(int, index);
    const QImage ship = vortalin::art::stockPicture(index);
    int drawn = 0;
    for (int y = 0; y < ship.height(); ++y) {
        for (int x = 0; x < ship.width(); ++x) {
            QVERIFY(isGrey(ship.pixel(x, y)));
            drawn += !isBlack(ship.pixel(x, y));
        }
    }
    QVERIFY(drawn > 40 && drawn < 200);
}

void TestArtwork::iconIsTransparentOutsideTheGlobe() {
    const QImage icon(QStringLiteral(":/art/icon.png"));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    QVERIFY(icon.colorCount() <= 256);
    for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    int opaque = 0, bluish = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb c = icon.pixel(x, y);
            QVERIFY(qAlpha(c) == 0 || qAlpha(c) == 255); // a mask, no blending
            opaque += qAlpha(c) == 255;
            bluish += qAlpha(c) == 255 && qBlue(c) > qRed(c) + 20;
        }
    }
    QVERIFY(opaque > 700 && opaque < 820); // about pi * 16 * 16
    QVERIFY2(bluish > opaque / 3, "mostly ocean");
}

// The committed files must be regenerated whenever the painting changes;
// and painting twice must give the same bytes.
void TestArtwork::committedFilesAreWhatTheGeneratorPaints() {
    QTemporaryDir first, second;
    const auto artwork = artgen::paintArtwork();
    QVERIFY(artgen::writeArtwork(artwork, first.path()));
    QVERIFY(artgen::writeArtwork(artgen::paintArtwork(), second.path()));
    QCOMPARE(int(artwork.size()), 18);
    for (const artgen::Artwork& a : artwork) {
        QFile f1(first.filePath(a.fileName)), f2(second.filePath(a.fileName));
        QVERIFY(f1.open(QIODevice::ReadOnly) && f2.open(QIODevice::ReadOnly));
        const QByteArray bytes = f1.readAll();
        QVERIFY2(bytes == f2.readAll(), qPrintable(a.fileName + " differs between runs"));
        QVERIFY2(bytes == committed(a.fileName),
                 qPrintable(a.fileName + " is stale: build the regenerate-art target"));
    }
    // The finer sets, painted once: the same code paints them.
    const auto finer = artgen::paintScaledArtwork();
    QCOMPARE(int(finer.size()), 18 * 3);
    QTemporaryDir third;
    QVERIFY(artgen::writeArtwork(finer, third.path()));
    for (const artgen::Artwork& a : finer) {
        QFile f(third.filePath(a.fileName));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(f.readAll() == committed(a.fileName),
                 qPrintable(a.fileName + " is stale: build the regenerate-art target"));
    }
}

void TestArtwork::finerPicturesShowTheSameAtTheSameBoardSize_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("125 %") << 1.25;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

// Each picture of a finer set covers the same board pixels and, brought
// down in size, looks like its board-pixel twin: same subject, lights and
// colours, the stars in the same places.
void TestArtwork::finerPicturesShowTheSameAtTheSameBoardSize() {
    QFETCH(double, scale);
    namespace art = vortalin::art;
    const auto check = [&](const QString& what, const QImage& board, const QImage& finer) {
        const QSize size(int(std::lround(board.width() * scale)),
                         int(std::lround(board.height() * scale)));
        QVERIFY2(finer.size() == size, qPrintable(what));
        // Compared a quarter as fine as the board, where a star or a line
        // half a pixel aside makes no difference.
        const QSize coarse = (board.size() / 4).expandedTo(QSize(4, 4));
        const auto shrunk = [&](const QImage& image) {
            return image.convertToFormat(QImage::Format_RGB32)
                .scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        const QImage down = shrunk(finer), twin = shrunk(board);
        double difference = 0, light = 0;
        for (int y = 0; y < twin.height(); ++y) {
            for (int x = 0; x < twin.width(); ++x) {
                const QRgb a = down.pixel(x, y), b = twin.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b));
                light += qRed(b) + qGreen(b) + qBlue(b);
            }
        }
        QVERIFY2(difference < 0.2 * light,
                 qPrintable(what + QStringLiteral(": %1 of %2").arg(difference).arg(light)));
    };
    for (int i = 0; i < art::stockPictureCount; ++i)
        check(QStringLiteral("stock %1").arg(i), art::stockPicture(i), art::stockPicture(i, scale));
    check(QStringLiteral("starfield"), art::starfield(), art::starfield(scale));
    check(QStringLiteral("banner"), art::banner(), art::banner(scale));
    QVERIFY(art::stockPicture(0, 1.75).isNull()); // painted for four scales only
}

void TestArtwork::desktopIconsAreTheGlobeAtTheirSize_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QImage>("painted");
    QTest::addColumn<int>("size");
    for (const artgen::Artwork& a : artgen::paintDesktopIcons())
        QTest::newRow(qPrintable(a.fileName)) << a.fileName << a.image << a.image.width();
}

// The icon theme finds an icon by its folder's size; the committed files
// are what the generator paints; soft edges, transparent corners.
void TestArtwork::desktopIconsAreTheGlobeAtTheirSize() {
    QFETCH(QString, fileName);
    QFETCH(QImage, painted);
    QFETCH(int, size);
    QVERIFY(fileName.startsWith(QStringLiteral("hicolor/%1x%1/apps/").arg(size)));
    QCOMPARE(painted.height(), size);
    QTemporaryDir dir;
    QVERIFY(artgen::writeArtwork({{fileName, painted}}, dir.path()));
    QFile written(dir.filePath(fileName)),
        committed(QStringLiteral(VORTALIN_ASSETS "/") + fileName);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY2(committed.open(QIODevice::ReadOnly) && committed.readAll() == written.readAll(),
             qPrintable(fileName + " is stale: build the regenerate-art target"));
    QCOMPARE(qAlpha(painted.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(painted.pixel(size / 2, size / 2)), 255);
    int partial = 0;
    for (int x = 0; x < size; ++x)
        partial += qAlpha(painted.pixel(x, size / 3)) % 255 != 0;
    QVERIFY2(partial >= 2, "the disc's edge is blended, not jagged");
}

void TestArtwork::scalableIconIsTheCommittedDrawing() {
    const QByteArray svg = artgen::paintScalableIcon();
    QCOMPARE(svg, artgen::paintScalableIcon());
    QFile committed(QStringLiteral(VORTALIN_ASSETS "/hicolor/scalable/apps/vortalin.svg"));
    QVERIFY2(committed.open(QIODevice::ReadOnly) && committed.readAll() == svg,
             "vortalin.svg is stale: build the regenerate-art target");
    QXmlStreamReader xml(svg);
    int paths = 0;
    while (!xml.atEnd())
        paths += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"path";
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(paths, 5); // shallows, lands, highlands, haze, clouds
}

void TestArtwork::webIconsAreTheCommittedGlobe_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QImage>("painted");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("maskable");
    for (const artgen::Artwork& a : artgen::paintWebIcons())
        QTest::newRow(qPrintable(a.fileName))
            << a.fileName << a.image << a.fileName.section(u'-', -1).section(u'.', 0, 0).toInt()
            << a.fileName.contains(u"maskable");
}

// The app's icons are as large as their names say and as the generator
// paints them; a launcher that cuts the maskable one to any shape within
// its central circle of 80 % keeps the whole globe and shows no hole.
void TestArtwork::webIconsAreTheCommittedGlobe() {
    QFETCH(QString, fileName);
    QFETCH(QImage, painted);
    QFETCH(int, size);
    QFETCH(bool, maskable);
    QCOMPARE(painted.size(), QSize(size, size));
    QTemporaryDir dir;
    QVERIFY(artgen::writeArtwork({{fileName, painted}}, dir.path()));
    QFile written(dir.filePath(fileName)),
        committed(QStringLiteral(VORTALIN_ASSETS "/") + fileName);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY2(committed.open(QIODevice::ReadOnly) && committed.readAll() == written.readAll(),
             qPrintable(fileName + " is stale: build the regenerate-art target"));
    const QRgb centre = painted.pixel(size / 2, size / 2);
    QCOMPARE(qAlpha(centre), 255);
    QCOMPARE(qAlpha(painted.pixel(0, 0)), maskable ? 255 : 0);
    if (maskable) {
        // Just inside the safe circle, on the diagonal: the board's black.
        const int d = int(size / 2 - 0.39 * size / std::sqrt(2.0));
        QVERIFY(qGray(painted.pixel(d, d)) < 40);
        QVERIFY(qBlue(painted.pixel(size / 2, size / 3)) > 60);
    }
}

void TestArtwork::aSetFromAFileStandsInForTheEmbeddedOne_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("added");
    QTest::newRow("the 2x set's file") << QStringLiteral(VORTALIN_TEST_SET) << true;
    QTest::newRow("no such file") << QStringLiteral(VORTALIN_TEST_SET ".absent") << false;
    QTest::newRow("a picture, not a set") << QStringLiteral(VORTALIN_ASSETS "/stock00@2x.png")
                                          << false;
}

// Without its set the program does not carry a scale, yet its icon keeps
// every size; a set's file brings back the very pictures embedded on the
// desktop.
void TestArtwork::aSetFromAFileStandsInForTheEmbeddedOne() {
    QFETCH(QString, file);
    QFETCH(bool, added);
    namespace art = vortalin::art;
    QVERIFY(art::carries(2));
    const QList<QSize> iconWhole = art::appIcon().availableSizes();
    QList<QImage> embedded{art::starfield(2), art::banner(2)};
    for (int i = 0; i < art::stockPictureCount; ++i)
        embedded << art::stockPicture(i, 2);
    dropEmbedded2x();
    const bool carriedWithout = art::carries(2);
    const bool nullWithout = art::stockPicture(0, 2).isNull();
    const QList<QSize> iconWithout = art::appIcon().availableSizes();
    const bool addedNow = art::addPictureFile(file);
    const bool carriedNow = art::carries(2);
    QList<QImage> fromFile{art::starfield(2), art::banner(2)};
    for (int i = 0; i < art::stockPictureCount; ++i)
        fromFile << art::stockPicture(i, 2);
    const QList<QSize> iconNow = art::appIcon().availableSizes();
    if (addedNow)
        QResource::unregisterResource(file);
    restoreEmbedded2x();

    QVERIFY(!carriedWithout);
    QVERIFY(nullWithout);
    QCOMPARE(iconWithout, iconWhole);
    QVERIFY(iconWhole.contains(QSize(64, 64)));
    QCOMPARE(addedNow, added);
    QCOMPARE(carriedNow, added);
    QCOMPARE(iconNow, iconWhole);
    if (added) {
        for (qsizetype i = 0; i < embedded.size(); ++i)
            QVERIFY2(fromFile[i] == embedded[i], qPrintable(QString::number(i)));
    }
    QVERIFY(art::carries(2));
}

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
