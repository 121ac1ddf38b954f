// The web edition's trigonometric functions and hypot, in place of emscripten's (musl's, from
// fdlibm). The desktop's glibc rounds sine, cosine and their inverses correctly in nearly every
// case, musl in far fewer (about 3 to 18 in 100 arguments differ from glibc's in the last bit),
// enough to change a shown digit or a pixel now and then. Here they are correctly rounded but in the
// rarest cases: sine, cosine, arc tangent and arc cosine first from a table of sines (about 62
// correct bits) with a test whether that decides the rounding, else from full double-double series
// (about 70 correct bits) — a repaint calls them some 20000 times; the rarer ones in 113-bit long double. hypot
// follows glibc's algorithm and gives its results; exp, log and pow are the same algorithms in both
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

Double2 Negated(Double2 a) { return {-a.hi, -a.lo}; }

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
    if (std::fabs(x) <= 0.78539816339744828) { // pi/4 rounded down: nothing to reduce
        quadrant = 0;
        return {x, 0};
    }
    const double k = std::nearbyint(x * 0.63661977236758134);
    quadrant = static_cast<int>(static_cast<long>(k) & 3);
    Double2 r = Add({x, 0}, {-TwoProduct(k, kPiHalf1).hi, -TwoProduct(k, kPiHalf1).lo});
    const Double2 p2 = TwoProduct(k, kPiHalf2);
    r = Add(r, {-p2.hi, -p2.lo});
    return Add(r, {-k * kPiHalf3, 0});
}

// 1/n! as double-double for n = 2..7.
constexpr Double2 kInv2{0.5, 0}, kInv3{0.16666666666666666, 9.2518585385429707e-18},
    kInv4{0.041666666666666664, 2.3129646346357427e-18}, kInv5{0.0083333333333333332, 1.1564823173178714e-19},
    kInv6{0.0013888888888888889, -5.3005439543735771e-20}, kInv7{0.00019841269841269841, 1.7209558293420705e-22};

// sin r and cos r for |r| <= pi/4 + a little, r2 = r^2: the leading terms of the series in
// double-double, those below 2^-20 of the result in double (their rounding stays below 2^-70), up
// to the last one above 2^-75.
// sin r = r (1 - z/3! + z^2/5! - z^3/7! + z^3 (z/9! - z^2/11! + …)).
Double2 SineSeries(Double2 r, Double2 r2) {
    const double z = r2.hi;
    const double tail =
        z * (1.0 / 362880 -
             z * (1.0 / 39916800 -
                  z * (1.0 / 6227020800 -
                       z * (1.0 / 1307674368000 -
                            z * (1.0 / 355687428096000 -
                                 z * (1.0 / 1.21645100408832e17 -
                                      z * (1.0 / 5.109094217170944e19 - z * (1.0 / 2.585201673888498e22))))))));
    Double2 s = Add({tail, 0}, {-kInv7.hi, -kInv7.lo});
    s = Add(Multiply(s, r2), kInv5);
    s = Add(Multiply(s, r2), {-kInv3.hi, -kInv3.lo});
    s = Add(Multiply(s, r2), {1, 0});
    return Multiply(s, r);
}

// cos r = 1 - z/2! + z^2/4! - z^3/6! + z^3 (z/8! - z^2/10! + …).
Double2 CosineSeries(Double2 r2) {
    const double z = r2.hi;
    const double tail =
        z * (1.0 / 40320 -
             z * (1.0 / 3628800 -
                  z * (1.0 / 479001600 -
                       z * (1.0 / 87178291200 -
                            z * (1.0 / 20922789888000 -
                                 z * (1.0 / 6402373705728000 -
                                      z * (1.0 / 2.43290200817664e18 -
                                           z * (1.0 / 1.1240007277776077e21 - z * (1.0 / 6.204484017332394e23)))))))));
    Double2 c = Add({tail, 0}, {-kInv6.hi, -kInv6.lo});
    c = Add(Multiply(c, r2), kInv4);
    c = Add(Multiply(c, r2), {-kInv2.hi, -kInv2.lo});
    return Add(Multiply(c, r2), {1, 0});
}

// sin r (odd = false) or cos r for |r| <= pi/4 + a little, from the full series: about 70 correct bits.
double SeriesValue(Double2 r, bool odd) {
    const Double2 r2 = Multiply(r, r);
    const Double2 value = odd ? CosineSeries(r2) : SineSeries(r, r2);
    return value.hi + value.lo;
}

// sin a and cos a of the table's angles a = j/64, |j| <= kTableEnd, from the series.
constexpr int kTableEnd = 52;
struct TableRow {
    Double2 sine, cosine;
};
struct SineTable {
    TableRow rows[2 * kTableEnd + 1];
    SineTable() {
        for (int j = -kTableEnd; j <= kTableEnd; ++j) {
            const Double2 a{j / 64.0, 0};
            const Double2 a2 = Multiply(a, a);
            rows[j + kTableEnd] = {j == 0 ? Double2{0, 0} : SineSeries(a, a2), CosineSeries(a2)};
        }
    }
};
const SineTable& Table() {
    static const SineTable table;
    return table;
}

// The quick way to sin r (odd = false) or cos r, |r| <= pi/4 + a little: r = a + t with a = j/64
// from the table and |t| <= 1/128, then sin(a + t) = sin a + sin a (cos t - 1) + cos a sin t and
// cos(a + t) = cos a + cos a (cos t - 1) - sin a sin t; within 2^-62 of the value's size.
Double2 TableValue(Double2 r, bool odd) {
    const double j = std::nearbyint(r.hi * 64);
    const double th = r.hi - j / 64, tl = r.lo; // th exact: both are multiples of the ulp of r.hi
    const TableRow& row = Table().rows[static_cast<int>(j) + kTableEnd];
    const Double2 base = odd ? row.cosine : row.sine;
    const Double2 other = odd ? Negated(row.sine) : row.cosine;
    const double t2 = th * th;
    // cos t - 1 and sin t - th, each to far below 2^-66 of the result.
    const double cosMinusOne = t2 * (-0.5 + t2 * (1.0 / 24 + t2 * (-1.0 / 720 + t2 * (1.0 / 40320)))) - th * tl;
    const double sinRest = tl + th * t2 * (-1.0 / 6 + t2 * (1.0 / 120 + t2 * (-1.0 / 5040 + t2 * (1.0 / 362880))));
    const Double2 product = TwoProduct(other.hi, th);
    const Double2 sum = TwoSum(base.hi, product.hi);
    const double small = base.lo + product.lo + base.hi * cosMinusOne + other.hi * sinRest + other.lo * th;
    return QuickTwoSum(sum.hi, sum.lo + small);
}

// Whether every number within `error` times the size of y rounds to the double y.hi, as the
// exact value then does. The quick ways below test at least four times their error: about 1 in 100
// values takes the full series.
bool RoundsSurely(Double2 y, double error) {
    const double e = std::fabs(y.hi) * error;
    return y.hi + (y.lo + e) == y.hi && y.hi + (y.lo - e) == y.hi;
}

// sin a and cos a in double-double within 2^-62, for |a| <= 4.
void QuickSinCosOf(double a, Double2& sine, Double2& cosine) {
    int quadrant = 0;
    const Double2 r = Reduced(a, quadrant);
    const Double2 s = TableValue(r, false), c = TableValue(r, true);
    const Double2 sines[4] = {s, c, Negated(s), Negated(c)}, cosines[4] = {c, Negated(s), Negated(c), s};
    sine = sines[quadrant];
    cosine = cosines[quadrant];
}

// sin x (cosine = false) or cos x.
double SineOrCosine(double x, bool cosine) {
    int quadrant = 0;
    const Double2 r = Reduced(x, quadrant);
    if (cosine) quadrant = (quadrant + 1) & 3;
    const Double2 quick = TableValue(r, quadrant & 1);
    const double rounded = RoundsSurely(quick, 0x1p-60) ? quick.hi : SeriesValue(r, quadrant & 1);
    return (quadrant & 2) ? -rounded : rounded;
}

// sin a and cos a in double-double, for |a| <= 4.
void SinCosOf(double a, Double2& sine, Double2& cosine) {
    int quadrant = 0;
    const Double2 r = Reduced(a, quadrant);
    const Double2 r2 = Multiply(r, r);
    const Double2 s = SineSeries(r, r2), c = CosineSeries(r2);
    const Double2 ms{-s.hi, -s.lo}, mc{-c.hi, -c.lo};
    const Double2 sines[4] = {s, c, ms, mc}, cosines[4] = {c, ms, mc, s};
    sine = sines[quadrant];
    cosine = cosines[quadrant];
}

// ax >= ay > 0, neither near the ends of the range.
double HypotKernel(double ax, double ay) {
    double h = std::sqrt(ax * ax + ay * ay);
    double t1 = 0, t2 = 0;
    if (h <= 2.0 * ay) {
        const double delta = h - ay;
        t1 = ax * (2.0 * delta - ax);
        t2 = (delta - 2.0 * (ax - ay)) * delta;
    } else {
        const double delta = h - ax;
        t1 = 2.0 * delta * (ax - 2.0 * ay);
        t2 = (4.0 * delta - ay) * ay + delta * delta;
    }
    return h - (t1 + t2) / (2.0 * h);
}

// The square root of a double-double, to about 100 bits.
Double2 SquareRoot(Double2 a) {
    if (!(a.hi > 0)) return {0, 0};
    const double r = std::sqrt(a.hi);
    const Double2 rr = TwoProduct(r, r);
    return QuickTwoSum(r, (((a.hi - rr.hi) - rr.lo) + a.lo) / (2 * r));
}

// atan x = a0 + atan d with tan d = (x cos a0 - sin a0) / (cos a0 + x sin a0), from a0 of float
// precision: |d| < 2^-22, so that atan d = d - d^3/3 to far below the last bit. Within about twice
// the error of sin a0 and cos a0.
Double2 ArcTangent(double x, double a0, Double2 s, Double2 c) {
    const Double2 top = Add(Multiply({x, 0}, c), Negated(s));
    const double bottom = c.hi + x * s.hi;
    const double d = top.hi / bottom;
    const Double2 rest = Add(top, Negated(TwoProduct(d, bottom)));
    const Double2 tangent = QuickTwoSum(d, (rest.hi + rest.lo) / bottom);
    const Double2 angle = Add(tangent, {-d * d * d / 3, 0});
    return Add({a0, 0}, angle);
}

// acos y = a0 + asin(sqrt(1 - y^2) cos a0 - y sin a0) from a0 = acos y within a few ulps: the sine
// of what a0 lacks is then the angle itself to far below the last bit. Within about four times the
// error of sin a0 and cos a0.
Double2 ArcCosine(double y, double a0, Double2 s, Double2 c) {
    const Double2 root = SquareRoot(Add({1, 0}, Negated(TwoProduct(y, y))));
    return Add({a0, 0}, Add(Multiply(root, c), Negated(Multiply({y, 0}, s))));
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

// The quick sine and cosine of a0 first, the full series when the rounding is in doubt.
double atan(double x) {
    if (!(std::fabs(x) >= 1e-8 && std::fabs(x) <= 1e100)) return static_cast<double>(atanl(x));
    const double a0 = std::atanf(static_cast<float>(x));
    Double2 s{}, c{};
    QuickSinCosOf(a0, s, c);
    Double2 sum = ArcTangent(x, a0, s, c);
    if (RoundsSurely(sum, 0x1p-59)) return sum.hi;
    SinCosOf(a0, s, c);
    sum = ArcTangent(x, a0, s, c);
    return sum.hi + sum.lo;
}

// a0 = 2 atan sqrt((1 - y) / (1 + y)).
double acos(double y) {
    if (!(std::fabs(y) < 1)) return static_cast<double>(acosl(y));
    const double a0 = 2 * atan(std::sqrt((1 - y) / (1 + y)));
    Double2 s{}, c{};
    QuickSinCosOf(a0, s, c);
    Double2 sum = ArcCosine(y, a0, s, c);
    if (RoundsSurely(sum, 0x1p-58)) return sum.hi;
    SinCosOf(a0, s, c);
    sum = ArcCosine(y, a0, s, c);
    return sum.hi + sum.lo;
}

// hypot as glibc computes it without fused multiply-add (C. F. Borges, "An Improved Algorithm for
// hypot(a,b)", 2019): the square root corrected by the error of the sum of squares. Its results are
// glibc's to the bit.
double hypot(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return (std::isinf(x) || std::isinf(y)) ? INFINITY : x + y;
    x = std::fabs(x), y = std::fabs(y);
    const double ax = x < y ? y : x, ay = x < y ? x : y;
    constexpr double kScale = 0x1p-600, kLarge = 0x1p+511, kTiny = 0x1p-511, kEps = 0x1p-54;
    if (ax > kLarge) {
        if (ay <= ax * kEps) return ax + ay;
        return HypotKernel(ax * kScale, ay * kScale) / kScale;
    }
    if (ay < kTiny) {
        if (ax >= ay / kEps) return ax + ay;
        return HypotKernel(ax / kScale, ay / kScale) * kScale;
    }
    if (ay <= ax * kEps) return ax + ay;
    return HypotKernel(ax, ay);
}

double tan(double x) { return static_cast<double>(tanl(x)); }
double asin(double x) { return static_cast<double>(asinl(x)); }
double atan2(double y, double x) { return static_cast<double>(atan2l(y, x)); }
}
