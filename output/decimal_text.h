// Numbers in picture files: a decimal point, at most `places` decimals, no trailing zeros, never
// "-0" (the C library's rounding of the binary value, as printf does).
#pragma once

#include <cstdio>
#include <string>

namespace trimora {

inline std::string TrimmedDecimal(double v, int places) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", places, v);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

} // namespace trimora
