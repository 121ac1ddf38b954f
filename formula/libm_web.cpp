// The web edition's trigonometric functions and hypot, in place of emscripten's (musl's, from
// fdlibm). The desktop's glibc rounds them correctly in nearly every case, musl in far fewer
// (about 3 to 18 in 100 arguments differ from glibc's in the last bit), enough to change a shown
// digit or a pixel now and then. Here they are correctly rounded but in the rarest cases: sine and
// cosine from a double-double evaluation (about 70 correct bits, quick: a repaint calls them some
// 20000 times), the others in 113-bit long double. exp, log and pow are the same algorithms in both
// libraries and stay musl's.
#include <cmath>

namespace {

// A number as the unevaluated sum hi + lo, |lo| at most half an ulp of hi.
struct Double2 {
    double hi, lo;
};

Double2 QuickTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

Double2 TwoSum(double a, double b) {
    const double s = a + b, bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// The exact product (Dekker's split: WebAssembly has no fused multiply-add).
Double2 TwoProduct(double a, double b) {
    constexpr double kSplit = 134217729.0; // 2^27 + 1
    const double ca = kSplit * a, ah = ca - (ca - a), al = a - ah;
    const double cb = kSplit * b, bh = cb - (cb - b), bl = b - bh;
    const double p = a * b;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

Double2 Add(Double2 a, Double2 b) {
    Double2 s = TwoSum(a.hi, b.hi);
    const Double2 t = TwoSum(a.lo, b.lo);
    s = QuickTwoSum(s.hi, s.lo + t.hi);
    return QuickTwoSum(s.hi, s.lo + t.lo);
}

Double2 Multiply(Double2 a, Double2 b) {
    Double2 p = TwoProduct(a.hi, b.hi);
    return QuickTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

// Beyond this the reduction by multiples of pi/2 below loses too many bits: long double takes over.
constexpr double kLargestReduced = 65536.0;

// x - k·pi/2 with pi/2 to 160 bits, and k mod 4.
Double2 Reduced(double x, int& quadrant) {
    constexpr double kPiHalf1 = 1.5707963267948966, kPiHalf2 = 6.123233995736766e-17,
                     kPiHalf3 = -1.4973849048591698e-33;
    const double k = std::nearbyint(x * 0.63661977236758134);
    quadrant = static_cast<int>(static_cast<long>(k) & 3);
    Double2 r = Add({x, 0}, {-TwoProduct(k, kPiHalf1).hi, -TwoProduct(k, kPiHalf1).lo});
    const Double2 p2 = TwoProduct(k, kPiHalf2);
    r = Add(r, {-p2.hi, -p2.lo});
    return Add(r, {-k * kPiHalf3, 0});
}

// sin r and cos r for |r| <= pi/4 + a little: the leading terms of the series in double-double,
// those below 2^-20 of the result in double (their rounding stays below 2^-70), up to the last one
// above 2^-75.
void SinCos(Double2 r, Double2& sine, Double2& cosine) {
    const Double2 r2 = Multiply(r, r);
    const double z = r2.hi;
    // 1/n! as double-double for n = 2..7.
    constexpr Double2 kInv2{0.5, 0}, kInv3{0.16666666666666666, 9.2518585385429707e-18},
        kInv4{0.041666666666666664, 2.3129646346357427e-18}, kInv5{0.0083333333333333332, 1.1564823173178714e-19},
        kInv6{0.0013888888888888889, -5.3005439543735771e-20}, kInv7{0.00019841269841269841, 1.7209558293420705e-22};
    // The innermost terms, z/9! - z^2/11! + … and z/8! - z^2/10! + ….
    const double sinTail =
        z * (1.0 / 362880 -
             z * (1.0 / 39916800 -
                  z * (1.0 / 6227020800 -
                       z * (1.0 / 1307674368000 -
                            z * (1.0 / 355687428096000 -
                                 z * (1.0 / 1.21645100408832e17 -
                                      z * (1.0 / 5.109094217170944e19 - z * (1.0 / 2.585201673888498e22))))))));
    const double cosTail =
        z * (1.0 / 40320 -
             z * (1.0 / 3628800 -
                  z * (1.0 / 479001600 -
                       z * (1.0 / 87178291200 -
                            z * (1.0 / 20922789888000 -
                                 z * (1.0 / 6402373705728000 -
                                      z * (1.0 / 2.43290200817664e18 -
                                           z * (1.0 / 1.1240007277776077e21 - z * (1.0 / 6.204484017332394e23)))))))));
    // sin r = r (1 - z/3! + z^2/5! - z^3/7! + z^3 tail), cos r = 1 - z/2! + z^2/4! - z^3/6! + z^3 tail.
    Double2 s = Add({sinTail, 0}, {-kInv7.hi, -kInv7.lo});
    s = Add(Multiply(s, r2), kInv5);
    s = Add(Multiply(s, r2), {-kInv3.hi, -kInv3.lo});
    s = Add(Multiply(s, r2), {1, 0});
    sine = Multiply(s, r);
    Double2 c = Add({cosTail, 0}, {-kInv6.hi, -kInv6.lo});
    c = Add(Multiply(c, r2), kInv4);
    c = Add(Multiply(c, r2), {-kInv2.hi, -kInv2.lo});
    cosine = Add(Multiply(c, r2), {1, 0});
}

// sin x (cosine = false) or cos x.
double SineOrCosine(double x, bool cosine) {
    int quadrant = 0;
    Double2 s{}, c{};
    SinCos(Reduced(x, quadrant), s, c);
    if (cosine) quadrant = (quadrant + 1) & 3;
    const Double2 value = (quadrant & 1) ? c : s;
    const double rounded = value.hi + value.lo;
    return (quadrant & 2) ? -rounded : rounded;
}

} // namespace

extern "C" {

double sin(double x) {
    if (std::fabs(x) < 1e-8 || !(std::fabs(x) <= kLargestReduced)) return static_cast<double>(sinl(x));
    return SineOrCosine(x, false);
}

double cos(double x) {
    if (!(std::fabs(x) <= kLargestReduced)) return static_cast<double>(cosl(x));
    return SineOrCosine(x, true);
}

double tan(double x) { return static_cast<double>(tanl(x)); }
double asin(double x) { return static_cast<double>(asinl(x)); }
double acos(double x) { return static_cast<double>(acosl(x)); }
double atan(double x) { return static_cast<double>(atanl(x)); }
double atan2(double y, double x) { return static_cast<double>(atan2l(y, x)); }
double hypot(double x, double y) { return static_cast<double>(hypotl(x, y)); }
}
