#include "arrangement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vortalin::ui {

namespace {

const char arrangementName[] = "arrangement";

// The browser's Qt frames a window with 4 pixels each side.
constexpr int assumedFrameWidth = 8;

} // namespace

Arrangement::Arrangement(QWidget& window, QSize narrowSize,
                         const std::vector<std::pair<QWidget*, QRect>>& narrow)
    : QObject(&window), m_window(window), m_designedSize(window.size()), m_narrowSize(narrowSize) {
    setObjectName(QLatin1String(arrangementName));
    for (const auto& [control, place] : narrow)
        m_places.push_back({control, control->geometry(), place});
    fitTo(screenWidth());
}

Arrangement* Arrangement::of(const QWidget& window) {
    return dynamic_cast<Arrangement*>(
        window.findChild<QObject*>(QLatin1String(arrangementName), Qt::FindDirectChildrenOnly));
}

bool Arrangement::fitTo(int screenWidth) {
    const bool narrow = screenTooNarrow(screenWidth, m_window, m_designedSize.width());
    if (narrow == m_narrow)
        return false;
    apply(narrow);
    return true;
}

void Arrangement::apply(bool narrow) {
    m_narrow = narrow;
    m_window.setFixedSize(narrow ? m_narrowSize : m_designedSize);
    for (const Place& place : m_places)
        place.control->setGeometry(narrow ? place.narrow : place.designed);
}

bool screenTooNarrow(int screenWidth, const QWidget& window, int designedWidth) {
    if (screenWidth <= 0)
        return false; // no screen to go by: as designed
    int frame = window.frameGeometry().width() - window.width();
    if (frame <= 0 && !window.windowFlags().testFlag(Qt::FramelessWindowHint))
        frame = assumedFrameWidth; // framed only once shown
    return screenWidth < designedWidth + frame;
}

int screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

std::vector<QWidget*> arrangeWindowsForScreen() {
    std::vector<QWidget*> changed;
    const int width = screenWidth();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (Arrangement* arrangement = Arrangement::of(*window);
            arrangement && arrangement->fitTo(width))
            changed.push_back(window);
    return changed;
}

} // namespace vortalin::ui
