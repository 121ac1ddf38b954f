// The special functions behind the interpreter's keywords (Gamma, integrals, Bessel, Airy, Jacobi ...).
// Plain value functions without error codes: the keyword table in formula.cpp checks the domains first.
#pragma once

namespace trimora::formula_detail {

// Euler's number, pi and the golden ratio as the interpreter knows them.
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kE = 2.718281828459045;
inline constexpr double kGoldenRatio = 1.618033988749895;

// Γ(x) by reduction into [1, 2] and the Abramowitz–Stegun 6.1.36 polynomial (relative error below 3e-7).
// Expects x not to be a pole (0, -1, -2, ...) and x <= 43; below -190 the value underflows to 0.
double Gamma(double x);

// The Lanczos series for ln Γ(x) (absolute error below 2e-10 for x > 0). Returns false where the
// logarithm has no real value (the series is not positive there, at the poles and left of them).
bool LnGamma(double x, double& value);

// Si(x), Ci(x) for 0 < x < 50 and Ei(x) for 0 < x < 40: power series summed until a term is below 1e-4;
// Si and Ci take their asymptotic expansions above 20: beyond it the alternating series loses its digits to
// cancellation (near 50 all of them).
double SineIntegral(double x);
double CosineIntegral(double x);
double ExponentialIntegral(double x);

// Bessel functions J0, J1: rational approximations below 8, asymptotic forms above (absolute error ~1e-8).
double BesselJ0(double x);
double BesselJ1(double x);

// The normal distribution function Φ(x) by a closed formula (absolute error below 3.1e-5).
double NormalDistribution(double x);

// Jacobi elliptic functions of x with modulus k (parameter m = k²) by the descending Landen transformation.
struct Jacobi {
    double sn, cn, dn;
};
Jacobi JacobiElliptic(double x, double k);

// Airy functions for x <= 25.77 (the caller handles larger x): power series from -8 on (for Ai up to 6),
// asymptotic expansions outside; both good to ~1e-11. At -2.09 the expansions would be off by 1e-3.
double AiryAi(double x);
double AiryBi(double x);

// Euler's φ(n) for 1 <= n <= 10000.
int EulerPhi(int n);

} // namespace trimora::formula_detail
