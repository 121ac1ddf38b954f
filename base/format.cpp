#include "base/format.h"

#include "formula/real_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace trimora {
namespace {

constexpr int kSignificant = 18; // an extended-precision formatter sees 18 significant digits
constexpr int kMostDecimals = 18;
// The longest text: a sign, a carry, 309 integer digits of the largest double, the point, the decimals.
constexpr int kLongestText = 1 + 1 + 309 + 1 + kMostDecimals;

// Writes the fixed-point text of |x| with `decimals` places to `out` (kLongestText characters) and
// returns its end. The value is first taken to 18 significant digits, then rounded at the last
// place half away from zero.
char* WriteFixedAbs(char* out, double ax, int decimals) {
    char buf[48];
    // d.ddddddddddddddddde+XX
    const char* const end = WriteScientificReal(buf, ax, kSignificant - 1);
    const char* e = static_cast<const char*>(std::memchr(buf, 'e', static_cast<std::size_t>(end - buf)));
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    char digits[kSignificant];
    digits[0] = buf[0];
    std::memcpy(digits + 1, buf + 2, kSignificant - 1);

    // The number as a digit string with `decimals` places: digit k has the weight 10^(exponent - k).
    // Position p of the result (0 = first integer digit) holds digit (p - lead), where lead is the
    // count of leading zeros needed when the value is below 1. number[0] is kept for a carry.
    const int intDigits = exponent >= 0 ? exponent + 1 : 1;
    const int lead = exponent >= 0 ? 0 : -exponent; // zeros before the first significant digit
    const int total = intDigits + decimals;
    char number[kLongestText];
    char* const first = number + 1;
    for (int p = 0; p < total; ++p) {
        const int k = p - lead;
        first[p] = k >= 0 && k < kSignificant ? digits[k] : '0';
    }
    char* begin = first;
    const int next = total - lead; // index of the first digit beyond the kept places
    if (next >= 0 && next < kSignificant && digits[next] >= '5') {
        int i = total - 1;
        while (i >= 0 && first[i] == '9') first[i--] = '0';
        if (i >= 0)
            ++first[i];
        else
            *--begin = '1';
    }
    char* const split = first + intDigits;
    out = std::copy(begin, split, out);
    if (decimals > 0) {
        *out++ = '.';
        out = std::copy(split, first + total, out);
    }
    return out;
}

} // namespace

std::string FormatRealDot(double x, int decimals) {
    decimals = std::clamp(decimals, 0, kMostDecimals);
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
    char text[kLongestText];
    char* end = text;
    if (std::signbit(x)) *end++ = '-';
    if (x == 0)
        *end++ = '0';
    else
        end = WriteFixedAbs(end, std::fabs(x), decimals);
    if (std::find(text, end, '.') != end) {
        while (end[-1] == '0') --end;
        if (end[-1] == '.') --end;
    }
    if (end - text == 2 && text[0] == '-' && text[1] == '0') return "0";
    return std::string(text, end);
}

std::string FormatReal(double x, int decimals) {
    std::string s = FormatRealDot(x, decimals);
    if (auto dot = s.find('.'); dot != std::string::npos) s[dot] = ',';
    return s;
}

std::string FormatSigned(double x, int decimals) {
    std::string s = FormatReal(x, decimals);
    if (s == "0") return "+0";
    return x >= 0 ? "+" + s : s;
}

} // namespace trimora
