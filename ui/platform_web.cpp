// The browser: the game runs in a page, under WebAssembly. What the page
// does in JavaScript lies in platform_web.js.
#include "platform.h"

#include "centring.h"

#include "assets/artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>

#include <emscripten.h>

extern "C" {
void vortalin_open_maps();
int vortalin_maps_open();
void vortalin_wait_for_maps();
int vortalin_keep_map(const char* path);
int vortalin_open_guide();
void vortalin_program_ended();
void vortalin_wait_for_paint();
void vortalin_set_keyboard(const char* mode);
}

namespace vortalin::ui::platform {

namespace {

// While the program waits on the page (a paced frame, the storage), the
// browser hands Qt its events as they come, outside any event loop of the
// game: the player's input is set aside, as the desktop's waits until the
// drawing is done; a click made meanwhile is lost. So nothing re-enters
// what is waiting (a second "Salva" into a save).
class InputSetAside final : public QObject {
public:
    InputSetAside() {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->installEventFilter(this);
    }
    ~InputSetAside() override {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

QStringList driveRoots() {
    // The map file dialog lists the drive first: the folder must be read
    // back from the storage by then (it takes milliseconds, at start).
    if (!vortalin_maps_open()) {
        InputSetAside held;
        vortalin_wait_for_maps();
    }
    return {mapsFolder()};
}

void openStorage() {
    vortalin_open_maps();
    QDir::setCurrent(mapsFolder());
}

QString mapsFolder() {
    // Only this folder is kept in the browser's storage; the rest of the
    // file system lives in memory and is gone at the next visit.
    return QStringLiteral("/mappe");
}

void startUp() {
    // The pictures for the screen's finer pixels, where the page fetched
    // them beside the program (vortalin-page.js): before any is read.
    art::addPictureFile(QStringLiteral("/vortalin-pictures.rcc"));
    // The browser lends no faces of its own: the free ones the desktop
    // substitutes come with the page.
    const QDir faces(QStringLiteral(":/webfonts"));
    for (const QString& face : faces.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(faces.filePath(face));
    QObject::connect(qGuiApp, &QGuiApplication::focusObjectChanged, qGuiApp,
                     [](QObject* focus) { vortalin_set_keyboard(qPrintable(keyboardFor(focus))); });
    // A phone turned, or the page's zoom refitted: no window left off the screen.
    keepWindowsOnScreen();
}

bool openSiteGuide(QString& problem) {
    if (!vortalin_open_guide())
        problem = QStringLiteral("Il browser non ha aperto la guida in una nuova scheda: "
                                 "la guida è la pagina help/guida.html accanto al gioco.");
    return true;
}

bool keepSavedMap(const QString& path) {
    InputSetAside held;
    return vortalin_keep_map(path.toUtf8().constData()) != 0;
}

void pauseForFrame(std::int64_t nanoseconds) {
    InputSetAside held;
    if (nanoseconds > 0)
        emscripten_sleep(unsigned((nanoseconds + 999'999) / 1'000'000));
    else
        vortalin_wait_for_paint(); // a frame that took all its time is shown all the same
}

void letPagePaint() {
    vortalin_wait_for_paint();
}

double mostFramesEarned() {
    return 2;
}

void programEnded() {
    vortalin_program_ended();
}

} // namespace vortalin::ui::platform
