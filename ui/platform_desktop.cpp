// What both desktops, Linux and Windows, share: the browser's needs are
// nothing here.
#include "platform.h"

#include <chrono>
#include <thread>

namespace vortalin::ui::platform {

void openStorage() {}

QString mapsFolder() {
    return {};
}

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

void letPagePaint() {}

double mostFramesEarned() {
    return 1.25;
}

void programEnded() {}

} // namespace vortalin::ui::platform
