#include "ui/pacer.h"

#include <QtTest>

#include <algorithm>

using vortalin::ui::Pacer;

namespace {

constexpr double rate = 108000;
constexpr Pacer::Nanoseconds frame = 16'000'000;

struct Run {
    double seconds = 0;
    long long mostStepsInAFrame = 0;
};

// Flies `steps` steps on a make-believe clock, each costing `stepCost`, with
// the loop held up once for `holdUp` halfway; waits as the window does.
Run fly(long long steps, Pacer::Nanoseconds stepCost, Pacer::Nanoseconds holdUp) {
    Pacer pacer(rate, frame);
    Pacer::Nanoseconds now = 1'000'000'000;
    Run run;
    long long sinceWait = 0;
    for (long long n = 1; n <= steps; ++n) {
        now += stepCost;
        if (n == steps / 2)
            now += holdUp;
        ++sinceWait;
        if (pacer.spend())
            continue;
        const Pacer::Nanoseconds until = pacer.nextFrameAfter(now);
        if (until > now) {
            run.mostStepsInAFrame = std::max(run.mostStepsInAFrame, sinceWait);
            sinceWait = 0;
            now = until;
        }
        pacer.refill(now);
    }
    run.seconds = double(now - 1'000'000'000) / 1e9;
    return run;
}

} // namespace

class TestPacer : public QObject {
    Q_OBJECT

private slots:
    // A fast machine flies 108,000 steps a second, a frame's worth at a time;
    // a slow one flies as fast as it can; a hold-up is never caught up on.
    void flightKeepsThePace_data() {
        QTest::addColumn<long long>("steps");
        QTest::addColumn<qint64>("stepCost");
        QTest::addColumn<qint64>("holdUp");
        QTest::addColumn<double>("seconds");
        QTest::newRow("200,000 steps, fast machine")
            << 200000LL << qint64(300) << qint64(0) << 200000 / rate;
        QTest::newRow("longest flight") << 1320000LL << qint64(300) << qint64(0) << 1320000 / rate;
        QTest::newRow("steps that cost nothing")
            << 200000LL << qint64(0) << qint64(0) << 200000 / rate;
        QTest::newRow("a message box for 5 s")
            << 200000LL << qint64(300) << qint64(5'000'000'000) << 5 + 200000 / rate;
        QTest::newRow("slower than the pace") << 200000LL << qint64(20000) << qint64(0) << 4.0;
    }
    void flightKeepsThePace() {
        QFETCH(long long, steps);
        QFETCH(qint64, stepCost);
        QFETCH(qint64, holdUp);
        QFETCH(double, seconds);
        const Run run = fly(steps, stepCost, holdUp);
        // The first frame's steps are free; after that the clock rules.
        QVERIFY2(std::abs(run.seconds - seconds) < 0.04, qPrintable(QString::number(run.seconds)));
        // A few frames' worth at most between two looks at the window.
        QVERIFY2(run.mostStepsInAFrame <= 2.5 * rate * 0.016,
                 qPrintable(QString::number(run.mostStepsInAFrame)));
    }
};

QTEST_APPLESS_MAIN(TestPacer)
#include "test_pacer.moc"
