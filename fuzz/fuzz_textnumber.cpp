// Checks textToNumber against a small model written another way: blanks
// removed first, then the number's shape matched with a regular expression.
#include "game/textnumber.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

double model(std::string text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    std::smatch m;
    static const std::regex hex("^&[Hh]([0-9A-Fa-f]*)");
    static const std::regex oct("^&[Oo]([0-7]*)");
    static const std::regex dec("^([+-]?)([0-9]*)(\\.([0-9]*))?([EeDd]([+-]?[0-9]+))?");
    if (std::regex_search(s, m, hex) || std::regex_search(s, m, oct)) {
        const int radix = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        long double v = 0;
        for (char c : m[1].str())
            v = v * radix +
                (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (c | 0x20) - 'a' + 10);
        return double(v);
    }
    if (!s.empty() && s[0] == '&')
        return 0;
    if (!std::regex_search(s, m, dec) || (m[2].length() == 0 && m[4].length() == 0))
        return 0;
    std::string literal = m[1].str() + (m[2].length() ? m[2].str() : "0") + "." + m[4].str();
    if (m[6].matched)
        literal += "e" + m[6].str();
    return std::strtod(literal.c_str(), nullptr);
}

bool close(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return false;
    if (a == b)
        return true;
    if (std::isinf(a) || std::isinf(b))
        return std::abs(a) > 1e308 && std::abs(b) > 1e308 && std::signbit(a) == std::signbit(b);
    return std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 200) // the regex model recurses
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = vortalin::textToNumber(text);
    if (!close(value, model(text)))
        std::abort();
    return 0;
}
