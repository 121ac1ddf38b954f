// The Kiepert/Lucas family: Kiepert hyperbola, centre, triplex points and asymptotes; the Lucas
// circles of first, second and third order with the inner Lucas and Lucas-Soddy circles; An-In
// circles, outer excentral triangle, Moses circle, hexyl triangle and circles, Conway circle,
// inversions in the incircle, second intersections with the Euler line and the line IU, Lester
// circle, Weill point, Hofstadter trapezium, and the fixed Kiepert perspectors.
#include "base/format.h"
#include "draw/paint_log.h"
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kKiepertHyperbel = 399;            // "Kiepert-Hyperbel"
constexpr int kKiepertZentrum = 406;             // "Kiepert-Zentrum"
constexpr int kTriplexPunkte = 407;              // "Triplex-Punkte"
constexpr int kLucasKreise = 414;                // "Lucas-Kreise"
constexpr int kLucasDreieck = 416;               // "Lucas-Dreieck"
constexpr int kLucasBeruehrungspunkte = 417;     // "Lucas-Berührungspunkte"
constexpr int kInneresLucasDreieck = 418;        // "Inneres Lucas-Dreieck"
constexpr int kInnererLucasKreis = 419;          // "Innerer Lucas-Kreis"
constexpr int kLucasKreise2 = 421;               // "Lucas-Kreise 2.Ordnung"
constexpr int kLucasKreise3 = 422;               // "Lucas-Kreise 3.Ordnung"
constexpr int kLucasSoddyKreis = 423;            // "Lucas-Soddy-Kreis"
constexpr int kLucasSoddyPunkte = 424;           // "Lucas-Soddy-Punkte"
constexpr int kAnInKreisPunkte = 425;            // "An-In-Kreis-Punkte"
constexpr int kAnInKreise = 426;                 // "An-In-Kreise"
constexpr int kAeusseresAnkreisdreieck = 427;    // "Äußeres Ankreisdreieck"
constexpr int kAeussAnkreisdreieckpunkte = 428;  // "Äuß.Ankreisdreieckpunkte"
constexpr int kAeussAnkreisdreieckzentrum = 429; // "Äuß.Ankreisdreieckzentrum"
constexpr int kAnInPerspektivzentren = 430;      // "An-In-Kreis-Perspektivzentren"
constexpr int kAadHoehenstrecken = 431;          // "ÄAD ... Höhenstrecken"
constexpr int kAazKontaktpunktstrecken = 432;    // "ÄAZ ... Kontaktpunktstrecken"
constexpr int kKiepertAsymptotenpunkte = 433;    // "Kiepert-Asymptotenpunkte"
constexpr int kKiepertHyperbelasymptoten = 434;  // "Kiepert-Hyperbelasymptoten"
constexpr int kBrocardachseUmkreispunkt = 435;   // "Brocardachse-Umkreispunkt"
constexpr int kMosesKreis = 436;                 // "Moses-Kreis"
constexpr int kHexylDreieck = 438;               // "Hexyl-Dreieck"
constexpr int kHexylSechseck = 439;              // "Hexyl-Sechseck"
constexpr int kHexylPunkte = 440;                // "Hexyl-Punkte"
constexpr int kHexylKreis = 441;                 // "Hexyl-Kreis"
constexpr int kHexylInkreis = 442;               // "Hexyl-Inkreis"
constexpr int kConwayKreis = 443;                // "Conway-Kreis"
constexpr int kConwayPunkte = 444;               // "Conway-Punkte"
constexpr int kUmkreisInkreisInversion = 446;    // "Umkreis-Inkreis-Inversion"
constexpr int kSeitenInkreisInversion = 447;     // "Seiten-Inkreis-Inversion"
constexpr int kSchnittUmkreisEulerGerade = 450;  // "Schnitt Umkreis-Euler-Gerade"
constexpr int kLesterKreis = 457;                // "Lester-Kreis"
constexpr int kWeillPunkt = 462;                 // "Weill-Punkt"
constexpr int kHofstadterTrapez = 464;           // "Hofstadter-Trapez"
constexpr int kHofstadterTrapezpunkt = 465;      // "Hofstadter-Trapezpunkt"
constexpr int kKiepertPunktArctan2 = 472;        // "Kiepert-Punkt arctan 2"
constexpr int kKiepertPunktArctanMinus2 = 473;   // "Kiepert-Punkt arctan -2"
constexpr int kSchnittUmkreisIUGerade = 482;     // "Schnitt Umkreis-IU-Gerade"
constexpr int kSchnittInkreisIUGerade = 483;     // "Schnitt Inkreis-IU-Gerade"

// Slots.
constexpr int kSlotKiepertCentre = 298;
constexpr int kSlotTriplexA = 299; // 299, 300, 301
constexpr int kSlotLucasA = 319;   // centres of the Lucas circles of A, B, C: 319, 320, 321
constexpr int kSlotLucasTouchAB = 322;
constexpr int kSlotLucasTouchAC = 323;
constexpr int kSlotLucasTouchBC = 324;
constexpr int kSlotLucasWork = 325;   // second- and third-order centres, then the inner Lucas centre
constexpr int kSlotLucasSoddy1 = 326; // 326, 327, 328
constexpr int kSlotLucasSoddyCentre = 329;
constexpr int kSlotAnInTouch = 330;      // 330 .. 338, three per An-In circle
constexpr int kSlotAnInCentre = 339;     // 339, 340, 341
constexpr int kSlotPerspective = 342;    // 342, 343, 344
constexpr int kSlotOuterExcentral = 345; // 345, 346, 347
constexpr int kSlotOuterExcentralCentre = 348;
constexpr int kSlotAsymptote1 = 349;
constexpr int kSlotAsymptote2 = 350;
constexpr int kSlotBrocardAxis1 = kSlotBrocardAxisPoint1;
constexpr int kSlotBrocardAxis2 = kSlotBrocardAxisPoint1 + 1;
constexpr int kSlotHexyl = kSlotBrocardAxis2; // 352, 353, 354 (352 after the Brocard-axis point is listed)
constexpr int kSlotHexylCircumcentre = 355;
constexpr int kSlotHexylIncentre = 356;
constexpr int kSlotConway = 357; // 357 .. 362
constexpr int kSlotInversionCentre = 363;
constexpr int kSlotSideInversion = 364; // 364, 365, 366
constexpr int kSlotEulerCut1 = 367;
constexpr int kSlotEulerCut2 = 368;
constexpr int kSlotLester = 369;
constexpr int kSlotWeill = 377;
constexpr int kSlotTrapezium = 378;
constexpr int kSlotPerspector2 = 389;      // first the circumcircle on IU, then the perspector for tan = 2
constexpr int kSlotPerspectorMinus2 = 390; // likewise for tan = -2
constexpr int kSlotIncircleCut1 = 391;
constexpr int kSlotIncircleCut2 = 392;

constexpr Color kLightRed = Rgb(0xFF8080);
constexpr Color kNavy = Rgb(0x000080);

constexpr double k60 = M_PI / 3;
// The hyperbola of a nearly equilateral triangle is left out: both angles within 2° of 60°.
constexpr double kNearlyEquilateral = M_PI / 90;
constexpr double kSweepStep = 0.005; // radians between two samples of the hyperbola
constexpr int kSweepMargin = 100;    // pixels beyond the area where a sample still continues a stroke
constexpr double kKiepertReach = 20; // longest sides from A: the farthest point the hyperbola's fit takes

double Dist(RealPoint p, RealPoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

RealPoint Along(RealPoint from, RealPoint to, double t) {
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

// 2P - Q, or absent when either is absent.
RealPoint ReflectIn(RealPoint centre, RealPoint q) {
    if (IsAbsentPoint(centre) || IsAbsentPoint(q)) return {kAbsent, kAbsent};
    return {2 * centre.x - q.x, 2 * centre.y - q.y};
}

void MarkAndList(PaintContext& ctx, std::initializer_list<int> slots, std::string_view label) {
    for (int slot : slots)
        MarkSlot(ctx, slot);
    if (ctx.Shown())
        for (int slot : slots)
            ReportSlot(ctx, slot, label);
}

// A circle about a present slot with a positive radius, in the given pen, reported under `title`.
void SlotCircle(PaintContext& ctx, int slot, double radius, Color pen, std::string_view title) {
    if (!Present(ctx.pt, slot) || !(radius > 0)) return;
    const RealPoint c = ctx.pt.precise[slot];
    ctx.canvas.SetPenColor(pen);
    DrawCircle(ctx, c.x, c.y, radius);
    if (ctx.Shown()) ReportCircle(ctx, slot, title, radius);
}

// The side lengths in world units, from the screen points.
struct Measures {
    double a, b, c; // world units, from the screen points
};

// The equation of the drawn Kiepert hyperbola from its definition: the vertices (K(φ) at minus
// an angle) and the perspectors K(φ) at a few angles (centroid, Napoleon and Fermat points,
// orthocentre), those far beyond the triangle left out, since they would stretch the conditioned
// coordinates.
void LogKiepertHyperbola(PaintContext& ctx, double alpha, double beta, double gamma) {
    if (!ctx.log) return;
    const RealPoint A = ScreenAsReal(ctx.pt, kSlotA);
    const double size = std::max({ctx.base.SideA, ctx.base.SideB, ctx.base.SideC});
    const std::array<RealPoint, 3> vertices{A, ScreenAsReal(ctx.pt, kSlotB), ScreenAsReal(ctx.pt, kSlotC)};
    std::vector<RealPoint> points(vertices.begin(), vertices.end());
    for (const double phi : {0.0, M_PI / 6, -M_PI / 6, M_PI / 3, -M_PI / 3, M_PI / 2}) {
        const double sa = std::sin(alpha + phi), sb = std::sin(beta + phi), sc = std::sin(gamma + phi);
        const std::optional<RealPoint> p = PointFromTrilinear(ctx, sb * sc, sc * sa, sa * sb);
        if (p && std::isfinite(p->x) && std::isfinite(p->y) && Dist(*p, A) <= kKiepertReach * size)
            points.push_back(*p);
    }
    LogConic(ctx, kKiepertHyperbel, 0, "Kiepert-Hyperbel", points, vertices); // a circumconic
}

// Kiepert: steps 1-3.
void KiepertHyperbolaCentreTriplex(PaintContext& ctx, const Measures& w) {
    Canvas& canvas = ctx.canvas;
    const double a = w.a, b = w.b, c = w.c;
    const double cosA = (b * b + c * c - a * a) / (2 * b * c), cosB = (a * a + c * c - b * b) / (2 * a * c),
                 cosC = (a * a + b * b - c * c) / (2 * a * b);
    if (std::fabs(cosA) <= 1 && std::fabs(cosB) <= 1 && std::fabs(cosC) <= 1) {
        const double alpha = std::acos(cosA), beta = std::acos(cosB), gamma = std::acos(cosC);

        // 1. The locus of the perspectors K(phi); a sample beyond the margin or one that cannot be
        // constructed (a point at infinity) lifts the pen.
        const bool nearlyEquilateral =
            std::fabs(alpha - k60) <= kNearlyEquilateral && std::fabs(beta - k60) <= kNearlyEquilateral;
        if (ctx.On(kKiepertHyperbel) && !nearlyEquilateral) {
            canvas.SetPenColor(kMagenta);
            bool penUp = true;
            for (int k = 0;; ++k) {
                const double phi = -M_PI / 2 + k * kSweepStep;
                if (phi > M_PI / 2) break;
                const double sa = std::sin(alpha + phi), sb = std::sin(beta + phi),
                             sc = std::sin(gamma + phi);
                const std::optional<RealPoint> p = PointFromTrilinear(ctx, sb * sc, sc * sa, sa * sb);
                if (!p) {
                    penUp = true;
                    continue;
                }
                const int x = RoundClamp(p->x), y = RoundClamp(p->y);
                if (x < -kSweepMargin || y < -kSweepMargin || x > ctx.width + kSweepMargin ||
                    y > ctx.height + kSweepMargin)
                    penUp = true;
                if (penUp) {
                    canvas.MoveTo(x, y);
                    penUp = false;
                } else {
                    canvas.LineTo(x, y);
                }
            }
            canvas.SetPenColor(kBlack);
            LogKiepertHyperbola(ctx, alpha, beta, gamma);
        }

        // 2. Kiepert centre.
        auto sq = [](double v) { return v * v; };
        SlotFromTrilinear(ctx, kSlotKiepertCentre, a * sq(std::sin(beta - gamma)),
                          b * sq(std::sin(gamma - alpha)), c * sq(std::sin(alpha - beta)));
        if (ctx.On(kKiepertZentrum)) {
            MarkSlotTwoLetters(ctx, kSlotKiepertCentre, "K", "i");
            if (ctx.Shown()) ReportSlot(ctx, kSlotKiepertCentre, "Kiepert-Zentrum");
        }
    }

    // 3. Triplex points.
    if (ctx.On(kTriplexPunkte)) {
        const double A2 = a * a, B2 = b * b, C2 = c * c;
        SlotFromTrilinear(ctx, kSlotTriplexA, -(A2 - B2) * (A2 - C2) / a, b * (A2 - B2), c * (A2 - C2));
        SlotFromTrilinear(ctx, kSlotTriplexA + 1, a * (B2 - A2), -(B2 - A2) * (B2 - C2) / b, c * (B2 - C2));
        SlotFromTrilinear(ctx, kSlotTriplexA + 2, a * (C2 - A2), b * (C2 - B2), -(C2 - B2) * (C2 - A2) / c);
        for (int n = 0; n < 3; ++n)
            MarkSlot(ctx, kSlotTriplexA + n);
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotTriplexA, "Triplex-Punkt A");
            ReportSlot(ctx, kSlotTriplexA + 1, "Triplex-Punkt B");
            ReportSlot(ctx, kSlotTriplexA + 2, "Triplex-Punkt C");
        }
    }
}

// The Lucas circles, in pixels: the centre of the A-circle divides AU in the ratio h : a², h = 2Δ.
void LucasCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const BaseMeasureRecord& m = ctx.base;
    const double a = m.SideA, b = m.SideB, c = m.SideC, h = 2 * m.AreaPixels;
    const double SA = m.DotA, SB = m.DotB, SC = m.DotC;
    const RealPoint U = pt.precise[kSlotCircumcentre];

    // 1. Centres and radii; the radii stay 0 when there are no circles.
    std::array<double, 3> r{0, 0, 0};
    const double sides[3] = {a, b, c};
    if (m.AreaPixels > 0 && a * a + h != 0 && b * b + h != 0 && c * c + h != 0 &&
        Present(pt, kSlotCircumcentre)) {
        for (int n = 0; n < 3; ++n) {
            const RealPoint V = pt.precise[kSlotA + n];
            PlaceSlot(pt, kSlotLucasA + n, Along(V, U, h / (sides[n] * sides[n] + h)));
            r[n] = Present(pt, kSlotLucasA + n) ? Dist(V, pt.precise[kSlotLucasA + n]) : 0;
        }
    }
    const bool circles = r[0] > 0 && r[1] > 0 && r[2] > 0;

    // 2. Where the circles touch each other.
    if (circles && (r[0] + r[1]) * (r[1] + r[2]) * (r[0] + r[2]) != 0) {
        const RealPoint* L = &pt.precise[kSlotLucasA];
        PlaceSlot(pt, kSlotLucasTouchAB, Along(L[0], L[1], r[0] / (r[0] + r[1])));
        PlaceSlot(pt, kSlotLucasTouchAC, Along(L[0], L[2], r[0] / (r[0] + r[2])));
        PlaceSlot(pt, kSlotLucasTouchBC, Along(L[1], L[2], r[1] / (r[1] + r[2])));
    }

    // 3.-6.
    if (ctx.On(kLucasKreise) && circles) {
        constexpr const char* kLetters[3] = {"a", "b", "c"};
        constexpr const char* kTitles[3] = {"Lucas A-Kreis", "Lucas B-Kreis", "Lucas C-Kreis"};
        for (int n = 0; n < 3; ++n) {
            const int slot = kSlotLucasA + n;
            MarkSlotTwoLetters(ctx, slot, "O", kLetters[n]);
            SlotCircle(ctx, slot, r[n], kMagenta, kTitles[n]);
            canvas.SetPenColor(kBlack);
        }
    }
    if (ctx.On(kLucasDreieck)) {
        canvas.SetPenColor(kRed);
        DrawSegment(ctx, kSlotLucasA, kSlotLucasA + 1);
        DrawSegment(ctx, kSlotLucasA + 2, kSlotLucasA + 1);
        DrawSegment(ctx, kSlotLucasA, kSlotLucasA + 2);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotLucasA, kSlotLucasA + 1, kSlotLucasA + 2, "Lucas");
    }
    if (ctx.On(kInneresLucasDreieck)) {
        canvas.SetPenColor(kRed);
        DrawSegment(ctx, kSlotLucasTouchAB, kSlotLucasTouchAC);
        DrawSegment(ctx, kSlotLucasTouchAB, kSlotLucasTouchBC);
        DrawSegment(ctx, kSlotLucasTouchAC, kSlotLucasTouchBC);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotLucasTouchAB, kSlotLucasTouchAC, kSlotLucasTouchBC, "Inneres Lucas");
    }
    if (ctx.On(kLucasBeruehrungspunkte))
        MarkAndList(ctx, {kSlotLucasTouchAB, kSlotLucasTouchAC, kSlotLucasTouchBC}, "Lucas-Berührungspunkt");

    // 7.-8. Circles of second and third order: each touches two Lucas circles from outside, its
    // radius is the distance to one of their centres less that circle's radius.
    struct Order {
        double t1, t2, t3;
        int lucas; // 0, 1, 2: the Lucas circle the radius is measured to
    };
    auto drawOrder = [&](const Order& o, std::string_view title) {
        SlotFromTrilinear(ctx, kSlotLucasWork, o.t1, o.t2, o.t3);
        if (!circles || !Present(pt, kSlotLucasWork)) return;
        const double radius =
            Dist(pt.precise[kSlotLucasWork], pt.precise[kSlotLucasA + o.lucas]) - r[o.lucas];
        if (!(radius > 0)) return;
        MarkSlot(ctx, kSlotLucasWork);
        SlotCircle(ctx, kSlotLucasWork, radius, kRed, title);
        canvas.SetPenColor(kBlack);
    };
    if (ctx.On(kLucasKreise2)) {
        const Order orders[3] = {{a * (SA - 2 * h), b * (SB + 4 * h), c * (SC + 4 * h), 1},
                                 {a * (SA + 4 * h), b * (SB - 2 * h), c * (SC + 4 * h), 0},
                                 {a * (SA + 4 * h), b * (SB + 4 * h), c * (SC - 2 * h), 0}};
        for (const Order& o : orders)
            drawOrder(o, "Lucas-Kreis 2.Ordnung Kreis");
    }
    if (ctx.On(kLucasKreise3)) {
        const Order orders[3] = {{a * (7 * SA - 4 * h), b * (7 * SB + 12 * h), c * (7 * SC + 12 * h), 2},
                                 {a * (7 * SA + 12 * h), b * (7 * SB - 4 * h), c * (7 * SC + 12 * h), 0},
                                 {a * (7 * SA + 12 * h), b * (7 * SB + 12 * h), c * (7 * SC - 4 * h), 0}};
        for (const Order& o : orders)
            drawOrder(o, "Lucas-Kreis 3.Ordnung Kreis");
    }

    // 9. Inner Lucas circle through the touch points; its centre replaces the working centre.
    const CircleDataResult inner = CircleData(pt.precise[kSlotLucasTouchAB], pt.precise[kSlotLucasTouchAC],
                                              pt.precise[kSlotLucasTouchBC]);
    if (inner.circumcentreValid) {
        PlaceSlot(pt, kSlotLucasWork, inner.circumcentre);
        if (ctx.On(kInnererLucasKreis)) {
            MarkSlot(ctx, kSlotLucasWork);
            SlotCircle(ctx, kSlotLucasWork, inner.R, kLime, "Innerer Lucas-Kreis");
            canvas.SetPenColor(kBlack);
        }
    }

    // 10.-11. Lucas-Soddy points and circle.
    SlotFromTrilinear(ctx, kSlotLucasSoddy1, a * (4 * SA + 3 * h), 2 * b * (h + 2 * SB),
                      2 * c * (h + 2 * SC));
    SlotFromTrilinear(ctx, kSlotLucasSoddy1 + 1, 2 * a * (h + 2 * SA), b * (4 * SB + 3 * h),
                      2 * c * (h + 2 * SC));
    SlotFromTrilinear(ctx, kSlotLucasSoddy1 + 2, 2 * a * (h + 2 * SA), 2 * b * (h + 2 * SB),
                      c * (4 * SC + 3 * h));
    if (ctx.On(kLucasSoddyPunkte))
        MarkAndList(ctx, {kSlotLucasSoddy1, kSlotLucasSoddy1 + 1, kSlotLucasSoddy1 + 2},
                    "Lucas-Soddy-Berührungspunkt");
    const CircleDataResult soddy = CircleData(pt.precise[kSlotLucasSoddy1], pt.precise[kSlotLucasSoddy1 + 1],
                                              pt.precise[kSlotLucasSoddy1 + 2]);
    if (soddy.circumcentreValid) {
        PlaceSlot(pt, kSlotLucasSoddyCentre, soddy.circumcentre);
        if (ctx.On(kLucasSoddyKreis)) {
            MarkSlot(ctx, kSlotLucasSoddyCentre);
            SlotCircle(ctx, kSlotLucasSoddyCentre, soddy.R, kGreen, "Lucas-Soddy-Kreis");
            canvas.SetPenColor(kBlack);
        }
    }
}

// An-In circles, perspective centres and the outer excentral triangle (steps 1-5), in pixels.
void AnInCirclesAndOuterExcentral(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC, s = (a + b + c) / 2;
    if (a * b * c != 0) {
        auto sq = [](double v) { return v * v; };
        const double t[9][3] = {
            {sq(b + c) * (s - b) * (s - c) / a, c * c * (s - a) * (s - c) / b, b * b * (s - a) * (s - b) / c},
            {s * sq(b + c) * (s - c) / a, -sq(a * b - c * (s - a)) / b, s * b * b * (s - a) / c},
            {s * sq(b + c) * (s - b) / a, s * c * c * (s - a) / b, -sq(a * c - b * (s - a)) / c},
            {c * c * (s - b) * (s - c) / a, sq(a + c) * (s - a) * (s - c) / b, a * a * (s - a) * (s - b) / c},
            {-sq(a * b - c * (s - b)) / a, s * sq(a + c) * (s - c) / b, s * a * a * (s - b) / c},
            {s * c * c * (s - b) / a, s * sq(a + c) * (s - a) / b, -sq(b * c - a * (s - b)) / c},
            {b * b * (s - b) * (s - c) / a, a * a * (s - a) * (s - c) / b, sq(a + b) * (s - a) * (s - b) / c},
            {-sq(a * c - b * (s - c)) / a, s * a * a * (s - c) / b, s * sq(a + b) * (s - b) / c},
            {s * b * b * (s - c) / a, -sq(b * c - a * (s - c)) / b, s * sq(a + b) * (s - a) / c}};
        for (int n = 0; n < 9; ++n)
            SlotFromTrilinear(ctx, kSlotAnInTouch + n, t[n][0], t[n][1], t[n][2]);

        // 1.
        for (int k = 0; k < 3; ++k) {
            const RealPoint* p = &pt.precise[kSlotAnInTouch + 3 * k];
            const CircleDataResult d = CircleData(p[0], p[1], p[2]);
            if (!d.circumcentreValid) continue;
            PlaceSlot(pt, kSlotAnInCentre + k, d.circumcentre);
            if (ctx.On(kAnInKreise)) {
                MarkSlot(ctx, kSlotAnInCentre + k);
                SlotCircle(ctx, kSlotAnInCentre + k, d.R, kLime, "An-In-Kreis");
            }
        }
        if (ctx.On(kAnInKreise)) canvas.SetPenColor(kBlack);
        if (ctx.On(kAnInKreisPunkte)) {
            for (int n = 0; n < 9; ++n)
                MarkSlot(ctx, kSlotAnInTouch + n);
            if (ctx.Shown())
                for (int n = 0; n < 9; ++n)
                    ReportSlot(ctx, kSlotAnInTouch + n, "An-In-Kreis-Berührungspunkt");
        }
    }

    // 2. Perspective centres.
    SlotFromTrilinear(ctx, kSlotPerspective, (b + c) / a, (c - a) / b, (b - a) / c);
    SlotFromTrilinear(ctx, kSlotPerspective + 1, (c - b) / a, (a + c) / b, (a - b) / c);
    SlotFromTrilinear(ctx, kSlotPerspective + 2, (b - c) / a, (a - c) / b, (a + b) / c);

    // 3. Outer excentral triangle.
    const int X1 = kSlotOuterExcentral, X2 = X1 + 1, X3 = X1 + 2;
    SlotFromTrilinear(ctx, X1, -2 * (b + c), (a * a + b * b - c * c) / b, (a * a + c * c - b * b) / c);
    SlotFromTrilinear(ctx, X2, (a * a + b * b - c * c) / a, -2 * (a + c), (b * b + c * c - a * a) / c);
    SlotFromTrilinear(ctx, X3, (a * a + c * c - b * b) / a, (b * b + c * c - a * a) / b, -2 * (a + b));
    if (ctx.On(kAeusseresAnkreisdreieck)) {
        canvas.SetPenColor(kMagenta);
        DrawSegment(ctx, X1, X2);
        DrawSegment(ctx, X2, X3);
        DrawSegment(ctx, X1, X3);
        if (ctx.Shown()) ReportTriangle(ctx, X1, X2, X3, "Äußeres Ankreis");
    }

    // 4. Its centre.
    if (a * b * c * (b + c - a) * (c + a - b) * (a + b - c) != 0) {
        SlotFromTrilinear(ctx, kSlotOuterExcentralCentre, (b + c) / (a * (b + c - a)),
                          (c + a) / (b * (c + a - b)), (a + b) / (c * (a + b - c)));
        if (ctx.On(kAeussAnkreisdreieckzentrum))
            MarkAndList(ctx, {kSlotOuterExcentralCentre}, "Äußeres Ankreisdreieckzentrum ÄAZ");
    }

    // 5.
    if (ctx.On(kAazKontaktpunktstrecken)) {
        canvas.SetPenColor(kMagenta);
        DrawSlotSegment(ctx, kSlotContactA, X1, "ÄAZ … Kontaktpunktstrecken");
        DrawSlotSegment(ctx, kSlotContactB, X2, "ÄAZ … Kontaktpunktstrecken");
        DrawSlotSegment(ctx, kSlotContactC, X3, "ÄAZ … Kontaktpunktstrecken");
    }
    if (ctx.On(kAnInPerspektivzentren)) {
        canvas.SetPenColor(kBlack);
        MarkAndList(ctx, {kSlotPerspective, kSlotPerspective + 1, kSlotPerspective + 2},
                    "An-In-Kreis-Perspektivzentren");
    }
    if (ctx.On(kAeussAnkreisdreieckpunkte)) {
        MarkSlotLetter(ctx, X1, "U");
        MarkSlotLetter(ctx, X2, "V");
        MarkSlotLetter(ctx, X3, "W");
        if (ctx.Shown())
            for (int slot : {X1, X2, X3})
                ReportSlot(ctx, slot, "Äußerer Ankreisdreieckpunkt");
    }
    if (ctx.On(kAadHoehenstrecken)) {
        canvas.SetPenColor(kLime);
        for (int slot : {X1, X2, X3})
            DrawSlotSegment(ctx, kSlotOrthocentre, slot, "ÄAD … Höhenstrecken");
    }
}

// Step 6 with Kiepert steps 4-5: asymptote points and asymptotes, the points of the Brocard axis on
// the circumcircle and the Moses circle.
void AsymptotesAndBrocardAxis(PaintContext& ctx) {
    Canvas& canvas = ctx.canvas;
    const BaseMeasureRecord& m = ctx.base;
    const double omega = m.BrocardAngle;
    const double g2 = 1 - 4 * std::sin(omega) * std::sin(omega);
    if (!(g2 >= 0)) return;
    const double G = std::sqrt(g2);
    const double ca = std::cos(m.Alpha), cb = std::cos(m.Beta), cc = std::cos(m.Gamma);
    const double wa = std::cos(m.Alpha + omega), wb = std::cos(m.Beta + omega),
                 wc = std::cos(m.Gamma + omega);

    SlotFromTrilinear(ctx, kSlotAsymptote1, G * ca + 2 * G * cb * cc + wa, G * cb + 2 * G * cc * ca + wb,
                      G * cc + 2 * G * ca * cb + wc);
    SlotFromTrilinear(ctx, kSlotAsymptote2, G * ca + 2 * G * cb * cc - wa, G * cb + 2 * G * cc * ca - wb,
                      G * cc + 2 * G * ca * cb - wc);
    if (ctx.On(kKiepertAsymptotenpunkte))
        MarkAndList(ctx, {kSlotAsymptote1, kSlotAsymptote2}, "Kiepert-Hyperbelasymptotenpunkt");
    canvas.SetPenColor(kRed);
    canvas.SetPenStyle(PenStyle::Dot);
    canvas.SetBrushStyle(BrushStyle::Clear);
    if (ctx.On(kKiepertHyperbelasymptoten)) {
        DrawSlotLine(ctx, kSlotKiepertCentre, kSlotAsymptote1, "Kiepert-Hyperbelasymptote");
        DrawSlotLine(ctx, kSlotKiepertCentre, kSlotAsymptote2, "Kiepert-Hyperbelasymptote");
    }
    canvas.SetPenStyle(PenStyle::Solid);

    SlotFromTrilinear(ctx, kSlotBrocardAxis1, G * ca - wa, G * cb - wb, G * cc - wc);
    SlotFromTrilinear(ctx, kSlotBrocardAxis2, G * ca + wa, G * cb + wb, G * cc + wc);
    if (ctx.On(kBrocardachseUmkreispunkt))
        MarkAndList(ctx, {kSlotBrocardAxis1, kSlotBrocardAxis2}, "Brocardachse-Umkreispunkt");
    if (ctx.On(kMosesKreis)) {
        MarkSlot(ctx, kSlotBrocardMid);
        const double so = std::sin(omega);
        SlotCircle(ctx, kSlotBrocardMid, 2 * m.Circumradius * so * so, kGrey, "Moses-Kreis");
        canvas.SetPenColor(kBlack);
    }
}

// Steps 7-8: hexyl triangle, hexagon, points and circles.
void Hexyl(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double ca = std::cos(ctx.base.Alpha), cb = std::cos(ctx.base.Beta), cc = std::cos(ctx.base.Gamma);
    const int H1 = kSlotHexyl, H2 = H1 + 1, H3 = H1 + 2;
    SlotFromTrilinear(ctx, H1, 1 + ca + cb + cc, ca + cb - cc - 1, ca - cb + cc - 1);
    SlotFromTrilinear(ctx, H2, ca + cb - cc - 1, 1 + ca + cb + cc, cb - ca + cc - 1);
    SlotFromTrilinear(ctx, H3, ca - cb + cc - 1, cb - ca + cc - 1, 1 + ca + cb + cc);
    canvas.SetPenColor(kLightRed);
    if (ctx.On(kHexylDreieck)) {
        DrawSegment(ctx, H1, H2);
        DrawSegment(ctx, H1, H3);
        DrawSegment(ctx, H3, H2);
        if (ctx.Shown()) ReportTriangle(ctx, H1, H2, H3, "Hexyl");
    }
    canvas.SetPenColor(kRed);
    if (ctx.On(kHexylSechseck)) {
        const int sides[6][2] = {{kSlotExcentreB, H1}, {kSlotExcentreC, H1}, {kSlotExcentreC, H2},
                                 {kSlotExcentreA, H2}, {kSlotExcentreA, H3}, {kSlotExcentreB, H3}};
        for (const auto& s : sides)
            DrawSlotSegment(ctx, s[0], s[1], "Hexyl-Sechseckseite");
    }
    canvas.SetPenColor(kBlack);
    if (ctx.On(kHexylPunkte)) MarkAndList(ctx, {H1, H2, H3}, "Hexyl-Punkt");

    const RealPoint p1 = pt.precise[H1], p2 = pt.precise[H2], p3 = pt.precise[H3];
    const CircleDataResult d = CircleData(p1, p2, p3);
    if (d.circumcentreValid && d.incentreValid && !NearlyCollinear(p1, p2, p3)) {
        PlaceSlot(pt, kSlotHexylCircumcentre, d.circumcentre);
        PlaceSlot(pt, kSlotHexylIncentre, d.incentre);
        if (ctx.On(kHexylKreis)) {
            MarkSlot(ctx, kSlotHexylCircumcentre);
            SlotCircle(ctx, kSlotHexylCircumcentre, d.R, kMagenta, "Hexyl-Kreis");
        }
        if (ctx.On(kHexylInkreis)) {
            MarkSlot(ctx, kSlotHexylIncentre);
            SlotCircle(ctx, kSlotHexylIncentre, d.r, kBlue, "Hexyl-Inkreis");
        }
        canvas.SetPenColor(kBlack);
    }
}

// Step 9: the Conway circle about the incentre and its six points, each side produced beyond a
// vertex by the length of the opposite side.
void Conway(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC, s = (a + b + c) / 2;
    if (a * b * c == 0) return;
    if (ctx.On(kConwayKreis)) {
        MarkSlot(ctx, kSlotIncentre);
        const double r = ctx.base.Inradius;
        SlotCircle(ctx, kSlotIncentre, std::sqrt(r * r + s * s), kMagenta, "Conway-Kreis");
        ctx.canvas.SetPenColor(kBlack);
    }
    const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];
    PlaceSlot(pt, kSlotConway, Along(A, C, -a / b));
    PlaceSlot(pt, kSlotConway + 1, Along(B, C, -b / a));
    PlaceSlot(pt, kSlotConway + 2, Along(B, A, -b / c));
    PlaceSlot(pt, kSlotConway + 3, Along(C, A, -c / b));
    PlaceSlot(pt, kSlotConway + 4, Along(C, B, -c / a));
    PlaceSlot(pt, kSlotConway + 5, Along(A, B, -a / c));
    if (ctx.On(kConwayPunkte)) {
        if (ctx.Shown())
            for (int n = 0; n < 6; ++n)
                ReportSlot(ctx, kSlotConway + n, "Conway-Punkt");
        for (int n = 0; n < 6; ++n)
            MarkSlot(ctx, kSlotConway + n);
    }
}

// Steps 10-11: the circumcircle inverted in the incircle, and the images of the sides (circles
// through I and a contact point).
void Inversions(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double R = ctx.base.Circumradius, r = ctx.base.Inradius;
    const RealPoint I = pt.precise[kSlotIncentre], U = pt.precise[kSlotCircumcentre];
    if (ctx.On(kUmkreisInkreisInversion) && Present(pt, kSlotIncentre) && Present(pt, kSlotCircumcentre)) {
        // The ends of the circumcircle's diameter on the line IU invert to the ends of the image's.
        const double t = Dist(I, U);
        if (r * R > 0 && t != 0 && R + t != 0 && t != R) {
            const double u = r * r / (R + t), v = r * r / (t - R);
            PlaceSlot(pt, kSlotInversionCentre, Midpoint(Along(I, U, u / t), Along(I, U, v / t)));
            MarkSlot(ctx, kSlotInversionCentre);
            SlotCircle(ctx, kSlotInversionCentre, (u - v) / 2, kMagenta, "Umkreis-In-Inversion");
            canvas.SetPenColor(kBlack);
        }
    }
    if (ctx.On(kSeitenInkreisInversion) && Present(pt, kSlotIncentre)) {
        for (int n = 0; n < 3; ++n) {
            const int contact = kSlotContactA + n, slot = kSlotSideInversion + n;
            if (!Present(pt, contact)) continue;
            PlaceSlot(pt, slot, Midpoint(I, pt.precise[contact]));
            canvas.SetPenStyle(PenStyle::Solid);
            MarkSlot(ctx, slot);
            canvas.SetPenStyle(PenStyle::Dot);
            SlotCircle(ctx, slot, r / 2, kNavy, "Seiten-Inkreis-Inversionskreis");
        }
        canvas.SetPenStyle(PenStyle::Solid);
    }
}

// Steps 12-14: second intersections of the circumcircle with the Euler line and the line IU, and
// of the incircle with IU; each second point is the first reflected in the centre.
void LineIntersections(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const BaseMeasureRecord& m = ctx.base;
    const double ca = std::cos(m.Alpha), cb = std::cos(m.Beta), cc = std::cos(m.Gamma);
    const double Rw = m.Circumradius / 100, rw = m.Inradius / 100;
    const RealPoint U = pt.precise[kSlotCircumcentre], I = pt.precise[kSlotIncentre];
    // Distances from the precise centres, so that the points lie on the circle to rounding noise.
    if (ctx.On(kSchnittUmkreisEulerGerade) && Present(pt, kSlotOrthocentre) &&
        Present(pt, kSlotCircumcentre)) {
        const double d = Dist(U, pt.precise[kSlotOrthocentre]) / 100;
        SlotFromTrilinear(ctx, kSlotEulerCut1, ca * (Rw - d) - 2 * Rw * cb * cc,
                          cb * (Rw - d) - 2 * Rw * cc * ca, cc * (Rw - d) - 2 * Rw * ca * cb);
        PlaceSlot(pt, kSlotEulerCut2, ReflectIn(U, pt.precise[kSlotEulerCut1]));
        MarkAndList(ctx, {kSlotEulerCut1, kSlotEulerCut2}, "Schnittpunkt Umkreis-Euler-Gerade");
    }
    if (ctx.On(kSchnittUmkreisIUGerade) && Present(pt, kSlotIncentre) && Present(pt, kSlotCircumcentre)) {
        const double d = Dist(U, I) / 100;
        SlotFromTrilinear(ctx, kSlotPerspector2, ca * (d - Rw) + rw, cb * (d - Rw) + rw, cc * (d - Rw) + rw);
        PlaceSlot(pt, kSlotPerspectorMinus2, ReflectIn(U, pt.precise[kSlotPerspector2]));
        MarkAndList(ctx, {kSlotPerspector2, kSlotPerspectorMinus2}, "Schnittpunkt Umkreis-IU-Gerade");
    }
    if (ctx.On(kSchnittInkreisIUGerade) && Present(pt, kSlotIncentre)) {
        // The radicand vanishes for the equilateral triangle and may fall just below 0 near it.
        const double k = std::sqrt(std::fabs(3 - 2 * ca - 2 * cb - 2 * cc));
        SlotFromTrilinear(ctx, kSlotIncircleCut1, cb + cc - 1 - k, cc + ca - 1 - k, ca + cb - 1 - k);
        PlaceSlot(pt, kSlotIncircleCut2, ReflectIn(I, pt.precise[kSlotIncircleCut1]));
        MarkAndList(ctx, {kSlotIncircleCut1, kSlotIncircleCut2}, "Schnittpunkt Inkreis-IU-Gerade");
    }
}

// Steps 15-18: Lester circle, Weill point, Hofstadter trapezium and its point.
void LesterWeillTrapezium(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const BaseMeasureRecord& m = ctx.base;
    if (ctx.On(kLesterKreis)) {
        const CircleDataResult d =
            CircleData(pt.precise[kSlotCircumcentre], pt.precise[kSlotNinePoint], pt.precise[kSlotFermat]);
        if (d.circumcentreValid) {
            PlaceSlot(pt, kSlotLester, d.circumcentre);
            canvas.SetPenStyle(PenStyle::Solid);
            MarkSlotTwoLetters(ctx, kSlotLester, "L", "e");
            canvas.SetPenStyle(PenStyle::Dot);
            SlotCircle(ctx, kSlotLester, d.R, kGreen, "Lester-Kreis");
            canvas.SetPenStyle(PenStyle::Solid);
        }
    }
    const double a = m.SideA, b = m.SideB, c = m.SideC;
    if (ctx.On(kWeillPunkt)) {
        auto sq = [](double v) { return v * v; };
        SlotFromTrilinear(ctx, kSlotWeill, sq(b - c) - a * b - a * c, sq(c - a) - a * b - b * c,
                          sq(a - b) - a * c - b * c);
        MarkSlotLetter(ctx, kSlotWeill, "W");
        if (ctx.Shown()) ReportSlot(ctx, kSlotWeill, "Weill-Punkt");
    }
    if (ctx.On(kHofstadterTrapez)) {
        canvas.SetPenColor(kMagenta);
        const int sides[4][2] = {{kSlotIncentre, kSlotOrthocentre},
                                 {kSlotCircumcentre, kSlotNagel},
                                 {kSlotOrthocentre, kSlotNagel},
                                 {kSlotCircumcentre, kSlotIncentre}};
        for (const auto& s : sides)
            DrawSlotSegment(ctx, s[0], s[1], "Hofstadter-Trapezseite");
        if (ctx.Shown())
            for (const auto& s : sides)
                ReportSlotDistance(ctx, s[0], s[1], "Hofstadter-Trapezseite");
    }
    if (ctx.On(kHofstadterTrapezpunkt)) {
        const double ca = std::cos(m.Alpha), cb = std::cos(m.Beta), cc = std::cos(m.Gamma);
        const double sum = ca + cb + cc;
        SlotFromTrilinear(ctx, kSlotTrapezium, 1 - sum + cb * cc, 1 - sum + cc * ca, 1 - sum + ca * cb);
        MarkSlotTwoLetters(ctx, kSlotTrapezium, "H", "T");
        if (ctx.Shown()) ReportSlot(ctx, kSlotTrapezium, "Hofstadter-Trapezpunkt");
    }
}

// The Kiepert perspector K(phi) with tan phi = t, from the angles of the base measures.
void KiepertPerspector(PaintContext& ctx, int slot, double t) {
    const BaseMeasureRecord& m = ctx.base;
    const double da = t * std::cos(m.Alpha) + std::sin(m.Alpha), db = t * std::cos(m.Beta) + std::sin(m.Beta),
                 dc = t * std::cos(m.Gamma) + std::sin(m.Gamma);
    if (da * db * dc == 0) return;
    SlotFromTrilinear(ctx, slot, 1 / da, 1 / db, 1 / dc);
    MarkSlot(ctx, slot);
    if (ctx.Shown()) ReportSlot(ctx, slot, "Kiepert-Punkt arctan " + FormatReal(t, 3));
}

} // namespace

void KiepertLucasFamily(PaintContext& ctx) {
    const PointTable& pt = ctx.pt;
    const Measures w{SlotDistanceWorld(pt, kSlotB, kSlotC), SlotDistanceWorld(pt, kSlotC, kSlotA),
                     SlotDistanceWorld(pt, kSlotA, kSlotB)};
    const bool sides = w.a * w.b * w.c != 0;
    if (sides) KiepertHyperbolaCentreTriplex(ctx, w);
    LucasCircles(ctx);
    AnInCirclesAndOuterExcentral(ctx);
    if (sides) AsymptotesAndBrocardAxis(ctx);
    Hexyl(ctx);
    Conway(ctx);
    Inversions(ctx);
    LineIntersections(ctx);
    LesterWeillTrapezium(ctx);
    if (ctx.On(kKiepertPunktArctan2)) KiepertPerspector(ctx, kSlotPerspector2, 2);
    if (ctx.On(kKiepertPunktArctanMinus2)) KiepertPerspector(ctx, kSlotPerspectorMinus2, -2);
}

} // namespace trimora
