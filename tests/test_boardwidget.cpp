#include "support/fixedscreen.h"
#include "ui/boardwidget.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cmath>
#include <limits>

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
    QElapsedTimer clock;
    clock.start();
    board->drawPoint(float(x), float(y), red);
    board->drawLine(float(x), float(y), 100, 100, red);
    board->drawLine(float(x), float(y), float(-x), float(-y), red);
    board->drawCircle(float(x), float(y), float(size), red);
    board->grab();
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(board->graphics().pixel(1, 1) == qRgb(255, 255, 255), coversBoard);
}

// A flight draws a point a step and yields a step; the window must not
// repaint a step, only about once a display frame.
void TestBoardWidget::repaintsAreCoalescedToTheFrameRate() {
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    QCoreApplication::processEvents();
    const long long before = board->paintCount();
    QElapsedTimer clock;
    clock.start();
    long long steps = 0;
    while (clock.elapsed() < 200) {
        board->drawPoint(float(steps % 1000), float(100 + steps / 1000 % 500), red);
        QCoreApplication::processEvents();
        ++steps;
    }
    const long long paints = board->paintCount() - before;
    QVERIFY2(paints >= 3 && paints <= 200 / BoardWidget::frameMilliseconds + 3,
             qPrintable(QString("%1 paints for %2 steps").arg(paints).arg(steps)));
    QVERIFY(steps > 100 * paints);
    // The last point shows within a frame or so, with nothing more drawn.
    board->drawPoint(900, 900, red);
    QTRY_COMPARE_WITH_TIMEOUT(shown(*board, 900, 900), qRgb(255, 0, 0), 100);
}

// An explosion does not yield: the widget paints by itself once a frame.
void TestBoardWidget::drawingWithoutYieldsStillShowsItsProgress() {
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    QCoreApplication::processEvents();
    const long long before = board->paintCount();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; clock.elapsed() < 200; ++i)
        board->drawLine(640, 500, float(i % 1280), 0, red);
    const long long paints = board->paintCount() - before;
    QVERIFY2(paints >= 4 && paints <= 15, qPrintable(QString::number(paints)));
}

VORTALIN_FIXED_SCREEN_TEST_MAIN(TestBoardWidget)
#include "test_boardwidget.moc"
