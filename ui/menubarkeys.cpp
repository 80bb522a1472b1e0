#include "menubarkeys.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionMenuItem>
#include <QTimer>

namespace vortalin::ui {

namespace {

// The application's style, with two differences on the menu bar: Alt reaches
// it whatever the style says, and a title the keyboard has selected looks
// selected (Fusion shows a title only while its menu is open, so a tap of Alt
// seemed to do nothing).
class KeyboardMenuBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        // The bar holds the keyboard focus only while the keyboard is on it.
        if (element == CE_MenuBarItem && item && (item->state & State_Selected) && widget &&
            widget->hasFocus()) {
            QStyleOptionMenuItem shown = *item;
            shown.state |= State_Sunken;
            QProxyStyle::drawControl(element, &shown, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// Once the keyboard has left the bar (Escape, a command chosen, Alt again),
// the bar lets go of the focus too: otherwise a title the mouse passed over
// would stay selected, and Enter would open its menu.
class FocusRelease : public QObject {
public:
    explicit FocusRelease(QMenuBar& bar) : QObject(&bar), m_bar(bar) {
        bar.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::FocusIn)
            QTimer::singleShot(0, this, [this] { releaseIfLeft(); }); // once the key has acted
        return false;
    }

private:
    void releaseIfLeft() {
        if (m_bar.hasFocus() && !m_bar.activeAction() && !QApplication::activePopupWidget())
            m_bar.clearFocus();
    }

    QMenuBar& m_bar;
};

bool usable(const QAction* action) {
    return action->isVisible() && action->isEnabled() && !action->isSeparator();
}

QAction* firstUsable(const QList<QAction*>& actions) {
    for (QAction* action : actions)
        if (usable(action))
            return action;
    return nullptr;
}

// As Alt and Down would: the keyboard stays on the bar from menu to menu, so
// Enter also reaches a command that sits on the bar itself.
void openFirstMenu(QMenuBar& bar) {
    QAction* title = firstUsable(bar.actions());
    if (!title)
        return;
    bar.setFocus(Qt::MenuBarFocusReason);
    bar.setActiveAction(title);
    if (QMenu* menu = title->menu())
        menu->setActiveAction(firstUsable(menu->actions()));
}

} // namespace

void reachFromKeyboard(QMenuBar& bar) {
    // Over a style of the application's kind: without one, the proxy would
    // wrap the desktop's default whatever the player chose (-style).
    auto* style = new KeyboardMenuBarStyle(QApplication::style()->name());
    style->setParent(&bar);
    bar.setStyle(style);
    new FocusRelease(bar);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &bar);
    f10->setContext(Qt::WindowShortcut);
    QObject::connect(f10, &QShortcut::activated, &bar, [&bar] { openFirstMenu(bar); });
}

} // namespace vortalin::ui
