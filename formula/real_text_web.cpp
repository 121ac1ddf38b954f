// Doubles read with strtod and written with snprintf (or, for the usual numbers, exactly in 128-bit
// integers), for a standard library without floating-point <charconv> (the web edition's). Both are exact (correctly rounded); the texts are those of
// real_text_native.cpp. The numbers read and written here have only digits, '.', 'e' and signs:
// the program never changes the "C" locale that these functions then follow.
#include "formula/real_text.h"

#include <cerrno>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace trimora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` starts with the lower-case `word` in any case.
bool StartsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != word[i]) return false;
    }
    return true;
}

// "inf", "infinity" and "nan" or "nan(chars)" at the start of `text`; 0 when none.
std::size_t SpecialLength(std::string_view text) {
    if (StartsWithWord(text, "infinity")) return 8;
    if (StartsWithWord(text, "inf")) return 3;
    if (!StartsWithWord(text, "nan")) return 0;
    std::size_t i = 3;
    if (i < text.size() && text[i] == '(') {
        std::size_t k = i + 1;
        while (k < text.size() && (IsDigit(text[k]) || text[k] == '_' || (text[k] >= 'a' && text[k] <= 'z') ||
                                   (text[k] >= 'A' && text[k] <= 'Z')))
            ++k;
        if (k < text.size() && text[k] == ')') i = k + 1;
    }
    return i;
}

// The digits m of a decimal m·10^e10 read back as `x` (positive).
bool ReadsBack(std::uint64_t m, int e10, double x) {
    char text[48];
    std::snprintf(text, sizeof text, "%" PRIu64 "e%d", m, e10);
    return std::strtod(text, nullptr) == x;
}

__extension__ typedef unsigned __int128 Wide;

// printf's "%.*e" without printf (whose exact conversion is slow, and a repaint writes thousands of
// numbers) for 1e-10 <= |x| < 10^(decimals + 1): |x| = m·2^e scaled by 10^k = 5^k·2^k, k <= 27, is
// exact in 128 bits, then rounded to `decimals` + 1 digits, half to even as printf rounds. nullptr
// for any other number.
char* QuickScientific(char* out, double x, int decimals) {
    constexpr int kMostDigits = 18, kLargestScale = 27;
    if (decimals < 0 || decimals >= kMostDigits || !std::isfinite(x) || x == 0) return nullptr;
    int e2 = 0;
    const double fraction = std::frexp(std::fabs(x), &e2); // |x| = fraction·2^e2, fraction in [0.5, 1)
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int e = e2 - 53;
    const int digits = decimals + 1;
    std::uint64_t powers10[kMostDigits + 1] = {1};
    for (int i = 1; i <= kMostDigits; ++i) powers10[i] = powers10[i - 1] * 10;
    // 1. The decimal exponent of the first digit: that of 2^(e2 - 1), or one more.
    int lead = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398120));
    Wide whole = 0, rest = 0, half = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int k = digits - 1 - lead;
        if (k < 0 || k > kLargestScale) return nullptr;
        std::uint64_t power5 = 1;
        for (int i = 0; i < k; ++i) power5 *= 5;
        const Wide scaled = static_cast<Wide>(m) * power5; // |x|·10^k = scaled·2^(e + k)
        const int shift = e + k;
        if (shift >= 0) {
            if (shift > 10) return nullptr;
            whole = scaled << shift, rest = 0, half = 1;
        } else {
            if (shift < -120) return nullptr;
            const Wide one = static_cast<Wide>(1) << -shift;
            whole = scaled >> -shift, rest = scaled & (one - 1), half = one >> 1;
        }
        if (whole < powers10[digits]) break;
        ++lead;
    }
    if (whole >= powers10[digits] || whole < powers10[digits - 1]) return nullptr;
    // 2. Rounded half to even; 9.99… may become 10.
    auto n = static_cast<std::uint64_t>(whole);
    if (rest > half || (rest == half && (n & 1))) ++n;
    if (n == powers10[digits]) n /= 10, ++lead;
    // 3. Sign, first digit, point and the others, exponent of at least two digits.
    char* c = out;
    if (std::signbit(x)) *c++ = '-';
    char text[kMostDigits];
    for (int i = digits - 1; i >= 0; --i, n /= 10) text[i] = static_cast<char>('0' + n % 10);
    *c++ = text[0];
    if (decimals > 0) *c++ = '.';
    for (int i = 1; i < digits; ++i) *c++ = text[i];
    *c++ = 'e';
    *c++ = lead < 0 ? '-' : '+';
    const int magnitude = lead < 0 ? -lead : lead;
    if (magnitude >= 100) *c++ = static_cast<char>('0' + magnitude / 100);
    *c++ = static_cast<char>('0' + magnitude / 10 % 10);
    *c++ = static_cast<char>('0' + magnitude % 10);
    return c;
}

} // namespace

RealRead ReadReal(std::string_view text, RealSyntax syntax) {
    RealRead read;
    const std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
    if (const std::size_t special = SpecialLength(text.substr(sign))) {
        const bool nan = text[sign] == 'n' || text[sign] == 'N';
        const double magnitude = nan ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity();
        read.value = sign ? -magnitude : magnitude;
        read.length = sign + special;
        return read;
    }
    // 1. The run of digits with at most one point, then (general syntax) an exponent with digits.
    std::size_t end = sign, digits = 0;
    bool nonZero = false;
    auto digitRun = [&] {
        for (; end < text.size() && IsDigit(text[end]); ++end, ++digits) nonZero = nonZero || text[end] != '0';
    };
    digitRun();
    if (end < text.size() && text[end] == '.') {
        ++end;
        digitRun();
    }
    if (digits == 0) {
        read.error = std::errc::invalid_argument;
        return read;
    }
    if (syntax == RealSyntax::general && end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t k = end + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (k < text.size() && IsDigit(text[k])) {
            while (k < text.size() && IsDigit(text[k])) ++k;
            end = k;
        }
    }
    // 2. strtod rounds correctly; beyond the range it gives infinity, below it zero.
    const std::string number(text.substr(0, end));
    const double value = std::strtod(number.c_str(), nullptr);
    read.length = end;
    if (std::isinf(value) || (value == 0 && nonZero))
        read.error = std::errc::result_out_of_range;
    else
        read.value = value;
    return read;
}

std::string ShortestRealText(double x) {
    if (std::isnan(x)) return std::signbit(x) ? "-nan" : "nan";
    if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
    if (x == 0) return std::signbit(x) ? "-0" : "0";
    const double ax = std::fabs(x);
    // 1. The fewest significant digits that read back: the correctly rounded ones, or where the
    //    value sits beside a power of two (a narrower interval below it) their neighbour.
    std::uint64_t m = 0;
    int e10 = 0;
    for (int precision = 1; precision <= 17; ++precision) {
        char text[48];
        std::snprintf(text, sizeof text, "%.*e", precision - 1, ax);
        m = 0;
        const char* c = text;
        for (; *c != 'e'; ++c)
            if (IsDigit(*c)) m = m * 10 + static_cast<std::uint64_t>(*c - '0');
        e10 = std::atoi(c + 1) - (precision - 1);
        if (ReadsBack(m, e10, ax)) break;
        if (ReadsBack(m + 1, e10, ax)) {
            ++m;
            break;
        }
        if (m > 1 && ReadsBack(m - 1, e10, ax)) {
            --m;
            break;
        }
    }
    while (m % 10 == 0) m /= 10, ++e10;
    const std::string digits = std::to_string(m);
    const int n = static_cast<int>(digits.size());
    const int lead = e10 + n - 1; // the exponent of the first digit

    // 2. Fixed or scientific, whichever is shorter; fixed on a tie.
    std::string scientific = digits.substr(0, 1);
    if (n > 1) scientific += "." + digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", lead < 0 ? '-' : '+', lead < 0 ? -lead : lead);
    scientific += exponent;
    std::string fixed;
    if (e10 >= 0) {
        // A whole number is written with all its digits, not the shortest ones padded with zeros.
        char whole[320];
        std::snprintf(whole, sizeof whole, "%.0f", ax);
        fixed = whole;
    }
    else if (lead >= 0)
        fixed = digits.substr(0, static_cast<std::size_t>(lead + 1)) + "." + digits.substr(static_cast<std::size_t>(lead + 1));
    else
        fixed = "0." + std::string(static_cast<std::size_t>(-lead - 1), '0') + digits;
    std::string text = fixed.size() <= scientific.size() ? fixed : scientific;
    return x < 0 ? "-" + text : text;
}

char* WriteScientificReal(char* out, double x, int decimals) {
    if (char* end = QuickScientific(out, x, decimals)) return end;
    const int n = std::snprintf(out, 32, "%.*e", decimals, x);
    return out + (n > 0 ? n : 0);
}

} // namespace trimora
