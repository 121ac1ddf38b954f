// The formula interpreter: a precedence-climbing evaluator that works directly on the prepared text.
// Three operator levels, all left-associative ('2^3^2' is 64); failures replace the value of the failing
// part and set the error code, evaluation goes on. All state lives in one Evaluator per evaluation.
#include "formula/formula.h"

#include "formula/higher_functions.h"
#include "formula/real_text.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace trimora {
namespace {

using namespace formula_detail;

constexpr double kCeiling = 1e10;              // largest accepted result, and the value of several failures
constexpr double kMaxWhole = 9007199254740992; // 2^53: beyond it a double no longer holds every whole number
constexpr int kMaxDepth = 200;         // brackets, function calls and stored formulas nested deeper: error 1
constexpr int kMaxFormulaCalls = 1000; // stored-formula calls per evaluation (they may call each other)
constexpr long kMaxBinomialFactors = 1000000;   // '~' with more factors than this is out of range
constexpr double kMaxWholePowerStepwise = 4096; // whole powers up to this are multiplied out step by step

// The work of one evaluation, stored formulas included, is bounded (FormulaParams::maxSteps): loop
// iterations count one step each (a few nanoseconds), a stored formula its length, an elementary
// function kElementarySteps and a special function kSpecialSteps (the most its series or reductions take).
constexpr long kElementarySteps = 20;
constexpr long kSpecialSteps = 500;

constexpr unsigned char kMiddleDot = 0xB7;     // "·", a multiplication sign
constexpr unsigned char kCapitalEAcute = 0xC9; // "É", Euler's number
constexpr unsigned char kSmallEAcute = 0xE9;   // "é", taken into a number's run of characters

// ---------------------------------------------------------------------------------------------------------
// Keywords. A function name is looked up as a plain substring of this string; the position of its first
// occurrence selects the keyword starting there, so a shortened name selects the first keyword it starts.
enum class Fn : std::uint8_t {
    Sqr,
    Sqrt,
    Exp,
    Ln,
    Abs,
    Si,
    Sin,
    Cos,
    Tan,
    Arccos,
    Lg,
    Arctan,
    Sinh,
    Cosh,
    Tanh,
    Int,
    Sgn,
    F1,
    F2,
    F3,
    F4,
    Cot,
    Ld,
    Arcsin,
    Arsinh,
    Arcosh,
    Artanh,
    Sec,
    Gamma,
    Gauss,
    Mcarlo,
    Ci,
    Ei,
    Beta,
    BessJ0,
    BessJ1,
    Wurzel,
    Wurzel3,
    Ehoch,
    Wurzel4,
    W3,
    W4,
    Log,
    Csc,
    Wp,
    F5,
    Vorzeichen,
    Frac,
    Expp,
    Gammaln,
    Heaviside,
    Sinw,
    Cosw,
    Tanw,
    Cotw,
    Arctanw,
    Arcsinw,
    Gsumme,
    Sn,
    Cn,
    Dn,
    Eulerphi,
    Ai,
    Bi,
    Arccot,
    Arcsec,
    Count
};

constexpr std::string_view kKeywordString =
    "SQR SQRT EXP LN ABS SI SIN COS TAN ARCCOS LG ARCTAN SINH COSH TANH INT SGN F1 F2 F3 F4 COT LD ARCSIN "
    "ARSINH ARCOSH ARTANH SEC GAMMA GAUSS MCARLO CI EI BETA BESSJ0 BESSJ1 WURZEL WURZEL3 EHOCH WURZEL4 W3 W4 "
    "LOG CSC WP F5 VORZEICHEN FRAC EXPP GAMMALN HEAVISIDE SINW COSW TANW COTW ARCTANW ARCSINW GSUMME SN CN "
    "DN "
    "EULERPHI AI BI ARCCOT ARCSEC";

constexpr int kKeywordCount = static_cast<int>(Fn::Count);

// Start offset of keyword i in kKeywordString, or -1 for a past-the-end i.
constexpr int KeywordStart(int i) {
    int start = 0;
    for (int k = 0; k < i; ++k) {
        const std::size_t blank = kKeywordString.find(' ', static_cast<std::size_t>(start));
        if (blank == std::string_view::npos) return -1;
        start = static_cast<int>(blank) + 1;
    }
    return start;
}

constexpr std::string_view KeywordName(int i) {
    const auto start = static_cast<std::size_t>(KeywordStart(i));
    const std::size_t end = kKeywordString.find(' ', start);
    return kKeywordString.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// The string holds exactly the 66 keywords, each found first where it stands.
constexpr bool KeywordStringIsConsistent() {
    if (KeywordStart(kKeywordCount - 1) < 0 ||
        kKeywordString.find(' ', static_cast<std::size_t>(KeywordStart(kKeywordCount - 1))) !=
            std::string_view::npos)
        return false;
    for (int i = 0; i < kKeywordCount; ++i)
        if (kKeywordString.find(KeywordName(i)) != static_cast<std::size_t>(KeywordStart(i))) return false;
    return true;
}
static_assert(kKeywordCount == 66 && KeywordStringIsConsistent());

// For every offset in kKeywordString: the keyword starting there, or -1.
struct KeywordTable {
    std::array<std::int8_t, kKeywordString.size()> atOffset{};
    constexpr KeywordTable() {
        for (auto& k : atOffset)
            k = -1;
        for (int i = 0; i < kKeywordCount; ++i)
            atOffset[static_cast<std::size_t>(KeywordStart(i))] = static_cast<std::int8_t>(i);
    }
};
constexpr KeywordTable kKeywords;

// The keyword selected by a (possibly shortened) name; false (error 1) for a name that is not found or is
// found inside a keyword, such as "QRT".
bool LookUpKeyword(std::string_view name, Fn& fn) {
    if (name.empty()) return false;
    const std::size_t at = kKeywordString.find(name);
    if (at == std::string_view::npos || kKeywords.atOffset[at] < 0) return false;
    fn = static_cast<Fn>(kKeywords.atOffset[at]);
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// Small numeric helpers.

// Nearest whole number, ties to the even one (the rounding of the whole program). Exact for every double.
double RoundHalfEven(double v) {
    const double r = std::round(v); // ties away from zero
    if (std::abs(r - v) == 0.5 && std::fmod(r, 2.0) != 0.0) return r - std::copysign(1.0, v);
    return r;
}

bool IsWhole(double v) {
    return std::isfinite(v) && std::trunc(v) == v;
}

// The n-th root of a > 0 (n whole, 2 or more), as near as a double gets: e^(ln a / n) is off by a
// few units in the last place, so that the cube root of 8 would come out as 1.9999999999999998 and
// its whole part as 1. One Newton step in long double, then a whole number or a decimal of up to
// six places within a few units in the last place of the root is taken as the root itself.
double NthRoot(double a, double n) {
    const double start = n == 2.0 ? std::sqrt(a) : n == 3.0 ? std::cbrt(a) : std::pow(a, 1.0 / n);
    if (!(start > 0.0) || !std::isfinite(start)) return start;
    const long double r = start, p = std::pow(r, static_cast<long double>(n) - 1);
    const double root = static_cast<double>(r - (r * p - a) / (static_cast<long double>(n) * p));
    const double ulps = 4 * (std::nextafter(root, HUGE_VAL) - root);
    for (double scale = 1.0; scale <= 1e6; scale *= 10.0) {
        const double candidate = std::nearbyint(root * scale) / scale;
        if (std::abs(candidate - root) <= ulps) return candidate;
    }
    return root;
}

// The whole part rounded down as "[" and INT compute it: trunc(v) for v >= 0, trunc(v - 1) for v < 0,
// so that a negative whole number n gives n - 1.
double WholePartDown(double v) {
    return v >= 0.0 ? std::trunc(v) : std::trunc(v - 1.0);
}

// The generator behind MCARLO. Each thread has its own, seeded once from the system's entropy source (or,
// where there is none, from the clock and an address).
std::mt19937_64& RandomGenerator() {
    thread_local std::mt19937_64 generator{[] {
        try {
            std::random_device device;
            return (static_cast<std::uint64_t>(device()) << 32) ^ device();
        } catch (...) {
            const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
            return static_cast<std::uint64_t>(ticks) ^ reinterpret_cast<std::uintptr_t>(&ticks);
        }
    }()};
    return generator;
}

// ---------------------------------------------------------------------------------------------------------
// Limits shared by an evaluation and the stored formulas it calls.
struct Budget {
    int depth = 0;
    int formulaCalls = 0;
    long steps = 0;
    bool aborted = false;
    FormulaError abortError = kFormulaOk;
};

class Evaluator {
  public:
    Evaluator(std::string_view text, double x, const FormulaParams& params, Budget& budget)
        : s_(text), x_(x), params_(params), budget_(budget) {}

    // Evaluates the whole (prepared) text and leaves the error code in error().
    double Run() {
        pos_ = 0;
        context_ = 0;
        error_ = kFormulaOk;
        return Expression();
    }

    FormulaError error() const { return error_; }

  private:
    // --- reading -----------------------------------------------------------------------------------------
    bool AtEnd() const { return pos_ >= s_.size(); }
    unsigned char Current() const { return static_cast<unsigned char>(s_[pos_]); }
    unsigned char At(std::size_t i) const { return i < s_.size() ? static_cast<unsigned char>(s_[i]) : 0; }

    static int OperatorLevel(unsigned char c) {
        switch (c) {
        case '+':
        case '-':
        case '&':
        case '#':
        case '<':
        case '>':
            return 1;
        case '*':
        case kMiddleDot:
        case '/':
        case '%':
        case '~':
            return 2;
        case '^':
        case '\\':
            return 3;
        default:
            return 0;
        }
    }

    // Reads the character after a factor as the operator. The last character of the text is never read as
    // an operator, so a trailing operator is ignored ('2+' is 2). An unknown character ends the expression
    // with error 1.
    void ReadOperator() {
        if (pos_ + 1 < s_.size()) {
            op_ = Current();
            ++pos_;
            opLevel_ = OperatorLevel(op_);
            if (opLevel_ == 0 && op_ != ')' && op_ != ']' && op_ != '|') error_ = kFormulaSyntax;
        } else {
            op_ = 0;
            opLevel_ = 0;
        }
    }

    // Stops the whole evaluation (too deep, too many formula calls): nothing more is read, and the
    // outermost evaluation reports the error with the value 0 whatever happens while unwinding.
    void Abort(FormulaError error) {
        if (!budget_.aborted) {
            budget_.aborted = true;
            budget_.abortError = error;
        }
        error_ = error;
        pos_ = s_.size();
        opLevel_ = 0;
    }

    // --- precedence climbing -----------------------------------------------------------------------------
    double Expression() {
        double v = Term();
        while (opLevel_ != 0)
            v = Apply(v);
        return v;
    }

    // A factor with an optional minus sign in front, then every following operator of a higher level than
    // the enclosing one.
    double Term() {
        double v;
        if (!AtEnd() && Current() == '-') {
            ++pos_;
            v = -Factor();
        } else {
            v = Factor();
        }
        ReadOperator();
        while (context_ < opLevel_)
            v = Apply(v);
        return v;
    }

    // Applies the pending operator and every following one of at least the same level, left to right.
    double Apply(double v) {
        const int savedContext = context_;
        int level;
        do {
            const double a = v;
            const unsigned char op = op_;
            level = opLevel_;
            context_ = level;
            const double b = Term();
            v = Combine(a, op, b);
        } while (opLevel_ >= level);
        context_ = savedContext;
        return v;
    }

    // Counts one more level of nesting; false (and the evaluation aborted) when that is too deep.
    bool Enter() {
        if (++budget_.depth > kMaxDepth) {
            --budget_.depth;
            Abort(kFormulaSyntax);
            return false;
        }
        return true;
    }
    void Leave() { --budget_.depth; }

    // Counts work done; more than the budget of one evaluation aborts it with error 2.
    void Spend(long steps) {
        budget_.steps += steps;
        if (budget_.steps > params_.maxSteps) Abort(kFormulaDomain);
    }

    double Factor() {
        if (AtEnd()) {
            error_ = kFormulaSyntax;
            return 0.0;
        }
        const unsigned char c = Current();
        switch (c) {
        case '(':
        case '[':
        case '|': {
            ++pos_;
            if (!Enter()) return 0.0;
            const double v = Expression(); // up to any of ")", "]", "|"
            Leave();
            if (c == '[') return WholePartDown(v);
            if (c == '|') return std::abs(v);
            return v;
        }
        case 'X':
            ++pos_;
            return Checked(x_);
        case 'P':
            if (At(pos_ + 1) == 'I') {
                pos_ += 2;
                return kPi;
            }
            if (At(pos_ + 1) == 'H' && At(pos_ + 2) == 'I') {
                pos_ += 3;
                return kGoldenRatio;
            }
            ++pos_;
            return Checked(params_.P);
        case 'Q':
            ++pos_;
            return Checked(params_.Q);
        case 'R':
            ++pos_;
            return Checked(params_.R);
        case 'K': {
            const unsigned char d = At(pos_ + 1);
            pos_ = std::min(pos_ + 2, s_.size());
            if (d >= '1' && d <= '5') return Checked(params_.K[static_cast<std::size_t>(d - '1')]);
            return 0.0;
        }
        case kCapitalEAcute:
            ++pos_;
            return kE;
        default:
            break;
        }
        if ((c >= '0' && c <= '9') || c == '.') return Number();
        if ((c >= 'A' && c <= 'J') || (c >= 'L' && c <= 'O') || c == 'S' || c == 'T' || c == 'V' || c == 'W')
            return FunctionCall();
        error_ = kFormulaSyntax; // cannot start a factor
        return 0.0;
    }

    // A value handed in from outside (X, the parameters) must be finite to take part.
    double Checked(double v) {
        if (std::isfinite(v)) return v;
        error_ = kFormulaDomain;
        return 0.0;
    }

    // The first character and every following digit, "." or "é", read as a decimal number with a point.
    // A run that is not a plain decimal number (two points, an "é", a lone point) is error 1 with value 0.
    double Number() {
        const std::size_t begin = pos_;
        ++pos_;
        while (!AtEnd() &&
               ((Current() >= '0' && Current() <= '9') || Current() == '.' || Current() == kSmallEAcute))
            ++pos_;
        const std::string_view run = s_.substr(begin, pos_ - begin);
        int points = 0, digits = 0;
        for (const char ch : run) {
            if (ch == '.')
                ++points;
            else if (ch >= '0' && ch <= '9')
                ++digits;
            else
                points = 2; // "é"
        }
        if (points > 1 || digits == 0) {
            error_ = kFormulaSyntax;
            return 0.0;
        }
        const RealRead read = ReadReal(run, RealSyntax::fixed);
        if (read.error == std::errc::result_out_of_range) {
            // Too small gives 0; too large (hundreds of digits) is clipped to the ceiling.
            const bool large = run.find_first_of("123456789") < run.find('.');
            if (!large) return 0.0;
            error_ = kFormulaClipped;
            return kCeiling;
        }
        if (read.error != std::errc() || read.length != run.size()) {
            error_ = kFormulaSyntax;
            return 0.0;
        }
        return read.value;
    }

    // --- operators ---------------------------------------------------------------------------------------
    double Fail(FormulaError error, double value) {
        error_ = error;
        return value;
    }

    // An operator or function whose value would not be finite (1e300 / 1e-300, a sum beyond the double
    // range) gives ±1e10 (0 for an undefined value) and error 2.
    double Finite(double v) {
        if (std::isfinite(v)) return v;
        error_ = kFormulaDomain;
        if (std::isnan(v)) return 0.0;
        return v > 0 ? kCeiling : -kCeiling;
    }

    double Combine(double a, unsigned char op, double b) {
        switch (op) {
        case '+':
            return Finite(a + b);
        case '-':
            return Finite(a - b);
        case '&':
            return Finite((a + b) / 2.0);
        case '#':
            return a * b < 0.0 ? Fail(kFormulaDomain, 0.0) : Finite(std::sqrt(a * b));
        case '<':
            return std::min(a, b);
        case '>':
            return std::max(a, b);
        case '*':
        case kMiddleDot:
            if (std::abs(a) >= kCeiling || std::abs(b) >= kCeiling) return Fail(kFormulaDomain, kCeiling);
            return a * b;
        case '/':
            return b == 0.0 ? Fail(kFormulaDomain, kCeiling) : Finite(a / b);
        case '%':
            return Remainder(a, b);
        case '~':
            return Binomial(a, b);
        case '^':
            return Power(a, b);
        case '\\':
            return Root(a, b);
        default:
            return a; // ")", "]", "|", end: never applied
        }
    }

    // The remainder of the nearest whole numbers, with the sign of a. Both are rounded first, so a divisor
    // that rounds to 0 ('7%0.4') fails like 0 itself; operands beyond 2^53 are no longer whole numbers of
    // their own and fail too.
    double Remainder(double a, double b) {
        if (std::abs(a) > kMaxWhole || std::abs(b) > kMaxWhole) return Fail(kFormulaDomain, kCeiling);
        const double wholeA = RoundHalfEven(a);
        const double wholeB = RoundHalfEven(b);
        if (wholeB == 0.0) return Fail(kFormulaDomain, kCeiling);
        return std::fmod(wholeA, wholeB) + 0.0; // exact for whole numbers; "+ 0.0" turns -0 into 0
    }

    // The generalised binomial coefficient: 1 · a/b · (a-1)/(b-1) · ... while the divisor stays above 0;
    // a partial product above 1e10 fails. The product is carried as mantissa · 2^exponent, so that it
    // neither underflows half-way (and regrows from a value without digits) nor crawls through subnormal
    // arithmetic. The loop ends early once the product can no longer change (a factor 0, or every factor
    // 1); a product of more than kMaxBinomialFactors factors is out of range (error 2). Without that
    // bound a divisor of 2^53 or more would never reach 0.
    double Binomial(double a, double b) {
        if (b == 0.0) return Fail(kFormulaDomain, kCeiling);
        if (a == b && b > 0.0) return 1.0; // every factor a-k / b-k is exactly 1
        // A whole a with 0 <= a < b: the factors lie in [0, 1) and the one with a-k = 0 comes, so 0.
        if (IsWhole(a) && a >= 0.0 && a < b) return 0.0;
        double mantissa = 1.0;
        long exponent = 0;           // product = mantissa · 2^exponent
        double threshold = kCeiling; // the product exceeds 1e10 when mantissa > threshold
        double numerator = a, divisor = b;
        long factors = 0;
        bool failed = false;
        // More factors than the budget has left end the evaluation anyway: stop counting there.
        const long affordable = std::max(0L, params_.maxSteps - budget_.steps) + 1;
        for (; divisor > 0.0; ++factors) {
            if (factors >= kMaxBinomialFactors) {
                failed = true;
                break;
            }
            if (factors >= affordable) break;
            mantissa *= numerator / divisor;
            if (mantissa == 0.0) break; // a factor 0: stays 0
            if (!std::isfinite(mantissa) || mantissa > threshold) {
                failed = true;
                break;
            }
            if (std::abs(mantissa) < 0x1p-500 || std::abs(mantissa) > 0x1p500) {
                int shift;
                mantissa = std::frexp(mantissa, &shift);
                exponent += shift;
                threshold = exponent > 2000    ? 0.0
                            : exponent < -2000 ? INFINITY
                                               : std::ldexp(kCeiling, static_cast<int>(-exponent));
            }
            numerator -= 1.0;
            divisor -= 1.0;
        }
        Spend(factors);
        if (failed) return Fail(kFormulaDomain, kCeiling);
        if (mantissa == 0.0) return 0.0;
        const double product = exponent > 2000    ? INFINITY * mantissa
                               : exponent < -2000 ? 0.0
                                                  : std::ldexp(mantissa, static_cast<int>(exponent));
        return Finite(product) + 0.0; // a huge negative product has no digits left either
    }

    // a^b by the rules of both "^" and the root: `limit` bounds |b · ln|a|| in the general case.
    double PowerRule(double a, double b, double limit) {
        if (b == 0.0) return 1.0;
        if (b == 1.0) return a;
        if (b == 2.0) return Finite(a * a);
        if (b == 3.0) return Finite(a * a * a);
        if (b == 4.0) return Finite(a * a * a * a);
        if (IsWhole(b) && b > 4.0 && b < 2147483647.0) return WholePower(a, b);
        if (a == 0.0) return 0.0;
        const double logMagnitude = b * std::log(std::abs(a));
        if (!(std::abs(logMagnitude) <= limit)) return Fail(kFormulaDomain, 0.0);
        if (a > 0.0) return std::exp(logMagnitude);
        if (!IsWhole(b) || !(std::abs(logMagnitude) <= 15.0)) return Fail(kFormulaDomain, 0.0);
        const double magnitude = std::exp(logMagnitude);
        return std::fmod(b, 2.0) == 0.0 ? magnitude : -magnitude;
    }

    // a multiplied by itself b - 1 times (b whole, 4 < b < 2^31 - 1); a partial product above 1e10 gives
    // 1e10 with error 4. Long products are taken in closed form with the same outcome: a partial product
    // above 1e10 exists exactly when the largest positive one, a^b or for negative a a^(even part of b),
    // is above 1e10.
    double WholePower(double a, double b) {
        if (b <= kMaxWholePowerStepwise) {
            double product = a;
            long steps = 0;
            for (double k = 1; k < b; k += 1.0, ++steps) {
                product *= a;
                if (product > kCeiling) break;
                if (product == 0.0) break; // stays 0
            }
            Spend(steps);
            if (product > kCeiling) return Fail(kFormulaClipped, kCeiling);
            return product;
        }
        const double magnitude = std::abs(a);
        if (magnitude > 1.0) {
            const double evenB = a > 0.0 || std::fmod(b, 2.0) == 0.0 ? b : b - 1.0;
            if (std::pow(magnitude, evenB) > kCeiling) return Fail(kFormulaClipped, kCeiling);
        }
        return Finite(std::pow(a, b));
    }

    double Power(double a, double b) {
        if (error_ >= kFormulaDomain) return Fail(kFormulaDomain, 0.0);
        return PowerRule(a, b, 16.0);
    }

    // The b-th root of a: the power rule with the exponent 1/b and the limit 15.
    double Root(double a, double b) {
        if (b == 0.0 || error_ >= kFormulaDomain) return Fail(kFormulaDomain, 0.0);
        const double exponent = 1.0 / b;
        if (!std::isfinite(exponent)) return Fail(kFormulaDomain, 0.0);
        const double power = PowerRule(a, exponent, 15.0);
        if (a > 0.0 && b >= 2.0 && IsWhole(b) && power > 0.0) return NthRoot(a, b);
        return power;
    }

    // --- functions ---------------------------------------------------------------------------------------
    // The name runs up to the next "("; the argument is one expression up to its closing bracket.
    double FunctionCall() {
        const std::size_t open = s_.find('(', pos_);
        if (open == std::string_view::npos) { // a name without an argument
            pos_ = s_.size();
            error_ = kFormulaSyntax;
            return 0.0;
        }
        const std::string_view name = s_.substr(pos_, open - pos_);
        pos_ = open + 1;
        if (!Enter()) return 0.0;
        const double x = Expression();
        double v = 0.0;
        Fn fn;
        if (!LookUpKeyword(name, fn)) {
            error_ = kFormulaSyntax;
        } else {
            Spend(IsSpecial(fn) ? kSpecialSteps : kElementarySteps);
            v = Finite(Function(fn, x));
        }
        Leave();
        return v;
    }

    // The functions with series, reductions or iterations behind them.
    static bool IsSpecial(Fn fn) {
        switch (fn) {
        case Fn::Gamma:
        case Fn::Gammaln:
        case Fn::Beta:
        case Fn::Si:
        case Fn::Ci:
        case Fn::Ei:
        case Fn::BessJ0:
        case Fn::BessJ1:
        case Fn::Gsumme:
        case Fn::Sn:
        case Fn::Cn:
        case Fn::Dn:
        case Fn::Eulerphi:
        case Fn::Ai:
        case Fn::Bi:
            return true;
        default:
            return false;
        }
    }

    double Gamma(double x) {
        if ((x <= 0.0 && IsWhole(x)) || x > 43.0) return Fail(kFormulaClipped, 0.0);
        return formula_detail::Gamma(x);
    }

    double StoredFormula(int k, double x);

    double Function(Fn fn, double x) {
        constexpr double kDegree = kPi / 180.0;
        const double P = params_.P;
        switch (fn) {
        case Fn::Sqr:
            return std::abs(x) >= kCeiling ? Fail(kFormulaDomain, kCeiling) : x * x;
        case Fn::Sqrt:
        case Fn::Wurzel:
            return x < 0.0 ? Fail(kFormulaDomain, 0.0) : std::sqrt(x);
        case Fn::Exp:
        case Fn::Ehoch:
            if (x > 50.0) return Fail(kFormulaClipped, std::exp(50.0));
            if (x < -50.0) return Fail(kFormulaClipped, std::exp(-50.0));
            return std::exp(x);
        case Fn::Ln:
            return x <= 0.0 ? Fail(kFormulaDomain, 0.0) : std::log(x);
        case Fn::Lg:
            return x <= 0.0 ? Fail(kFormulaDomain, 0.0) : std::log(x) * 0.4342944819033;
        case Fn::Ld:
            return x <= 0.0 ? Fail(kFormulaDomain, 0.0) : std::log(x) * 1.442695040889;
        case Fn::Log:
            if (x <= 0.0 || P <= 0.0 || P == 1.0 || !std::isfinite(P)) return Fail(kFormulaDomain, 0.0);
            return std::log(x) / std::log(P);
        case Fn::Abs:
            return std::abs(x);
        case Fn::Sin:
            return std::sin(x);
        case Fn::Cos:
            return std::cos(x);
        case Fn::Tan:
            return std::cos(x) == 0.0 ? 0.0 : std::sin(x) / std::cos(x);
        case Fn::Cot:
            return std::sin(x) == 0.0 ? 0.0 : std::cos(x) / std::sin(x);
        case Fn::Sec:
            return std::cos(x) == 0.0 ? Fail(kFormulaDomain, 0.0) : 1.0 / std::cos(x);
        case Fn::Csc:
            return std::sin(x) == 0.0 ? Fail(kFormulaDomain, 0.0) : 1.0 / std::sin(x);
        case Fn::Sinw:
            return std::sin(x * kDegree);
        case Fn::Cosw:
            return std::cos(x * kDegree);
        case Fn::Tanw:
            return Function(Fn::Tan, x * kDegree);
        case Fn::Cotw:
            return Function(Fn::Cot, x * kDegree);
        case Fn::Arcsin:
            if (std::abs(x) > 1.0) return Fail(kFormulaDomain, 0.0);
            if (x == 1.0) return kPi / 2.0;
            if (x == -1.0) return -kPi / 2.0;
            return std::asin(x);
        case Fn::Arccos:
            return std::abs(x) > 1.0 ? Fail(kFormulaDomain, 0.0) : std::acos(x);
        case Fn::Arctan:
            return std::atan(x);
        case Fn::Arccot:
            return std::abs(x) <= 1e-10 ? kPi / 2.0 - std::atan(x) : std::atan(1.0 / x);
        case Fn::Arcsec: {
            if (std::abs(x) < 1.0) return Fail(kFormulaDomain, 0.0);
            const double angle = std::atan(std::sqrt((x - 1.0) * (x + 1.0)));
            return x >= 1.0 ? angle : kPi - angle;
        }
        case Fn::Arctanw: {
            const double angle = std::atan(x);
            return angle < 0.0 ? angle + kPi : angle;
        }
        case Fn::Arcsinw: {
            if (std::abs(x) > 1.0) return Fail(kFormulaDomain, 0.0);
            if (x == 1.0 || x == -1.0) return kPi / 2.0;
            const double angle = std::asin(x);
            return angle < 0.0 ? kPi / 2.0 - angle : angle;
        }
        case Fn::Sinh:
            return std::abs(x) >= 50.0 ? Fail(kFormulaDomain, kCeiling) : std::sinh(x);
        case Fn::Cosh:
            return std::abs(x) >= 50.0 ? Fail(kFormulaDomain, kCeiling) : std::cosh(x);
        case Fn::Tanh:
            return std::abs(x) >= 50.0 ? Fail(kFormulaSyntax, kCeiling) : std::tanh(x);
        // ln(x + √(x² ± 1)) as asinh/acosh: the same values, without cancellation for large negative x
        // and without overflow of x² for large |x|.
        case Fn::Arsinh:
            return std::asinh(x);
        case Fn::Arcosh:
            return x < 1.0 ? Fail(kFormulaDomain, 0.0) : std::acosh(x);
        case Fn::Artanh:
            return std::abs(x) >= 1.0 ? Fail(kFormulaDomain, 0.0) : 0.5 * std::log((1.0 + x) / (1.0 - x));
        case Fn::Wurzel3:
        case Fn::W3:
            return x < 0.0 ? -NthRoot(-x, 3.0) : x > 0.0 ? NthRoot(x, 3.0) : 0.0;
        case Fn::Wurzel4:
        case Fn::W4:
            return x < 0.0 ? Fail(kFormulaDomain, 0.0) : x > 0.0 ? NthRoot(x, 4.0) : 0.0;
        case Fn::Wp:
            if (x <= 0.0 || P == 0.0 || !std::isfinite(P) || !(std::abs(std::log(x) / P) < 50.0))
                return Fail(kFormulaDomain, 0.0);
            return std::exp(std::log(x) / P);
        case Fn::Expp:
            // P = 0 would need ln 0.
            if (P <= 0.0 || !std::isfinite(P) || !(x * std::log(P) < 50.0)) return Fail(kFormulaDomain, 0.0);
            return std::exp(x * std::log(P));
        case Fn::Int:
            return Fail(kFormulaStep, WholePartDown(x));
        case Fn::Frac:
            return std::abs(x) >= kCeiling ? Fail(kFormulaDomain, 0.0) : x - std::trunc(x);
        case Fn::Sgn:
        case Fn::Vorzeichen:
            error_ = kFormulaOk; // clears an earlier error too
            return x == 0.0 ? 0.0 : x / std::abs(x);
        case Fn::Heaviside:
            return Fail(kFormulaStep, x < 0.0 ? 0.0 : x > 0.0 ? 1.0 : 0.5);
        case Fn::Gamma:
            return Gamma(x);
        case Fn::Gammaln: {
            const double s = x + 4.5;
            if (!(s > 0.0 && s <= 25.0)) return Fail(kFormulaClipped, 0.0);
            double value;
            return LnGamma(x, value) ? value : Fail(kFormulaDomain, 0.0);
        }
        case Fn::Beta: {
            const double gx = Gamma(x), gp = Gamma(P), gxp = Gamma(x + P);
            if (gxp == 0.0) return Fail(kFormulaClipped, 0.0);
            return gx * gp / gxp;
        }
        case Fn::Gauss: {
            double t = x;
            if (std::abs(t) > 50.0) {
                t = std::copysign(50.0, t);
                error_ = kFormulaClipped;
            }
            return std::exp(-t * t / 2.0) / 2.506628274631;
        }
        case Fn::Gsumme:
            return NormalDistribution(x);
        case Fn::Mcarlo:
            return RandomDraw(x);
        case Fn::Si:
            return x <= 0.0 || x >= 50.0 ? Fail(kFormulaDomain, 0.0) : SineIntegral(x);
        case Fn::Ci:
            return x <= 0.0 || x >= 50.0 ? Fail(kFormulaDomain, 0.0) : CosineIntegral(x);
        case Fn::Ei:
            return x <= 0.0 || x >= 40.0 ? Fail(kFormulaDomain, 0.0) : ExponentialIntegral(x);
        case Fn::BessJ0:
            return BesselJ0(x);
        case Fn::BessJ1:
            return BesselJ1(x);
        // Above 25.77 Ai is 0 in every digit, while Bi is far above the ceiling: clipped (error 4).
        case Fn::Ai:
            return x > 25.77 ? 0.0 : AiryAi(x);
        case Fn::Bi:
            return x > 25.77 ? Fail(kFormulaClipped, kCeiling) : AiryBi(x);
        case Fn::Sn:
            return Checked(params_.Q) == 0.0 ? std::sin(x) : JacobiElliptic(x, params_.Q).sn;
        case Fn::Cn:
            return Checked(params_.Q) == 0.0 ? std::cos(x) : JacobiElliptic(x, params_.Q).cn;
        case Fn::Dn:
            return Checked(params_.Q) == 0.0 ? 1.0 : JacobiElliptic(x, params_.Q).dn;
        case Fn::Eulerphi: {
            const double n = RoundHalfEven(x);
            if (!(n >= 1.0 && n <= 10000.0)) return Fail(kFormulaSyntax, 0.0);
            return EulerPhi(static_cast<int>(n));
        }
        case Fn::F1:
            return StoredFormula(0, x);
        case Fn::F2:
            return StoredFormula(1, x);
        case Fn::F3:
            return StoredFormula(2, x);
        case Fn::F4:
            return StoredFormula(3, x);
        case Fn::F5:
            return StoredFormula(4, x);
        case Fn::Count:
            break;
        }
        return 0.0;
    }

    // x != 0: a whole number from 0 to trunc(x) - 1 (for negative x mirrored: trunc(x) + 1 to 0; 0 when
    // |x| < 1); x = 0: a real in [0, 1). A draw beyond 2^53 is out of range (error 2).
    double RandomDraw(double x) {
        auto& generator = RandomGenerator();
        if (x == 0.0) return static_cast<double>(generator() >> 11) * 0x1.0p-53;
        const double n = std::trunc(std::abs(x));
        if (n > kMaxWhole) return Fail(kFormulaDomain, 0.0);
        if (n < 1.0) return 0.0;
        std::uniform_int_distribution<std::int64_t> draw(0, static_cast<std::int64_t>(n) - 1);
        const double v = static_cast<double>(draw(generator));
        return x > 0.0 ? v : -v + 0.0;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    double x_;
    const FormulaParams& params_;
    Budget& budget_;
    FormulaError error_ = kFormulaOk;
    unsigned char op_ = 0; // the operator read last
    int opLevel_ = 0;      // its level
    int context_ = 0;      // the level of the enclosing operator
};

// ---------------------------------------------------------------------------------------------------------
// Preparation of the text, evaluation and the ceiling.

std::string Prepare(std::string_view text) {
    std::string s;
    s.reserve(text.size() + 8);
    for (const char c : text)
        s.push_back(c == ',' ? '.' : c);
    // Every space goes, as long as the text is longer than one character (so " " stays and is an error).
    std::size_t spaces = 0;
    for (const char c : s)
        spaces += c == ' ';
    if (spaces > 0) {
        const std::size_t removable = std::min(spaces, s.size() - 1);
        std::string kept;
        kept.reserve(s.size() - removable);
        std::size_t removed = 0;
        for (const char c : s) {
            if (c == ' ' && removed < removable) {
                ++removed;
                continue;
            }
            kept.push_back(c);
        }
        s = std::move(kept);
    }
    // A leading sign acts as an operator with 0 on its left.
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) s.insert(s.begin(), '0');
    // "(-X^" becomes "(0-X^", so that -X^2 inside brackets is the negative of the square; one pass
    // into a new string, since an insertion per match would make long texts quadratic.
    if (s.find("(-X^") == std::string::npos) return s;
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (std::size_t i = 0; i < s.size(); ++i) {
        out.push_back(s[i]);
        if (s[i] == '(' && s.compare(i + 1, 3, "-X^") == 0) out.push_back('0');
    }
    return out;
}

FormulaResult EvaluateWithin(std::string_view text, double x, const FormulaParams& params, Budget& budget) {
    if (text.empty()) return {0.0, kFormulaSyntax};
    const std::string prepared = Prepare(text);
    Evaluator evaluator(prepared, x, params, budget);
    double value = evaluator.Run();
    FormulaError error = evaluator.error();
    if (value > kCeiling) {
        value = kCeiling;
        error = kFormulaClipped;
    } else if (!std::isfinite(value)) { // cannot happen: every step keeps its value finite
        value = 0.0;
        error = kFormulaDomain;
    }
    return {value + 0.0, error};
}

double Evaluator::StoredFormula(int k, double x) {
    const std::string& formula = params_.F[static_cast<std::size_t>(k)];
    if (formula.empty()) return Fail(kFormulaSyntax, 0.0);
    if (++budget_.formulaCalls > kMaxFormulaCalls) {
        Abort(kFormulaDomain);
        return 0.0;
    }
    Spend(static_cast<long>(formula.size()));
    if (budget_.aborted) return 0.0;
    // A nested evaluation with its own error code, which then replaces this one: an error before the call
    // is lost, an error inside it stays. Its depth counts on (a formula calling itself ends at kMaxDepth).
    const FormulaResult inner = EvaluateWithin(formula, x, params_, budget_);
    if (budget_.aborted) {
        Abort(budget_.abortError);
        return 0.0;
    }
    error_ = inner.error;
    return inner.value;
}

} // namespace

std::vector<std::string_view> FormulaKeywords() {
    std::vector<std::string_view> keywords;
    for (int i = 0; i < kKeywordCount; ++i) keywords.push_back(KeywordName(i));
    return keywords;
}

FormulaResult Evaluate(std::string_view text, double x, const FormulaParams& params) {
    Budget budget;
    const FormulaResult result = EvaluateWithin(text, x, params, budget);
    if (budget.aborted) return {0.0, budget.abortError};
    return result;
}

FormulaResult ReadFieldText(std::string_view text, long maxSteps) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c == ',') c = '.';
    }
    FormulaParams noParameters;
    noParameters.maxSteps = maxSteps;
    FormulaResult result = Evaluate(upper, 1.0, noParameters);
    if (result.error != kFormulaOk) result.value = 0.0;
    return result;
}

} // namespace trimora
