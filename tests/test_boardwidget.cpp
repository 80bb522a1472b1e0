#include "assets/artwork.h"
#include "game/memoryboard.h"
#include "support/fixedscreen.h"
#include "support/orbitflight.h"
#include "ui/boardwidget.h"
#include "ui/pictures.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QtTest>

#include <cmath>
#include <limits>

// The program with only some of its finer sets, as in the browser, where
// the page brings at most the screen's own; then with all of them again.
void carryOnly(const QList<double>& scales) {
    vortalin::art::carries(1); // the embedded sets are in before some go
    if (!scales.contains(1.25))
        Q_CLEANUP_RESOURCE(artwork125);
    if (!scales.contains(1.5))
        Q_CLEANUP_RESOURCE(artwork150);
    if (!scales.contains(2.0))
        Q_CLEANUP_RESOURCE(artwork200);
}
void carryAll() {
    Q_INIT_RESOURCE(artwork125);
    Q_INIT_RESOURCE(artwork150);
    Q_INIT_RESOURCE(artwork200);
}

using vortalin::ImageArray;
using vortalin::Rgb;
using vortalin::ui::BoardWidget;

namespace {

constexpr Rgb red{255, 0, 0};
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

QRgb shown(BoardWidget& board, int x, int y) {
    return board.grab().toImage().pixel(x, y);
}

// What the board shows at a point with no picture and no drawing on it.
QRgb background(const BoardWidget& board, int x, int y) {
    const QImage& stars = board.starfield();
    return stars.pixel(x % stars.width(), y % stars.height());
}

QScreen* screenOfRatio(double ratio) {
    for (QScreen* screen : QGuiApplication::screens())
        if (std::abs(screen->devicePixelRatio() - ratio) < 1e-3)
            return screen;
    return nullptr;
}

// Shows the board on the screen of `ratio` and paints it there.
bool showOn(BoardWidget& board, double ratio) {
    QScreen* screen = screenOfRatio(ratio);
    if (!screen)
        return false;
    board.setScreen(screen);
    board.move(screen->geometry().topLeft());
    board.show();
    if (!QTest::qWaitForWindowExposed(&board))
        return false;
    board.grab();
    return std::abs(board.ratio() - ratio) < 1e-3;
}

// The part of a shot that a picture covers, in device pixels.
QRect deviceRectOf(const BoardWidget& board, QPoint topLeft, QSize size) {
    const double r = board.ratio();
    return QRect(int(std::lround(topLeft.x() * r)), int(std::lround(topLeft.y() * r)),
                 int(std::lround(size.width() * r)), int(std::lround(size.height() * r)));
}

// The share of 2 x 2 blocks whose four pixels are all alike.
double uniformBlocks(const QImage& image) {
    int uniform = 0, blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            uniform += c == image.pixel(x + 1, y) && c == image.pixel(x, y + 1) &&
                       c == image.pixel(x + 1, y + 1);
            ++blocks;
        }
    }
    return double(uniform) / blocks;
}

// The share of pixels that differ from the board-pixel picture repeated
// to the same size, as the toolkit would enlarge it; black in both does not
// count.
double differingFromEnlarged(const QImage& shown, const QImage& boardPicture) {
    const QImage enlarged =
        boardPicture.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .convertToFormat(shown.format());
    int differing = 0, lit = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = enlarged.pixel(x, y);
            if (qGray(a) == 0 && qGray(b) == 0)
                continue;
            differing += a != b;
            ++lit;
        }
    }
    return double(differing) / lit;
}

void addRatios() {
    QTest::addColumn<double>("ratio");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("125 %") << 1.25;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("175 %: the 200 % pictures made smaller") << 1.75;
    QTest::newRow("200 %") << 2.0;
}

bool hasPartialAlpha(const QImage& image) {
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (const int a = qAlpha(image.pixel(x, y)); a != 0 && a != 255)
                return true;
    return false;
}

} // namespace

class TestBoardWidget : public QObject {
    Q_OBJECT

private slots:
    void init() {
        board = std::make_unique<BoardWidget>();
        board->resize(1280, 1000);
    }
    void cleanup() { board.reset(); }

    void picturesGoToTheNearestPixel_data();
    void picturesGoToTheNearestPixel();
    void picturesShowAtNaturalSizeAboveDrawing();
    void unknownStockOrElementShowsNothing();
    void starfieldIsUnscaledAndRepeatedToTheEdges();
    void clearingGraphicsKeepsPictures();
    void drawingSurvivesRepaintsOfTheWindow();
    void drawingIsOnePixelWideWithoutSmoothing();
    void circlesAreOutlinedAndFilledWithTheFillColour();
    void absurdCoordinatesNeitherCrashNorHang_data();
    void absurdCoordinatesNeitherCrashNorHang();
    void repaintsAreCoalescedToTheFrameRate();
    void drawingWithoutYieldsStillShowsItsProgress();
    void flightAtOneDevicePixelDrawsTheSamePixelsAsEver();
    void picturesArePaintedForTheScreen_data() { addRatios(); }
    void picturesArePaintedForTheScreen();
    void pointsLandOnTheirBoardPixels_data() { addRatios(); }
    void pointsLandOnTheirBoardPixels();
    void picturesKeepTheirPlaceAndSizeInBoardPixels_data() { addRatios(); }
    void picturesKeepTheirPlaceAndSizeInBoardPixels();
    void explosionsHaveSmoothEdgesOnFinerScreens_data() { addRatios(); }
    void explosionsHaveSmoothEdgesOnFinerScreens();
    void aBoardMovedToAFinerScreenTakesItsPictures();
    void aScreenTakesTheNearestSetCarried_data();
    void aScreenTakesTheNearestSetCarried();

private:
    std::unique_ptr<BoardWidget> board;
};

// Positions from a loaded map may be fractional or absurd.
void TestBoardWidget::picturesGoToTheNearestPixel_data() {
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("whole") << 100.0 << 200.0 << QPoint(100, 200);
    QTest::newRow("fractions") << 10.4 << 10.6 << QPoint(10, 11);
    QTest::newRow("past the left and top edges") << -15.0 << -7.0 << QPoint(-15, -7);
    QTest::newRow("huge") << 1e300 << -1e300 << QPoint(1 << 24, -(1 << 24));
    QTest::newRow("infinite") << inf << -inf << QPoint(1 << 24, -(1 << 24));
    QTest::newRow("not a number") << notANumber << 5.0 << QPoint(1 << 24, 5);
}

void TestBoardWidget::picturesGoToTheNearestPixel() {
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(QPoint, topLeft);
    board->movePicture(ImageArray::bodies, 3, float(left), float(top));
    board->setPicture(ImageArray::bodies, 3, 7);
    QCOMPARE(board->Image1(3).topLeft, topLeft);
    board->grab(); // paints without trouble wherever the picture lies
}

// A trail passes behind a planet: the picture is opaque, black corners too.
void TestBoardWidget::picturesShowAtNaturalSizeAboveDrawing() {
    board->movePicture(ImageArray::bodies, 0, 100, 100);
    board->setPicture(ImageArray::bodies, 0, 7); // 150 x 150 giant
    board->movePicture(ImageArray::ships, 1, 120, 120);
    board->setPicture(ImageArray::ships, 1, 12);
    board->drawPoint(102, 102, red);
    board->drawPoint(98, 98, red);
    const QImage shot = board->grab().toImage();
    const QImage& giant = board->Image3(7);
    QCOMPARE(board->Image1(0).picture.size(), QSize(150, 150));
    QCOMPARE(shot.pixel(102, 102), giant.pixel(2, 2));
    QCOMPARE(shot.pixel(249, 249), giant.pixel(149, 149));
    QCOMPARE(shot.pixel(98, 98), qRgb(255, 0, 0));
    QCOMPARE(shot.pixel(250, 250), background(*board, 250, 250));
    // The ship lies above the body.
    QCOMPARE(shot.pixel(125, 127), board->Image3(12).pixel(5, 7));
}

// Only a made-up map asks for these; the board stays as it was otherwise.
void TestBoardWidget::unknownStockOrElementShowsNothing() {
    board->setPicture(ImageArray::bodies, 0, 20);
    board->setPicture(ImageArray::bodies, 1, -1);
    board->setPicture(ImageArray::bodies, 10, 3);
    board->setPicture(ImageArray::ships, 2, 11);
    board->movePicture(ImageArray::bodies, 10, 1, 1);
    QVERIFY(board->Image1(0).picture.isNull());
    QVERIFY(!board->Image1(1).stock);
    const QImage shot = board->grab().toImage();
    QCOMPARE(shot.pixel(5, 5), background(*board, 5, 5));
}

// A board larger than the picture shows stars to its edges: the picture is
// repeated unscaled from the top-left corner, to the right and below.
void TestBoardWidget::starfieldIsUnscaledAndRepeatedToTheEdges() {
    board->resize(2560, 1800);
    const QImage shot = board->grab().toImage();
    const QImage stars = board->starfield().convertToFormat(shot.format());
    QCOMPARE(stars.size(), QSize(1173, 853));
    for (const QPoint& tile : {QPoint(0, 0), QPoint(1173, 0), QPoint(0, 853), QPoint(1173, 853)})
        QCOMPARE(shot.copy(QRect(tile, stars.size())), stars);
    // The last, cut tiles are the picture's top-left part.
    QCOMPARE(shot.copy(2346, 1706, 214, 94), stars.copy(0, 0, 214, 94));
}

void TestBoardWidget::clearingGraphicsKeepsPictures() {
    board->movePicture(ImageArray::bodies, 0, 300, 300);
    board->setPicture(ImageArray::bodies, 0, 0);
    board->drawPoint(10, 10, red);
    board->drawLine(0, 50, 500, 50, red);
    board->drawCircle(600, 600, 20, red);
    board->clearGraphics();
    const QImage shot = board->grab().toImage();
    for (QPoint p : {QPoint(10, 10), QPoint(250, 50), QPoint(600, 600)})
        QCOMPARE(shot.pixel(p), background(*board, p.x(), p.y()));
    QCOMPARE(shot.pixel(335, 335), board->Image3(0).pixel(35, 35));
    QVERIFY(board->Image1(0).stock == 0);
}

// Mended: a window passing over the board used to take the trail under it.
void TestBoardWidget::drawingSurvivesRepaintsOfTheWindow() {
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    board->drawPoint(40, 40, red);
    board->repaint();
    board->update();
    QCoreApplication::processEvents();
    QCOMPARE(shown(*board, 40, 40), qRgb(255, 0, 0));
}

void TestBoardWidget::drawingIsOnePixelWideWithoutSmoothing() {
    board->drawLine(10.4f, 20.6f, 30, 20.6f, red);
    const QImage& g = board->graphics();
    for (int x = 10; x <= 29; ++x)
        QCOMPARE(g.pixel(x, 21), qRgb(255, 0, 0));
    QCOMPARE(qAlpha(g.pixel(15, 20)), 0);
    QCOMPARE(qAlpha(g.pixel(15, 22)), 0);
    QCOMPARE(qAlpha(g.pixel(9, 21)), 0);
    board->drawLine(0, 0, 170, 61, red);
    board->drawCircle(100, 100, 37.3f, red);
    board->drawPoint(150.5f, 7.49f, red);
    QCOMPARE(g.pixel(151, 7), qRgb(255, 0, 0));
    QVERIFY(!hasPartialAlpha(g));
}

void TestBoardWidget::circlesAreOutlinedAndFilledWithTheFillColour() {
    board->setFillColor({0, 0, 255});
    board->drawCircle(100, 100, 10, red);
    board->setFillColor({0, 255, 0}); // the next circle's fill; this one keeps blue
    const QImage& g = board->graphics();
    QCOMPARE(g.pixel(100, 100), qRgb(0, 0, 255));
    QCOMPARE(g.pixel(110, 100), qRgb(255, 0, 0));
    QCOMPARE(g.pixel(100, 90), qRgb(255, 0, 0));
    QCOMPARE(qAlpha(g.pixel(112, 100)), 0);
    QCOMPARE(board->fillColor(), QColor(0, 255, 0));
}

// Loaded maps can put bodies, and so explosions, anywhere.
void TestBoardWidget::absurdCoordinatesNeitherCrashNorHang_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("coversBoard");
    QTest::newRow("far away") << 1e30 << -1e30 << 300.0 << false;
    QTest::newRow("infinite") << inf << 10.0 << 10.0 << false;
    QTest::newRow("not a number") << notANumber << notANumber << notANumber << false;
    QTest::newRow("huge radius on the board") << 500.0 << 500.0 << 1e30 << true;
    QTest::newRow("infinite radius") << 500.0 << 500.0 << inf << false;
    QTest::newRow("negative radius") << 500.0 << 500.0 << -40.0 << false;
    QTest::newRow("edge of the float range") << 3.4e38 << 3.4e38 << 3.4e38 << false;
}

void TestBoardWidget::absurdCoordinatesNeitherCrashNorHang() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, size);
    QFETCH(bool, coversBoard);
    // A hang is ended by the test framework's own time limit for a function.
    const auto drawAll = [&] {
        board->drawPoint(float(x), float(y), red);
        board->drawLine(float(x), float(y), 100, 100, red);
        board->drawLine(float(x), float(y), float(-x), float(-y), red);
        board->drawCircle(float(x), float(y), float(size), red);
        board->grab();
    };
    drawAll();
    QCOMPARE(board->graphics().pixel(1, 1) == qRgb(255, 255, 255), coversBoard);
    // The finer screen's drawing scales the coordinates once more.
    QVERIFY(showOn(*board, 2));
    board->clearGraphics();
    drawAll();
    QCOMPARE(board->graphics().pixel(2, 2) == qRgb(255, 255, 255), coversBoard);
}

// A flight draws a point a step and yields a step; the window must not
// repaint a step, only about once a display frame. However busy the machine,
// no two paints come much closer than a frame (one may
// have been asked for before the count began).
void TestBoardWidget::repaintsAreCoalescedToTheFrameRate() {
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    QCoreApplication::processEvents();
    const long long before = board->paintCount();
    QElapsedTimer clock; // bounds a failing run, and the paints a time allows
    clock.start();
    long long steps = 0;
    while (board->paintCount() - before < 3 && clock.elapsed() < 20000) {
        board->drawPoint(float(steps % 1000), float(100 + steps / 1000 % 500), red);
        QCoreApplication::processEvents();
        ++steps;
    }
    const long long paints = board->paintCount() - before;
    QVERIFY2(paints >= 3, qPrintable(QString("%1 paints for %2 steps").arg(paints).arg(steps)));
    QVERIFY2(paints <= clock.elapsed() / (BoardWidget::frameMilliseconds - 1) + 2,
             qPrintable(QString("%1 paints in %2 ms").arg(paints).arg(clock.elapsed())));
    // The last point shows with nothing more drawn.
    board->drawPoint(900, 900, red);
    QTRY_COMPARE(shown(*board, 900, 900), qRgb(255, 0, 0));
}

// An explosion does not yield: the widget paints by itself, about once a frame.
void TestBoardWidget::drawingWithoutYieldsStillShowsItsProgress() {
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    QCoreApplication::processEvents();
    const long long before = board->paintCount();
    QElapsedTimer clock; // bounds a failing run, and the paints a time allows
    clock.start();
    for (int i = 0; board->paintCount() - before < 4 && clock.elapsed() < 20000; ++i)
        board->drawLine(640, 500, float(i % 1280), 0, red);
    const long long paints = board->paintCount() - before;
    QVERIFY2(paints >= 4, qPrintable(QString::number(paints)));
    QVERIFY2(paints <= clock.elapsed() / (BoardWidget::frameMilliseconds - 1) + 2,
             qPrintable(QString("%1 paints in %2 ms").arg(paints).arg(clock.elapsed())));
}

// The drawing of a whole flight and an explosion, pixel for pixel what the
// board drew before it learnt finer screens.
void TestBoardWidget::flightAtOneDevicePixelDrawsTheSamePixelsAsEver() {
    vortalin::test::flyOrbitAndExplode(*board);
    const QImage before(QStringLiteral(VORTALIN_LAYERS "/orbit-and-explosion.png"));
    QVERIFY(!before.isNull());
    QCOMPARE(board->ratio(), 1.0);
    const QImage layer = board->graphics().copy(QRect(QPoint(0, 0), before.size()));
    QCOMPARE(layer, before.convertToFormat(layer.format()));
}

// Above one device pixel a board pixel, the pictures and stars are painted
// for the screen, not the board pixels repeated.
void TestBoardWidget::picturesArePaintedForTheScreen() {
    QFETCH(double, ratio);
    QVERIFY(showOn(*board, ratio));
    board->movePicture(ImageArray::bodies, 0, 100, 100);
    board->setPicture(ImageArray::bodies, 0, 7); // banded giant
    board->movePicture(ImageArray::bodies, 1, 400, 100);
    board->setPicture(ImageArray::bodies, 1, 10); // black hole
    board->movePicture(ImageArray::ships, 0, 600, 300);
    board->setPicture(ImageArray::ships, 0, 11);
    const QImage shot = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(1280, 1000) * ratio);
    for (int k : {0, 1}) {
        const auto& e = board->Image1(k);
        const QImage shown = shot.copy(deviceRectOf(*board, e.topLeft, e.picture.size()));
        if (ratio == 1) {
            QCOMPARE(shown, e.picture);
            continue;
        }
        QVERIFY2(differingFromEnlarged(shown, e.picture) > 0.5, qPrintable(QString::number(k)));
    }
    if (ratio == 2) {
        const auto& giant = board->Image1(0);
        QVERIFY(uniformBlocks(
                    shot.copy(deviceRectOf(*board, giant.topLeft, giant.picture.size()))) < 0.5);
    }
    const auto& ship = board->Image2(0);
    const QImage shownShip = shot.copy(deviceRectOf(*board, ship.topLeft, ship.picture.size()));
    QCOMPARE(differingFromEnlarged(shownShip, ship.picture) > 0.1, ratio != 1);
    // The same stars, as bright in all: their light grows with the area.
    const QRect sky(800, 500, 400, 400);
    const QImage stars = shot.copy(deviceRectOf(*board, sky.topLeft(), sky.size()));
    double light = 0, boardLight = 0;
    for (int y = 0; y < stars.height(); ++y)
        for (int x = 0; x < stars.width(); ++x)
            light += qGray(stars.pixel(x, y));
    for (int y = sky.top(); y <= sky.bottom(); ++y)
        for (int x = sky.left(); x <= sky.right(); ++x)
            boardLight += qGray(background(*board, x, y));
    QVERIFY2(std::abs(light / (ratio * ratio) / boardLight - 1) < 0.05,
             qPrintable(QString::number(light / (ratio * ratio) / boardLight)));
}

// Each step's point covers, within half a board pixel, the board pixel it
// covers at one device pixel a board pixel; finer screens place it finer,
// not on the board pixels' squares.
void TestBoardWidget::pointsLandOnTheirBoardPixels() {
    QFETCH(double, ratio);
    QVERIFY(showOn(*board, ratio));
    vortalin::MemoryBoard memory;
    vortalin::test::flyOrbitAndExplode(memory);
    QVERIFY(memory.points.size() > 1000);
    int samples = 0, offTheBoardGrid = 0;
    for (std::size_t i = 0; i < memory.points.size(); i += 37) {
        const auto& p = memory.points[i];
        board->clearGraphics();
        board->drawPoint(p.x, p.y, vortalin::white);
        const QImage& g = board->graphics();
        const QRect near = deviceRectOf(*board, QPoint(int(p.x) - 2, int(p.y) - 2), QSize(5, 5));
        QRect lit;
        for (int y = near.top(); y <= near.bottom(); ++y)
            for (int x = near.left(); x <= near.right(); ++x)
                if (g.pixel(x, y) == qRgb(255, 255, 255))
                    lit |= QRect(x, y, 1, 1);
        QVERIFY(!lit.isEmpty());
        const QPointF centre = QRectF(lit).center() / ratio;
        QVERIFY2(std::abs(centre.x() - (p.x + 0.5)) <= 0.5 + 1e-6 &&
                     std::abs(centre.y() - (p.y + 0.5)) <= 0.5 + 1e-6,
                 qPrintable(QStringLiteral("(%1, %2) drawn at (%3, %4)")
                                .arg(p.x)
                                .arg(p.y)
                                .arg(centre.x())
                                .arg(centre.y())));
        // Where the square of the nearest board pixel begins on this screen.
        const QPoint boardPixel(int(std::lround(std::floor(p.x + 0.5) * ratio)),
                                int(std::lround(std::floor(p.y + 0.5) * ratio)));
        offTheBoardGrid += lit.topLeft() != boardPixel;
        ++samples;
    }
    // At 100 % every point is a board pixel; finer, many lie between two
    // (at 125 % half of this flight's, at 200 % seven in ten).
    const QString share = QStringLiteral("%1 of %2").arg(offTheBoardGrid).arg(samples);
    if (ratio == 1)
        QVERIFY2(offTheBoardGrid == 0, qPrintable(share));
    else
        QVERIFY2(offTheBoardGrid * 4 >= samples, qPrintable(share));
}

// Pictures keep their board positions and sizes whatever the screen: on a
// board filled with drawing, each covers its own square of it.
void TestBoardWidget::picturesKeepTheirPlaceAndSizeInBoardPixels() {
    QFETCH(double, ratio);
    QVERIFY(showOn(*board, ratio));
    board->setFillColor({255, 255, 255});
    board->drawCircle(640, 500, 5000, {255, 255, 255});
    const QList<std::pair<int, QPoint>> placed{
        {0, {103, 101}}, {4, {333, 517}}, {8, {701, 233}}, {9, {1001, 11}}, {13, {51, 801}}};
    for (int k = 0; k < placed.size(); ++k) {
        board->movePicture(ImageArray::bodies, k, placed[k].second.x(), placed[k].second.y());
        board->setPicture(ImageArray::bodies, k, placed[k].first);
    }
    const QImage shot = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int k = 0; k < placed.size(); ++k) {
        const auto& e = board->Image1(k);
        QCOMPARE(e.topLeft, placed[k].second);
        QCOMPARE(e.picture.size(), board->Image3(placed[k].first).size());
        const QRect expected = deviceRectOf(*board, e.topLeft, e.picture.size());
        QRect covered;
        for (int y = expected.top() - 3; y <= expected.bottom() + 3; ++y)
            for (int x = expected.left() - 3; x <= expected.right() + 3; ++x)
                if (shot.pixel(x, y) != qRgb(255, 255, 255))
                    covered |= QRect(x, y, 1, 1);
        const auto near = [](int a, int b) { return std::abs(a - b) <= 1; };
        QVERIFY2(near(covered.left(), expected.left()) && near(covered.top(), expected.top()) &&
                     near(covered.right(), expected.right()) &&
                     near(covered.bottom(), expected.bottom()),
                 qPrintable(QString::number(k)));
    }
}

// A disc's edge blends into what lies beneath on finer screens; at one
// device pixel a board pixel it stays as sharp as ever.
void TestBoardWidget::explosionsHaveSmoothEdgesOnFinerScreens() {
    QFETCH(double, ratio);
    QVERIFY(showOn(*board, ratio));
    board->setFillColor({200, 220, 255});
    board->drawCircle(300, 300, 80, {255, 255, 255});
    board->drawLine(10, 900, 1200, 700, {0, 0, 0});
    QCOMPARE(hasPartialAlpha(
                 board->graphics().copy(QRect(QPoint(200, 200) * ratio, QSize(200, 200) * ratio))),
             ratio != 1);
    const QColor inside = board->graphics().pixelColor(QPoint(300, 300) * ratio);
    QCOMPARE(inside, QColor(200, 220, 255));
}

// A window dragged to a screen of another ratio shows that screen's
// pictures at once, and the drawing made so far stays in place.
void TestBoardWidget::aBoardMovedToAFinerScreenTakesItsPictures() {
    QVERIFY(showOn(*board, 1));
    board->movePicture(ImageArray::bodies, 0, 100, 100);
    board->setPicture(ImageArray::bodies, 0, 7);
    board->drawLine(300, 300, 600, 300, {255, 0, 0});
    QScreen* finer = screenOfRatio(2);
    QVERIFY(finer);
    board->windowHandle()->setScreen(finer);
    board->move(finer->geometry().topLeft());
    QTRY_COMPARE(board->devicePixelRatioF(), 2.0);
    const QImage shot = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(board->ratio(), 2.0);
    // Newer Qt keeps the window's pixels rather than its size on the move.
    QCOMPARE(shot.size(), board->size() * 2);
    QVERIFY(uniformBlocks(shot.copy(200, 200, 300, 300)) < 0.5);
    QCOMPARE(QColor(shot.pixel(900, 601)).red(), 255);
}

void TestBoardWidget::aScreenTakesTheNearestSetCarried_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QList<double>>("carried");
    QTest::addColumn<double>("painted");
    const QList<double> all{1, 1.25, 1.5, 2};
    QTest::newRow("100 %") << 1.0 << all << 1.0;
    QTest::newRow("90 %") << 0.9 << all << 1.0;
    QTest::newRow("110 %: the 125 % set") << 1.1 << all << 1.25;
    QTest::newRow("125 % reported a hair above") << 1.2500001 << all << 1.25;
    QTest::newRow("175 %: the 200 % set") << 1.75 << all << 2.0;
    QTest::newRow("300 %: the finest") << 3.0 << all << 2.0;
    QTest::newRow("200 %, the 1x set alone") << 2.0 << QList<double>{1} << 1.0;
    QTest::newRow("125 % without its set") << 1.25 << QList<double>{1, 1.5, 2} << 1.5;
    QTest::newRow("150 %, the 2x set beside") << 1.5 << QList<double>{1, 2} << 2.0;
    QTest::newRow("300 %, 150 the finest") << 3.0 << QList<double>{1, 1.5} << 1.5;
    QTest::newRow("100 %, the 2x set beside") << 1.0 << QList<double>{1, 2} << 1.0;
}

// A set the program lacks is never asked for: the nearest set above the
// screen's ratio that it holds, else its finest, is there to scale.
void TestBoardWidget::aScreenTakesTheNearestSetCarried() {
    QFETCH(double, ratio);
    QFETCH(QList<double>, carried);
    QFETCH(double, painted);
    carryOnly(carried);
    const double taken = vortalin::ui::paintedScaleFor(ratio);
    const QImage giant = vortalin::art::stockPicture(7, taken);
    const QImage stars = vortalin::art::starfield(taken);
    carryAll();
    QCOMPARE(taken, painted);
    const int side = int(std::lround(150 * painted));
    QCOMPARE(giant.size(), QSize(side, side));
    QVERIFY(!stars.isNull());
}

VORTALIN_FINER_SCREENS_TEST_MAIN(TestBoardWidget)
#include "test_boardwidget.moc"
