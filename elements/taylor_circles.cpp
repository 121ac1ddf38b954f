// The six Taylor feet (each altitude foot projected onto the two other sides), the Taylor lines,
// the Taylor circle through the feet with its centre, and the first, second and third Tucker
// circles through Taylor feet, vertices, altitude feet and the orthocentre, with their centres.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"

#include <optional>
#include <string>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kTaylorfusspunkte = 49; // "Taylorfußpunkte"
constexpr int kTaylorLinien = 50;     // "Taylor-Linien"
constexpr int kTaylorKreis = 51;      // "Taylor-Kreis"
constexpr int kTaylorPunkt = 52;      // "Taylor-Punkt"
constexpr int kTucker1Kreise = 53;    // "1.Tucker-Kreise"
constexpr int kTucker1Punkte = 54;    // "1.Tucker-Punkte"
constexpr int kTucker2Kreise = 55;    // "2.Tucker-Kreise"
constexpr int kTucker2Punkte = 56;    // "2.Tucker-Punkte"
constexpr int kTucker3Kreise = 57;    // "3.Tucker-Kreise"
constexpr int kTucker3Punkte = 58;    // "3.Tucker-Punkte"

// Slots: the Taylor feet, then the centres.
constexpr int kSlotHbOnAB = 38;
constexpr int kSlotHbOnBC = 39;
constexpr int kSlotHaOnAB = 40;
constexpr int kSlotHaOnAC = 41;
constexpr int kSlotHcOnAC = 42;
constexpr int kSlotHcOnBC = 43;
constexpr int kSlotTaylorCentre = 44;
constexpr int kSlotTucker1 = 45; // 45 .. 47
constexpr int kSlotTucker2 = 48; // 48 .. 50
constexpr int kSlotTucker3 = 51; // 51 .. 53

constexpr Color kCirclePen = kPurple;
constexpr Color kLinePen = kGreen;

struct CircleStep {
    int target;
    int p, q, r;
};

void DrawTaylorOrTuckerCircle(PaintContext& ctx, const CircleStep& s) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    if (!Present(pt, s.p) || !Present(pt, s.q) || !Present(pt, s.r)) return;
    const std::optional<CircleFit> circle = ListedCircle(pt, s.p, s.q, s.r);
    if (!circle) return; // collinear: the target slot keeps its value, nothing is drawn
    canvas.SetPenColor(kCirclePen);
    PlaceSlot(pt, s.target, circle->centre);
    const RealPoint c = circle->centre;

    if (s.target == kSlotTaylorCentre) {
        if (ctx.On(kTaylorKreis)) {
            DrawCircle(ctx, c.x, c.y, circle->radius);
            if (ctx.Shown()) ReportRadius(ctx, "Taylorkreis-Radius", circle->radius);
        }
        canvas.SetPenColor(kBlack);
        if (ctx.On(kTaylorPunkt)) {
            MarkSlot(ctx, s.target);
            if (ctx.Shown()) ReportSlot(ctx, s.target, "Taylor-Punkt");
        }
        return;
    }

    // The Tucker circles, numbered 1 to 3 within each kind.
    const int kind = (s.target - kSlotTucker1) / 3; // 0, 1, 2 for the first, second, third
    const int n = (s.target - kSlotTucker1) % 3 + 1;
    const std::string prefix = std::to_string(kind + 1) + ".Tucker-Kreis";
    const std::string number = " (" + std::to_string(n) + ")";
    static constexpr int kCircles[3] = {kTucker1Kreise, kTucker2Kreise, kTucker3Kreise};
    static constexpr int kCentres[3] = {kTucker1Punkte, kTucker2Punkte, kTucker3Punkte};
    if (ctx.On(kCircles[kind])) {
        DrawCircle(ctx, c.x, c.y, circle->radius);
        if (ctx.Shown()) ReportRadius(ctx, prefix + "radius" + number, circle->radius);
    }
    canvas.SetPenColor(kBlack);
    if (ctx.On(kCentres[kind])) {
        MarkSlot(ctx, s.target);
        if (ctx.Shown()) ReportPoint(ctx, prefix + "mittelpunkt" + number, ListedPoint(pt, s.target));
    }
}

} // namespace

void TaylorCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const int Hb = kSlotFootB, Ha = kSlotFootA, Hc = kSlotFootC;

    // 1. The Taylor feet; the feet of an absent altitude foot are absent too.
    const struct {
        int slot, foot, v1, v2;
    } feet[6] = {{kSlotHbOnAB, Hb, kSlotA, kSlotB}, {kSlotHbOnBC, Hb, kSlotB, kSlotC},
                 {kSlotHaOnAB, Ha, kSlotA, kSlotB}, {kSlotHaOnAC, Ha, kSlotA, kSlotC},
                 {kSlotHcOnAC, Hc, kSlotA, kSlotC}, {kSlotHcOnBC, Hc, kSlotB, kSlotC}};
    for (const auto& f : feet) {
        if (Present(pt, f.foot))
            PlaceSlot(
                pt, f.slot,
                PerpendicularFoot(pt.precise[f.foot], ScreenAsReal(pt, f.v1), ScreenAsReal(pt, f.v2)).p);
        else
            PlaceAbsent(pt, f.slot);
    }

    // 2. The Taylor lines.
    if (ctx.On(kTaylorLinien)) {
        ctx.canvas.SetPenColor(kLinePen);
        bool first = true;
        for (const auto& f : feet) {
            if (!Present(pt, f.slot)) continue;
            DrawSlotSegment(ctx, f.foot, f.slot, first ? "Taylor-Linie" : "");
            first = false;
        }
    }
    ctx.canvas.SetPenColor(kBlack);

    // 3.-4. The Taylor circle and the Tucker circles.
    const int H = kSlotOrthocentre;
    const CircleStep circles[10] = {
        {kSlotTaylorCentre, kSlotHbOnAB, kSlotHcOnBC, kSlotHaOnAC},
        {kSlotTucker1, kSlotHbOnAB, kSlotHbOnBC, kSlotB},
        {kSlotTucker1 + 1, kSlotHaOnAB, kSlotHaOnAC, kSlotA},
        {kSlotTucker1 + 2, kSlotHcOnAC, kSlotHcOnBC, kSlotC},
        {kSlotTucker2, kSlotHbOnAB, Hc, Hb},
        {kSlotTucker2 + 1, kSlotHaOnAC, Hb, Ha},
        {kSlotTucker2 + 2, kSlotHaOnAB, Ha, Hc},
        {kSlotTucker3, H, kSlotHbOnBC, kSlotHcOnBC},
        {kSlotTucker3 + 1, H, kSlotHaOnAC, kSlotHcOnAC},
        {kSlotTucker3 + 2, H, kSlotHbOnAB, kSlotHaOnAB},
    };
    for (const CircleStep& s : circles)
        DrawTaylorOrTuckerCircle(ctx, s);

    // 5. The feet on top.
    if (ctx.On(kTaylorfusspunkte)) {
        for (const auto& f : feet) {
            if (!Present(pt, f.slot)) continue;
            MarkSlot(ctx, f.slot);
            if (ctx.Shown()) ReportSlot(ctx, f.slot, "Taylorfußpunkt");
        }
    }
}

} // namespace trimora
