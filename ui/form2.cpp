#include "form2.h"

#include "application.h"
#include "form1.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "game/drawing.h"
#include "game/mapgen.h"
#include "game/match.h"
#include "game/ships.h"
#include "helpviewer.h"
#include "menubarkeys.h"
#include "menubaroverflow.h"
#include "platform.h"
#include "speed.h"
#include "windowopening.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

namespace vortalin::ui {

namespace {

// A menu command; no role, so no platform moves "About" or "Esci" elsewhere.
QAction* command(QWidget* owner, const QString& caption) {
    auto* action = new QAction(caption, owner);
    action->setMenuRole(QAction::NoRole);
    return action;
}

constexpr Pacer::Nanoseconds frameNanoseconds = BoardWidget::frameMilliseconds * 1'000'000LL;

// An explosion unfolds over about a second at the slowest animation value
// (some 8,800 passes for a supernova, 7,400 for a ship), proportionally
// faster below it.
constexpr double explosionStepsPerSecond = 8000;

} // namespace

Form2::Form2(Application& app)
    : m_app(app),
      m_flightPace(fastestStepsPerSecond, frameNanoseconds, platform::mostFramesEarned()),
      m_explosionPace(explosionStepsPerSecond, frameNanoseconds, platform::mostFramesEarned()) {
    setWindowTitle(QStringLiteral("Vortalin"));
    m_board = new BoardWidget(this);
    setCentralWidget(m_board);
    // The board is the screen; without a window manager to maximise it, the
    // window still starts as large as the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize());
    buildMenus();
    m_clock.start();
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    // A timer that has fired ends the wait of a desktop's event loop by
    // itself; the browser's event loop waits on until something wakes it.
    connect(&m_wake, &QTimer::timeout, this, [] {
        if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance())
            loop->wakeUp();
    });
}

void Form2::buildMenus() {
    QMenuBar* bar = menuBar();
    reachFromKeyboard(*bar);
    listOverflowFlat(*bar);
    const auto menu = [&](const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->menuAction()->setMenuRole(QAction::NoRole);
        return m->menuAction();
    };
    const auto item = [&](QAction* parent, const QString& caption, void (Form2::*handler)()) {
        QAction* a = command(this, caption);
        parent->menu()->addAction(a);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    gioco = menu(QStringLiteral("Gioco"));
    mappa = item(gioco, QStringLiteral("Nuova Mappa"), &Form2::mappa_Click);
    astronavi = item(gioco, QStringLiteral("Sposta Astronavi"), &Form2::astronavi_Click);
    inizia = item(gioco, QStringLiteral("Inizia Partita"), &Form2::inizia_Click);
    Carmap = item(gioco, QStringLiteral("Carica mappa"), &Form2::Carmap_Click);
    salvmap = item(gioco, QStringLiteral("Salva mappa"), &Form2::salvmap_Click);
    opzionigioco = menu(QStringLiteral("Opzioni gioco"));
    opzionifuori = item(opzionigioco, QStringLiteral("Opzioni"), &Form2::opzionifuori_Click);
    spara = command(this, QStringLiteral("Spara"));
    spara->setEnabled(false); // no match yet
    bar->addAction(spara);
    connect(spara, &QAction::triggered, this, &Form2::spara_Click);
    hel = menu(QStringLiteral("Help"));
    help = item(hel, QStringLiteral("Help"), &Form2::help_Click);
    t = hel->menu()->addSeparator();
    t->setMenuRole(QAction::NoRole);
    about = item(hel, QStringLiteral("About"), &Form2::about_Click);
    fine = menu(QStringLiteral("Fine"));
    esci = item(fine, QStringLiteral("Esci"), &Form2::esci_Click);
}

int Form2::drawplanet() {
    return vortalin::drawplanet(m_app.game());
}

ShotResult Form2::fuoco(std::string_view angleText, std::string_view forceText) {
    return vortalin::fuoco(m_app.game(), angleText, forceText);
}

void Form2::mappa_Click() {
    vortalin::mappa_Click(m_app.game());
}

void Form2::astronavi_Click() {
    vortalin::astronavi_Click(m_app.game());
}

void Form2::inizia_Click() {
    vortalin::inizia_Click(m_app.game());
}

void Form2::Carmap_Click() {
    openOverMainWindow(*this, m_app.form5(),
                       [this] { m_app.form5().openFor(QStringLiteral("Carica")); });
}

void Form2::salvmap_Click() {
    openOverMainWindow(*this, m_app.form5(),
                       [this] { m_app.form5().openFor(QStringLiteral("Salva")); });
}

void Form2::opzionifuori_Click() {
    hide();
    m_app.form1().open();
}

void Form2::spara_Click() {
    Game& game = m_app.game();
    if (game.shotInFlight)
        return; // one shot at a time
    drawplanet();
    repaint(); // each shot starts on a board without earlier trails
    Form3& dialog = m_app.form3();
    dialog.setWindowTitle(QString::fromStdString(fireDialogCaption(game.state)));
    openOverMainWindow(*this, dialog, [&dialog] { dialog.open(); });
}

void Form2::help_Click() {
    QString problem;
    if (!platform::openSiteGuide(problem))
        problem = offerHelp(QCoreApplication::applicationDirPath(), HelpSystem::real());
    if (!problem.isEmpty())
        message(problem.toStdString());
}

void Form2::about_Click() {
    // Beside the board, usable with it, yet never lost behind it.
    keepAbove(m_app.form6(), *this);
    m_app.form6().open();
}

void Form2::esci_Click() {
    m_app.quit();
}

void Form2::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A click on the disabled board raises it over the dialog that disabled
    // it; the dialog comes back to the front, or the player could not reach it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled())
        m_app.raiseOpenDialog();
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    m_app.quit(); // the frame's close box ends the program, as "Esci"
}

void Form2::repaint() {
    // A repaint of the window takes the drawn graphics with it.
    m_board->clearGraphics();
    m_board->flush(true);
}

void Form2::setFireEnabled(bool enabled) {
    spara->setEnabled(enabled);
}

void Form2::setFireCaption(std::string_view caption) {
    spara->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

void Form2::message(std::string_view text) {
    const QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (messageSink) {
        messageSink(shown);
        return;
    }
    if (m_app.ending())
        return;
    const QPointer<QWidget> over = messageOwner();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vortalin"), shown, QMessageBox::Ok, over);
    box.exec();
    // Not every window manager gives the focus back when a box closes; the
    // keys of a player without a mouse go on to the window it was over.
    if (over && over->isVisible())
        over->activateWindow();
}

QWidget* Form2::messageOwner() {
    // A box that belongs to no window can open, or fall, behind the board,
    // where the player cannot find it (on Wayland a window is only raised
    // over the window it belongs to); the box goes over the window the
    // player works in, or else the dialog over the board, or else the board.
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (QWidget* dialog = m_app.openDialog())
        return dialog;
    return isVisible() ? this : nullptr;
}

bool Form2::paced() const {
    return m_app.paced() && !m_app.ending();
}

void Form2::explosionStep() {
    if (!paced() || m_explosionPace.spend())
        return;
    // No input while an explosion runs: show its progress and sleep.
    m_board->flush(true);
    const Pacer::Nanoseconds now = m_clock.nsecsElapsed();
    platform::pauseForFrame(m_explosionPace.nextFrameAfter(now) - now);
    m_explosionPace.refill(m_clock.nsecsElapsed());
}

bool Form2::yield() {
    ++m_yields;
    if (m_app.ending())
        return false;
    if (paced() && m_app.game().shotInFlight && !m_flightPace.spend())
        return waitForNextFlightFrame();
    // A pass of the event loop costs microseconds on an X server and a
    // flight step tens of nanoseconds: events wait at most a millisecond.
    // A reading of the clock costs more than a step in the browser, so it
    // is read every few steps.
    if (m_sinceEvents.isValid() &&
        (m_yields % stepsPerClockReading != 0 || m_sinceEvents.nsecsElapsed() < yieldIntervalNs))
        return true;
    QCoreApplication::processEvents();
    m_sinceEvents.start();
    return !m_app.ending();
}

// The steps whose time has come have run: show them, then wait in the event
// loop (idle, yet answering the menu) until the next frame's steps are due.
bool Form2::waitForNextFlightFrame() {
    const Pacer::Nanoseconds until = m_flightPace.nextFrameAfter(m_clock.nsecsElapsed());
    m_board->flush(false);
    ++m_framesWaited;
    m_waitingForFrame = true;
    waitInEventLoop(until);
    m_waitingForFrame = false;
    m_flightPace.refill(m_clock.nsecsElapsed());
    m_sinceEvents.start();
    return !m_app.ending();
}

void Form2::waitInEventLoop(Pacer::Nanoseconds until) {
    // One pass at least, so the trail is painted even when no wait is due.
    bool waited = false;
    do {
        const Pacer::Nanoseconds left = until - m_clock.nsecsElapsed();
        if (left > 0) {
            m_wake.start(int((left + 999'999) / 1'000'000));
            waited = true;
        }
        QCoreApplication::processEvents(left > 0 ? QEventLoop::WaitForMoreEvents
                                                 : QEventLoop::AllEvents);
    } while (m_clock.nsecsElapsed() < until && !m_app.ending());
    m_wake.stop();
    // The browser paints and takes input only while the program waits.
    if (!waited && !m_app.ending())
        platform::letPagePaint();
}

ScreenSize Form2::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize();
    return {size.width(), size.height()};
}

} // namespace vortalin::ui
