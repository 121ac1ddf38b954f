#include "grund/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace trimora {
namespace {

// The digits of |x| rounded to 18 significant digits, the way an extended-precision
// formatter sees a value, as an integer digit string and the decimal exponent of the first digit.
struct Digits {
    std::string digits; // 18 digits, no point
    int exponent = 0;   // value = 0.d1d2... * 10^(exponent + 1)
};

Digits SignificantDigits(double ax) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17e", ax); // d.ddddddddddddddddde±XX
    Digits d;
    d.digits.push_back(buf[0]);
    const char* p = buf + 2;
    while (*p && *p != 'e') d.digits.push_back(*p++);
    d.exponent = std::atoi(p + 1);
    return d;
}

// Fixed-point text of |x| with `decimals` places; rounds the 18-digit form half away from zero.
std::string FixedAbs(double ax, int decimals) {
    if (ax == 0.0) {
        std::string s = "0";
        if (decimals > 0) s += "." + std::string(static_cast<size_t>(decimals), '0');
        return s;
    }
    Digits d = SignificantDigits(ax);
    // Place the digits on a decimal grid: integer part digits and fraction digits.
    std::string intPart, frac;
    if (d.exponent >= 0) {
        std::string all = d.digits;
        if (static_cast<int>(all.size()) < d.exponent + 1) all.append(d.exponent + 1 - all.size(), '0');
        intPart = all.substr(0, d.exponent + 1);
        frac = all.substr(d.exponent + 1);
    } else {
        intPart = "0";
        frac = std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
    }
    bool roundUp = static_cast<int>(frac.size()) > decimals && frac[decimals] >= '5';
    if (static_cast<int>(frac.size()) < decimals) frac.append(decimals - frac.size(), '0');
    frac.resize(decimals);
    std::string number = intPart + frac;
    if (roundUp) {
        int i = static_cast<int>(number.size()) - 1;
        while (i >= 0 && number[i] == '9') number[i--] = '0';
        if (i >= 0)
            ++number[i];
        else
            number.insert(number.begin(), '1');
    }
    std::string result = number.substr(0, number.size() - decimals);
    if (decimals > 0) result += "." + number.substr(number.size() - decimals);
    return result;
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
        s = FixedAbs(std::fabs(x), decimals);
        if (std::signbit(x)) s.insert(s.begin(), '-');
    }
    while (s.size() >= 2 && s.back() == '0' && s.find('.') != std::string::npos) s.pop_back();
    if (s.size() > 1 && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
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
