#include "options.h"

#include <charconv>
#include <functional>
#include <map>

namespace vortalin::sim {
namespace {

// A whole decimal number in [low, high], nothing else around it.
std::optional<int> wholeNumber(const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<ScreenSize> screenSize(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const auto w = wholeNumber(text.substr(0, x), 1, 100000);
    const auto h = wholeNumber(text.substr(x + 1), 1, 100000);
    if (!w || !h)
        return std::nullopt;
    return ScreenSize{*w, *h};
}

using Setter = std::function<bool(Options&, const std::string&)>;

template <typename Field, typename T> bool store(Field& field, std::optional<T> value) {
    if (value)
        field = *value;
    return value.has_value();
}

bool text(std::string& field, const std::string& value) {
    field = value;
    return true;
}

const std::map<std::string, Setter>& setters() {
    using O = Options;
    using S = const std::string&;
    static const std::map<std::string, Setter> table{
        {"--angle", [](O& o, S v) { return text(o.angle, v); }},
        {"--force", [](O& o, S v) { return text(o.force, v); }},
        {"--turn", [](O& o, S v) { return store(o.turn, wholeNumber(v, 0, 1 << 30)); }},
        {"--planets", [](O& o, S v) { return store(o.planets, wholeNumber(v, 0, 10)); }},
        {"--speed", [](O& o, S v) { return store(o.speed, wholeNumber(v, 1, 600)); }},
        {"--screen", [](O& o, S v) { return store(o.screen, screenSize(v)); }},
        {"--trail", [](O& o, S v) { return text(o.trailPath.emplace(), v); }},
    };
    return table;
}

} // namespace

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& args) {
    Options options;
    bool haveMap = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto setter = setters().find(arg);
        if (setter == setters().end()) {
            if (haveMap || arg.starts_with("--"))
                return UsageError{"unexpected argument: " + arg};
            options.mapPath = arg;
            haveMap = true;
            continue;
        }
        if (i + 1 == args.size())
            return UsageError{arg + " needs a value"};
        if (!setter->second(options, args[++i]))
            return UsageError{"bad value for " + arg + ": " + args[i]};
    }
    if (!haveMap)
        return UsageError{"no map file given"};
    return options;
}

} // namespace vortalin::sim
