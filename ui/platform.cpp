#include "platform.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QtGlobal>

#include <chrono>
#include <cstring>
#include <thread>

namespace vortalin::ui::platform {

#ifdef Q_OS_WIN

QStringList driveRoots() {
    // Lettered drives only: volumes mounted in folders are reached through
    // their drive, and the home folder is a folder of drive C.
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << drive.absoluteFilePath();
    return roots;
}

Qt::CaseSensitivity fileNameCase() {
    return Qt::CaseInsensitive;
}

bool hasWinHelp(const QString& programDirectory) {
    // Windows 10 and 11 keep only a stub of the viewer, and players have no
    // help file: both must be there, or the guide is the better help.
    return QFile::exists(QLatin1String(winHelpViewer)) &&
           QFile::exists(QDir(programDirectory).filePath(QLatin1String(helpFileName)));
}

bool hasCatalogueFaces() {
    return true;
}

#elif !defined(Q_OS_WASM)

QStringList driveRoots() {
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << drive.absoluteFilePath();
    QStringList volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers mount single files too; only directories are drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            volumes << QDir::cleanPath(volume.rootPath());
    }
    volumes.sort();
    volumes << QDir::homePath();
    for (const QString& root : volumes) {
        if (!roots.contains(root))
            roots << root;
    }
    return roots;
}

Qt::CaseSensitivity fileNameCase() {
    return Qt::CaseSensitive;
}

bool hasWinHelp(const QString&) {
    return false;
}

bool hasCatalogueFaces() {
    return false;
}

#endif

// Linux desktops: X11 or Wayland.
namespace {

constexpr char platformVariable[] = "QT_QPA_PLATFORM";

bool hasPlatformArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

} // namespace

QByteArray platformFor(const Desktop& desktop) {
    if (!desktop.chosenPlatform.isEmpty() || desktop.platformArgument)
        return {};
    const bool wayland = !desktop.waylandDisplay.isEmpty() || desktop.sessionType == "wayland";
    if (wayland && !desktop.x11Display.isEmpty())
        return "xcb;wayland";
    return {};
}

WindowSystemChoice::WindowSystemChoice(int argc, char** argv) {
    const QByteArray platform =
        platformFor({qgetenv(platformVariable), hasPlatformArgument(argc, argv),
                     qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY")});
    if (!platform.isEmpty())
        m_set = qputenv(platformVariable, platform);
}

void WindowSystemChoice::forget() {
    if (m_set)
        qunsetenv(platformVariable);
    m_set = false;
}

} // namespace vortalin::ui::platform

// The browser: the game runs in a page, under WebAssembly.
#ifdef Q_OS_WASM

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>

#include <emscripten.h>

#include "centring.h"

namespace {

// The maps' folder, kept in the browser's IndexedDB, read back from it in
// the background. Every write to the storage goes through one queue, so two
// never overlap. A .vmp dropped on the page is copied into the folder; a
// name already taken by another map gets a number, so nothing dropped
// replaces a map.
EM_JS(void, web_open_maps, (), {
    const folder = '/mappe';
    try { FS.mkdir(folder); } catch (e) {}
    FS.mount(IDBFS, {}, folder);
    let queue = Promise.resolve();
    Module.vortalinSync = (fromStorage) => {
        queue = queue.then(() => new Promise((resolve) =>
            FS.syncfs(fromStorage, (err) => resolve(err ? String(err) : ''))));
        return queue;
    };
    const notice = (text) => {
        const line = document.getElementById('avviso');
        if (!line) return;
        line.textContent = text;
        line.hidden = false;
        clearTimeout(Module.vortalinNoticeTimer);
        Module.vortalinNoticeTimer = setTimeout(() => { line.hidden = true; }, 8000);
    };
    const exists = (path) => { try { FS.stat(path); return true; } catch (e) { return false; } };
    const same = (path, bytes) => {
        const old = FS.readFile(path);
        return old.length === bytes.length && old.every((b, i) => b === bytes[i]);
    };
    const bringIn = async (file) => {
        const match = /^(.+)\.vmp$/i.exec(file.name);
        if (!match) {
            notice('«' + file.name + '» non è una mappa di Vortalin: si portano qui solo i file .vmp.');
            return;
        }
        if (file.size > 65536) {
            notice('«' + file.name + '» è troppo grande per essere una mappa di Vortalin.');
            return;
        }
        const bytes = new Uint8Array(await file.arrayBuffer());
        let name = match[1] + '.vmp';
        for (let n = 2; exists(folder + '/' + name); ++n) {
            if (same(folder + '/' + name, bytes)) {
                notice('La mappa «' + name + '» è già nella cartella ' + folder + '.');
                return;
            }
            name = match[1] + ' (' + n + ').vmp';
        }
        const path = folder + '/' + name;
        FS.writeFile(path, bytes);
        if (await Module.vortalinSync(false)) {
            FS.unlink(path);
            notice('Il browser non ha permesso di conservare la mappa «' + name + '».');
            return;
        }
        notice('Mappa «' + name + '» copiata nella cartella ' + folder + ': si apre con «Carica mappa».');
    };
    const carriesFiles = (e) => e.dataTransfer && Array.from(e.dataTransfer.types).includes('Files');
    window.addEventListener('dragover', (e) => {
        if (!carriesFiles(e)) return;
        e.preventDefault();
        e.stopPropagation();
        e.dataTransfer.dropEffect = 'copy';
    }, true);
    window.addEventListener('drop', async (e) => {
        if (!carriesFiles(e)) return;
        e.preventDefault();
        e.stopPropagation();
        for (const file of Array.from(e.dataTransfer.files))
            await bringIn(file);
    }, true);
    Module.vortalinMapsRead = Module.vortalinSync(true).then((refused) => {
        Module.vortalinMapsOpen = true;
        if (refused)
            notice('Il browser non permette di conservare le mappe: quelle salvate spariranno alla chiusura della pagina.');
    });
});

EM_JS(int, web_maps_open, (), {
    return Module.vortalinMapsOpen ? 1 : 0;
});

EM_ASYNC_JS(void, web_wait_for_maps, (), {
    await Module.vortalinMapsRead;
});

// After a save: into the storage, then a copy for the player. When the
// storage refuses, the folder is read back from it, so the file shows what
// the storage still holds.
EM_ASYNC_JS(int, web_keep_map, (const char* pathText), {
    const path = UTF8ToString(pathText);
    if (await Module.vortalinSync(false)) {
        await Module.vortalinSync(true);
        return 0;
    }
    if (typeof window.vortalinSaved === 'function') window.vortalinSaved();
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([FS.readFile(path)], { type: 'application/octet-stream' }));
    link.download = path.split('/').pop();
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    return 1;
});

// The guide lies beside the page, in help/.
EM_JS(int, web_open_guide, (), {
    const tab = window.open(new URL('help/guida.html', document.baseURI).href, '_blank');
    if (!tab) return 0;
    try { tab.opener = null; } catch (e) {}
    return 1;
});

EM_JS(void, web_program_ended, (), {
    if (typeof window.vortalinFine === 'function') window.vortalinFine();
});

} // namespace

namespace vortalin::ui::platform {

QStringList driveRoots() {
    // The map file dialog lists the drive first: the folder must be read
    // back from the storage by then (it takes milliseconds, at start).
    if (!web_maps_open())
        web_wait_for_maps();
    return {QStringLiteral("/mappe")};
}

Qt::CaseSensitivity fileNameCase() {
    return Qt::CaseSensitive;
}

bool hasWinHelp(const QString&) {
    return false;
}

bool hasCatalogueFaces() {
    return false;
}

void openStorage() {
    web_open_maps();
    QDir::setCurrent(QStringLiteral("/mappe"));
}

void startUp() {
    // The browser lends no faces of its own: the free ones the desktop
    // substitutes come with the page.
    const QDir faces(QStringLiteral(":/webfonts"));
    for (const QString& face : faces.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(faces.filePath(face));
    // A phone turned, or the page's zoom refitted: no window left off the screen.
    keepWindowsOnScreen();
}

bool openSiteGuide(QString& problem) {
    if (!web_open_guide())
        problem = QStringLiteral("Il browser non ha aperto la guida in una nuova scheda: "
                                 "la guida è la pagina help/guida.html accanto al gioco.");
    return true;
}

bool keepSavedMap(const QString& path) {
    return web_keep_map(path.toUtf8().constData()) != 0;
}

// While paused, the browser hands Qt its events as they come, outside any
// event loop of the game: the player's input is set aside, as the desktop's
// waits until the drawing is done; a click made meanwhile is lost.
class InputHeldBack final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
};

void pauseForFrame(std::int64_t nanoseconds) {
    if (nanoseconds <= 0)
        return;
    InputHeldBack held;
    QCoreApplication::instance()->installEventFilter(&held);
    emscripten_sleep(unsigned((nanoseconds + 999'999) / 1'000'000));
    QCoreApplication::instance()->removeEventFilter(&held);
}

double mostFramesEarned() {
    return 2;
}

void programEnded() {
    web_program_ended();
}

#else

namespace vortalin::ui::platform {

void openStorage() {}

void startUp() {}

bool openSiteGuide(QString&) {
    return false;
}

bool keepSavedMap(const QString&) {
    return true;
}

void pauseForFrame(std::int64_t nanoseconds) {
    if (nanoseconds > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(nanoseconds));
}

double mostFramesEarned() {
    return 1.25;
}

void programEnded() {}

#endif

} // namespace vortalin::ui::platform
