#include "centring.h"

#include "game/constants.h"
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vortalin::ui {

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = window.frameGeometry().size();
    const QSize whole = screen->size();
    const float left =
        float(whole.width() * twipsPerPixel) / 2 - float(outer.width() * twipsPerPixel) / 2;
    const float top =
        float(whole.height() * twipsPerPixel) / 2 - float(outer.height() * twipsPerPixel) / 2;
    window.move(screen->geometry().topLeft() + QPoint(px(left), px(top)));
}

} // namespace vortalin::ui
