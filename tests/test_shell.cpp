#include "modulo1.h"
#include "support/fixedscreen.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/form6.h"
#include "ui/helpviewer.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

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

// A stand-in system that records what help asked of it.
struct FakeHelp {
    QString program;
    QStringList arguments;
    QUrl opened;

    HelpSystem system(bool winHelp, bool fileThere, bool starts) {
        HelpSystem s;
        s.hasWinHelp = winHelp;
        s.fileExists = [fileThere](const QString&) { return fileThere; };
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
        box.move(40, 60);
        QTest::mouseClick(box.Command1, Qt::LeftButton);
        QVERIFY(box.isHidden());
        app->form2().about_Click();
        QVERIFY(box.isVisible());
        QCOMPARE(box.pos(), QPoint(40, 60));
        QCOMPARE(aboutBoxes(), 1);
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
        const QString problem = vortalin::ui::offerHelp(QStringLiteral("C:\\Program Files\\V"),
                                                        fake.system(true, false, true));
        QVERIFY(problem.isEmpty());
        QCOMPARE(fake.program, QStringLiteral("c:\\windows\\winhlp32.exe"));
        QCOMPARE(fake.arguments, QStringList{QStringLiteral("C:\\Program Files\\V\\vortalin.hlp")});
    }

    // Without the viewer the desktop opens the file; every failure is told, naming it.
    void helpElsewhere_data() {
        QTest::addColumn<bool>("winHelp");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("told");
        QTest::newRow("opened") << false << true << true << false;
        QTest::newRow("file missing") << false << false << true << true;
        QTest::newRow("no opener") << false << true << false << true;
        QTest::newRow("viewer fails") << true << true << false << true;
    }
    void helpElsewhere() {
        QFETCH(bool, winHelp);
        QFETCH(bool, fileThere);
        QFETCH(bool, starts);
        QFETCH(bool, told);
        FakeHelp fake;
        const QString problem = vortalin::ui::offerHelp(QStringLiteral("/opt/vortalin giochi"),
                                                        fake.system(winHelp, fileThere, starts));
        QCOMPARE(!problem.isEmpty(), told);
        if (told)
            QVERIFY(problem.contains(QStringLiteral("vortalin.hlp")));
        if (!winHelp && fileThere)
            QCOMPARE(fake.opened,
                     QUrl::fromLocalFile(QStringLiteral("/opt/vortalin giochi/vortalin.hlp")));
    }

    // "Help" with no help file beside the program says so and goes on.
    void helpCommandTellsAndCarriesOn() {
        auto app = quietApp();
        QStringList said;
        app->form2().messageSink = [&said](const QString& text) { said << text; };
        app->form2().help_Click();
        QCOMPARE(said.size(), 1);
        QVERIFY(said.front().contains(QStringLiteral("vortalin.hlp")));
        QVERIFY(!app->ending());
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
