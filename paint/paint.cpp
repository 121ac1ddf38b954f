#include "paint/paint.h"

#include "draw/loci.h"
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/paint_log.h"
#include "draw/results.h"
#include "elements/families.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace trimora {
namespace {

// Catalogue entries drawn by the paint routine itself.
constexpr int kPunktA = 0;                 // "Punkt A"
constexpr int kPunktB = 1;                 // "Punkt B"
constexpr int kPunktC = 2;                 // "Punkt C"
constexpr int kSeiteA = 3;                 // "Seite a"
constexpr int kSeiteB = 4;                 // "Seite b"
constexpr int kSeiteC = 5;                 // "Seite c"
constexpr int kDreieckAusfuellen = 6;      // "Dreieck ausfüllen"
constexpr int kDreiecksseiten = 7;         // "Dreiecksseiten"
constexpr int kSchwerpunkt = 13;           // "Schwerpunkt"
constexpr int kInkreismittelpunkt = 14;    // "Inkreismittelpunkt"
constexpr int kUmkreismittelpunkt = 15;    // "Umkreismittelpunkt"
constexpr int kSeitenmittelpunkte = 26;    // "Seitenmittelpunkte"
constexpr int kMittelparallelen = 27;      // "Mittelparallelen"
constexpr int kHoehenfusspunkte = 28;      // "Höhenfußpunkte"
constexpr int kNeunFeuerbachPunkte = 30;   // "9-Feuerbach-Punkte"
constexpr int kSchwerpunktLotpunkte = 95;  // "Schwerpunkt-Lotpunkte" (96, 97 follow)
constexpr int kEulerDreieck = 335;         // "Euler-Dreieck"
constexpr int kStreckenUSeitenmitten = 347; // "Strecken U-Seitenmitten"
constexpr int kMittelstreckeUMa = 354;     // "Mittelstrecke UMa"
constexpr int kMittelstreckeUMb = 355;     // "Mittelstrecke UMb"
constexpr int kMittelstreckeUMc = 356;     // "Mittelstrecke UMc"
constexpr int kRekursiveSoddyKreise = 493; // "Rekursive Soddy-Kreise"

constexpr int kSlotEuler1 = 222; // Euler triangle: midpoints of AH, BH, CH
constexpr int kSlotEuler2 = 223;
constexpr int kSlotEuler3 = 224;

constexpr Color kGridPen = kSilver;
constexpr Color kMmGridFine = Rgb(0xC0FFFF);
constexpr Color kMmGridCoarse = Rgb(0x80FFFF);

// Lines of the grid pattern at `spacing` pixels, starting at the drawing origin (the first line
// of each run is drawn before its bound is tested).
void GridLines(PaintContext& ctx, double spacing) {
    const double W = ctx.width, H = ctx.height;
    const double cx = ctx.width / 2 + ctx.doc.view.panX, cy = ctx.height / 2 + ctx.doc.view.panY;
    if (!(spacing > 0)) return;
    auto vertical = [&](double x) { DrawSegmentXY(ctx, RoundClamp(x), 1, RoundClamp(x), H); };
    auto horizontal = [&](double y) { DrawSegmentXY(ctx, 1, RoundClamp(y), W, RoundClamp(y)); };
    // Lines that lie beyond the area on the far side of a shifted origin are invisible: each run
    // starts at the last of them instead of walking through all of them.
    auto firstVisible = [&](double beyond, long first) {
        return std::max(first, static_cast<long>(std::floor(std::max(0.0, beyond) / spacing)));
    };
    for (long k = firstVisible(-cx, 0);; ++k) {
        vertical(cx + k * spacing);
        if (!(cx + (k + 1) * spacing <= W)) break;
    }
    for (long k = firstVisible(cx - W, 1);; ++k) {
        vertical(cx - k * spacing);
        if (!(cx - (k + 1) * spacing >= 0)) break;
    }
    for (long k = firstVisible(-cy, 0);; ++k) {
        horizontal(cy + k * spacing);
        if (!(cy + (k + 1) * spacing <= H)) break;
    }
    for (long k = firstVisible(cy - H, 1);; ++k) {
        horizontal(cy - k * spacing);
        if (!(cy - (k + 1) * spacing >= 0)) break;
    }
}

void Grid(PaintContext& ctx) {
    ctx.canvas.SetPenColor(kGridPen);
    ctx.canvas.SetPenStyle(PenStyle::Dot);
    GridLines(ctx, 50 * ctx.doc.view.stretchFactor);
    ctx.canvas.SetPenStyle(PenStyle::Solid);
    ctx.canvas.SetPenColor(kBlack);
}

void MillimetreGrid(PaintContext& ctx) {
    ctx.canvas.SetPenStyle(PenStyle::Solid);
    ctx.canvas.SetPenColor(kMmGridFine);
    GridLines(ctx, 10 * ctx.doc.view.stretchFactor);
    ctx.canvas.SetPenColor(kMmGridCoarse);
    GridLines(ctx, 50 * ctx.doc.view.stretchFactor);
    ctx.canvas.SetPenColor(kBlack);
}

void Axes(PaintContext& ctx) {
    Canvas& c = ctx.canvas;
    const int W = ctx.width, H = ctx.height, ox = ctx.originX, oy = ctx.originY;
    c.SetPenColor(kGrey);
    ArrowLine(ctx, 5, oy, W - 5, oy);
    ArrowLine(ctx, ox, H - 5, ox, 5);
    c.SetBrushStyle(BrushStyle::Clear);
    c.TextOut(W - 15, oy - 22, "x");
    c.TextOut(ox - 14, 8, "y");

    // Unit labels every 100 * stretch pixels; each run ends with the first label past the edge.
    // A label is written only where it fits wholly inside the picture, clear of the arrow heads
    // (14 pixels long) and of the "x" and "y" beside them.
    constexpr int kDigitWidth = 9, kLabelHeight = 16, kArrowClearance = 20;
    constexpr long kBelowY = 8 + kLabelHeight + 2; // the y-axis labels start below the "y"
    auto label = [&](long x, long y, long k, long top) {
        const std::string text = std::to_string(k);
        const long width = kDigitWidth * static_cast<long>(text.size());
        if (x >= 0 && x + width <= W - kArrowClearance && y >= top && y + kLabelHeight <= H)
            c.TextOut(static_cast<int>(x), static_cast<int>(y), text);
    };
    const int t = RoundClamp(ctx.doc.view.stretchFactor * 100);
    if (t > 0) {
        for (long k = 0;; ++k) {
            const long x = ox + 4 + k * t;
            label(x, oy + 2, k, 0);
            if (x > W || x < 0) break;
        }
        for (long k = 1;; ++k) {
            const long x = ox - 15 - k * t;
            label(x, oy + 2, -k, 0);
            if (x > W || x < 0) break;
        }
        for (long k = 1;; ++k) {
            const long y = oy - 6 - k * t;
            label(ox - 14, y, k, kBelowY);
            if (y < 0 || y > H) break;
        }
        for (long k = 1;; ++k) {
            const long y = oy - 6 + k * t;
            label(ox - 14, y, -k, kBelowY);
            if (y < 0 || y > H) break;
        }
    }
    c.SetPenColor(kBlack);
}

// The degenerate triangle: its three sides and the labelled vertices, nothing else.
void ReducedPicture(PaintContext& ctx) {
    ctx.doc.view.triangleDegenerate = true;
    DrawSegment(ctx, kSlotA, kSlotB);
    DrawSegment(ctx, kSlotA, kSlotC);
    DrawSegment(ctx, kSlotC, kSlotB);
    MarkSlotLetter(ctx, kSlotA, "A");
    MarkSlotLetter(ctx, kSlotB, "B");
    MarkSlotLetter(ctx, kSlotC, "C");
}

void AltitudeFeetAndNinePoints(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    constexpr int kFeet[3] = {kSlotFootB, kSlotFootA, kSlotFootC};
    if (ctx.On(kHoehenfusspunkte)) {
        for (int f : kFeet)
            if (Present(pt, f)) MarkSlot(ctx, f);
        if (ctx.Shown()) {
            constexpr const char* kFootLabels[3] = {"Höhenfußpunkt H(b) auf b", "Höhenfußpunkt H(a) auf a",
                                                    "Höhenfußpunkt H(c) auf c"};
            constexpr const char* kLengthLabels[3] = {"Länge der Höhe auf b", "Länge der Höhe auf a",
                                                      "Länge der Höhe auf c"};
            constexpr int kVertex[3] = {kSlotB, kSlotA, kSlotC};
            constexpr int kOnSide[3] = {kSlotA, kSlotB, kSlotA}; // a vertex of each foot's side
            for (int n = 0; n < 3; ++n) {
                if (!Present(pt, kFeet[n])) continue;
                ReportSlot(ctx, kFeet[n], kFootLabels[n]);
                LogFoot(ctx, pt.precise[kFeet[n]], pt.precise[kVertex[n]], pt.precise[kOnSide[n]]);
                ReportSlotDistance(ctx, kVertex[n], kFeet[n], kLengthLabels[n]);
            }
        }
    }

    const bool hPresent = Present(pt, kSlotOrthocentre);
    if (ctx.On(kNeunFeuerbachPunkte)) {
        for (int m : {kSlotMidAB, kSlotMidAC, kSlotMidBC}) MarkSlot(ctx, m);
        for (int f : kFeet)
            if (Present(pt, f)) MarkSlot(ctx, f);
        if (hPresent) {
            for (int v : {kSlotA, kSlotB, kSlotC}) {
                PlaceSlot(pt, kSlotHalfH, Midpoint(pt.precise[kSlotOrthocentre], ScreenAsReal(pt, v)));
                MarkSlot(ctx, kSlotHalfH);
            }
        }
        if (ctx.Shown()) {
            constexpr const char* kLabels[9] = {"1.Feuerbachpunkt", "2.Feuerbachpunkt", "3.Feuerbachpunkt",
                                                "4.Feuerbachpunkt", "5.Feuerbachpunkt", "6.Feuerbachpunkt",
                                                "7.Feuerbachpunkt", "8.Feuerbachpunkt", "9.Feuerbachpunkt"};
            constexpr int kFirstSix[6] = {kSlotMidAB, kSlotMidAC, kSlotMidBC, kSlotFootB, kSlotFootA, kSlotFootC};
            for (int n = 0; n < 6; ++n)
                ReportSlot(ctx, kFirstSix[n], kLabels[n]);
            // The midpoints of the vertices and H as they are, not halved whole pixels, whose
            // truncation would move them with the pan.
            int n = 6;
            for (int v : {kSlotA, kSlotB, kSlotC})
                ReportPoint(ctx, kLabels[n++], Midpoint(pt.precise[kSlotOrthocentre], ScreenAsReal(pt, v)));
        }
    }

    if (ctx.On(kEulerDreieck) && hPresent) {
        const int slots[3] = {kSlotEuler1, kSlotEuler2, kSlotEuler3};
        for (int n = 0; n < 3; ++n)
            PlaceSlot(pt, slots[n], Midpoint(ScreenAsReal(pt, kSlotA + n), pt.precise[kSlotOrthocentre]));
        ctx.canvas.SetPenColor(kOlive);
        DrawSegment(ctx, kSlotEuler1, kSlotEuler2);
        DrawSegment(ctx, kSlotEuler1, kSlotEuler3);
        DrawSegment(ctx, kSlotEuler3, kSlotEuler2);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotEuler1, kSlotEuler2, kSlotEuler3, "Euler");
    }
}

// A caller that needs only the points noted up to some stage (the loci) ends the repaint after it:
// what comes later cannot change them.
bool Beyond(const PaintContext& ctx) { return ctx.log && ctx.stage > ctx.log->lastStage; }

// One family as a stage of its own.
void Run(PaintContext& ctx, void (*family)(PaintContext&)) {
    ++ctx.stage;
    if (!Beyond(ctx)) family(ctx);
}

void RecursiveSoddyIfOn(PaintContext& ctx) {
    if (ctx.On(kRekursiveSoddyKreise)) RecursiveSoddyCircles(ctx);
}

// The element families in their binding order. A family that is not built yet is absent.
void RunFamilies(PaintContext& ctx) {
    Run(ctx, SideSquaresFamily);   // side squares, Vecten point, Grebe triangle and circles
    Run(ctx, CircleRadii);         // circumcircle, incircle and their centres
    Run(ctx, OrthocentreFamily);   // orthocentre, altitude feet, nine-point circle
    Run(ctx, ExcircleFamily);      // excircles, Nagel point, Mittenpunkt
    Run(ctx, ContactFamily);       // contact triangle, Gergonne point, Soddy circles, Adams circle
    Run(ctx, RecursiveSoddyIfOn);
    Run(ctx, ExcircleApolloniusCircle); // excircle Apollonius circle and Apollonius point
    Run(ctx, CentroidCircles);     // centroid circles
    Run(ctx, CircumcirclePointCircles); // circles through two vertices and U, Kosnita segments
    Run(ctx, SymmedianFamily);     // symmedians, Lémoine point, first Lémoine circle, Grebe lines
    Run(ctx, NapoleonFermatFamily); // outer Napoleon triangles, Napoleon lines, Fermat point lines
    Run(ctx, InnerNapoleonFamily); // inner Napoleon triangles and lines
    Run(ctx, FuhrmannFamily);      // arc midpoints, Fuhrmann points, triangle and circle
    Run(ctx, TangentialTriangle);  // tangential triangle and Exeter point
    Run(ctx, SpiekerCircle);       // Spieker circle
    Run(ctx, NagelHalfTriangle);   // Nagel-point half triangle
    Run(ctx, TaylorCircles);       // Taylor feet and lines, Taylor and Tucker circles
    Run(ctx, AnticomplementaryTriangle); // anticomplementary triangle, its circumcircle and incircle
    Run(ctx, BrocardFamily);       // Brocard points and circle, Neuberg circles, tangential circles
    Run(ctx, MalfattiFamily);      // Malfatti circles, Ajima and Ajima-Malfatti points
    Run(ctx, SteinerEllipse);      // Steiner ellipse and Steiner point
    Run(ctx, SteinerInellipse);    // Steiner inellipse
    Run(ctx, IsodynamicFamily);    // isodynamic and Hofstadter points, Parry, Apollonius, Villiers circles
    Run(ctx, YffCentralFamily);    // Epstein and Yff central points, Kiepert parabola, Steiner data
    Run(ctx, YffTriangle);         // Yff triangle, Yff transversals and Yff point
    Run(ctx, MorleyFamily);        // Morley trisectors and Morley triangle
    Run(ctx, KiepertLucasFamily);  // Kiepert hyperbola, Lucas circles, hexyl triangle, Conway circle
    Run(ctx, VertexPairCircles);   // circles through two vertices and I, U or H; Fermat and Napoleon lines
    Run(ctx, SideDivisionFamily);  // side division points, Rosenbaum triangle (the last family)
}

void MainSequence(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& c = ctx.canvas;

    // 1.-2. Side midpoints and centroid.
    PlaceSlot(pt, kSlotMidAB, Midpoint(ScreenAsReal(pt, kSlotA), ScreenAsReal(pt, kSlotB)));
    PlaceSlot(pt, kSlotMidAC, Midpoint(ScreenAsReal(pt, kSlotA), ScreenAsReal(pt, kSlotC)));
    PlaceSlot(pt, kSlotMidBC, Midpoint(ScreenAsReal(pt, kSlotB), ScreenAsReal(pt, kSlotC)));
    const RealPoint a = pt.precise[kSlotA], b = pt.precise[kSlotB], cc = pt.precise[kSlotC];
    PlaceSlot(pt, kSlotCentroid, {(a.x + b.x + cc.x) / 3, (a.y + b.y + cc.y) / 3});

    // 3. The centroid triangles, under everything else.
    CentroidTriangles(ctx);

    // 4. Centroid: its line is written even while the results are hidden.
    c.SetPenColor(kBlack);
    if (ctx.On(kSchwerpunkt)) {
        MarkSlotLetter(ctx, kSlotCentroid, "S");
        ReportSlot(ctx, kSlotCentroid, "Schwerpunkt S");
    }
    // The pedal entries work alone like those of every other point; the pedal routine leaves its
    // pens behind, so it runs only when one of them (or the centroid) is on.
    if (ctx.On(kSchwerpunkt) || ctx.On(kSchwerpunktLotpunkte) || ctx.On(kSchwerpunktLotpunkte + 1) ||
        ctx.On(kSchwerpunktLotpunkte + 2))
        PedalFamily(ctx, kSlotCentroid, kSchwerpunktLotpunkte, "Schwerpunkt");

    // 5. The families.
    RunFamilies(ctx);
    ++ctx.stage;
    if (Beyond(ctx)) return;

    // 6.-8. Five-point conics, Jerabek hyperbola, Bézier parabolas.
    TriangleConics(ctx);

    // 9. Mid-parallels with whatever pen the families left.
    if (ctx.On(kMittelparallelen)) {
        DrawSegment(ctx, kSlotMidAB, kSlotMidAC);
        DrawSegment(ctx, kSlotMidAB, kSlotMidBC);
        DrawSegment(ctx, kSlotMidBC, kSlotMidAC);
    }

    // 10. Sides.
    c.SetPenColor(kBlack);
    if (ctx.On(kDreiecksseiten)) c.SetPenWidth(2);
    if (ctx.On(kSeiteA)) DrawSegment(ctx, kSlotB, kSlotC);
    if (ctx.On(kSeiteB)) DrawSegment(ctx, kSlotA, kSlotC);
    if (ctx.On(kSeiteC)) DrawSegment(ctx, kSlotA, kSlotB);
    c.SetPenWidth(1);

    // 11. Side midpoints.
    if (ctx.On(kSeitenmittelpunkte)) {
        MarkSlot(ctx, kSlotMidAB);
        MarkSlot(ctx, kSlotMidAC);
        MarkSlot(ctx, kSlotMidBC);
        if (ctx.Shown()) {
            // Where the midpoint falls between pixels it is listed as it is, not rounded.
            ReportPoint(ctx, "Seitenmittelpunkt AB", ListedPoint(pt, kSlotMidAB));
            ReportPoint(ctx, "Seitenmittelpunkt AC", ListedPoint(pt, kSlotMidAC));
            ReportPoint(ctx, "Seitenmittelpunkt BC", ListedPoint(pt, kSlotMidBC));
        }
    }

    // 12. Segments from U to the side midpoints.
    const bool all = ctx.On(kStreckenUSeitenmitten);
    const struct {
        int entry, mid;
        const char* label;
    } uSegments[3] = {{kMittelstreckeUMc, kSlotMidAB, "Abstand U-Mc"},
                      {kMittelstreckeUMb, kSlotMidAC, "Abstand U-Mb"},
                      {kMittelstreckeUMa, kSlotMidBC, "Abstand U-Ma"}};
    for (const auto& s : uSegments) {
        if (!all && !ctx.On(s.entry)) continue;
        DrawSegment(ctx, kSlotCircumcentre, s.mid);
        if (ctx.Shown()) ReportSlotDistance(ctx, kSlotCircumcentre, s.mid, s.label);
    }

    // 13.-15. Altitude feet, the nine Feuerbach points, the Euler triangle.
    AltitudeFeetAndNinePoints(ctx);

    // 16. Centres and vertices on top of everything.
    if (ctx.On(kInkreismittelpunkt)) {
        MarkSlotLetter(ctx, kSlotIncentre, "I");
        LogMarkedPoint(ctx, kSlotIncentre, "Inkreismittelpunkt");
    }
    if (ctx.On(kUmkreismittelpunkt)) {
        MarkSlotLetter(ctx, kSlotCircumcentre, "U");
        LogMarkedPoint(ctx, kSlotCircumcentre, "Umkreismittelpunkt");
    }
    if (ctx.On(kPunktA)) MarkSlotLetter(ctx, kSlotA, "A");
    if (ctx.On(kPunktB)) MarkSlotLetter(ctx, kSlotB, "B");
    if (ctx.On(kPunktC)) MarkSlotLetter(ctx, kSlotC, "C");

    // What the traced loci were recognised as, after everything else.
    ReportLoci(ctx);
}

} // namespace

void PaintDocument(Document& doc, Canvas& canvas, bool resultsShown, PaintLog* log) {
    PaintContext ctx(doc, canvas, resultsShown);
    ctx.log = log;

    // 1. Origin and captured switches.
    ctx.originX = ctx.width / 2 + doc.view.panX;
    ctx.originY = ctx.height / 2 + doc.view.panY;
    doc.originX = ctx.originX;
    doc.originY = ctx.originY;
    ctx.showTrilinear = doc.view.showTrilinear;
    ctx.showEtc = doc.view.showEtc;

    // 2.-3.
    doc.results.Clear();
    doc.etcCentres.clear();
    canvas.SetFont("Verdana", 9);

    // 4. Background layers.
    if (doc.view.showGrid) Grid(ctx);
    if (doc.view.showMmGrid) MillimetreGrid(ctx);
    if (doc.view.showAxes) Axes(ctx);
    canvas.EndOfBackground();

    // 5. The vertices' precise points are the whole pixels they were placed at (beyond the
    // drawing's limit too), or their screen points; every other slot starts absent.
    ClearComputedSlots(doc.points);
    KeepVertexPrecise(doc.points);

    // 6. Fill.
    if (doc.IsOn(kDreieckAusfuellen)) {
        canvas.SetBrushColor(kLightGrey);
        const IntPoint triangle[3] = {doc.points.screen[kSlotA], doc.points.screen[kSlotB], doc.points.screen[kSlotC]};
        canvas.Polygon(triangle);
        canvas.SetBrushColor(kWhite);
    }
    // The traced loci under every element.
    PaintLoci(ctx);

    // 7.-8.
    if (BaseMeasures(ctx))
        MainSequence(ctx);
    else
        ReducedPicture(ctx);
}

} // namespace trimora
