#pragma once

#include <optional>

namespace vortalin {

struct KindProperties {
    double radius;
    double mass;
};

// Radius and mass of the generated kinds 1 to 12; nothing for other codes.
std::optional<KindProperties> propertiesOfKind(double kind);

} // namespace vortalin
