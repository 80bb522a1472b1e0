#include "kinds.h"

namespace vortalin {

std::optional<KindProperties> propertiesOfKind(double kind) {
    // Exact comparisons: a kind is a whole number stored as a double.
    if (kind == 1 || kind == 2 || kind == 3 || kind == 4)
        return KindProperties{35, 3.97e24};
    if (kind == 5 || kind == 6 || kind == 7)
        return KindProperties{50, 5.97e24};
    if (kind == 8 || kind == 9)
        return KindProperties{75, 7.97e24};
    if (kind == 10)
        return KindProperties{35, -3.97e24};
    if (kind == 11)
        return KindProperties{35, 2.57e25};
    if (kind == 12)
        return KindProperties{50, 8.57e24};
    return std::nullopt;
}

} // namespace vortalin
