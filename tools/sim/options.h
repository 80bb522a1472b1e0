#pragma once

#include "game/board.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vortalin::sim {

struct Options {
    std::string mapPath;
    std::string angle = " 0";
    std::string force = " 1000";
    int turn = 0;
    std::optional<int> planets; // nothing: count the map's leading bodies
    int speed = 20;
    ScreenSize screen{1280, 1024};
    std::optional<std::string> trailPath;
};

struct UsageError {
    std::string message;
};

// The command line after the program's name.
std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& args);

} // namespace vortalin::sim
