// Number formatting of the result lines: fixed point, trailing zeros removed, decimal comma.
#pragma once

#include <string>

namespace trimora {

// Fixed-point text with `decimals` places, trailing zeros and a trailing point removed,
// "-0" shown as "0", decimal point kept as ".". A decimal tie rounds away from zero.
std::string FormatRealDot(double x, int decimals);

// FormatRealDot with the first "." replaced by ",": FormatReal(1234.56789, 3) == "1234,568".
std::string FormatReal(double x, int decimals);

// "+" in front of non-negative values; "+0" when the text is "0".
std::string FormatSigned(double x, int decimals);

} // namespace trimora
