// Reading and writing doubles exactly and whatever the locale: the texts that std::from_chars and
// std::to_chars read and write. Two implementations, chosen by the build: real_text_native.cpp
// (the standard library's) and real_text_web.cpp (strtod and snprintf, for a library without
// floating-point <charconv>, as in the web edition).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace trimora {

// fixed: digits with at most one point ("12.5"); general: an exponent may follow ("1.25e1").
enum class RealSyntax { fixed, general };

struct RealRead {
    double value = 0.0;
    std::size_t length = 0; // characters read
    std::errc error{};      // invalid_argument: no number at the start; result_out_of_range: too large or small
};

// Reads the number at the start of `text` as std::from_chars does: an optional '-' (no '+', no
// blanks), "inf", "infinity" and "nan" in any case, otherwise digits in `syntax`. Beyond the double
// range (or a number that is not 0 but would be) the error is result_out_of_range.
RealRead ReadReal(std::string_view text, RealSyntax syntax);

// The shortest text that reads back as `x`, as std::to_chars(x) writes it ("0.1", "1e+22", "-inf").
std::string ShortestRealText(double x);

// Writes `x` as "d.ddde+XX" with `decimals` digits after the point (printf "%.*e" in the "C"
// locale), at most 17 decimals; returns the end of the text. `out` must hold 32 characters.
char* WriteScientificReal(char* out, double x, int decimals);

} // namespace trimora
