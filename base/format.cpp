#include "base/format.h"

#include "formula/real_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace trimora {
namespace {

constexpr int kSignificant = 18; // an extended-precision formatter sees 18 significant digits

// Appends the fixed-point text of |x| with `decimals` places to `out`. The value is first taken
// to 18 significant digits, then rounded at the last place half away from zero.
void AppendFixedAbs(std::string& out, double ax, int decimals) {
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
    // count of leading zeros needed when the value is below 1.
    const int intDigits = exponent >= 0 ? exponent + 1 : 1;
    const int lead = exponent >= 0 ? 0 : -exponent; // zeros before the first significant digit
    const int total = intDigits + decimals;
    std::string number(static_cast<std::size_t>(total), '0');
    for (int p = 0; p < total; ++p) {
        const int k = p - lead;
        if (k >= 0 && k < kSignificant) number[static_cast<std::size_t>(p)] = digits[k];
    }
    const int next = total - lead; // index of the first digit beyond the kept places
    if (next >= 0 && next < kSignificant && digits[next] >= '5') {
        int i = total - 1;
        while (i >= 0 && number[static_cast<std::size_t>(i)] == '9') number[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0)
            ++number[static_cast<std::size_t>(i)];
        else
            number.insert(number.begin(), '1');
    }
    const std::size_t split = number.size() - static_cast<std::size_t>(decimals);
    out.append(number, 0, split);
    if (decimals > 0) {
        out += '.';
        out.append(number, split, std::string::npos);
    }
}

} // namespace

std::string FormatRealDot(double x, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 18) decimals = 18;
    std::string s;
    if (std::isnan(x)) {
        s = "NAN";
    } else if (std::isinf(x)) {
        s = x > 0 ? "INF" : "-INF";
    } else {
        if (std::signbit(x)) s += '-';
        if (x == 0) {
            s += '0';
        } else {
            AppendFixedAbs(s, std::fabs(x), decimals);
        }
        if (s.find('.') != std::string::npos) {
            while (s.back() == '0') s.pop_back();
            if (s.back() == '.') s.pop_back();
        }
        if (s == "-0") s = "0";
    }
    return s;
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
