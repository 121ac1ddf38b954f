// The working state of one repaint: the document, the canvas, the drawing origin, the switches
// captured at its start, the last result label and the base measures of the triangle.
#pragma once

#include "draw/canvas.h"
#include "draw/document.h"

#include <string>

namespace trimora {

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

    bool On(int entry) const { return doc.IsOn(entry); }
    // Result lines are written only while the results panel is visible.
    bool Shown() const { return resultsShown; }
};

} // namespace trimora
