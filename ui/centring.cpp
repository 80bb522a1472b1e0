#include "centring.h"

#include "arrangement.h"
#include "game/constants.h"
#include "twips.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace vortalin::ui {

namespace {

const char frameWatchName[] = "frameWatch";

void centreByOuterSize(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = window.frameGeometry().size();
    const QSize whole = screen->size();
    const float left =
        float(whole.width() * twipsPerPixel) / 2 - float(outer.width() * twipsPerPixel) / 2;
    const float top =
        float(whole.height() * twipsPerPixel) / 2 - float(outer.height() * twipsPerPixel) / 2;
    // A window's position is its frame's: the frame lands on the point.
    window.move(screen->geometry().topLeft() + QPoint(px(left), px(top)));
}

// A window manager frames a window only once it is shown, so a window
// centred before then went by its inner size. This centres it again as soon
// as its outer size is known, once, and gives up when it is hidden first.
// The browser's Qt knows the frame from the first paint on, and moves
// nothing by itself after the show.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget& window)
        : QObject(&window), m_window(window), m_outer(window.frameGeometry().size()) {
        setObjectName(QLatin1String(frameWatchName));
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowActivate:
        case QEvent::Paint:
            if (m_window.frameGeometry().size() != m_outer) {
                centreByOuterSize(m_window);
                finish();
            }
            break;
        case QEvent::Hide:
            finish();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void finish() {
        m_window.removeEventFilter(this);
        deleteLater();
    }

    QWidget& m_window;
    QSize m_outer;
};

bool frameMayCome(const QWidget& window) {
    return !window.windowFlags().testFlag(Qt::FramelessWindowHint) &&
           window.frameGeometry().size() == window.size() &&
           !window.findChild<QObject*>(QLatin1String(frameWatchName), Qt::FindDirectChildrenOnly);
}

// The shown windows left partly off the screen, and those in `rearranged`,
// which changed their shape under the player.
void centreWindows(const std::vector<QWidget*>& rearranged) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() &&
            !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) &&
            (!screen->geometry().contains(window->frameGeometry()) ||
             std::find(rearranged.begin(), rearranged.end(), window) != rearranged.end()))
            centreByOuterSize(*window);
    }
}

} // namespace

void centreOnScreen(QWidget& window) {
    centreByOuterSize(window);
    if (frameMayCome(window))
        new FrameWatch(window);
}

void centreWindowsLeftOffScreen() {
    centreWindows({});
}

void fitWindowsToScreen() {
    centreWindows(arrangeWindowsForScreen());
}

void keepWindowsOnScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        QObject::connect(screen, &QScreen::geometryChanged, screen, fitWindowsToScreen);
}

} // namespace vortalin::ui
