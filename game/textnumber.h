#pragma once

#include <string>
#include <string_view>

namespace vortalin {

// Reads the number at the start of a text the way every box and label of the
// game is read: blanks, tabs and line feeds are skipped wherever they stand,
// "." is the only decimal separator, E or D starts an exponent, "&H" and "&O"
// read hexadecimal and octal integers. Reading stops at the first character
// that cannot continue the number; a text without a number gives 0.
// Defined for any text: an exponent beyond the double range gives +-infinity.
double textToNumber(std::string_view text);

// A whole number as the game writes it into captions and boxes: a leading
// blank for zero and positive numbers, "-" for negative ones (6 -> " 6").
std::string numberToText(long long value);

// Nearest integer, halves to the even neighbour (45.5 -> 46, 44.5 -> 44).
double roundHalfEven(double value);

} // namespace vortalin
