#include "menubaroverflow.h"

#include <QAction>
#include <QEvent>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <algorithm>

namespace vortalin::ui {

namespace {

const char flattenedProperty[] = "vortalinFlattened";

// Qt fills the overflow's menu afresh whenever the bar's titles move; it is
// flattened each time it is about to show.
class OverflowWatch : public QObject {
public:
    explicit OverflowWatch(QToolButton& button) : QObject(&button), m_button(button) {
        button.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::MouseButtonPress)
            follow(m_button.menu());
        return false;
    }

private:
    static void follow(QMenu* overflow) {
        if (!overflow || overflow->property(flattenedProperty).toBool())
            return;
        overflow->setProperty(flattenedProperty, true);
        QObject::connect(overflow, &QMenu::aboutToShow, overflow,
                         [overflow] { flattenOverflow(*overflow); });
    }

    QToolButton& m_button;
};

} // namespace

void listOverflowFlat(QMenuBar& bar) {
    if (auto* button = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        new OverflowWatch(*button);
}

namespace {

// The button runs its menu in a nested event loop (QMenu::exec); a window an
// item opened while that loop was on the stack took no tap in the browser's
// Qt. Each item of the overflow stands in for the bar's own, whose command
// runs one turn of the event loop later, once the menu's loop has returned.
void addStandIn(QMenu& overflow, QAction* real) {
    if (real->isSeparator()) {
        overflow.addSeparator();
        return;
    }
    QAction* standIn = overflow.addAction(real->text());
    standIn->setEnabled(real->isEnabled());
    standIn->setVisible(real->isVisible());
    standIn->setCheckable(real->isCheckable());
    standIn->setChecked(real->isChecked());
    QObject::connect(standIn, &QAction::triggered, real, [real] {
        QMetaObject::invokeMethod(real, &QAction::trigger, Qt::QueuedConnection);
    });
}

} // namespace

void flattenOverflow(QMenu& overflow) {
    const QList<QAction*> held = overflow.actions();
    if (std::none_of(held.begin(), held.end(), [](const QAction* a) { return a->menu(); }))
        return;
    // The actions belong to the bar's menus; taking them off this menu leaves
    // them be, and the stand-ins, the menu's own, go when Qt clears it.
    for (QAction* action : held)
        overflow.removeAction(action);
    for (QAction* action : held) {
        if (QMenu* menu = action->menu()) {
            if (!overflow.actions().isEmpty())
                overflow.addSeparator();
            for (QAction* item : menu->actions())
                addStandIn(overflow, item);
        } else {
            addStandIn(overflow, action); // a command of the bar itself: "Spara"
        }
    }
}

} // namespace vortalin::ui
