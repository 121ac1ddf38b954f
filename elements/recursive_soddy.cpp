// The recursive Soddy circles: the gap between the three touching circles about the vertices is
// filled with inner Soddy circles, each of which opens three smaller gaps, down to eight levels.
#include "draw/paint_log.h"
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "elements/families.h"
#include "base/format.h"

#include <cmath>
#include <string>

namespace trimora {
namespace {

constexpr Color kNavy = Rgb(0x000080);

// At most eight levels: 1 + 3 + ... + 3^7 = 3280 circles.
constexpr int kMaxDepth = 8;
// A circle this small (pixels) or smaller opens no further gaps.
constexpr double kSmallestParent = 1;

struct Circle {
    RealPoint centre;
    double radius; // pixels
};

double Distance(RealPoint p, RealPoint q) {
    return std::sqrt(std::fabs((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y)));
}

// cos(phi / 2) for the angle phi between the sides `near1` and `near2` opposite `far`.
double HalfAngleCosine(double far, double near1, double near2) {
    const double cosine = (near1 * near1 + near2 * near2 - far * far) / (2 * near1 * near2);
    return std::sqrt(std::fabs((cosine + 1) / 2));
}

// "M (x|y), r = r" in world units after the label and a tab.
void ReportCircleLine(PaintContext& ctx, const Circle& c) {
    std::string& line = ctx.doc.results.Append();
    line += "Rekursiver Soddy-Kreis\tM (";
    line += FormatReal((c.centre.x - ctx.originX) / 100, 3);
    line += '|';
    line += FormatReal((ctx.originY - c.centre.y) / 100, 3);
    line += "), r = ";
    line += FormatReal(c.radius / 100, 3);
}

// The inner Soddy circle of the gap between three touching circles, then the three gaps it opens.
void FillGap(PaintContext& ctx, int depth, const Circle& c1, const Circle& c2, const Circle& c3) {
    if (depth > kMaxDepth) return;

    // 1. Radius of the circle touching all three (Descartes).
    const double r1 = c1.radius, r2 = c2.radius, r3 = c3.radius;
    const double divisor =
        2 * std::sqrt(std::fabs(r1 * r2 * r3 * (r1 + r2 + r3))) + r1 * r2 + r2 * r3 + r3 * r1;
    if (divisor == 0) return;
    const double rho = r1 * r2 * r3 / divisor;
    if (!std::isfinite(rho)) return;

    // 2. Half-angle cosines of the triangle of the centres.
    const double d12 = Distance(c1.centre, c2.centre), d13 = Distance(c1.centre, c3.centre),
                 d23 = Distance(c2.centre, c3.centre);
    if (d12 * d13 * d23 == 0) return;
    const double h1 = HalfAngleCosine(d23, d12, d13), h2 = HalfAngleCosine(d13, d12, d23),
                 h3 = HalfAngleCosine(d12, d13, d23);
    if (h1 * h2 * h3 == 0) return;

    // 3. Its centre is the inner Soddy centre of the centre triangle. A triangle too flat for its
    // trilinears gives no circle and no further gaps.
    const auto centre = TrilinearToPoint(1 + h2 * h3 / h1, 1 + h1 * h3 / h2, 1 + h1 * h2 / h3, c1.centre,
                                         c2.centre, c3.centre);
    if (!centre) return;
    const Circle fresh{*centre, rho};

    // 4.-5. Draw and list it.
    DrawCircle(ctx, fresh.centre.x, fresh.centre.y, rho);
    LastCircleBuiltTouching(ctx);
    if (ctx.Shown()) ReportCircleLine(ctx, fresh);

    // 6. The three gaps between the new circle and two of the old ones.
    if (rho > kSmallestParent) {
        FillGap(ctx, depth + 1, fresh, c2, c3);
        FillGap(ctx, depth + 1, fresh, c1, c3);
        FillGap(ctx, depth + 1, fresh, c1, c2);
    }
}

} // namespace

void RecursiveSoddyCircles(PaintContext& ctx) {
    const BaseMeasureRecord& m = ctx.base;
    // 1. Nothing for a triangle without perimeter or with a straight angle.
    const double halfAngles = std::cos(m.Alpha / 2) * std::cos(m.Beta / 2) * std::cos(m.Gamma / 2);
    if (m.SideA + m.SideB + m.SideC == 0 || !std::isfinite(halfAngles) || halfAngles == 0) return;

    // 2. The radii of the vertex circles: the tangent lengths s - a, s - b, s - c.
    const PointTable& pt = ctx.pt;
    const double a = SlotDistanceWorld(pt, kSlotB, kSlotC) * 100,
                 b = SlotDistanceWorld(pt, kSlotC, kSlotA) * 100,
                 c = SlotDistanceWorld(pt, kSlotA, kSlotB) * 100;
    const double s = (a + b + c) / 2;
    ctx.canvas.SetPenColor(kNavy);

    // 3. The first gap: the circles about C, B and A.
    FillGap(ctx, 1, {ScreenAsReal(pt, kSlotC), s - c}, {ScreenAsReal(pt, kSlotB), s - b},
            {ScreenAsReal(pt, kSlotA), s - a});
}

} // namespace trimora
