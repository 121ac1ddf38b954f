// Base measures of the triangle: side lengths, angles, perimeter, area and Brocard angle for the
// families, the basic result lines, and the medians, angle bisectors, altitudes and perpendicular
// bisectors of the first catalogue entries.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

constexpr int kHoehengeraden = 8;            // "Höhengeraden"
constexpr int kSeitenhalbierende = 9;        // "Seitenhalbierende"
constexpr int kWinkelhalbierende = 10;       // "Winkelhalbierende"
constexpr int kMittelsenkrechte = 11;        // "Mittelsenkrechte"
constexpr int kWinkelhalbierendePunkte = 290; // "Winkelhalbierende-Punkte"
constexpr int kSeitenhalbierendeSa = 351;    // "Seitenhalbierende sa"
constexpr int kSeitenhalbierendeSb = 352;    // "Seitenhalbierende sb"
constexpr int kSeitenhalbierendeSc = 353;    // "Seitenhalbierende sc"
constexpr int kWinkelhalbierendeAlpha = 357; // "Winkelhalbierende alpha"
constexpr int kWinkelhalbierendeBeta = 358;  // "Winkelhalbierende beta"
constexpr int kWinkelhalbierendeGamma = 359; // "Winkelhalbierende gamma"
constexpr int kWinkelhalbierendeGeraden = 445; // "Winkelhalbierende-Geraden"

constexpr double kDegreesPerRadian = 57.29577951308232;

// The interior angle opposite `opposite`; pi when it cannot be computed.
double Angle(double opposite, double side1, double side2) {
    if (side1 * side2 == 0) return M_PI;
    const double cosine = (opposite * opposite - side1 * side1 - side2 * side2) / (-2 * side1 * side2);
    if (!(cosine >= -1 && cosine <= 1)) return M_PI;
    return std::acos(cosine);
}

RealPoint Along(RealPoint from, RealPoint to, double t) {
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

void Medians(PaintContext& ctx, RealPoint A, RealPoint B, RealPoint C) {
    const bool all = ctx.On(kSeitenhalbierende);
    const bool sa = all || ctx.On(kSeitenhalbierendeSa), sb = all || ctx.On(kSeitenhalbierendeSb),
               sc = all || ctx.On(kSeitenhalbierendeSc);
    if (!sa && !sb && !sc) return;
    ctx.canvas.SetPenColor(kGreen);
    if (sa) DrawMedianFrom(ctx, kSlotA, kSlotB, kSlotC);
    if (sb) DrawMedianFrom(ctx, kSlotB, kSlotC, kSlotA);
    if (sc) DrawMedianFrom(ctx, kSlotC, kSlotB, kSlotA);
    if (!ctx.Shown()) return;
    if (sa) {
        ReportLine(ctx, "Seitenhalbierende a", Midpoint(B, C), A);
        ReportDistance(ctx, "Länge der Seitenhalbierenden von a", Midpoint(B, C), A);
    }
    if (sb) {
        ReportLine(ctx, "Seitenhalbierende b", Midpoint(A, C), B);
        ReportDistance(ctx, "Länge der Seitenhalbierenden von b", Midpoint(A, C), B);
    }
    if (sc) {
        ReportLine(ctx, "Seitenhalbierende c", Midpoint(A, B), C);
        ReportDistance(ctx, "Länge der Seitenhalbierenden von c", Midpoint(A, B), C);
    }
}

void Bisectors(PaintContext& ctx, RealPoint A, RealPoint B, RealPoint C, double a, double b, double c) {
    PointTable& pt = ctx.pt;
    const bool feetExist = (a + b) * (a + c) * (b + c) != 0;
    if (feetExist) {
        PlaceSlot(pt, kSlotBisectorFootA, Along(B, C, c / (b + c)));
        PlaceSlot(pt, kSlotBisectorFootB, Along(A, C, c / (a + c)));
        PlaceSlot(pt, kSlotBisectorFootC, Along(A, B, b / (a + b)));
        if (ctx.On(kWinkelhalbierendePunkte)) {
            MarkSlot(ctx, kSlotBisectorFootA);
            MarkSlot(ctx, kSlotBisectorFootB);
            MarkSlot(ctx, kSlotBisectorFootC);
            if (ctx.Shown()) {
                ReportSlot(ctx, kSlotBisectorFootA, "Winkelhalbierende-Schnittpunkt");
                ReportSlot(ctx, kSlotBisectorFootB, "");
                ReportSlot(ctx, kSlotBisectorFootC, "");
            }
        }
    }

    const bool lines = ctx.On(kWinkelhalbierendeGeraden);
    if (lines) {
        ctx.canvas.SetPenColor(kBlue);
        DrawLineReported(ctx, "Winkelhalbierende alpha", A, pt.precise[kSlotBisectorFootA]);
        DrawLineReported(ctx, "Winkelhalbierende beta", B, pt.precise[kSlotBisectorFootB]);
        DrawLineReported(ctx, "Winkelhalbierende gamma", C, pt.precise[kSlotBisectorFootC]);
    }

    const bool all = ctx.On(kWinkelhalbierende);
    const bool alpha = all || ctx.On(kWinkelhalbierendeAlpha), beta = all || ctx.On(kWinkelhalbierendeBeta),
               gamma = all || ctx.On(kWinkelhalbierendeGamma);
    if (!alpha && !beta && !gamma) return;
    ctx.canvas.SetPenColor(kGrey);
    // The drawn segments end at the vertex plus the rounded offset to the foot.
    auto segment = [&](RealPoint vertex, RealPoint base, RealPoint towards, double t) {
        const double fx = base.x + RoundClamp((towards.x - base.x) * t);
        const double fy = base.y + RoundClamp((towards.y - base.y) * t);
        DrawSegmentXY(ctx, vertex.x, vertex.y, fx, fy);
    };
    if (alpha && b + c != 0) segment(A, B, C, c / (b + c));
    if (beta && a + c != 0) segment(B, A, C, c / (a + c));
    if (gamma && a + b != 0) segment(C, A, B, b / (a + b));
    if (!ctx.Shown() || !feetExist) return;
    const RealPoint fa = Along(B, C, c / (b + c)), fb = Along(A, C, c / (a + c)), fc = Along(A, B, b / (a + b));
    if (!lines) ReportLine(ctx, "Winkelhalbierende alpha", fa, A);
    ReportPoint(ctx, "Schnittpunkt Winkelhalbierende alpha mit a", fa);
    ReportDistance(ctx, "Länge der Winkelhalbierenden alpha", fa, A);
    if (!lines) ReportLine(ctx, "Winkelhalbierende beta", fb, B);
    ReportPoint(ctx, "Schnittpunkt Winkelhalbierende beta mit b", fb);
    ReportDistance(ctx, "Länge der Winkelhalbierenden beta", fb, B);
    if (!lines) ReportLine(ctx, "Winkelhalbierende gamma", fc, C);
    ReportPoint(ctx, "Schnittpunkt Winkelhalbierende gamma mit c", fc);
    ReportDistance(ctx, "Länge der Winkelhalbierenden gamma", fc, C);
}

// Direction perpendicular to the side from p to q.
double NormalAngle(RealPoint p, RealPoint q) {
    const double phi = p.x == q.x ? M_PI / 2 : std::atan((q.y - p.y) / (q.x - p.x));
    return phi + M_PI / 2;
}

void AltitudesAndPerpendicularBisectors(PaintContext& ctx, RealPoint A, RealPoint B, RealPoint C) {
    // Long enough to cross the drawing area from anywhere near it; twice the larger of the origin's
    // coordinates would be nothing at all with the origin panned to the corner.
    const double L = 2.0 * std::max(ctx.width, ctx.height);
    struct Side {
        RealPoint p, q, opposite;
        const char* altitude;
        const char* bisector;
    };
    const Side sides[3] = {{A, B, C, "Höhe auf c", "Mittelsenkrechte auf c"},
                           {A, C, B, "Höhe auf b", "Mittelsenkrechte auf b"},
                           {B, C, A, "Höhe auf a", "Mittelsenkrechte auf a"}};
    ctx.canvas.SetPenColor(kBlue);
    for (const Side& s : sides) {
        const double psi = NormalAngle(s.p, s.q);
        const double dx = RoundClamp(L * std::cos(psi)), dy = RoundClamp(L * std::sin(psi));
        if (!ctx.On(kHoehengeraden)) continue;
        DrawLineAcross(ctx, s.opposite.x + dx, s.opposite.y + dy, s.opposite.x - dx, s.opposite.y - dy);
        // The equation from the exact perpendicular: the whole-pixel offsets depend on the origin.
        const RealPoint normal{s.opposite.x - (s.q.y - s.p.y), s.opposite.y + (s.q.x - s.p.x)};
        if (ctx.Shown()) ReportLine(ctx, s.altitude, s.opposite, normal);
    }
    ctx.canvas.SetPenColor(kMagenta);
    for (const Side& s : sides) {
        const double psi = NormalAngle(s.p, s.q);
        const RealPoint m{(s.p.x + s.q.x) / 2, (s.p.y + s.q.y) / 2};
        const double reach = L + std::hypot(m.x - ctx.width / 2.0, m.y - ctx.height / 2.0);
        const RealPoint e1{m.x - reach * std::cos(psi), m.y - reach * std::sin(psi)};
        const RealPoint e2{m.x + reach * std::cos(psi), m.y + reach * std::sin(psi)};
        if (ctx.On(kMittelsenkrechte)) {
            DrawSegmentXY(ctx, e1.x, e1.y, e2.x, e2.y);
            const RealPoint normal{m.x - (s.q.y - s.p.y), m.y + (s.q.x - s.p.x)};
            if (ctx.Shown()) ReportLine(ctx, s.bisector, m, normal);
        }
    }
}

} // namespace

bool BaseMeasures(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    BaseMeasureRecord& m = ctx.base;

    // 1.-2.
    ctx.doc.view.triangleDegenerate = false;
    const double a = SlotDistanceWorld(pt, kSlotC, kSlotB), b = SlotDistanceWorld(pt, kSlotA, kSlotC),
                 c = SlotDistanceWorld(pt, kSlotA, kSlotB);
    if (a * b * c == 0) return false;

    // 3. Vertices, sides, side lines.
    if (ctx.Shown()) {
        ReportSlot(ctx, kSlotA, "Punkt A");
        ReportSlot(ctx, kSlotB, "Punkt B");
        ReportSlot(ctx, kSlotC, "Punkt C");
        ReportSlotDistance(ctx, kSlotC, kSlotB, "Seite a");
        ReportSlotDistance(ctx, kSlotC, kSlotA, "Seite b");
        ReportSlotDistance(ctx, kSlotA, kSlotB, "Seite c");
        ReportSlotLine(ctx, kSlotC, kSlotB, "Geradengleichung a");
        ReportSlotLine(ctx, kSlotA, kSlotC, "Geradengleichung b");
        ReportSlotLine(ctx, kSlotA, kSlotB, "Geradengleichung c");
    }

    // 4. Pixel sides and the dot products.
    m.SideA = SlotDistancePixels(pt, kSlotC, kSlotB);
    m.SideB = SlotDistancePixels(pt, kSlotA, kSlotC);
    m.SideC = SlotDistancePixels(pt, kSlotA, kSlotB);
    const double A2 = m.SideA * m.SideA, B2 = m.SideB * m.SideB, C2 = m.SideC * m.SideC;
    m.DotA = (B2 + C2 - A2) / 2;
    m.DotB = (A2 + C2 - B2) / 2;
    m.DotC = (A2 + B2 - C2) / 2;

    // 5. Angles.
    m.Alpha = Angle(a, b, c);
    if (ctx.Shown()) ReportValue(ctx, "Innenwinkel Alpha in °", m.Alpha * kDegreesPerRadian);
    m.Beta = Angle(b, a, c);
    if (ctx.Shown()) ReportValue(ctx, "Innenwinkel Beta in °", m.Beta * kDegreesPerRadian);
    m.Gamma = Angle(c, b, a);
    if (ctx.Shown()) ReportValue(ctx, "Innenwinkel Gamma in °", m.Gamma * kDegreesPerRadian);

    // 6.-7. Perimeter and area.
    const double s = (a + b + c) / 2;
    if (ctx.Shown()) ReportValue(ctx, "Umfang", 2 * s);
    m.AreaWorld = std::sqrt(std::fabs((s - a) * (s - b) * (s - c) * s));
    const double sp = (m.SideA + m.SideB + m.SideC) / 2;
    m.AreaPixels = std::sqrt(std::fabs((sp - m.SideA) * (sp - m.SideB) * (sp - m.SideC) * sp));
    if (ctx.Shown()) ReportValue(ctx, "Flächeninhalt", m.AreaWorld);

    // 8. Brocard angle.
    m.BrocardAngle = 0;
    const double q = a * a * b * b + b * b * c * c + c * c * a * a;
    if (q > 0) {
        const double x = 2 * m.AreaWorld / std::sqrt(q);
        if (std::fabs(x) <= 1) {
            m.BrocardAngle = std::asin(x);
            if (ctx.Shown()) ReportValue(ctx, "Brocard-Winkel in °", m.BrocardAngle * kDegreesPerRadian);
        }
    }

    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    // 9. Medians.
    Medians(ctx, A, B, C);
    // 10.-12. Angle bisectors.
    Bisectors(ctx, A, B, C, a, b, c);
    // 13.-14. Altitudes and perpendicular bisectors.
    AltitudesAndPerpendicularBisectors(ctx, A, B, C);
    return true;
}

} // namespace trimora
