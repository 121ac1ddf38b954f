// The incircle contact points with the contact triangle and its altitudes, the Gergonne point,
// transversals and line, the Nobbs, Evans, Fletcher and Longchamp points, the Soddy circles with
// their centres, touch points, tangents and triangle, and the Adams circle with its lines.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"
#include "base/numeric.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kSoddyKreise = 25;             // "Soddy-Kreise"
constexpr int kInkreispunkte = 36;           // "Inkreispunkte"
constexpr int kKontaktDreieck = 37;          // "Kontakt-Dreieck"
constexpr int kNobbsPunkte = 38;             // "Nobbs-Punkte"
constexpr int kGergonneGerade = 39;          // "Gergonne-Gerade"
constexpr int kGergonneLinien = 40;          // "Gergonne-Linien"
constexpr int kGergonnePunkt = 41;           // "Gergonne-Punkt"
constexpr int kGergonneTransversalen = 42;   // "Gergonne-Transversalen"
constexpr int kInnererSoddyPunkt = 59;       // "innerer Soddy-Punkt"
constexpr int kInnererSoddyKreis = 60;       // "innerer Soddy-Kreis"
constexpr int kAeussererSoddyPunkt = 61;     // "äußerer Soddy-Punkt"
constexpr int kAeussererSoddyKreis = 62;     // "äußerer Soddy-Kreis"
constexpr int kSoddyGerade = 63;             // "Soddy-Gerade"
constexpr int kGergonneLotpunkte = 107;      // "Gergonne-Lotpunkte" (108, 109 follow)
constexpr int kInnenSoddyLotpunkte = 113;    // "Innen-Soddy-Lotpunkte" (114, 115 follow)
constexpr int kAussenSoddyLotpunkte = 116;   // "Außen-Soddy-Lotpunkte" (117, 118 follow)
constexpr int kLongchampPunkt = 157;         // "Longchamp-Punkt"
constexpr int kEvansPunkt = 158;             // "Evans-Punkt"
constexpr int kFletcherPunkt = 159;          // "Fletcher-Punkt"
constexpr int kAdamsKreis = 247;             // "Adams-Kreis"
constexpr int kAdamsKreismittelpunkt = 248;  // "Adams-Kreismittelpunkt"
constexpr int kAdamsKreispunkte = 249;       // "Adams-Kreispunkte"
constexpr int kAdamsStrecken = 250;          // "Adams-Strecken"
constexpr int kAdamsGeraden = 251;           // "Adams-Geraden"
constexpr int kAdamsDreieckspunkte = 252;    // "Adams-Dreieckspunkte"
constexpr int kAdamsDreieck = 253;           // "Adams-Dreieck"
constexpr int kLongchampLotdreieck = 308;    // "Longchamp-Lotdreieck", first of 308-310 (points)
constexpr int kSoddyBeruehrungspunkte = 343; // "Soddy-Berührungspunkte"
constexpr int kAeussereSoddyGeraden = 344;   // "äußere Soddy-Geraden"
constexpr int kSoddyDreieck = 345;           // "Soddy-Dreieck"
constexpr int kKontaktdreieckHoehen = 410;   // "Kontaktdreieck Höhen" (411 "Kontaktdreieck HPunkte")

// Slots.
constexpr int kSlotNobbsA = 27; // line 25-26 on BC, line 24-26 on CA, line 24-25 on AB
constexpr int kSlotNobbsB = 28;
constexpr int kSlotNobbsC = 29;
constexpr int kSlotGergonne = 30;
constexpr int kSlotInnerSoddy = 54;
constexpr int kSlotOuterSoddy = 55;
constexpr int kSlotLongchamp = 121;
constexpr int kSlotEvans = 122;
constexpr int kSlotFletcher = 123;
constexpr int kSlotAdams1 = kSlotSixPointCircle;      // parallel to 24-25 on CA
constexpr int kSlotAdams2 = kSlotSixPointCircle + 1;      // parallel to 24-25 on BC
constexpr int kSlotAdams3 = kSlotSixPointCircle + 2;      // parallel to 24-26 on AB
constexpr int kSlotAdams4 = kSlotSixPointCircle + 3;      // parallel to 24-26 on BC
constexpr int kSlotAdams5 = kSlotSixPointCircle + 4;      // parallel to 25-26 on AB
constexpr int kSlotAdams6 = kSlotSixPointCircle + 5;      // parallel to 25-26 on CA
constexpr int kSlotAdamsCentre = kSlotSixPointCircle + 6; // a copy of the incentre
constexpr int kSlotAdamsTriangle1 = kSlotSixPointCircle + 7;
constexpr int kSlotAdamsTriangle2 = kSlotSixPointCircle + 8;
constexpr int kSlotAdamsTriangle3 = kSlotSixPointCircle + 9;
constexpr int kSlotSoddyTouchA = 235;    // 235-237: the outer Soddy circle on the circles about A, B, C
constexpr int kSlotSoddyTangentA = 238;  // 238-240: second points of the tangents there
constexpr int kSlotSoddyTriangle1 = 241; // the triangle of those tangents
constexpr int kSlotSoddyTriangle2 = 242;
constexpr int kSlotSoddyTriangle3 = 243;
constexpr int kSlotContactAltitudes = 311; // 311-313 feet, 314 orthocentre of the contact triangle

// Colours.
constexpr Color kMaroon = Rgb(0x800000); // outer Soddy circle, contact triangle
constexpr Color kNavy = Rgb(0x000080);   // inner Soddy circle
constexpr Color kPink = Rgb(0xFF8080);   // Adams triangle

// An outer Soddy radius up to this size (pixels) gives no touch points.
constexpr double kTinyRadius = 0.00001;

RealPoint Along(RealPoint from, RealPoint to, double t) {
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

double Distance(RealPoint p, RealPoint q) {
    return Hypot(p.x - q.x, p.y - q.y);
}

// Marks a found slot with its letters and lists it.
void MarkAndList(PaintContext& ctx, int slot, std::string_view letters, std::string_view label) {
    if (!Present(ctx.pt, slot)) return;
    if (letters.empty())
        MarkSlot(ctx, slot);
    else
        MarkSlotLetter(ctx, slot, letters);
    if (ctx.Shown()) ReportSlot(ctx, slot, label);
}

// The side lengths and tangent lengths of the family, in pixels.
struct Sides {
    double a, b, c; // world lengths of BC, CA, AB times 100
    double x, y, z; // s - a, s - b, s - c: the radii of the vertex circles about A, B, C
};

Sides WorkingSides(const PointTable& pt) {
    Sides s;
    s.a = SlotDistanceWorld(pt, kSlotB, kSlotC) * 100;
    s.b = SlotDistanceWorld(pt, kSlotC, kSlotA) * 100;
    s.c = SlotDistanceWorld(pt, kSlotA, kSlotB) * 100;
    s.x = (s.b - s.a + s.c) / 2;
    s.y = (s.c + s.a - s.b) / 2;
    s.z = (s.a + s.b - s.c) / 2;
    return s;
}

// The Soddy centres are placed only when the perimeter and the product of the half-angle cosines
// are not zero (a non-finite product counts as zero).
struct HalfAngles {
    double ca, cb, cc; // cos(alpha / 2), cos(beta / 2), cos(gamma / 2)
    bool usable;
};

HalfAngles HalfAngleCosines(const PaintContext& ctx) {
    const BaseMeasureRecord& m = ctx.base;
    HalfAngles h{std::cos(m.Alpha / 2), std::cos(m.Beta / 2), std::cos(m.Gamma / 2), false};
    const double product = h.ca * h.cb * h.cc;
    h.usable = m.SideA + m.SideB + m.SideC != 0 && std::isfinite(product) && product != 0;
    return h;
}

// The touch points of the outer Soddy circle (signed radius rho about S: positive when it encloses
// the vertex circles) with the three vertex circles, the common tangents there and their triangle.
void OuterSoddyTouchPoints(PaintContext& ctx, const Sides& s, double rho) {
    PointTable& pt = ctx.pt;
    const RealPoint S = pt.precise[kSlotOuterSoddy];
    const double radii[3] = {s.x, s.y, s.z};

    // 1. T = S + rho / (rho - t) (V - S): at the distance |rho| from S on the line to the vertex,
    // towards it when the circle encloses the vertex circles and away from it otherwise. A
    // vanishing divisor leaves the point absent.
    bool touch[3], tangent[3];
    for (int n = 0; n < 3; ++n) {
        const RealPoint T = Along(S, ScreenAsReal(pt, kSlotA + n), rho / (rho - radii[n]));
        touch[n] = rho != radii[n] && std::isfinite(T.x) && std::isfinite(T.y);
        if (touch[n])
            PlaceSlot(pt, kSlotSoddyTouchA + n, T);
        else
            PlaceAbsent(pt, kSlotSoddyTouchA + n);
    }
    if (ctx.On(kSoddyBeruehrungspunkte)) {
        constexpr const char* kLetters[3] = {"sa", "sb", "sc"};
        for (int n = 0; n < 3; ++n)
            MarkAndList(ctx, kSlotSoddyTouchA + n, kLetters[n], "Soddyberührungspunkt");
    }

    // 2. The tangent at each touch point: perpendicular to the line from the vertex to it (none
    // when the vertex circle has no radius and the touch point is the vertex itself).
    for (int n = 0; n < 3; ++n) {
        const RealPoint V = ScreenAsReal(pt, kSlotA + n), T = pt.precise[kSlotSoddyTouchA + n];
        tangent[n] = touch[n] && !(V == T);
        if (tangent[n])
            PlaceSlot(pt, kSlotSoddyTangentA + n, PerpendicularPoint(V, T, T));
        else
            PlaceAbsent(pt, kSlotSoddyTangentA + n);
    }
    const RealPoint* T = &pt.precise[kSlotSoddyTouchA];   // T[0] .. T[2] are slots 235 .. 237
    const RealPoint* Q = &pt.precise[kSlotSoddyTangentA]; // Q[0] .. Q[2] are slots 238 .. 240
    if (ctx.On(kAeussereSoddyGeraden))
        for (int n = 0; n < 3; ++n)
            if (tangent[n]) DrawLineReported(ctx, "äußere Soddy-Gerade", T[n], Q[n]);

    // 3. The Soddy triangle of the three tangents (listed, not drawn).
    const int corners[3][2] = {{1, 0}, {2, 0}, {2, 1}};
    for (int n = 0; n < 3; ++n) {
        const int i = corners[n][0], j = corners[n][1];
        if (tangent[i] && tangent[j])
            PlaceSlot(pt, kSlotSoddyTriangle1 + n, IntersectLines(T[i], Q[i], T[j], Q[j]).p);
        else
            PlaceAbsent(pt, kSlotSoddyTriangle1 + n);
    }
    if (ctx.On(kSoddyDreieck)) {
        bool complete = true;
        for (int slot = kSlotSoddyTriangle1; slot <= kSlotSoddyTriangle3; ++slot) {
            complete = complete && Present(pt, slot);
            MarkAndList(ctx, slot, "", "Soddydreieck-Punkt");
        }
        if (complete && ctx.Shown())
            ReportTriangle(ctx, kSlotSoddyTriangle1, kSlotSoddyTriangle2, kSlotSoddyTriangle3, "Soddy");
    }
}

// The inner and outer Soddy centres and circles, the Soddy line and the outer touch points.
void SoddyCircles(PaintContext& ctx, const Sides& s) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;

    // 1. Both centres start absent.
    for (int slot : {kSlotInnerSoddy, kSlotOuterSoddy}) PlaceAbsent(pt, slot);

    // 2. The outer Soddy circle. Its radius belongs to this repaint only: no circle, no touch points
    // when it cannot be computed.
    const HalfAngles h = HalfAngleCosines(ctx);
    if (h.usable) {
        SlotFromTrilinear(ctx, kSlotInnerSoddy, 1 + h.cb * h.cc / h.ca, 1 + h.cc * h.ca / h.cb,
                          1 + h.ca * h.cb / h.cc);
        SlotFromTrilinear(ctx, kSlotOuterSoddy, -1 + h.cb * h.cc / h.ca, -1 + h.cc * h.ca / h.cb,
                          -1 + h.ca * h.cb / h.cc);

        // rho = 4 s r^2 / E = area / (2s - 4R - r): positive when the circle encloses the three
        // vertex circles, negative when it touches them from outside.
        const double a = s.a, b = s.b, c = s.c;
        const double r = 0.5 * std::sqrt(std::fabs((b + c - a) * (c + a - b) * (a + b - c) / (a + b + c)));
        const double semi = (a + b + c) / 2;
        const double E = 8 * r * semi - (2 * (a * b + b * c + c * a) - a * a - b * b - c * c);
        const bool hasRadius = E != 0 && std::isfinite(4 * semi * r * r / E);
        const double rho = hasRadius ? 4 * semi * r * r / E : 0;

        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetPenColor(kMaroon);
        if (ctx.On(kAeussererSoddyKreis) && hasRadius && Present(pt, kSlotOuterSoddy)) {
            const RealPoint S = pt.precise[kSlotOuterSoddy];
            const double size = std::fabs(rho) + 1;
            canvas.Ellipse(RoundClamp(S.x - size), RoundClamp(S.y - size), RoundClamp(S.x + size),
                           RoundClamp(S.y + size));
            if (ctx.Shown()) ReportRadius(ctx, "Äußerer Soddykreisradius", std::fabs(rho));
        }
        canvas.SetPenColor(kBlack);
        SyncSlot(pt, kSlotOuterSoddy);
        if (ctx.On(kAeussererSoddyPunkt) && Present(pt, kSlotOuterSoddy)) {
            MarkSlotTwoLetters(ctx, kSlotOuterSoddy, "S", "a");
            if (ctx.Shown()) ReportSlot(ctx, kSlotOuterSoddy, "Äußerer Soddykreismittelpunkt");
        }
        PedalFamily(ctx, kSlotOuterSoddy, kAussenSoddyLotpunkte, "Außen-Soddypunkt");

        if (std::fabs(rho) > kTinyRadius && Present(pt, kSlotOuterSoddy)) OuterSoddyTouchPoints(ctx, s, rho);
    }

    // 3. The inner Soddy circle, its pedal elements and the Soddy line.
    const double x = s.x, y = s.y, z = s.z;
    const double delta = std::sqrt(std::fabs(x * y * z * (x + y + z)));
    const double divisor = 2 * delta + x * y + y * z + z * x;
    std::optional<double> innerRadius;
    if (divisor != 0 && std::isfinite(x * y * z / divisor)) innerRadius = x * y * z / divisor;
    if (!h.usable) return;
    if (innerRadius) {
        canvas.SetPenColor(kNavy);
        if (ctx.On(kInnererSoddyKreis)) {
            const RealPoint Si = pt.precise[kSlotInnerSoddy];
            DrawCircle(ctx, Si.x, Si.y, *innerRadius);
            if (ctx.Shown()) ReportRadius(ctx, "Innerer Soddykreisradius", std::fabs(*innerRadius));
        }
        canvas.SetPenColor(kBlack);
        SyncSlot(pt, kSlotInnerSoddy);
        if (ctx.On(kInnererSoddyPunkt) && Present(pt, kSlotInnerSoddy)) {
            MarkSlotTwoLetters(ctx, kSlotInnerSoddy, "S", "i");
            if (ctx.Shown()) ReportSlot(ctx, kSlotInnerSoddy, "Innerer Soddykreismittelpunkt");
        }
    }
    PedalFamily(ctx, kSlotInnerSoddy, kInnenSoddyLotpunkte, "Innen-Soddypunkt");
    if (ctx.On(kSoddyGerade) && Present(pt, kSlotInnerSoddy) && Present(pt, kSlotOuterSoddy)) {
        canvas.SetPenColor(kGreen);
        DrawLineReported(ctx, "Soddy-Gerade", pt.precise[kSlotInnerSoddy], pt.precise[kSlotOuterSoddy]);
    }
}

// The Longchamp point (the reflection of H in U) and its pedal elements.
void LongchampPoint(PaintContext& ctx) {
    const double ca = std::cos(ctx.base.Alpha), cb = std::cos(ctx.base.Beta), cc = std::cos(ctx.base.Gamma);
    SlotFromTrilinear(ctx, kSlotLongchamp, ca - cb * cc, cb - cc * ca, cc - ca * cb);
    if (ctx.On(kLongchampPunkt)) MarkAndList(ctx, kSlotLongchamp, "L", "Longchamp-Punkt");
    PedalFamily(ctx, kSlotLongchamp, kLongchampLotdreieck, "Longchamp-Punkt");
}

// The three mutually tangent circles about the vertices.
void VertexCircles(PaintContext& ctx, const Sides& s) {
    if (!ctx.On(kSoddyKreise)) return;
    const struct {
        int vertex;
        double radius;
        Color pen;
        const char* label;
    } circles[3] = {{kSlotA, s.x, kRed, "Soddy-Kreisradius um A"},
                    {kSlotB, s.y, kBlue, "Soddy-Kreisradius um B"},
                    {kSlotC, s.z, kGreen, "Soddy-Kreisradius um C"}};
    for (const auto& c : circles) {
        ctx.canvas.SetPenColor(c.pen);
        const RealPoint V = ScreenAsReal(ctx.pt, c.vertex);
        DrawCircle(ctx, V.x, V.y, c.radius);
        if (ctx.Shown()) ReportRadius(ctx, c.label, c.radius);
    }
}

// The contact points, the Gergonne transversals and point. A contact point whose trilinears do
// not exist (a flat triangle) falls onto the vertex named in the table.
void ContactPointsAndGergonne(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    const double da = b + c - a, db = c + a - b, dc = a + b - c;
    if (db != 0 && dc != 0)
        SlotFromTrilinear(ctx, kSlotContactA, 0, c * a / db, a * b / dc);
    else
        PlaceSlot(pt, kSlotContactA, ScreenAsReal(pt, kSlotC));
    if (da != 0 && dc != 0)
        SlotFromTrilinear(ctx, kSlotContactB, b * c / da, 0, a * b / dc);
    else
        PlaceSlot(pt, kSlotContactB, ScreenAsReal(pt, kSlotA));
    if (da != 0 && db != 0)
        SlotFromTrilinear(ctx, kSlotContactC, b * c / da, c * a / db, 0);
    else
        PlaceSlot(pt, kSlotContactC, ScreenAsReal(pt, kSlotB));

    if (ctx.On(kInkreispunkte)) {
        MarkAndList(ctx, kSlotContactA, "Xa", "1.Kontaktpunkt");
        MarkAndList(ctx, kSlotContactB, "Xb", "2.Kontaktpunkt");
        MarkAndList(ctx, kSlotContactC, "Xc", "3.Kontaktpunkt");
    }
    if (ctx.On(kGergonneTransversalen)) {
        DrawSlotSegment(ctx, kSlotA, kSlotContactA, "Gergonne-Transversalen");
        DrawSlotSegment(ctx, kSlotB, kSlotContactB, "Gergonne-Transversalen");
        DrawSlotSegment(ctx, kSlotC, kSlotContactC, "Gergonne-Transversalen");
    }

    // Without the three denominators the slot keeps its last point, and nothing is marked.
    if (da != 0 && db != 0 && dc != 0) {
        SlotFromTrilinear(ctx, kSlotGergonne, b * c / da, c * a / db, a * b / dc);
        if (ctx.On(kGergonnePunkt)) MarkAndList(ctx, kSlotGergonne, "G", "Gergonne-Punkt");
    }
}

// Two present Nobbs points that carry the Gergonne line: 27 and 28 as a rule, the other pair when
// one of them is at infinity (an isosceles triangle has a contact chord parallel to its base).
std::optional<std::pair<int, int>> GergonneLinePair(const PointTable& pt) {
    constexpr std::pair<int, int> kPairs[3] = {
        {kSlotNobbsA, kSlotNobbsB}, {kSlotNobbsA, kSlotNobbsC}, {kSlotNobbsB, kSlotNobbsC}};
    for (const auto& p : kPairs)
        if (Present(pt, p.first) && Present(pt, p.second)) return p;
    return std::nullopt;
}

// The Nobbs points and the Gergonne line through them. A Nobbs point far outside keeps a stale
// screen coordinate, so the lines through it are taken from the precise points.
void NobbsPointsAndGergonneLine(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const RealPoint* X = &pt.precise[kSlotContactA]; // X[0] .. X[2] are the contact points 24 .. 26
    ctx.canvas.SetPenColor(kBlack);
    PlaceSlot(pt, kSlotNobbsA, IntersectLines(X[1], X[2], B, C).p);
    PlaceSlot(pt, kSlotNobbsB, IntersectLines(X[0], X[2], C, A).p);
    PlaceSlot(pt, kSlotNobbsC, IntersectLines(X[0], X[1], A, B).p);
    if (ctx.On(kNobbsPunkte)) {
        MarkAndList(ctx, kSlotNobbsA, "", "1.Nobbs-Punkt");
        MarkAndList(ctx, kSlotNobbsB, "", "2.Nobbs-Punkt");
        MarkAndList(ctx, kSlotNobbsC, "", "3.Nobbs-Punkt");
    }

    // The line is drawn through the two Nobbs points farthest apart (every pair that ties for it).
    const auto line = GergonneLinePair(pt);
    if (!ctx.On(kGergonneGerade) || !line) return;
    ctx.canvas.SetPenColor(kGreen);
    constexpr std::pair<int, int> kPairs[3] = {
        {kSlotNobbsA, kSlotNobbsB}, {kSlotNobbsA, kSlotNobbsC}, {kSlotNobbsB, kSlotNobbsC}};
    double length[3];
    for (int n = 0; n < 3; ++n) {
        const auto [i, j] = kPairs[n];
        length[n] = Present(pt, i) && Present(pt, j) ? Distance(pt.precise[i], pt.precise[j]) : -1;
    }
    const double longest = std::max({length[0], length[1], length[2]});
    for (int n = 0; n < 3; ++n) {
        if (length[n] < 0 || length[n] < longest) continue;
        const RealPoint p = pt.precise[kPairs[n].first], q = pt.precise[kPairs[n].second];
        DrawLineAcross(ctx, p.x, p.y, q.x, q.y);
    }
    if (ctx.Shown()) ReportLine(ctx, "Gergonne-Gerade", pt.precise[line->first], pt.precise[line->second]);
}

// Places the common point of the lines P1P2 and P3P4, or the absent sentinel.
void PlaceIntersection(PointTable& pt, int slot, RealPoint p1, RealPoint p2, RealPoint p3, RealPoint p4) {
    PlaceSlot(pt, slot, IntersectLines(p1, p2, p3, p4).p);
}

// The Evans point (Euler line and Gergonne line) and the Fletcher point (Soddy line and Gergonne
// line). A line that does not exist leaves its point absent.
void EvansAndFletcherPoints(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const auto line = GergonneLinePair(pt);
    const RealPoint S = pt.precise[kSlotCentroid], H = pt.precise[kSlotOrthocentre];
    if (line && Present(pt, kSlotOrthocentre) && !(S == H))
        PlaceIntersection(pt, kSlotEvans, S, H, pt.precise[line->first], pt.precise[line->second]);
    else
        PlaceAbsent(pt, kSlotEvans);
    if (ctx.On(kEvansPunkt)) MarkAndList(ctx, kSlotEvans, "E", "Evans-Punkt");

    const RealPoint Si = pt.precise[kSlotInnerSoddy], So = pt.precise[kSlotOuterSoddy];
    if (line && Present(pt, kSlotInnerSoddy) && Present(pt, kSlotOuterSoddy) && !(Si == So))
        PlaceIntersection(pt, kSlotFletcher, Si, So, pt.precise[line->first], pt.precise[line->second]);
    else
        PlaceAbsent(pt, kSlotFletcher);
    if (ctx.On(kFletcherPunkt)) MarkAndList(ctx, kSlotFletcher, "F", "Fletcher-Punkt");
}

// The side lines from the vertices to the Nobbs points, and the extended sides of the contact
// triangle up to them.
void GergonneLines(PaintContext& ctx) {
    if (!ctx.On(kGergonneLinien)) return;
    PointTable& pt = ctx.pt;
    ctx.canvas.SetPenColor(kSilver);
    // Each Nobbs point with the vertex on its side line and the contact point of its listed line.
    const struct {
        int nobbs, vertex, contact;
    } sides[3] = {{kSlotNobbsB, kSlotA, kSlotContactA},
                  {kSlotNobbsC, kSlotB, kSlotContactA},
                  {kSlotNobbsA, kSlotC, kSlotContactB}};
    for (const auto& l : sides)
        if (Present(pt, l.nobbs)) DrawSegmentPrecise(ctx, ScreenAsReal(pt, l.vertex), pt.precise[l.nobbs]);
    // From each Nobbs point to the farther of the two contact points on its line (the first on a tie).
    const struct {
        int nobbs, contact1, contact2;
    } chords[3] = {{kSlotNobbsA, kSlotContactB, kSlotContactC},
                   {kSlotNobbsB, kSlotContactA, kSlotContactC},
                   {kSlotNobbsC, kSlotContactA, kSlotContactB}};
    for (const auto& c : chords) {
        if (!Present(pt, c.nobbs)) continue;
        const RealPoint N = pt.precise[c.nobbs];
        const RealPoint p1 = pt.precise[c.contact1], p2 = pt.precise[c.contact2];
        DrawSegmentPrecise(ctx, N, Distance(N, p1) >= Distance(N, p2) ? p1 : p2);
    }
    if (!ctx.Shown()) return;
    for (const auto& l : sides)
        if (Present(pt, l.nobbs))
            ReportLine(ctx, "Gergonne-Linien", pt.precise[l.contact], pt.precise[l.nobbs]);
}

// The Adams circle: the parallels through the Gergonne point to the sides of the contact triangle
// meet the sides of ABC in six points on a circle about the incentre.
void AdamsCircle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const RealPoint G = pt.precise[kSlotGergonne];
    const RealPoint* X = &pt.precise[kSlotContactA];

    // 1. The six points: the parallel to 24-25 on CA and BC, to 24-26 on AB and BC, to 25-26 on
    // AB and CA.
    const RealPoint toXaXb = ParallelPoint(G, X[1], X[0]), toXaXc = ParallelPoint(G, X[2], X[0]),
                    toXbXc = ParallelPoint(G, X[2], X[1]);
    const std::pair<RealPoint, RealPoint> sides[6] = {{C, A}, {B, C}, {A, B}, {B, C}, {A, B}, {C, A}};
    const RealPoint through[6] = {toXaXb, toXaXb, toXaXc, toXaXc, toXbXc, toXbXc};
    for (int n = 0; n < 6; ++n)
        PlaceIntersection(pt, kSlotAdams1 + n, G, through[n], sides[n].first, sides[n].second);
    if (ctx.On(kAdamsKreispunkte))
        for (int n = 0; n < 6; ++n)
            MarkAndList(ctx, kSlotAdams1 + n, "", "Adams-Kreispunkt");

    // 2. Centre and circle.
    PlaceSlot(pt, kSlotAdamsCentre, pt.precise[kSlotIncentre]);
    if (ctx.On(kAdamsKreismittelpunkt)) MarkAndList(ctx, kSlotAdamsCentre, "", "Adams-Kreismittelpunkt");
    // Between the points as listed, not their whole pixels.
    const double radius = Distance(ListedPoint(pt, kSlotIncentre), ListedPoint(pt, kSlotAdams1));
    canvas.SetPenColor(kBlue);
    if (ctx.On(kAdamsKreis) && Present(pt, kSlotAdams1) && Present(pt, kSlotAdamsCentre)) {
        const RealPoint I = pt.precise[kSlotAdamsCentre];
        DrawCircle(ctx, I.x, I.y, radius);
        if (ctx.Shown()) ReportRadius(ctx, "Adams-Kreisradius", radius);
    }
    const int chords[3][2] = {
        {kSlotAdams1, kSlotAdams2}, {kSlotAdams3, kSlotAdams4}, {kSlotAdams5, kSlotAdams6}};
    if (ctx.On(kAdamsStrecken)) {
        for (const auto& c : chords) {
            if (!Present(pt, c[0]) || !Present(pt, c[1])) continue;
            DrawSegment(ctx, c[0], c[1]);
            if (ctx.Shown()) ReportSlotDistance(ctx, c[0], c[1], "Adams-Streckenlänge");
        }
    }

    // 3. The Adams lines and their triangle.
    canvas.SetPenColor(kOlive);
    const int lines[3][2] = {
        {kSlotAdams1, kSlotAdams3}, {kSlotAdams2, kSlotAdams5}, {kSlotAdams4, kSlotAdams6}};
    if (ctx.On(kAdamsGeraden)) {
        for (const auto& l : lines)
            if (Present(pt, l[0]) && Present(pt, l[1])) DrawSlotLine(ctx, l[0], l[1], "Adams-Gerade");
    }
    const int corners[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (int n = 0; n < 3; ++n) {
        const int* l1 = lines[corners[n][0]];
        const int* l2 = lines[corners[n][1]];
        if (Present(pt, l1[0]) && Present(pt, l1[1]) && Present(pt, l2[0]) && Present(pt, l2[1]))
            PlaceIntersection(pt, kSlotAdamsTriangle1 + n, pt.precise[l1[0]], pt.precise[l1[1]],
                              pt.precise[l2[0]], pt.precise[l2[1]]);
        else
            PlaceAbsent(pt, kSlotAdamsTriangle1 + n);
    }
    canvas.SetPenColor(kRed);
    if (ctx.On(kAdamsDreieckspunkte))
        for (int slot = kSlotAdamsTriangle1; slot <= kSlotAdamsTriangle3; ++slot)
            MarkAndList(ctx, slot, "", "Adams-Dreieckspunkt");
    canvas.SetPenColor(kPink);
    if (ctx.On(kAdamsDreieck) && Present(pt, kSlotAdamsTriangle1) && Present(pt, kSlotAdamsTriangle2) &&
        Present(pt, kSlotAdamsTriangle3)) {
        DrawSegment(ctx, kSlotAdamsTriangle1, kSlotAdamsTriangle2);
        DrawSegment(ctx, kSlotAdamsTriangle3, kSlotAdamsTriangle2);
        DrawSegment(ctx, kSlotAdamsTriangle1, kSlotAdamsTriangle3);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotAdamsTriangle1, kSlotAdamsTriangle2, kSlotAdamsTriangle3, "Adams");
    }
}

} // namespace

void AltitudesOfSlotTriangle(PaintContext& ctx, int p, int q, int r, std::string_view name, int entry,
                             int firstSlot) {
    PointTable& pt = ctx.pt;
    // 1.-2. Sides and the cosines of the angles at P, Q, R, of the triangle whose vertices the
    // trilinears below refer to.
    const RealPoint P = pt.precise[p], Q = pt.precise[q], R = pt.precise[r];
    const double d = WorldDistance(Q, R), e = WorldDistance(P, R), c = WorldDistance(P, Q);
    if (d * e * c == 0) return;
    const double cosP = (d * d - e * e - c * c) / (-2 * e * c);
    const double cosQ = (e * e - d * d - c * c) / (-2 * c * d);
    const double cosR = (c * c - e * e - d * d) / (-2 * d * e);

    // 3. Feet from P, Q, R and the orthocentre from their trilinears in the triangle P, Q, R.
    const double t[4][3] = {{0, cosP * cosR, cosP * cosQ},
                            {cosQ * cosR, 0, cosP * cosQ},
                            {cosQ * cosR, cosP * cosR, 0},
                            {cosQ * cosR, cosP * cosR, cosP * cosQ}};
    for (int n = 0; n < 4; ++n) {
        const auto point =
            TrilinearToPoint(t[n][0], t[n][1], t[n][2], P, Q, R);
        if (point)
            PlaceSlot(pt, firstSlot + n, *point);
        else
            PlaceAbsent(pt, firstSlot + n);
    }

    // 4.-5. Altitudes, then the marks and the list.
    const std::string altitude = std::string(name) + " Höhe";
    if (ctx.On(entry)) {
        const int vertices[3] = {p, q, r};
        for (int n = 0; n < 3; ++n)
            if (Present(pt, firstSlot + n)) DrawSlotSegment(ctx, vertices[n], firstSlot + n, altitude);
    }
    if (ctx.On(entry + 1)) {
        for (int n : {0, 2, 1, 3})
            if (Present(pt, firstSlot + n)) MarkSlot(ctx, firstSlot + n);
        if (ctx.Shown()) {
            const std::string foot = std::string(name) + " HFußpunkt";
            for (int n = 0; n < 3; ++n)
                if (Present(pt, firstSlot + n)) ReportSlot(ctx, firstSlot + n, foot);
            if (Present(pt, firstSlot + 3))
                ReportSlot(ctx, firstSlot + 3, std::string(name) + " HSchnittpunkt");
        }
    }
}

void ContactFamily(PaintContext& ctx) {
    const Sides sides = WorkingSides(ctx.pt);

    // 1.-3. Soddy centres and circles, touch points, Soddy line.
    SoddyCircles(ctx, sides);
    // 4.-5. Longchamp point, the circles about the vertices.
    LongchampPoint(ctx);
    VertexCircles(ctx, sides);

    // 6.-7. Contact points, Gergonne transversals and point.
    ctx.canvas.SetBrushStyle(BrushStyle::Solid);
    ctx.canvas.SetPenColor(kBlack);
    ContactPointsAndGergonne(ctx);

    // 8. The contact triangle and its altitudes.
    if (ctx.On(kKontaktDreieck)) {
        ctx.canvas.SetPenColor(kMaroon);
        DrawSegment(ctx, kSlotContactA, kSlotContactB);
        DrawSegment(ctx, kSlotContactC, kSlotContactB);
        DrawSegment(ctx, kSlotContactA, kSlotContactC);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotContactA, kSlotContactB, kSlotContactC, "Kontakt");
    }
    AltitudesOfSlotTriangle(ctx, kSlotContactA, kSlotContactB, kSlotContactC, "Kontaktdreieck",
                            kKontaktdreieckHoehen, kSlotContactAltitudes);

    // 9.-12. Nobbs points, Gergonne line, Evans and Fletcher points, Gergonne lines.
    NobbsPointsAndGergonneLine(ctx);
    EvansAndFletcherPoints(ctx);
    GergonneLines(ctx);

    // 13. Pedal elements of the Gergonne point.
    ctx.canvas.SetPenColor(kBlack);
    PedalFamily(ctx, kSlotGergonne, kGergonneLotpunkte, "Gergonnepunkt");

    // 14. The Adams circle.
    AdamsCircle(ctx);
}

} // namespace trimora
