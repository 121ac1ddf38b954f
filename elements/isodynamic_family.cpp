// The isodynamic family: Hofstadter points, the isodynamic points and circle, the Parry and
// Apollonius circles with the Lémoine line, the Bevan (Hadamard), outer Fermat, second isogonic,
// second Napoleon, Clawson, third Brocard, Kosnita and Tarry points, the circles of the excentral
// triangle and the outer Villiers circles.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <cmath>
#include <string>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kHofstadterNullpunkt = 213;            // "Hofstadter-Nullpunkt"
constexpr int kHofstadterNullpunktLotpunkte = 214;   // "Hofstadter-Nullpunkt-Lotpunkte" (215, 216 follow)
constexpr int kHofstadterEinspunkt = 217;            // "Hofstadter-Einspunkt"
constexpr int kHofstadterEinspunktLotpunkte = 218;   // "Hofstadter-Einspunkt-Lotpunkte" (219, 220 follow)
constexpr int kIsodynamischerPunkt1 = 221;           // "1.isodynamischer Punkt"
constexpr int kIsodynamischerPunkt2 = 222;           // "2.isodynamischer Punkt"
constexpr int kIsodynamischerKreismittelpunkt = 223; // "Isodynamischer Kreismittelpunkt"
constexpr int kIsodynamischerKreis = 224;            // "Isodynamischer Kreis"
constexpr int kBevanPunkt = 237;                     // "Bevan-Punkt"
constexpr int kAnkreisdreieckUmkreis = 238;          // "Ankreisdreieck-Umkreis"
constexpr int kIsogonischesZentrum2 = 281;           // "2.isogonisches Zentrum"
constexpr int kNapoleonPunkt2 = 282;                 // "2.Napoleon-Punkt"
constexpr int kClawsonPunkt = 283;                   // "Clawson-Punkt"
constexpr int kBrocardPunkt3 = 284;                  // "3.Brocard-Punkt"
constexpr int kKosnitaPunkt = 289;                   // "Kosnita-Punkt"
constexpr int kHadamardPunkt = 322;                  // "Hadamard-Punkt"
constexpr int kAnkreisHadamardLinie = 323;           // "Ankreis-Hadamard-Linie"
constexpr int kApolloniusKreisA = 326;               // "Apollonius-Kreis A" (327 B, 328 C)
constexpr int kLemoineGerade = 329;                  // "Lémoine-Gerade"
constexpr int kClawsonStrecken = 360;                // "Clawson-Strecken"
constexpr int kTarryPunkt = 367;                     // "Tarry-Punkt"
constexpr int kTarryLinien = 368;                    // "Tarry-Linien"
constexpr int kFermatPunktAeusserer = 377;           // "Fermat-Punkt, äußerer"
constexpr int kParryKreis = 391;                     // "Parry-Kreis"
constexpr int kSteinerTarryLinie = 448;              // "Steiner-Tarry-Linie"
constexpr int kAnkreisdreieckInkreis = 466;          // "Ankreisdreieck-Inkreis"
constexpr int kVilliersUmkreise = 467;               // "Äußere Villiers-Umkreise"
constexpr int kVilliersInkreise = 468;               // "Äußere Villiers-Inkreise"

// Slots.
constexpr int kSlotHofstadterZero = 146;
constexpr int kSlotHofstadterOne = 147;
constexpr int kSlotIsodynamic1 = 148;
constexpr int kSlotIsodynamic2 = 149;
constexpr int kSlotIsodynamicCentre = 150; // midpoint of 148 and 149
constexpr int kSlotBevan = 159;
constexpr int kSlotSecondIsogonic = 193;
constexpr int kSlotClawson = 195;
constexpr int kSlotThirdBrocard = 196;
constexpr int kSlotKosnita = 206;
constexpr int kSlotApolloniusA = kSlotApolloniusCentreA; // centres of the Apollonius circles of A, B, C
constexpr int kSlotTarry = 253;
constexpr int kSlotParryCentre = 282;
constexpr int kSlotExcentralCircumcentre = 380;
constexpr int kSlotExcentralIncentre = 381;
constexpr int kSlotVilliers = 382; // 382/383 (A, B, Ic), 384/385 (A, C, Ib), 386/387 (B, C, Ia)

// The Parry pen: the caption colour of active windows on the original platform, here a fixed dark
// blue.
constexpr Color kParryPen = Rgb(0x000080);

// 60° and 30°. The test for an angle of exactly 60° and the divisor sin(angle - 60°) use the same
// constant, so that the divisor is never 0 when the test passes.
constexpr double k60 = M_PI / 3;
constexpr double k30 = M_PI / 6;

// The angle whose cosine is given, or 0 when the cosine lies outside [-1, 1].
double AngleFromCosine(double cosine) {
    return std::fabs(cosine) <= 1 ? std::acos(cosine) : 0.0;
}

// A point of the family: with its entry on, pen black, the mark (with a label of one or two
// letters when given) and its result line.
void OutputPoint(PaintContext& ctx, int entry, int slot, std::string_view label,
                 std::string_view letters = {}) {
    if (!ctx.On(entry)) return;
    ctx.canvas.SetPenColor(kBlack);
    if (letters.empty())
        MarkSlot(ctx, slot);
    else
        MarkSlotLetter(ctx, slot, letters);
    if (ctx.Shown()) ReportSlot(ctx, slot, label);
}

// An incircle of three points exists only when they span a triangle.
bool IncircleValid(const CircleDataResult& d, RealPoint p1, RealPoint p2, RealPoint p3) {
    return d.incentreValid && !NearlyCollinear(p1, p2, p3) && d.r > 0;
}

struct Angles {
    double alpha, beta, gamma;
};

// Steps 4-6: the Parry circle through S and the isodynamic points, the Apollonius circles through a
// vertex and the isodynamic points, and the Lémoine line through two of their centres.
void ParryAndApolloniusCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint I1 = pt.precise[kSlotIsodynamic1], I2 = pt.precise[kSlotIsodynamic2];

    const CircleDataResult parry = CircleData(pt.precise[kSlotCentroid], I1, I2);
    canvas.SetPenColor(kParryPen);
    if (parry.circumcentreValid) {
        PlaceSlot(pt, kSlotParryCentre, parry.circumcentre);
        if (ctx.On(kParryKreis)) {
            MarkSlot(ctx, kSlotParryCentre);
            DrawCircle(ctx, parry.circumcentre.x, parry.circumcentre.y, parry.R);
            if (ctx.Shown()) ReportCircle(ctx, kSlotParryCentre, "Parry-Kreis", parry.R);
        }
    }

    canvas.SetPenColor(kBlue);
    constexpr const char* kLetters[3] = {"A", "B", "C"};
    for (int k = 0; k < 3; ++k) {
        const int slot = kSlotApolloniusA + k;
        const CircleDataResult d = CircleData(ScreenAsReal(pt, kSlotA + k), I1, I2);
        if (!d.circumcentreValid) continue;
        PlaceSlot(pt, slot, d.circumcentre);
        if (!ctx.On(kApolloniusKreisA + k)) continue;
        MarkSlot(ctx, slot);
        if (ctx.Shown()) ReportSlot(ctx, slot, std::string(kLetters[k]) + "-Apollonius-Kreismittelpunkt");
        DrawCircle(ctx, d.circumcentre.x, d.circumcentre.y, d.R);
        if (ctx.Shown()) ReportRadius(ctx, std::string(kLetters[k]) + "-Apollonius-Kreis", d.R);
    }

    if (ctx.On(kLemoineGerade)) {
        canvas.SetPenColor(kLime);
        DrawSlotLine(ctx, kSlotApolloniusA, kSlotApolloniusA + 2, "Lémoine-Gerade");
    }
}

// A circle in `colour` about the centre kept in `slot`, the centre marked in black, and its block of
// result lines.
void MarkedCircle(PaintContext& ctx, int slot, RealPoint centre, double radius, Color colour, const char* title) {
    PlaceSlot(ctx.pt, slot, centre);
    ctx.canvas.SetPenColor(colour);
    DrawCircle(ctx, centre.x, centre.y, radius);
    ctx.canvas.SetPenColor(kBlack);
    MarkSlot(ctx, slot);
    if (ctx.Shown()) ReportCircle(ctx, slot, title, radius);
}

// Steps 11-12: circumcircle and incircle of the excentral triangle; the outer Villiers circles of
// the triangles of two vertices and the third excentre.
void ExcentralAndVilliersCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint Ia = pt.precise[kSlotExcentreA], Ib = pt.precise[kSlotExcentreB],
                    Ic = pt.precise[kSlotExcentreC];
    const CircleDataResult ex = CircleData(Ia, Ib, Ic);
    if (ctx.On(kAnkreisdreieckUmkreis)) {
        canvas.SetPenColor(kGreen);
        if (ex.circumcentreValid)
            MarkedCircle(ctx, kSlotExcentralCircumcentre, ex.circumcentre, ex.R, kGreen, "Ankreisdreieck-Umkreis");
    }
    if (ctx.On(kAnkreisdreieckInkreis) && IncircleValid(ex, Ia, Ib, Ic))
        MarkedCircle(ctx, kSlotExcentralIncentre, ex.incentre, ex.r, kMagenta, "Ankreisdreieck-Inkreis");

    const struct {
        int v1, v2, excentre;
    } triples[3] = {
        {kSlotA, kSlotB, kSlotExcentreC}, {kSlotA, kSlotC, kSlotExcentreB}, {kSlotB, kSlotC, kSlotExcentreA}};
    for (int n = 0; n < 3; ++n) {
        const RealPoint p1 = pt.precise[triples[n].v1], p2 = pt.precise[triples[n].v2],
                        p3 = pt.precise[triples[n].excentre];
        const CircleDataResult d = CircleData(p1, p2, p3);
        const int circumSlot = kSlotVilliers + 2 * n, inSlot = circumSlot + 1;
        if (ctx.On(kVilliersUmkreise) && d.circumcentreValid)
            MarkedCircle(ctx, circumSlot, d.circumcentre, d.R, kRed, "Äußerer Villiers-Umkreis");
        if (ctx.On(kVilliersInkreise) && IncircleValid(d, p1, p2, p3))
            MarkedCircle(ctx, inSlot, d.incentre, d.r, kRed, "Äußerer Villiers-Inkreis");
    }
}

// Steps 1-15, for a triangle with three sides of non-zero length.
void Centres(PaintContext& ctx, double a, double b, double c, const Angles& own) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double alpha = own.alpha, beta = own.beta, gamma = own.gamma;

    // 1.-2. Hofstadter points.
    SlotFromTrilinear(ctx, kSlotHofstadterZero, alpha / a, beta / b, gamma / c);
    OutputPoint(ctx, kHofstadterNullpunkt, kSlotHofstadterZero, "Hofstadter-Nullpunkt");
    PedalFamily(ctx, kSlotHofstadterZero, kHofstadterNullpunktLotpunkte, "Hofstadter-Nullpunkt");
    if (alpha * beta * gamma != 0) {
        SlotFromTrilinear(ctx, kSlotHofstadterOne, a / alpha, b / beta, c / gamma);
        OutputPoint(ctx, kHofstadterEinspunkt, kSlotHofstadterOne, "Hofstadter-Einspunkt");
        PedalFamily(ctx, kSlotHofstadterOne, kHofstadterEinspunktLotpunkte, "Hofstadter-Einspunkt");
    }

    // 3. Isodynamic points.
    SlotFromTrilinear(ctx, kSlotIsodynamic1, std::sin(alpha + k60), std::sin(beta + k60),
                      std::sin(gamma + k60));
    OutputPoint(ctx, kIsodynamischerPunkt1, kSlotIsodynamic1, "1.isodynamischer Punkt", "I1");
    SlotFromTrilinear(ctx, kSlotIsodynamic2, std::sin(alpha - k60), std::sin(beta - k60),
                      std::sin(gamma - k60));
    OutputPoint(ctx, kIsodynamischerPunkt2, kSlotIsodynamic2, "2.isodynamischer Punkt", "I2");

    // 4.-6.
    ParryAndApolloniusCircles(ctx);

    // 7. Outer Fermat point, from the angles of the base measures.
    const BaseMeasureRecord& m = ctx.base;
    if (m.Alpha != k60 && m.Beta != k60 && m.Gamma != k60) {
        SlotFromTrilinear(ctx, kSlotOuterFermat, 1 / std::sin(m.Alpha - k60), 1 / std::sin(m.Beta - k60),
                          1 / std::sin(m.Gamma - k60));
        OutputPoint(ctx, kFermatPunktAeusserer, kSlotOuterFermat, "äußerer Fermat-Punkt", "fe");
    }

    // 8.-9. Isodynamic circle: the diameter runs from one isodynamic point to the other.
    if (Present(pt, kSlotIsodynamic1) && Present(pt, kSlotIsodynamic2)) {
        PlaceSlot(pt, kSlotIsodynamicCentre,
                  Midpoint(pt.precise[kSlotIsodynamic1], pt.precise[kSlotIsodynamic2]));
        OutputPoint(ctx, kIsodynamischerKreismittelpunkt, kSlotIsodynamicCentre,
                    "Isodynamischer Kreismittelpunkt", "IK");
    }
    canvas.SetPenColor(kLime);
    if (ctx.On(kIsodynamischerKreis) && Present(pt, kSlotIsodynamicCentre)) {
        const RealPoint centre = pt.precise[kSlotIsodynamicCentre];
        // Half the distance of the points as listed: the second isodynamic point of a nearly
        // equilateral triangle lies far beyond the drawing range, where its screen point is held.
        const RealPoint i1 = ListedPoint(pt, kSlotIsodynamic1), i2 = ListedPoint(pt, kSlotIsodynamic2);
        const double radius = std::hypot(i2.x - i1.x, i2.y - i1.y) / 2;
        DrawCircle(ctx, centre.x, centre.y, radius);
        if (ctx.Shown()) ReportRadius(ctx, "Isodynamischer Kreisradius", radius);
    }

    // 10. Bevan point, also listed as the Hadamard point, from the angles of the base measures.
    const double ca = std::cos(m.Alpha), cb = std::cos(m.Beta), cc = std::cos(m.Gamma);
    SlotFromTrilinear(ctx, kSlotBevan, cb + cc - ca - 1, cc + ca - cb - 1, ca + cb - cc - 1);
    OutputPoint(ctx, kBevanPunkt, kSlotBevan, "Bevan-Punkt");
    OutputPoint(ctx, kHadamardPunkt, kSlotBevan, "Hadamard-Punkt", "Ha");
    if (ctx.On(kAnkreisHadamardLinie)) {
        canvas.SetPenColor(kLime);
        for (int excentre : {kSlotExcentreA, kSlotExcentreB, kSlotExcentreC})
            DrawSlotSegment(ctx, excentre, kSlotBevan, "Ankreismittelpunkt-Hadamard-Linie");
    }

    // 11.-12.
    ExcentralAndVilliersCircles(ctx);

    // 13. Second isogonic centre and second Napoleon point.
    if (std::cos(alpha + k30) != 0 && std::cos(beta + k30) != 0 && std::cos(gamma + k30) != 0) {
        SlotFromTrilinear(ctx, kSlotSecondIsogonic, 1 / std::cos(alpha + k30), 1 / std::cos(beta + k30),
                          1 / std::cos(gamma + k30));
        OutputPoint(ctx, kIsogonischesZentrum2, kSlotSecondIsogonic, "2.isogonisches Zentrum");
    }
    if (std::cos(alpha + k60) != 0 && std::cos(beta + k60) != 0 && std::cos(gamma + k60) != 0) {
        SlotFromTrilinear(ctx, kSlotSecondNapoleon, 1 / std::cos(alpha + k60), 1 / std::cos(beta + k60),
                          1 / std::cos(gamma + k60));
        OutputPoint(ctx, kNapoleonPunkt2, kSlotSecondNapoleon, "2.Napoleon-Punkt", "n");
    }

    // 14. Clawson point, with the segments from the vertices of the outer tangents triangle.
    if (std::cos(alpha) * std::cos(beta) * std::cos(gamma) != 0) {
        SlotFromTrilinear(ctx, kSlotClawson, std::tan(alpha), std::tan(beta), std::tan(gamma));
        if (ctx.On(kClawsonStrecken)) {
            for (int t : {kSlotTangentTriangle1, kSlotTangentTriangle2, kSlotTangentTriangle3})
                DrawSegment(ctx, t, kSlotClawson);
            if (ctx.Shown())
                for (int t : {kSlotTangentTriangle1, kSlotTangentTriangle2, kSlotTangentTriangle3})
                    ReportSlotDistance(ctx, t, kSlotClawson, "Strecke Clawson-Punkt-AT-Punkt");
        }
        OutputPoint(ctx, kClawsonPunkt, kSlotClawson, "Clawson-Punkt", "Cl");
    }

    // 15. Third Brocard point and Kosnita point.
    SlotFromTrilinear(ctx, kSlotThirdBrocard, 1 / (a * a * a), 1 / (b * b * b), 1 / (c * c * c));
    OutputPoint(ctx, kBrocardPunkt3, kSlotThirdBrocard, "3.Brocard-Punkt");
    const double kb = std::cos(beta - gamma), kc = std::cos(gamma - alpha), ka = std::cos(alpha - beta);
    if (kb * kc * ka != 0) {
        SlotFromTrilinear(ctx, kSlotKosnita, 1 / kb, 1 / kc, 1 / ka);
        OutputPoint(ctx, kKosnitaPunkt, kSlotKosnita, "Kosnita-Punkt", "Ko");
    }
}

// Step 16: the Tarry point, the lines to it from the vertices and the Neuberg centres, and the
// Steiner-Tarry line.
void TarryPoint(PaintContext& ctx, double a, double b, double c) {
    PointTable& pt = ctx.pt;
    const double a2 = a * a, b2 = b * b, c2 = c * c;
    const double dA = b2 * b2 + c2 * c2 - a2 * b2 - a2 * c2;
    const double dB = c2 * c2 + a2 * a2 - a2 * b2 - b2 * c2;
    const double dC = a2 * a2 + b2 * b2 - a2 * c2 - b2 * c2;
    if (dA == 0 || dB == 0 || dC == 0) return;
    SlotFromTrilinear(ctx, kSlotTarry, b * c / dA, c * a / dB, a * b / dC);
    ctx.canvas.SetPenColor(kMagenta);
    if (ctx.On(kTarryLinien) && Present(pt, kSlotTarry)) {
        // Of the vertex, its Neuberg centre and the Tarry point, the two farthest apart are joined.
        for (int n = 0; n < 3; ++n) {
            const int v = kSlotA + n, neuberg = kSlotNeubergFirst + n;
            if (!Present(pt, neuberg)) continue;
            switch (LongestSideIndex(pt, v, neuberg, kSlotTarry)) {
            case 1:
                DrawSegment(ctx, v, neuberg);
                break;
            case 2:
                DrawSegment(ctx, v, kSlotTarry);
                break;
            default:
                DrawSegment(ctx, neuberg, kSlotTarry);
                break;
            }
        }
    }
    OutputPoint(ctx, kTarryPunkt, kSlotTarry, "Tarry-Punkt", "T");
    if (ctx.On(kSteinerTarryLinie))
        DrawSlotSegment(ctx, kSlotSteinerPoint, kSlotTarry, "Steiner-Tarry-Linie");
}

} // namespace

void IsodynamicFamily(PaintContext& ctx) {
    const PointTable& pt = ctx.pt;
    const double a = SlotDistanceWorld(pt, kSlotB, kSlotC), b = SlotDistanceWorld(pt, kSlotC, kSlotA),
                 c = SlotDistanceWorld(pt, kSlotA, kSlotB);
    if (a * b * c != 0) {
        // This family's own angles: gamma and beta by the law of cosines, alpha as the rest.
        Angles own;
        own.gamma = AngleFromCosine((a * a + b * b - c * c) / (2 * a * b));
        own.beta = AngleFromCosine((a * a + c * c - b * b) / (2 * a * c));
        own.alpha = M_PI - own.beta - own.gamma;
        Centres(ctx, a, b, c, own);
    }
    TarryPoint(ctx, a, b, c);
}

} // namespace trimora
