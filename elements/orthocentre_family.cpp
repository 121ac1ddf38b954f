// The orthocentre family: the orthocentre H and the feet of the altitudes, its mark, and the
// nine-point circle that the family draws at its place in the sequence.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "grund/lines.h"

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

constexpr int kHoehenschnittpunkt = 12; // "Höhenschnittpunkt"

struct Altitude {
    RealPoint p1, p2;
};

// The altitude through `vertex` onto the side from p to q, as two points 2L apart.
Altitude AltitudeThrough(RealPoint vertex, RealPoint p, RealPoint q, double L) {
    const double theta = p.x == q.x ? M_PI : std::atan((q.y - p.y) / (q.x - p.x)) + M_PI / 2;
    const double dx = RoundClamp(L * std::cos(theta)), dy = RoundClamp(L * std::sin(theta));
    return {{vertex.x + dx, vertex.y + dy}, {vertex.x - dx, vertex.y - dy}};
}

} // namespace

void OrthocentreFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    ctx.canvas.SetPenColor(kBlue);

    // H and the feet, always.
    const double L = std::max(2.0 * ctx.originX, 2.0 * ctx.originY);
    const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];
    const Altitude throughC = AltitudeThrough(C, A, B, L);
    const Altitude throughB = AltitudeThrough(B, A, C, L);
    const Altitude throughA = AltitudeThrough(A, B, C, L);
    PlaceSlot(pt, kSlotOrthocentre, IntersectLines(throughB.p1, throughB.p2, throughA.p1, throughA.p2).p);
    PlaceSlot(pt, kSlotFootB, IntersectLines(A, C, throughB.p1, throughB.p2).p);
    PlaceSlot(pt, kSlotFootA, IntersectLines(throughA.p1, throughA.p2, B, C).p);
    PlaceSlot(pt, kSlotFootC, IntersectLines(A, B, throughC.p1, throughC.p2).p);

    ctx.canvas.SetPenColor(kBlack);
    if (ctx.On(kHoehenschnittpunkt) && Present(pt, kSlotOrthocentre)) {
        MarkSlotLetter(ctx, kSlotOrthocentre, "H");
        if (ctx.Shown()) ReportSlot(ctx, kSlotOrthocentre, "Höhenschnittpunkt");
    }
    NinePointCircle(ctx);
    ctx.canvas.SetPenColor(kRed);
}

} // namespace trimora
