#include "textnumber.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vortalin {
namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Walks a text, hiding the characters that reading skips.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) { skip(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance() {
        ++m_pos;
        skip();
    }

private:
    void skip() {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c, int radix) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < radix ? v : -1;
}

// "&H" / "&O": a non-negative whole number; doubles absorb any length.
double readRadix(Reader& in, int radix) {
    double value = 0.0;
    for (int d; (d = digitValue(in.peek(), radix)) >= 0; in.advance())
        value = value * radix + d;
    return value;
}

// strtod reads the decimal point of the C locale in force, which a desktop
// session may have set to ","; the texts always use ".".
std::string withLocalePoint(std::string literal) {
    const std::string_view point = std::localeconv()->decimal_point;
    if (const auto at = literal.find('.'); at != std::string::npos && point != ".")
        literal.replace(at, 1, point);
    return literal;
}

double readDecimal(Reader& in) {
    std::string literal; // sign, digits, point and exponent, blanks removed
    if (in.peek() == '+' || in.peek() == '-') {
        literal += in.peek();
        in.advance();
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (char c = in.peek(); isDigit(c) || (c == '.' && !seenPoint); c = in.peek()) {
        seenPoint = seenPoint || c == '.';
        seenDigit = seenDigit || c != '.';
        literal += c;
        in.advance();
    }
    if (!seenDigit)
        return 0.0;
    const char e = in.peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        std::string exponent = "e";
        in.advance();
        if (in.peek() == '+' || in.peek() == '-') {
            exponent += in.peek();
            in.advance();
        }
        bool exponentDigits = false;
        for (; isDigit(in.peek()); in.advance()) {
            exponent += in.peek();
            exponentDigits = true;
        }
        if (exponentDigits)
            literal += exponent;
    }
    // strtod is exact for any digit count and saturates to infinity.
    const double value = std::strtod(withLocalePoint(literal).c_str(), nullptr);
    return value == 0.0 ? 0.0 : value; // no negative zero
}

} // namespace

double textToNumber(std::string_view text) {
    Reader in(text);
    if (in.peek() == '&') {
        in.advance();
        const char r = in.peek();
        if (r == 'H' || r == 'h') {
            in.advance();
            return readRadix(in, 16);
        }
        if (r == 'O' || r == 'o') {
            in.advance();
            return readRadix(in, 8);
        }
        return 0.0;
    }
    return readDecimal(in);
}

std::string numberToText(long long value) {
    if (value < 0)
        return std::to_string(value);
    return ' ' + std::to_string(value);
}

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace vortalin
