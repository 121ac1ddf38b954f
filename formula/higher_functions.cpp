// Numerical methods of the interpreter's special functions. Every loop has a fixed upper bound.
#include "formula/higher_functions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace trimora::formula_detail {
namespace {

constexpr int kMaxSeriesTerms = 500;       // no series below needs more than ~150 terms in its domain
constexpr double kSeriesStop = 0.0001;     // Si, Ci, Ei: summing ends with the first term below this
constexpr double kGammaUnderflow = -190;   // below this, |Γ(x)| < 1e-330 for every double x: the value is 0
constexpr double kIntegralAsymptotic = 20; // Si, Ci: asymptotic expansions above this argument

// Γ(x) on [1, 2] as 1 + Σ b_k t^k with t = x - 1 (Abramowitz–Stegun 6.1.36).
double GammaPolynomial(double t) {
    static constexpr std::array<double, 9> b = {1.0,          -0.577191652, 0.988205891,
                                                -0.897056937, 0.918206857,  -0.756704078,
                                                0.482199394,  -0.193527818, 0.035868343};
    double p = b[8];
    for (int k = 7; k >= 0; --k)
        p = p * t + b[static_cast<std::size_t>(k)];
    return p;
}

// The auxiliary functions f and g of the sine and cosine integrals for large x:
// f(x) ~ (1/x) Σ (-1)^k (2k)!/x^(2k), g(x) ~ (1/x²) Σ (-1)^k (2k+1)!/x^(2k); summed up to the smallest term.
void AuxiliaryFG(double x, double& f, double& g) {
    const double x2 = x * x;
    double termF = 1.0, termG = 1.0, sumF = 1.0, sumG = 1.0;
    for (int k = 1; k < kMaxSeriesTerms; ++k) {
        const double nextF = -termF * (2.0 * k - 1.0) * (2.0 * k) / x2;
        const double nextG = -termG * (2.0 * k) * (2.0 * k + 1.0) / x2;
        if (std::abs(nextG) >= std::abs(termG) || std::abs(nextF) >= std::abs(termF)) break; // diverging
        termF = nextF;
        termG = nextG;
        sumF += termF;
        sumG += termG;
        if (std::abs(termF) < 1e-17 && std::abs(termG) < 1e-17) break;
    }
    f = sumF / x;
    g = sumG / x2;
}

// Coefficients u_k of the Airy asymptotic expansions: u_0 = 1,
// u_k = (6k-5)(6k-3)(6k-1) / ((2k-1) 216 k) u_(k-1).
constexpr int kAiryTerms = 40;
struct AiryCoefficients {
    std::array<double, kAiryTerms> u{};
    constexpr AiryCoefficients() {
        u[0] = 1.0;
        for (int k = 1; k < kAiryTerms; ++k)
            u[static_cast<std::size_t>(k)] = u[static_cast<std::size_t>(k - 1)] * (6.0 * k - 5.0) *
                                             (6.0 * k - 3.0) * (6.0 * k - 1.0) /
                                             ((2.0 * k - 1.0) * 216.0 * k);
    }
};
constexpr AiryCoefficients kAiry;

constexpr double kAiryC1 = 0.355028053887817239; // Ai(0)
constexpr double kAiryC2 = 0.258819403792806798; // -Ai'(0)
constexpr double kSqrt3 = 1.7320508075688772;
constexpr double kSqrtPi = 1.7724538509055160;
constexpr double kAiryAiSeriesLimit = 6.0;  // Ai: power series up to here, asymptotic expansion above
constexpr double kAiryNegativeLimit = -8.0; // both: asymptotic expansions below here

// The two power series f(x) = Σ 3^k (1/3)_k x^(3k)/(3k)!, g(x) = Σ 3^k (2/3)_k x^(3k+1)/(3k+1)!.
void AiryPowerSeries(double x, double& f, double& g) {
    const double x3 = x * x * x;
    double termF = 1.0, termG = x;
    f = termF;
    g = termG;
    for (int k = 0; k < kMaxSeriesTerms; ++k) {
        termF *= x3 / ((3.0 * k + 2.0) * (3.0 * k + 3.0));
        termG *= x3 / ((3.0 * k + 3.0) * (3.0 * k + 4.0));
        f += termF;
        g += termG;
        if (std::abs(termF) <= 1e-17 * std::abs(f) && std::abs(termG) <= 1e-17 * std::abs(g)) break;
    }
}

// Σ s^k u_k ζ^-k over the terms selected by `first` and `step`, with s = ±1 alternating per selected term
// when `alternate` is set; stops at the smallest term (the expansions diverge beyond it).
double AirySum(double zeta, int first, int step, bool alternate) {
    double sum = 0.0, previous = INFINITY;
    double sign = 1.0;
    for (int k = first; k < kAiryTerms; k += step) {
        const double term = kAiry.u[static_cast<std::size_t>(k)] / std::pow(zeta, k);
        if (std::abs(term) >= previous) break;
        sum += sign * term;
        previous = std::abs(term);
        if (previous < 1e-17) break;
        if (alternate) sign = -sign;
    }
    return sum;
}

// Ai(-x), Bi(-x) for large x > 0 (DLMF 9.7.9, 9.7.11).
void AiryOscillating(double x, double& ai, double& bi) {
    const double zeta = 2.0 / 3.0 * x * std::sqrt(x);
    if (!std::isfinite(zeta)) { // amplitude below 1e-51: both are 0 in every printed digit
        ai = bi = 0.0;
        return;
    }
    const double amplitude = 1.0 / (kSqrtPi * std::sqrt(std::sqrt(x)));
    const double even = AirySum(zeta, 0, 2, true);
    const double odd = AirySum(zeta, 1, 2, true);
    const double phase = zeta - kPi / 4.0;
    const double c = std::cos(phase), s = std::sin(phase);
    ai = amplitude * (c * even + s * odd);
    bi = amplitude * (-s * even + c * odd);
}

} // namespace

double Gamma(double x) {
    if (x < kGammaUnderflow) return 0.0;
    double g = 1.0;
    // 1. Γ(x) = (x - 1) Γ(x - 1) down to [1, 2] (at most 42 steps for x <= 43).
    while (x > 2.0) {
        x -= 1.0;
        g *= x;
    }
    // 2. Γ(x) = Γ(x + 1) / x up to [1, 2] (at most 191 steps above kGammaUnderflow).
    while (x < 1.0) {
        g /= x;
        x += 1.0;
    }
    return g * GammaPolynomial(x - 1.0);
}

bool LnGamma(double x, double& value) {
    static constexpr std::array<double, 6> c = {76.18009173,  -86.50532033,  24.01409822,
                                                -1.231739516, 0.00120858003, -0.00000536382};
    const double t = x - 1.0;
    const double s = t + 5.5;
    double series = 1.0;
    for (std::size_t j = 0; j < c.size(); ++j)
        series += c[j] / (t + static_cast<double>(j + 1));
    const double product = series * 2.50662827465;
    if (!(product > 0.0) || !std::isfinite(product) || !(s > 0.0)) return false;
    value = (t + 0.5) * std::log(s) - s + std::log(product);
    return std::isfinite(value);
}

double SineIntegral(double x) {
    if (x > kIntegralAsymptotic) {
        double f, g;
        AuxiliaryFG(x, f, g);
        return kPi / 2.0 - f * std::cos(x) - g * std::sin(x);
    }
    // Σ (-1)^n x^(2n+1) / ((2n+1) (2n+1)!); power = x^(2n+1)/(2n+1)!.
    double power = x, sum = 0.0, sign = 1.0;
    for (int n = 0; n < kMaxSeriesTerms; ++n) {
        const double term = sign * power / (2.0 * n + 1.0);
        sum += term;
        if (std::abs(term) < kSeriesStop) break;
        power *= x * x / ((2.0 * n + 2.0) * (2.0 * n + 3.0));
        sign = -sign;
    }
    return sum;
}

double CosineIntegral(double x) {
    if (x > kIntegralAsymptotic) {
        double f, g;
        AuxiliaryFG(x, f, g);
        return f * std::sin(x) - g * std::cos(x);
    }
    // 0.57722 + ln x + Σ_(n>=1) (-1)^n x^(2n) / (2n (2n)!); power = x^(2n)/(2n)!.
    double power = x * x / 2.0, sum = 0.0, sign = -1.0;
    for (int n = 1; n < kMaxSeriesTerms; ++n) {
        const double term = sign * power / (2.0 * n);
        sum += term;
        if (std::abs(term) < kSeriesStop) break;
        power *= x * x / ((2.0 * n + 1.0) * (2.0 * n + 2.0));
        sign = -sign;
    }
    return 0.57722 + std::log(x) + sum;
}

double ExponentialIntegral(double x) {
    // 0.57722156649 + ln x + Σ_(n>=1) x^n / (n n!); power = x^n/n!.
    double power = x, sum = 0.0;
    for (int n = 1; n < kMaxSeriesTerms; ++n) {
        const double term = power / n;
        sum += term;
        if (std::abs(term) < kSeriesStop) break;
        power *= x / (n + 1.0);
    }
    return 0.57722156649 + std::log(x) + sum;
}

double BesselJ0(double x) {
    const double ax = std::abs(x);
    if (ax < 8.0) {
        const double y = x * x;
        const double p =
            57568490574.0 +
            y * (-13362590354.0 +
                 y * (651619640.7 + y * (-11214424.18 + y * (77392.33017 + y * (-184.9052456)))));
        const double q = 57568490411.0 +
                         y * (1029532985.0 + y * (9494680.718 + y * (59272.64853 + y * (267.8532712 + y))));
        return p / q;
    }
    const double z = 8.0 / ax;
    const double y = z * z;
    const double xx = ax - 0.785398164;
    const double p =
        1.0 + y * (-0.1098628627e-2 + y * (0.2734510407e-4 + y * (-0.2073370639e-5 + y * 0.2093887211e-6)));
    const double q =
        -0.1562499995e-1 +
        y * (0.1430488765e-3 + y * (-0.6911147651e-5 + y * (0.7621095161e-6 - y * 0.934935152e-7)));
    return std::sqrt(0.636619772 / ax) * (std::cos(xx) * p - z * std::sin(xx) * q);
}

double BesselJ1(double x) {
    const double ax = std::abs(x);
    if (ax < 8.0) {
        const double y = x * x;
        const double p =
            x * (72362614232.0 +
                 y * (-7895059235.0 +
                      y * (242396853.1 + y * (-2972611.439 + y * (15704.48260 + y * (-30.16036606))))));
        const double q = 144725228442.0 +
                         y * (2300535178.0 + y * (18583304.74 + y * (99447.43394 + y * (376.9991397 + y))));
        return p / q;
    }
    const double z = 8.0 / ax;
    const double y = z * z;
    const double xx = ax - 2.356194491;
    const double p =
        1.0 + y * (0.183105e-2 + y * (-0.3516396496e-4 + y * (0.2457520174e-5 + y * (-0.240337019e-6))));
    const double q = 0.04687499995 + y * (-0.2002690873e-3 +
                                          y * (0.8449199096e-5 + y * (-0.88228987e-6 + y * 0.105787412e-6)));
    const double value = std::sqrt(0.636619772 / ax) * (std::cos(xx) * p - z * std::sin(xx) * q);
    return x < 0.0 ? -value : value;
}

double NormalDistribution(double x) {
    if (x == 0.0) return 0.5;
    // Beyond |x| = 40 every exponential below is 0 and R = 1/2; x² itself might overflow.
    double r = 0.5;
    if (std::abs(x) <= 40.0) {
        const double x2 = x * x;
        const double u = -x2;
        const double s = (7.0 * std::exp(u / 2.0) + 16.0 * std::exp(u * 0.58578643762690495) +
                          (7.0 + x2 * kPi / 4.0) * std::exp(u)) /
                         30.0;
        r = 0.5 * std::sqrt(std::max(0.0, 1.0 - s)); // rounding may push 1 - s just below 0 near x = 0
    }
    return x > 0.0 ? 0.5 + r : 0.5 - r;
}

Jacobi JacobiElliptic(double x, double k) {
    if (k == 0.0) return {std::sin(x), std::cos(x), 1.0};
    constexpr double kAgmTolerance = 1e-8; // the transformation's error is about its square
    constexpr int kMaxSteps = 30;          // AGM(1, b) converges in < 15 steps for any double b > 0
    double emc = 1.0 - k * k;              // complementary parameter
    double u = x;
    if (emc == 0.0) {
        const double sech = 1.0 / std::cosh(u);
        return {std::tanh(u), sech, sech};
    }
    // k > 1: sn(u|k) = sn(ku|1/k)/k, cn(u|k) = dn(ku|1/k), dn(u|k) = cn(ku|1/k).
    const bool reciprocal = emc < 0.0;
    double d = 1.0;
    if (reciprocal) {
        const double m = 1.0 - emc; // k²
        emc = -emc / m;             // 1 - 1/k²
        d = std::sqrt(m);
        u *= d;
    }
    std::array<double, kMaxSteps + 1> em{}, en{};
    double a = 1.0, c = 1.0, dn = 1.0;
    int steps = 0;
    // 1. Descending: arithmetic–geometric mean of 1 and √emc, remembering every pair.
    for (int i = 1; i <= kMaxSteps; ++i) {
        steps = i;
        em[static_cast<std::size_t>(i)] = a;
        emc = std::sqrt(emc);
        en[static_cast<std::size_t>(i)] = emc;
        c = 0.5 * (a + emc);
        if (std::abs(a - emc) <= kAgmTolerance * a) break;
        emc *= a;
        a = c;
    }
    // 2. The amplitude of the last stage, then ascending back to the modulus k.
    u *= c;
    double sn = std::sin(u);
    double cn = std::cos(u);
    if (sn != 0.0) {
        a = cn / sn;
        c *= a;
        for (int i = steps; i >= 1; --i) {
            const double b = em[static_cast<std::size_t>(i)];
            a *= c;
            c *= dn;
            dn = (en[static_cast<std::size_t>(i)] + a) / (b + a);
            a = c / b;
        }
        a = 1.0 / std::sqrt(c * c + 1.0);
        sn = sn >= 0.0 ? a : -a;
        cn = c * sn;
    }
    if (reciprocal) {
        std::swap(cn, dn);
        sn /= d;
    }
    return {sn, cn, dn};
}

double AiryAi(double x) {
    if (x < kAiryNegativeLimit) {
        double ai, bi;
        AiryOscillating(-x, ai, bi);
        return ai;
    }
    if (x > kAiryAiSeriesLimit) {
        // Ai(x) ~ e^-ζ / (2 √π x^(1/4)) Σ (-1)^k u_k ζ^-k: the power series cancels away all digits here.
        const double zeta = 2.0 / 3.0 * x * std::sqrt(x);
        return std::exp(-zeta) / (2.0 * kSqrtPi * std::sqrt(std::sqrt(x))) * AirySum(zeta, 0, 1, true);
    }
    double f, g;
    AiryPowerSeries(x, f, g);
    return kAiryC1 * f - kAiryC2 * g;
}

double AiryBi(double x) {
    if (x < kAiryNegativeLimit) {
        double ai, bi;
        AiryOscillating(-x, ai, bi);
        return bi;
    }
    double f, g;
    AiryPowerSeries(x, f, g);
    return kSqrt3 * (kAiryC1 * f + kAiryC2 * g);
}

int EulerPhi(int n) {
    // φ(n) = n Π (1 - 1/p) over the primes p dividing n: the count of the i < n prime to n, in √n steps.
    int phi = n;
    for (int p = 2; p * p <= n; ++p) {
        if (n % p != 0) continue;
        while (n % p == 0)
            n /= p;
        phi -= phi / p;
    }
    if (n > 1) phi -= phi / n;
    return phi;
}

} // namespace trimora::formula_detail
