// The working state of one repaint: the document, the canvas, the drawing origin, the switches
// captured at its start, the last result label and the base measures of the triangle.
#pragma once

#include "base/conic_equation.h"
#include "draw/canvas.h"
#include "draw/document.h"

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

// What the result lines of one repaint marked, for finding relations among the points: each
// point with the index of its line and the catalogue entry whose switch was tested last before
// it, and the vertices of each derived triangle whose block was written. A point that an entry
// marks without a line of its own carries the entry's name and the place in the list it would have.
struct ReportedPoint {
    std::size_t line;
    RealPoint p;           // pixels, as exact as the point table knows it
    int entry;             // -1: none tested yet
    std::string_view name; // empty: the label of its result line
    int stage = 0;         // of the repaint (PaintContext::stage)
};
// A point built as the foot of the perpendicular from `from` onto the line through `on` and the foot.
struct LoggedFoot {
    RealPoint foot, from, on;
};

// A conic that the repaint drew, with its equation in the precise pixels.
struct LoggedConic {
    int entry = -1;        // the catalogue entry that draws it
    int ordinal = 0;       // among that entry's conics: finds the same conic in another repaint
    std::string_view name; // a static text: "Kiepert-Hyperbel", "Kegelschnitt durch A, B, C, I, U"
    ConicEquation equation;
    // The points the element built it through (pixels): on it by construction. None for a conic
    // drawn from its own definition (a locus, focus and directrix).
    std::vector<RealPoint> through;
};

// A named line or a circle that the repaint drew and listed, in the precise pixels. `entry`,
// `name` and `ordinal` (among those of the same entry and name) find it in another repaint.
struct LoggedLine {
    int entry = -1;
    std::string name; // its result label: "Euler-Gerade", "Seitenhalbierende a"
    int ordinal = 0;
    RealPoint p1, p2; // the points it was built through
    int stage = 0;    // of the repaint: elements of one family are built together
};
struct LoggedCircle {
    int entry = -1;
    std::string name; // its block's title: "Parry-Kreis"
    int ordinal = 0;
    RealPoint centre;
    double radius = 0;
    int stage = 0;
    bool builtTouching = false; // built to touch the circles it lies between: its contacts say nothing
};

struct PaintLog {
    std::vector<ReportedPoint> points;
    std::vector<std::array<RealPoint, 3>> triangles;
    std::vector<LoggedConic> conics;
    std::vector<LoggedFoot> feet;
    std::vector<LoggedLine> lines;
    std::vector<LoggedCircle> circles;
    // A caller that needs only the points noted up to this stage ends the repaint after it.
    int lastStage = std::numeric_limits<int>::max();
};

// Written by the base measures and the circumcircle family, read by every later family.
struct BaseMeasureRecord {
    double SideA = 0, SideB = 0, SideC = 0; // pixels: |BC|, |CA|, |AB|
    double DotA = 0, DotB = 0, DotC = 0;    // b c cos A, a c cos B, a b cos C (pixels squared)
    double Alpha = 0, Beta = 0, Gamma = 0;  // radians
    double AreaWorld = 0;                   // square world units
    double AreaPixels = 0;                  // square pixels
    double BrocardAngle = 0;                // radians, 0 when not computable
    double Inradius = 0;                    // pixels
    double Circumradius = 0;                // pixels
    double PolarRadius = 0;                 // pixels
    double ExradiusA = 0, ExradiusB = 0, ExradiusC = 0; // world units, from the excircle family
};

struct PaintContext {
    PaintContext(Document& d, Canvas& c, bool shown)
        : doc(d), pt(d.points), canvas(c), width(c.Width()), height(c.Height()), resultsShown(shown) {}

    Document& doc;
    PointTable& pt;
    Canvas& canvas;
    int width;
    int height;
    int originX = 0;
    int originY = 0;
    bool showTrilinear = false;
    bool showEtc = false;
    bool resultsShown;
    std::string lastLabel;
    std::string lastTitle; // of the last block (AppendTitle), which tells circle centres apart
    BaseMeasureRecord base;
    PaintLog* log = nullptr;     // filled only when a caller asks for it
    // The part of the repaint under way: 0 the main sequence up to the families, then one per
    // family, then the rest of the main sequence.
    int stage = 0;
    mutable int lastEntryOn = -1; // the entry whose switch was last found on

    bool On(int entry) const {
        const bool on = doc.IsOn(entry);
        if (on) lastEntryOn = entry;
        return on;
    }
    // Result lines are written only while the results panel is visible.
    bool Shown() const { return resultsShown; }
};

} // namespace trimora
