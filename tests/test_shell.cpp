#include "modulo1.h"
#include "support/fixedscreen.h"
#include "ui/application.h"
#include "ui/arrangement.h"
#include "ui/centring.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/filelists.h"
#include "ui/form5.h"
#include "ui/form6.h"
#include "ui/helpviewer.h"
#include "ui/toolkittexts.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <map>
#include <memory>

using vortalin::ui::Application;
using vortalin::ui::Form6;
using vortalin::ui::HelpSystem;

namespace {

std::unique_ptr<Application> quietApp() {
    auto app = std::make_unique<Application>();
    app->setPaced(false);
    auto readings = std::make_shared<long long>(0);
    app->speedClock = [readings] { return double((*readings)++) / 3700.0; };
    app->form2().messageSink = [](const QString&) {};
    return app;
}

int aboutBoxes() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += dynamic_cast<Form6*>(window) != nullptr;
    return count;
}

// A stand-in system that records what help asked of it. The guide is in the
// place of index `guideAt` among the guide's places, or nowhere (-1).
struct FakeHelp {
    QString program;
    QStringList arguments;
    QUrl opened;

    HelpSystem system(bool winHelp, int guideAt, bool starts, const QString& programDirectory) {
        HelpSystem s;
        s.hasWinHelp = winHelp;
        const QStringList places = vortalin::ui::guidePlaces(programDirectory);
        s.fileExists = [places, guideAt](const QString& path) {
            return places.indexOf(path) == guideAt && guideAt >= 0;
        };
        s.startDetached = [this, starts](const QString& p, const QStringList& a) {
            program = p;
            arguments = a;
            return starts;
        };
        s.openUrl = [this, starts](const QUrl& url) {
            opened = url;
            return starts;
        };
        return s;
    }
};

// The five windows beside the board, by name.
QWidget& windowNamed(Application& app, const QString& name) {
    if (name == "Form1")
        return app.form1();
    if (name == "Form3")
        return app.form3();
    if (name == "Form4")
        return app.form4();
    if (name == "Form5")
        return app.form5();
    return app.form6();
}

// A control of the options or the map file dialog, by window and name.
QWidget* controlNamed(Application& app, const QString& name) {
    auto& o = app.form1();
    auto& m = app.form5();
    const std::map<QString, QWidget*> controls{
        {"Form1.Label1", o.Label1},     {"Form1.HScroll1", o.HScroll1},
        {"Form1.Label2", o.Label2},     {"Form1.Check1", o.Check1},
        {"Form1.Check2", o.Check2},     {"Form1.Frame1", o.Frame1},
        {"Form1.Check3", o.Check3},     {"Form1.Check4", o.Check4},
        {"Form1.HScroll2", o.HScroll2}, {"Form1.Label3(0)", o.Label3[0]},
        {"Form1.Label4", o.Label4},     {"Form1.Label5", o.Label5},
        {"Form1.Check5", o.Check5},     {"Form1.Label3(1)", o.Label3[1]},
        {"Form1.Command2", o.Command2}, {"Form1.Command1", o.Command1},
        {"Form5.Drive1", m.Drive1},     {"Form5.Dir1", m.Dir1},
        {"Form5.File1", m.File1},       {"Form5.Text1", m.Text1},
        {"Form5.Command1", m.Command1}, {"Form5.Label1", m.Label1},
        {"Form5.Command2", m.Command2},
    };
    return controls.at(name);
}

// A frame or a drawn rectangle, which other controls lie over by design.
bool isFrame(const QWidget* control) {
    return qobject_cast<const QGroupBox*>(control) ||
           QByteArray(control->metaObject()->className()) == "QFrame";
}

// Lays every window out for a screen this wide, as a turned phone does.
void fitWindowsTo(Application& app, int screenWidth) {
    for (const char* name : {"Form1", "Form3", "Form4", "Form5", "Form6"})
        if (auto* arrangement = vortalin::ui::Arrangement::of(windowNamed(app, name)))
            arrangement->fitTo(screenWidth);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    // Splash, then after 1.5 s once the options dialog; the splash stays hidden.
    void splashGivesWayToTheOptionsOnce() {
        auto app = quietApp();
        vortalin::Modulo1::Main(*app);
        auto& splash = app->form4();
        QVERIFY(splash.isVisible());
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.Timer1->interval(), 1500);
        QVERIFY(splash.Timer1->isActive());
        QVERIFY(!app->form1().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(app->form1().isVisible(), 5000);
        QVERIFY(splash.isHidden());
        QVERIFY(!splash.Timer1->isActive());
        app->form1().hide();
        QTest::qWait(1600);
        QVERIFY(app->form1().isHidden()); // no second firing reopens it
        QVERIFY(splash.isHidden());
    }

    // The Windows faces of the windows come out as installed free faces.
    void catalogueFacesResolve_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QStringList>("acceptable");
        QTest::newRow("serif") << "Times New Roman"
                               << QStringList{"Times New Roman", "Liberation Serif", "Tinos"};
        QTest::newRow("sans") << "Arial" << QStringList{"Arial", "Liberation Sans", "Arimo"};
        QTest::newRow("handwriting")
            << "Lucida Handwriting"
            << QStringList{"Lucida Handwriting", "Z003", "URW Chancery L", "TeX Gyre Chorus"};
    }
    void catalogueFacesResolve() {
#ifdef Q_OS_WIN
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("on Windows the offscreen platform reads fonts only from Qt's own lib/fonts");
#endif
        QFETCH(QString, face);
        QFETCH(QStringList, acceptable);
        auto app = quietApp();
        const auto& splash = app->form4();
        const QLabel* label = face == "Arial"             ? splash.Label2
                              : face == "Times New Roman" ? splash.Label1
                                                          : splash.Label3;
        // A face found in more than one foundry comes as "Z003 [urw]".
        const QString family =
            QFontInfo(label->font()).family().section(QStringLiteral(" ["), 0, 0);
        QVERIFY2(acceptable.contains(family), qPrintable(family));
    }

    // The options dialog and the about box open centred by their outer size,
    // frame included, on their first showing.
    void dialogsOpenCentredByTheirFrame_data() {
        QTest::addColumn<bool>("about");
        QTest::newRow("options") << false;
        QTest::newRow("about box") << true;
    }
    void dialogsOpenCentredByTheirFrame() {
        QFETCH(bool, about);
        auto app = quietApp();
        QWidget* dialog = about ? static_cast<QWidget*>(&app->form6()) : &app->form1();
        about ? app->form2().about_Click() : app->form1().open();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QRect outer = dialog->frameGeometry();
        QVERIFY(outer.size() != dialog->size()); // the platform gives a frame
        const QPointF centre = QRectF(outer).center();
        QVERIFY2(std::abs(centre.x() - 640) <= 1 && std::abs(centre.y() - 512) <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
    }

    // A screen that turned leaves some windows partly off it: those come
    // back centred, one still wholly on it keeps its place, the board stays
    // maximised.
    void windowsLeftOffScreenAreCentredAgain_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("centred");
        QTest::newRow("wholly on the screen") << QPoint(40, 60) << false;
        QTest::newRow("half off the right") << QPoint(1100, 300) << true;
        QTest::newRow("below the bottom") << QPoint(300, 1000) << true;
        QTest::newRow("above the top") << QPoint(300, -40) << true;
    }
    void windowsLeftOffScreenAreCentredAgain() {
        QFETCH(QPoint, at);
        QFETCH(bool, centred);
        auto app = quietApp();
        Form2Shown shown(*app);
        app->form2().about_Click();
        Form6& box = app->form6();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.move(at);
        const QRect board = app->form2().frameGeometry();
        vortalin::ui::centreWindowsLeftOffScreen();
        if (centred) {
            const QPointF centre = QRectF(box.frameGeometry()).center();
            QVERIFY2(std::abs(centre.x() - 640) <= 1 && std::abs(centre.y() - 512) <= 1,
                     qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
        } else {
            QCOMPARE(box.pos(), at);
        }
        QCOMPARE(app->form2().frameGeometry(), board);
    }

    // The narrowest screen the page gives the game (a 360-pixel phone held
    // upright, zoomed to 372): every window lies within it, frame included,
    // each shown control lies inside its parent, and in a narrowed window no
    // control covers another, but for the boxes laid over the frame on purpose.
    void everyWindowFitsTheNarrowestScreen_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("narrowed");
        QTest::newRow("options") << "Form1" << true;
        QTest::newRow("fire") << "Form3" << false;
        QTest::newRow("splash") << "Form4" << false;
        QTest::newRow("map file") << "Form5" << true;
        QTest::newRow("about") << "Form6" << false;
    }
    void everyWindowFitsTheNarrowestScreen() {
        QFETCH(QString, window);
        QFETCH(bool, narrowed);
        constexpr int narrowest = 372;
        auto app = quietApp();
        QWidget& shown = windowNamed(*app, window);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        const int frame = shown.frameGeometry().width() - shown.width();
        fitWindowsTo(*app, narrowest);
        const auto* arrangement = vortalin::ui::Arrangement::of(shown);
        QCOMPARE(arrangement && arrangement->isNarrow(), narrowed);
        QVERIFY2(shown.width() + std::max(frame, 8) <= narrowest,
                 qPrintable(QString::number(shown.width())));
        QList<const QWidget*> parents{&shown};
        for (const QGroupBox* frame : shown.findChildren<QGroupBox*>())
            parents << frame;
        for (const QWidget* parent : parents) {
            const QList<QWidget*> controls =
                parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (const QWidget* control : controls) {
                if (control->isWindow() || !control->isVisibleTo(&shown))
                    continue;
                QVERIFY2(parent->rect().contains(control->geometry()),
                         qPrintable(control->metaObject()->className()));
                for (const QWidget* other : controls) {
                    if (!narrowed) // the catalogue's own layout: the dial's box reaches a bar
                        break;
                    if (other == control || other->isWindow() || !other->isVisibleTo(&shown))
                        continue;
                    const bool overFrame = isFrame(other) &&
                                           other->geometry().contains(control->geometry());
                    QVERIFY2(overFrame || isFrame(control) ||
                                 !control->geometry().intersects(other->geometry()),
                             qPrintable(QStringLiteral("%1 over %2")
                                            .arg(control->metaObject()->className(),
                                                 other->metaObject()->className())));
                }
            }
        }
    }

    // A window takes its narrow arrangement only on a screen narrower than
    // it is as designed, frame included.
    void narrowArrangementOnlyWhereTheWindowIsWider_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("spare"); // screen width less the designed outer width
        QTest::addColumn<bool>("narrow");
        QTest::newRow("options, just wide enough") << "Form1" << 0 << false;
        QTest::newRow("options, a pixel short") << "Form1" << -1 << true;
        QTest::newRow("map file, just wide enough") << "Form5" << 0 << false;
        QTest::newRow("map file, a pixel short") << "Form5" << -1 << true;
        QTest::newRow("map file on a 844 phone on its side") << "Form5" << 844 - 440 << false;
    }
    void narrowArrangementOnlyWhereTheWindowIsWider() {
        QFETCH(QString, window);
        QFETCH(int, spare);
        QFETCH(bool, narrow);
        auto app = quietApp();
        QWidget& shown = windowNamed(*app, window);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        const int outer = shown.frameGeometry().width();
        auto* arrangement = vortalin::ui::Arrangement::of(shown);
        QVERIFY(arrangement && !arrangement->isNarrow());
        QCOMPARE(arrangement->fitTo(outer + spare), narrow);
        QCOMPARE(arrangement->isNarrow(), narrow);
    }

    // Narrowed and widened again (a phone turned twice), the windows are the
    // catalogue's to the pixel, as on a 1024-pixel desktop from the start.
    void designedArrangementIsTheCatalogue_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char* control, int l, int t, int w, int h) {
            QTest::newRow(control) << QString::fromLatin1(control) << QRect(l, t, w, h);
        };
        row("Form1", 0, 0, 7335, 4230);
        row("Form1.Label1", 525, 210, 1395, 225);
        row("Form1.HScroll1", 2340, 210, 3705, 210);
        row("Form1.Label2", 6540, 225, 645, 240);
        row("Form1.Check1", 495, 960, 1650, 360);
        row("Form1.Check2", 480, 1410, 2175, 330);
        row("Form1.Frame1", 225, 675, 2565, 2160);
        row("Form1.Check3", 255, 1200, 2085, 255);
        row("Form1.Check4", 240, 1620, 1605, 300);
        row("Form1.HScroll2", 3075, 1545, 3315, 225);
        row("Form1.Label3(0)", 3630, 900, 2310, 225);
        row("Form1.Label4", 6570, 1575, 435, 255);
        row("Form1.Label5", 4080, 2310, 1860, 285);
        row("Form1.Check5", 3120, 1980, 3075, 255);
        row("Form1.Label3(1)", 3600, 1215, 1875, 225);
        row("Form1.Command2", 3690, 3570, 3615, 525);
        row("Form1.Command1", 45, 3570, 3615, 525);
        row("Form5", 0, 0, 6480, 3885);
        row("Form5.Drive1", 210, 1980, 2835, 315);
        row("Form5.Dir1", 210, 195, 2820, 1665);
        row("Form5.File1", 3225, 180, 3120, 2040);
        row("Form5.Text1", 1335, 2625, 4965, 360);
        row("Form5.Command1", 975, 3285, 2085, 450);
        row("Form5.Label1", 225, 2685, 825, 225);
        row("Form5.Command2", 3750, 3285, 2205, 450);
    }
    void designedArrangementIsTheCatalogue() {
        QFETCH(QString, control);
        QFETCH(QRect, twips);
        using vortalin::ui::rectFromTwips;
        const QRect expected = rectFromTwips(twips.x(), twips.y(), twips.width(), twips.height());
        auto app = quietApp();
        const auto placed = [&] {
            return control.contains(u'.') ? controlNamed(*app, control)->geometry()
                                          : QRect(QPoint(), windowNamed(*app, control).size());
        };
        QCOMPARE(placed(), expected);
        fitWindowsTo(*app, 360);
        QVERIFY(placed() != expected || control.endsWith("Drive1") || control.endsWith("Dir1") ||
                control.startsWith("Form1.Check3") || control.startsWith("Form1.Check4"));
        fitWindowsTo(*app, 1024);
        QCOMPARE(placed(), expected);
        QCOMPARE(windowNamed(*app, control.section(u'.', 0, 0)).minimumSize(),
                 windowNamed(*app, control.section(u'.', 0, 0)).maximumSize()); // fixed
    }

    // "About" twice: one box; "Ok" hides it; it comes back where it was left.
    void aboutBoxIsOneAndKeepsItsPlace() {
        auto app = quietApp();
        Form2Shown shown(*app);
        app->form2().about_Click();
        app->form2().about_Click();
        QCOMPARE(aboutBoxes(), 1);
        Form6& box = app->form6();
        QVERIFY(box.isVisible());
        QVERIFY(app->form2().isEnabled()); // the board stays usable beside it
        QCOMPARE(box.windowHandle()->transientParent(), app->form2().windowHandle());
        box.move(40, 60);
        QTest::mouseClick(box.Command1, Qt::LeftButton);
        QVERIFY(box.isHidden());
        app->form2().about_Click();
        QVERIFY(box.isVisible());
        QCOMPARE(box.pos(), QPoint(40, 60));
        QCOMPARE(aboutBoxes(), 1);
    }

    // Every opening, not only the first, puts the focus on the window's first
    // control: left on "Fatto", a Space at the next "Opzioni" would build a map.
    void everyOpeningFocusesTheFirstControl_data() {
        QTest::addColumn<bool>("about");
        QTest::newRow("options, again through Opzioni") << false;
        QTest::newRow("about box, again after Ok") << true;
    }
    void everyOpeningFocusesTheFirstControl() {
        QFETCH(bool, about);
        auto app = quietApp();
        Form2Shown shown(*app);
        vortalin::ui::Form1& options = app->form1();
        QWidget* window = about ? static_cast<QWidget*>(&app->form6()) : &options;
        QWidget* first = about ? static_cast<QWidget*>(app->form6().Command1) : options.HScroll1;
        about ? app->form2().about_Click() : options.open();
        QTRY_COMPARE(QApplication::focusWidget(), first);

        if (about) {
            app->form6().Label4->setFocusPolicy(Qt::StrongFocus); // somewhere else to be
            app->form6().Label4->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), app->form6().Label4);
            app->form6().Command1->click();
            app->form2().activateWindow();
            app->form2().about_Click();
        } else {
            options.Command1->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), options.Command1);
            QTest::keyClick(options.Command1, Qt::Key_Space); // "Fatto": the board comes
            QVERIFY(options.isHidden());
            app->form2().opzionifuori_Click();
        }
        QVERIFY(window->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), first);
    }

    // The about box's close box only hides it; the program goes on.
    void closingTheAboutBoxHidesIt() {
        auto app = quietApp();
        app->form2().about_Click();
        QPointer<Form6> box = &app->form6();
        box->close();
        QVERIFY(box && box->isHidden());
        QVERIFY(!app->ending());
    }

    // "Opzioni" hides the board and shows the options as they were left.
    void optionsReplaceTheBoard() {
        auto app = quietApp();
        app->form1().open();
        app->form1().HScroll1->setValue(4);
        app->form1().Command1_Click();
        QVERIFY(app->form2().isVisible());
        app->form2().opzionifuori_Click();
        QVERIFY(app->form2().isHidden());
        QVERIFY(app->form1().isVisible());
        QCOMPARE(app->form1().Label2->text(), QStringLiteral(" 4"));
    }

    // "Esci" ends the program with the about box open; the main window's close box too.
    void leavingTheBoardEndsTheProgram_data() {
        QTest::addColumn<bool>("throughFrame");
        QTest::newRow("Esci") << false;
        QTest::newRow("close box") << true;
    }
    void leavingTheBoardEndsTheProgram() {
        QFETCH(bool, throughFrame);
        auto app = quietApp();
        Form2Shown shown(*app);
        app->form2().about_Click();
        if (throughFrame)
            app->form2().close();
        else
            app->form2().esci->trigger();
        QVERIFY(app->ending());
        QVERIFY(app->form2().isHidden());
        QVERIFY(app->form6().isHidden());
    }

    // The viewer's command line; the help file's path is quoted only with blanks.
    void winHelpCommandLine_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << "C:\\Giochi\\Vortalin"
                               << "c:\\windows\\winhlp32.exe C:\\Giochi\\Vortalin\\vortalin.hlp";
        QTest::newRow("blanks")
            << "C:\\Program Files\\Vortalin"
            << "c:\\windows\\winhlp32.exe \"C:\\Program Files\\Vortalin\\vortalin.hlp\"";
        QTest::newRow("root") << "D:\\"
                              << "c:\\windows\\winhlp32.exe D:\\vortalin.hlp";
    }
    void winHelpCommandLine() {
        QFETCH(QString, directory);
        QFETCH(QString, line);
        QCOMPARE(vortalin::ui::winHelpCommandLine(directory), line);
    }

    // The viewer gets the whole path as one argument, blanks and all.
    void winHelpStartsTheViewerOnTheFile() {
        FakeHelp fake;
        const QString directory = QStringLiteral("C:\\Program Files\\V");
        const QString problem =
            vortalin::ui::offerHelp(directory, fake.system(true, -1, true, directory));
        QVERIFY(problem.isEmpty());
        QCOMPARE(fake.program, QStringLiteral("c:\\windows\\winhlp32.exe"));
        QCOMPARE(fake.arguments, QStringList{QStringLiteral("C:\\Program Files\\V\\vortalin.hlp")});
    }

    // Without the viewer the desktop opens the guide, beside the program
    // first; every failure is told in Italian, naming the missing file.
    void helpElsewhere_data() {
        QTest::addColumn<bool>("winHelp");
        QTest::addColumn<int>("guideAt");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("told");
        QTest::newRow("guide beside the program") << false << 0 << true << "";
        QTest::newRow("installed guide") << false << 1 << true << "";
        QTest::newRow("guide missing")
            << false << -1 << true
            << QStringLiteral("Il file della guida \"guida.html\" non si trova accanto al "
                              "programma:\n") +
                   QDir::toNativeSeparators(QStringLiteral("/opt/vortalin giochi/guida"));
        QTest::newRow("no opener") << false << 0 << false
                                   << "Nessun programma può aprire il file della guida "
                                      "\"guida.html\".";
        QTest::newRow("viewer fails")
            << true << 0 << false << "Impossibile avviare la guida \"vortalin.hlp\".";
    }
    void helpElsewhere() {
        QFETCH(bool, winHelp);
        QFETCH(int, guideAt);
        QFETCH(bool, starts);
        QFETCH(QString, told);
        FakeHelp fake;
        const QString directory = QStringLiteral("/opt/vortalin giochi");
        const QStringList places = vortalin::ui::guidePlaces(directory);
        if (guideAt == 1 && places.at(1) == places.at(0))
            QSKIP("this build installs the guide beside the program");
        const QString problem =
            vortalin::ui::offerHelp(directory, fake.system(winHelp, guideAt, starts, directory));
        QCOMPARE(problem, told);
        if (!winHelp && guideAt >= 0)
            QCOMPARE(fake.opened,
                     QUrl::fromLocalFile(vortalin::ui::guidePlaces(directory).at(guideAt)));
        if (!winHelp && guideAt == 0)
            QCOMPARE(fake.opened.toLocalFile(), directory + "/guida/guida.html");
    }

    // "Help" with no guide for the program says so and goes on.
    void helpCommandTellsAndCarriesOn() {
        auto app = quietApp();
        QStringList said;
        app->form2().messageSink = [&said](const QString& text) { said << text; };
        app->form2().help_Click();
        QCOMPARE(said.size(), 1);
        QVERIFY(said.front().contains(QStringLiteral("guida.html")));
        QVERIFY(!app->ending());
    }

    // The toolkit's own texts are Italian once its catalogue is loaded.
    void toolkitSpeaksItalian() {
        QVERIFY(vortalin::ui::installItalianToolkitTexts());
        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text().remove(u'&').section(u'\t', 0, 0);
        QVERIFY2(texts.contains(QStringLiteral("Incolla")), qPrintable(texts.join(u',')));
        QVERIFY(!texts.contains(QStringLiteral("Paste")));
    }

private:
    // Shows the main window with a map, as "Fatto" leaves it.
    struct Form2Shown {
        explicit Form2Shown(Application& app) {
            app.form1().open();
            app.form1().Command1_Click();
        }
    };
};

VORTALIN_FIXED_SCREEN_TEST_MAIN(TestShell)
#include "test_shell.moc"
