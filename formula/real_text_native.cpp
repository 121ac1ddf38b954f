// Doubles read and written by the standard library's <charconv>.
#include "formula/real_text.h"

#include <charconv>

namespace trimora {

RealRead ReadReal(std::string_view text, RealSyntax syntax) {
    RealRead read;
    const auto format = syntax == RealSyntax::fixed ? std::chars_format::fixed : std::chars_format::general;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), read.value, format);
    read.length = static_cast<std::size_t>(end - text.data());
    read.error = ec;
    return read;
}

std::string ShortestRealText(double x) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, x).ptr;
    return std::string(text, end);
}

char* WriteScientificReal(char* out, double x, int decimals) {
    return std::to_chars(out, out + 32, x, std::chars_format::scientific, decimals).ptr;
}

} // namespace trimora
