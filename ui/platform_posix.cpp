// What Linux and the browser share: names told apart by case, and neither
// Windows' help viewer nor the faces Windows carries.
#include "platform.h"

namespace vortalin::ui::platform {

Qt::CaseSensitivity fileNameCase() {
    return Qt::CaseSensitive;
}

bool hasWinHelp(const QString&) {
    return false;
}

bool hasCatalogueFaces() {
    return false;
}

} // namespace vortalin::ui::platform
