#include "menubaroverflow.h"

#include <QAction>
#include <QEvent>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>

#include <algorithm>

namespace vortalin::ui {

namespace {

const char flattenedProperty[] = "vortalinFlattened";

// Qt fills the overflow's menu afresh whenever the bar's titles move; it is
// flattened each time it is about to show. The button's own press would run
// the menu in a nested event loop (QMenu::exec), and the browser's Qt then
// takes no tap in a window an item opens; the menu is popped up instead, as
// the bar's titles do, so an item's command runs with no loop but the main one.
class OverflowWatch : public QObject {
public:
    explicit OverflowWatch(QToolButton& button) : QObject(&button), m_button(button) {
        button.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == &m_button)
            follow(m_button.menu());
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return false;
        const auto* press = static_cast<QMouseEvent*>(event);
        QMenu* overflow = m_button.menu();
        if (watched != &m_button) { // the menu: a press there may close it
            m_menuPress = press->timestamp();
            return false;
        }
        if (!overflow || press->button() != Qt::LeftButton)
            return false;
        follow(overflow);
        // The press that closed the menu, passed on to the button, only closes it.
        if (press->timestamp() != m_menuPress && !overflow->isVisible())
            overflow->popup(m_button.mapToGlobal(QPoint(0, m_button.height())));
        return true;
    }

private:
    void follow(QMenu* overflow) {
        if (!overflow || overflow->property(flattenedProperty).toBool())
            return;
        overflow->setProperty(flattenedProperty, true);
        overflow->installEventFilter(this);
        QObject::connect(overflow, &QMenu::aboutToShow, overflow,
                         [overflow] { flattenOverflow(*overflow); });
    }

    QToolButton& m_button;
    quint64 m_menuPress = ~quint64(0);
};

} // namespace

void listOverflowFlat(QMenuBar& bar) {
    if (auto* button = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        new OverflowWatch(*button);
}

void flattenOverflow(QMenu& overflow) {
    const QList<QAction*> held = overflow.actions();
    if (std::none_of(held.begin(), held.end(), [](const QAction* a) { return a->menu(); }))
        return;
    // The actions belong to the bar's menus; taking them off this menu leaves them be.
    for (QAction* action : held)
        overflow.removeAction(action);
    for (QAction* action : held) {
        if (QMenu* menu = action->menu()) {
            if (!overflow.actions().isEmpty())
                overflow.addSeparator();
            overflow.addActions(menu->actions());
        } else {
            overflow.addAction(action); // a command of the bar itself: "Spara"
        }
    }
}

} // namespace vortalin::ui
