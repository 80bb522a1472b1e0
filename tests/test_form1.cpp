#include "support/fixedscreen.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/speed.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using vortalin::GameOptions;
using vortalin::Option;
using vortalin::ui::Application;
using vortalin::ui::Form1;
using vortalin::ui::SpeedClock;

namespace {

// A clock that can be read `perSecond` times a second, from 1000 s on.
SpeedClock fakeClock(double perSecond) {
    auto readings = std::make_shared<long long>(0);
    return [readings, perSecond] { return 1000.0 + double((*readings)++) / perSecond; };
}

// An application whose options dialog measures `perSecond` readings.
std::unique_ptr<Application> appMeasuring(double perSecond) {
    auto app = std::make_unique<Application>();
    app->speedClock = fakeClock(perSecond);
    app->form2().messageSink = [](const QString&) {};
    return app;
}

} // namespace

Q_DECLARE_METATYPE(GameOptions)

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    // The measurement is readings a second over 180, within the speed bar's 1 to 600.
    void calibrationCountsReadingsAndStaysInRange_data() {
        QTest::addColumn<double>("perSecond");
        QTest::addColumn<int>("speed");
        QTest::newRow("3700 readings") << 3700.0 << 20;
        QTest::newRow("1000 readings") << 1000.0 << 5;
        QTest::newRow("too slow for 1") << 90.0 << 1;
        QTest::newRow("one reading") << 0.5 << 1;
        QTest::newRow("just 600") << 108100.0 << 600;
        QTest::newRow("a fast machine") << 5.0e6 << 600;
    }
    void calibrationCountsReadingsAndStaysInRange() {
        QFETCH(double, perSecond);
        QFETCH(int, speed);
        QCOMPARE(vortalin::ui::calibrateSpeed(fakeClock(perSecond)), speed);
    }

    // The real clock ends the measurement after about a second.
    void calibrationOnTheRealClockTakesASecond() {
        QElapsedTimer timer;
        timer.start();
        const int speed = vortalin::ui::calibrateSpeed(vortalin::ui::monotonicSeconds);
        QVERIFY(timer.elapsed() >= 990); // a busy machine may take longer
        QVERIFY(speed >= 1 && speed <= 600);
    }

    // A tenth of the bar, rounded down, in both the label and the stored option.
    void speedBarGivesATenthRoundedDown_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("value");
        QTest::newRow("10") << 10 << 1;
        QTest::newRow("15") << 15 << 1;
        QTest::newRow("19") << 19 << 1;
        QTest::newRow("205") << 205 << 20;
        QTest::newRow("6000") << 6000 << 600;
    }
    void speedBarGivesATenthRoundedDown() {
        QFETCH(int, bar);
        QFETCH(int, value);
        auto app = appMeasuring(3700);
        Form1& form = app->form1();
        form.open();
        form.HScroll2->setValue(bar);
        QCOMPARE(form.Label4->text(), QStringLiteral(" %1").arg(value));
        form.Command1_Click();
        QCOMPARE(app->state().options[Option::animationDelay], value);
    }

    // The measured speed goes into the bar; an unchanged bar runs no handler.
    void loadPutsTheMeasurementOnTheSpeedBar_data() {
        QTest::addColumn<double>("perSecond");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("label");
        QTest::newRow("c = 20 leaves 200") << 3700.0 << 200 << 0 << " 20";
        QTest::newRow("c = 30") << 5500.0 << 300 << 1 << " 30";
        QTest::newRow("clamped to 600") << 1.0e6 << 6000 << 1 << " 600";
        QTest::newRow("clamped to 1") << 10.0 << 10 << 1 << " 1";
    }
    void loadPutsTheMeasurementOnTheSpeedBar() {
        QFETCH(double, perSecond);
        QFETCH(int, bar);
        QFETCH(int, changes);
        QFETCH(QString, label);
        auto app = appMeasuring(perSecond);
        Form1& form = app->form1();
        QSignalSpy spy(form.HScroll2, &QScrollBar::valueChanged);
        form.open();
        QCOMPARE(form.HScroll2->value(), bar);
        QCOMPARE(spy.count(), changes);
        QCOMPARE(form.Label4->text(), label);
    }

    // The planet label reads "6" at first, then follows the bar with a blank.
    void planetLabelFollowsTheBar() {
        auto app = appMeasuring(3700);
        Form1& form = app->form1();
        form.open();
        QCOMPARE(form.HScroll1->value(), 6);
        QCOMPARE(form.Label2->text(), QStringLiteral("6"));
        form.HScroll1->setValue(7);
        QCOMPARE(form.Label2->text(), QStringLiteral(" 7"));
        form.HScroll1->setValue(6);
        QCOMPARE(form.Label2->text(), QStringLiteral(" 6"));
    }

    // Opening again shows the dialog as it was left, without measuring again.
    void reopeningKeepsTheChoices() {
        auto app = appMeasuring(3700);
        Form1& form = app->form1();
        form.open();
        form.HScroll1->setValue(3);
        form.Check2->setChecked(false);
        form.hide();
        form.open();
        QCOMPARE(form.HScroll1->value(), 3);
        QCOMPARE(form.Label2->text(), QStringLiteral(" 3"));
        QVERIFY(!form.Check2->isChecked());
    }

    // What the player sees first: ticked boxes, hidden extras, focus on the planet bar.
    void firstDisplay() {
        auto app = appMeasuring(3700);
        Form1& form = app->form1();
        form.open();
        QVERIFY(form.Check1->isChecked() && form.Check2->isChecked());
        QVERIFY(form.Check3->isChecked() && form.Check4->isChecked());
        QVERIFY(form.Check5->isHidden() && form.Label5->isHidden());
        QCOMPARE(form.windowTitle(), QStringLiteral("Vortalin - Settaggio Opzioni"));
        QCOMPARE(form.focusWidget(), form.HScroll1);
        QVERIFY(form.Check1->isVisible()); // drawn over the frame, not hidden by it
    }

    // "Fatto" stores the six options in their entries; 6 to 10 stay 0.
    void doneStoresTheOptions_data() {
        QTest::addColumn<int>("planets");
        QTest::addColumn<QString>("untick"); // caption of the box to untick
        QTest::addColumn<int>("speedBar");
        QTest::addColumn<GameOptions>("expected");
        const auto options = [](int n, int b, int r, int g, int s, int delay) {
            GameOptions o;
            o[Option::planetCount] = n;
            o[Option::blackHoles] = b;
            o[Option::repulsiveBodies] = r;
            o[Option::giantPlanets] = g;
            o[Option::supernovae] = s;
            o[Option::animationDelay] = delay;
            return o;
        };
        QTest::newRow("as shown") << 6 << "" << 200 << options(6, 1, 1, 1, 1, 20);
        QTest::newRow("no black holes") << 6 << "Buchi neri" << 200 << options(6, 0, 1, 1, 1, 20);
        QTest::newRow("no repulsive")
            << 1 << "Corpi con gravità positiva" << 15 << options(1, 1, 0, 1, 1, 1);
        QTest::newRow("no giants")
            << 10 << "Pianeti Giganti" << 6000 << options(10, 1, 1, 0, 1, 600);
        QTest::newRow("no supernovae") << 4 << "Supernove" << 10 << options(4, 1, 1, 1, 0, 1);
    }
    void doneStoresTheOptions() {
        QFETCH(int, planets);
        QFETCH(QString, untick);
        QFETCH(int, speedBar);
        QFETCH(GameOptions, expected);
        auto app = appMeasuring(3700);
        Form1& form = app->form1();
        form.open();
        form.HScroll1->setValue(planets);
        for (QCheckBox* box : form.findChildren<QCheckBox*>())
            if (box->text() == untick)
                QTest::mouseClick(box, Qt::LeftButton);
        form.HScroll2->setValue(speedBar);
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(app->state().options, expected);
    }

    // "Fatto" leaves for the board with a new map, also when nothing changed.
    void doneBuildsAFreshMapEachTime() {
        auto app = appMeasuring(3700);
        Form1& form = app->form1();
        form.open();
        form.Command1_Click();
        QVERIFY(form.isHidden());
        QVERIFY(app->form2().isVisible());
        QVERIFY(app->state().planets.kind(1) != 0);

        app->form2().opzionifuori_Click();
        QVERIFY(app->form2().isHidden());
        QVERIFY(form.isVisible());
        app->state().planets = {}; // a stale board must not survive
        app->state().currentTurn = 3;
        form.Command1_Click();
        QVERIFY(app->state().planets.kind(1) != 0);
        QVERIFY(app->state().ships.x(0) != 0);
        QCOMPARE(app->state().currentTurn, 0);
        QVERIFY(app->form2().isVisible());
    }

    // "Esci" and the close box end the program before any map exists.
    void leavingEndsTheProgram_data() {
        QTest::addColumn<bool>("throughFrame");
        QTest::newRow("Esci") << false;
        QTest::newRow("close box") << true;
    }
    void leavingEndsTheProgram() {
        QFETCH(bool, throughFrame);
        auto app = appMeasuring(3700);
        Form1& form = app->form1();
        form.open();
        if (throughFrame)
            form.close();
        else
            QTest::mouseClick(form.Command2, Qt::LeftButton);
        QVERIFY(app->ending());
        QVERIFY(form.isHidden());
        QCOMPARE(app->state().planets.kind(1), 0.0);
    }
};

VORTALIN_FIXED_SCREEN_TEST_MAIN(TestForm1)
#include "test_form1.moc"
