// The Kiepert parabola and the parabolas of a focus and a side line, plotted point by point; the
// Steiner lines with the touch points and the Steiner triangle; the foci, axes, vertices, semi-axes
// and areas of the Steiner circumellipse and inellipse.
#include "base/lines.h"
#include "base/numeric.h"
#include "draw/paint_log.h"
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "draw/slots.h"
#include "elements/families.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <string_view>
#include <vector>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kKiepertFokus = 291;                    // "Kiepert-Fokus"
constexpr int kKiepertParabel = 292;                  // "Kiepert-Parabel"
constexpr int kParabelABC = 293;                      // "Parabel A-BC" (294 .. 298 follow)
constexpr int kSteinerLinien = 299;                   // "Steiner-Linien"
constexpr int kKiepertparabelBeruehrungspunkte = 300; // "Kiepertparabel-Berührungspunkte"
constexpr int kSteinerDreieck = 301;                  // "Steiner-Dreieck"
constexpr int kSteinerInnenellipse = 382;             // "Steiner-Innenellipse"
constexpr int kBickartPunkte = 383;                   // "Bickart-Punkte"
constexpr int kSteinerEllipsenachsen = 384;           // "Steiner-Ellipsenachsen"
constexpr int kSteinerScheitelpunkte = 400;           // "Steiner-Scheitelpunkte"

// Slots.
constexpr int kSlotTouchBC = kSlotApolloniusCentreA; // where the Steiner lines cut the opposite sides
constexpr int kSlotTouchAC = kSlotTouchBC + 1;
constexpr int kSlotTouchAB = kSlotTouchBC + 2;
constexpr int kSlotFocus1 = 274; // foci of the circumellipse
constexpr int kSlotFocus2 = 275;
constexpr int kSlotMinorAxis = 276; // a second point of the minor axis, then the first inellipse focus
constexpr int kSlotInnerFocus2 = 277;
constexpr int kSlotVertex1 = 290; // 290 .. 293: the vertices of the circumellipse

constexpr Color kOrange = Rgb(0xFF8000);

// 4π/(3√3): the Steiner ellipse's area over the triangle's.
constexpr double kSteinerAreaFactor = 2.4183991523122904674;
constexpr double kParabolaStep = 0.004; // radians between two rays from the focus
constexpr double kParabolaMargin = 200; // pixels beyond the area still plotted

// The parabola of the focus F and the directrix D1 D2, one pixel per ray from the focus: the point
// of the ray's directrix crossing D that is as far from F as from the directrix. Nothing when the
// focus lies on the directrix. The pen colour is kept. Logged as the conic of `entry`.
void FocusDirectrixParabola(PaintContext& ctx, int entry, std::string_view name, RealPoint F, RealPoint d1,
                            RealPoint d2) {
    if (NearlyCollinear(F, d1, d2)) return;
    LogParabola(ctx, entry, 0, name, F, d1, d2);
    Canvas& canvas = ctx.canvas;
    const Color pen = canvas.CurrentPen().color;
    canvas.SetPenColor(kBlue);
    // The rays' directions are the same at every repaint: computed once.
    static const std::vector<RealPoint> kRays = [] {
        std::vector<RealPoint> rays;
        for (int k = 0; k * kParabolaStep <= 2 * std::numbers::pi; ++k)
            rays.push_back({std::cos(k * kParabolaStep), std::sin(k * kParabolaStep)});
        return rays;
    }();
    for (const RealPoint& ray : kRays) {
        const RealPoint P{F.x + 300 * ray.x, F.y - 300 * ray.y};
        const LinePoint D = IntersectLines(F, P, d1, d2);
        if (!D.ok) continue;
        const RealPoint normal = PerpendicularPoint(d1, d2, D.p);
        const RealPoint mid = Midpoint(F, D.p);
        const RealPoint bisector = PerpendicularPoint(F, D.p, mid);
        const LinePoint X = IntersectLines(D.p, normal, mid, bisector);
        if (!X.ok) continue;
        if (X.p.x > -kParabolaMargin && X.p.x < ctx.width + kParabolaMargin && X.p.y > -kParabolaMargin &&
            X.p.y < ctx.height + kParabolaMargin)
            DrawSegmentXY(ctx, X.p.x, X.p.y, RoundClamp(X.p.x) + 1, RoundClamp(X.p.y));
    }
    canvas.SetPenColor(pen);
}

// 1. The Kiepert focus and the parabolas, for a scalene triangle only.
void Parabolas(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    if (a == b || b == c || a == c) return;
    const double a2 = a * a, b2 = b * b, c2 = c * c;
    const std::optional<RealPoint> focus =
        PointFromTrilinear(ctx, a / (b2 - c2), b / (c2 - a2), c / (a2 - b2));
    // Only the screen point is written (see draw/slots.h).
    if (focus) {
        pt.screen[kSlotKiepertFocus] = {RoundClamp(focus->x), RoundClamp(focus->y)};
        if (ctx.On(kKiepertFokus)) {
            MarkSlot(ctx, kSlotKiepertFocus);
            if (ctx.Shown()) ReportPoint(ctx, "Kiepert-Fokus", *focus);
        }
    }
    // The Kiepert parabola: the precise focus, the Euler line as directrix.
    if (ctx.On(kKiepertParabel) && focus)
        FocusDirectrixParabola(ctx, kKiepertParabel, "Kiepert-Parabel", *focus, pt.precise[kSlotCircumcentre],
                               pt.precise[kSlotOrthocentre]);

    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC),
                    I = ScreenAsReal(pt, kSlotIncentre);
    const bool incentre = Present(pt, kSlotIncentre);
    const struct {
        RealPoint focus, d1, d2;
        bool exists;
        std::string_view name;
    } parabolas[6] = {{A, B, C, true, "Parabel A-BC"},     {B, A, C, true, "Parabel B-AC"},
                      {C, B, A, true, "Parabel C-AB"},     {I, A, B, incentre, "Parabel I-AB"},
                      {I, B, C, incentre, "Parabel I-BC"}, {I, A, C, incentre, "Parabel I-AC"}};
    for (int n = 0; n < 6; ++n)
        if (ctx.On(kParabelABC + n) && parabolas[n].exists)
            FocusDirectrixParabola(ctx, kParabelABC + n, parabolas[n].name, parabolas[n].focus,
                                   parabolas[n].d1, parabolas[n].d2);
}

// 2.-3. The Steiner lines, where they cut the opposite sides, and the triangle of these points.
void SteinerLines(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    if (ctx.On(kSteinerLinien)) {
        DrawSlotSegment(ctx, kSlotA, kSlotSteinerPoint, "Steiner-Linie");
        DrawSlotSegment(ctx, kSlotB, kSlotSteinerPoint, "");
        DrawSlotSegment(ctx, kSlotC, kSlotSteinerPoint, "");
    }
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC),
                    St = pt.precise[kSlotSteinerPoint];
    PlaceSlot(pt, kSlotTouchBC, IntersectLines(A, St, B, C).p);
    PlaceSlot(pt, kSlotTouchAC, IntersectLines(B, St, A, C).p);
    PlaceSlot(pt, kSlotTouchAB, IntersectLines(C, St, A, B).p);
    if (ctx.On(kKiepertparabelBeruehrungspunkte)) {
        for (int slot = kSlotTouchBC; slot <= kSlotTouchAB; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "Kiepertparabel-Berührungspunkt");
        }
    }
    if (ctx.On(kSteinerDreieck)) {
        ctx.canvas.SetPenColor(kRed);
        DrawSegment(ctx, kSlotTouchBC, kSlotTouchAC);
        DrawSegment(ctx, kSlotTouchAC, kSlotTouchAB);
        DrawSegment(ctx, kSlotTouchBC, kSlotTouchAB);
        ctx.canvas.SetPenColor(kBlack);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotTouchBC, kSlotTouchAC, kSlotTouchAB, "Steiner");
    }
}

// 4.-8. Foci, axes, vertices and measures of the Steiner circumellipse and inellipse.
void SteinerEllipseData(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC, area = ctx.base.AreaPixels;
    if (a * b * c == 0) return;
    const double a2 = a * a, b2 = b * b, c2 = c * c, a4 = a2 * a2, b4 = b2 * b2, c4 = c2 * c2;
    const double sigma = (a2 + b2 + c2) / 2;
    const double K = std::sqrt(std::fabs(a4 + b4 + c4 - a2 * b2 - b2 * c2 - c2 * a2));

    // 4. The foci: with the vertices as complex numbers a, b, c about the centroid S, they are
    // S ± √(2 (a² + b² + c²) / 3) (twice the roots of the derivative of (z − A)(z − B)(z − C) about
    // S), sound on isosceles triangles too. The first is the one on the side of the vertex before
    // the longest side's opposite vertex; on a circle they coincide and mark no focus.
    const RealPoint S = pt.precise[kSlotCentroid];
    const RealPoint V[3] = {ScreenAsReal(pt, kSlotA), ScreenAsReal(pt, kSlotB), ScreenAsReal(pt, kSlotC)};
    std::complex<double> squares = 0;
    for (const RealPoint& v : V)
        squares += std::complex<double>(v.x - S.x, v.y - S.y) * std::complex<double>(v.x - S.x, v.y - S.y);
    std::complex<double> half = std::sqrt(2.0 * squares / 3.0);
    const int longest = a >= b && a >= c ? 0 : (b >= c ? 1 : 2);
    const RealPoint towards = V[(longest + 2) % 3];
    if ((towards.x - S.x) * half.real() + (towards.y - S.y) * half.imag() < 0) half = -half;
    // Three points on a line span no ellipse, and so no foci.
    const bool flat = (V[1].x - V[0].x) * (V[2].y - V[0].y) == (V[1].y - V[0].y) * (V[2].x - V[0].x);
    if (!flat && std::abs(half) > 0 && std::isfinite(std::abs(half))) {
        PlaceSlot(pt, kSlotFocus1, {S.x + half.real(), S.y + half.imag()});
        PlaceSlot(pt, kSlotFocus2, {S.x - half.real(), S.y - half.imag()});
    } else {
        PlaceAbsent(pt, kSlotFocus1);
        PlaceAbsent(pt, kSlotFocus2);
    }
    const bool foci = Present(pt, kSlotFocus1) && Present(pt, kSlotFocus2);
    const RealPoint F1 = pt.precise[kSlotFocus1], F2 = pt.precise[kSlotFocus2];
    const double M = std::sqrt(2 * sigma + 2 * K) / 3 / 100;
    const double m = std::sqrt(std::fabs(2 * sigma - 2 * K)) / 3 / 100;
    const double e = foci ? WorldDistance(S, F1) : 0;
    canvas.SetPenColor(kOrange);

    // 5. The axes: the minor one through S at right angles to the major one. Coinciding foci (a
    // circle) fix no axis.
    if (foci && e > 0)
        PlaceSlot(pt, kSlotMinorAxis, PerpendicularPoint(F1, F2, S));
    else
        PlaceAbsent(pt, kSlotMinorAxis);
    const RealPoint minor = pt.precise[kSlotMinorAxis];
    if (ctx.On(kSteinerEllipsenachsen)) {
        if (Present(pt, kSlotMinorAxis)) {
            DrawLineAcross(ctx, F1.x, F1.y, F2.x, F2.y);
            DrawLineAcross(ctx, S.x, S.y, minor.x, minor.y);
        }
        if (ctx.Shown()) {
            ReportValue(ctx, "Steiner-Ellipse Flächeninhalt", area * kSteinerAreaFactor / 10000);
            if (Present(pt, kSlotMinorAxis)) {
                ReportSlotLine(ctx, kSlotFocus1, kSlotFocus2, "1.Steiner-Achse");
                ReportLine(ctx, "2.Steiner-Achse", S, minor);
            }
            ReportValue(ctx, "Steiner-Ellipse große Halbachse", M);
            ReportValue(ctx, "Steiner-Ellipse kleine Halbachse", m);
        }
    }

    // 6. The vertices.
    const double g = Present(pt, kSlotMinorAxis) ? WorldDistance(S, minor) : 0;
    if (ctx.On(kSteinerScheitelpunkte) && e * g != 0) {
        canvas.SetPenColor(kBlack);
        auto place = [&](int slot, RealPoint towards, double scale) {
            PlaceSlot(pt, slot, {S.x + scale * (towards.x - S.x), S.y + scale * (towards.y - S.y)});
            MarkSlot(ctx, slot);
        };
        place(kSlotVertex1, F1, M / e);
        place(kSlotVertex1 + 1, F2, M / e);
        place(kSlotVertex1 + 2, minor, m / g);
        place(kSlotVertex1 + 3, minor, -m / g);
        if (ctx.Shown())
            for (int slot = kSlotVertex1; slot < kSlotVertex1 + 4; ++slot)
                ReportSlot(ctx, slot, "Steiner-Scheitelpunkt");
    }

    // 7. The foci (Bickart points).
    canvas.SetPenColor(kBlack);
    if (ctx.On(kBickartPunkte) && foci) {
        MarkSlotTwoLetters(ctx, kSlotFocus1, "f", "1");
        MarkSlotTwoLetters(ctx, kSlotFocus2, "f", "2");
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotFocus1, "Steiner-Ellipse Brennpunkt f1");
            ReportSlot(ctx, kSlotFocus2, "Steiner-Ellipse Brennpunkt f2");
            ReportValue(ctx, "Steiner-Ellipse Brennweite", e);
        }
    }

    // 8. The inellipse: half the lengths, a quarter of the area.
    if (ctx.On(kSteinerInnenellipse)) {
        if (foci) {
            PlaceSlot(pt, kSlotMinorAxis, Midpoint(F1, S));
            PlaceSlot(pt, kSlotInnerFocus2, Midpoint(S, F2));
            MarkSlot(ctx, kSlotMinorAxis);
            MarkSlot(ctx, kSlotInnerFocus2);
        }
        if (ctx.Shown()) {
            if (foci) {
                ReportSlot(ctx, kSlotMinorAxis, "Steiner-Innenellipse Brennpunkt");
                ReportSlot(ctx, kSlotInnerFocus2, "Steiner-Innenellipse Brennpunkt");
                ReportValue(ctx, "Steiner-Innenellipse Brennweite",
                            WorldDistance(S, pt.precise[kSlotMinorAxis]));
            }
            ReportValue(ctx, "Steiner-Innenellipse Flächeninhalt", area * kSteinerAreaFactor / 40000);
            ReportValue(ctx, "Steiner-Innenellipse große Halbachse", M / 2);
            ReportValue(ctx, "Steiner-Innenellipse kleine Halbachse", m / 2);
        }
    }
}

} // namespace

void KiepertParabolaAndSteinerData(PaintContext& ctx) {
    Parabolas(ctx);
    SteinerLines(ctx);
    SteinerEllipseData(ctx);
}

} // namespace trimora
