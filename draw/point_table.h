// The point table and the pixel/world mapping: clamped rounding, slot synchronisation, trilinear
// coordinates, distances and the circle data of three points.
#pragma once

#include "draw/paint_context.h"
#include "base/lines.h"

#include <optional>

namespace trimora {

// The drawing's pixels reach +-kDrawingLimit; what lies beyond is drawn at the limit. What is
// measured is not clamped: a point beyond the limit measures from where it is (up to
// +-kMeasureLimit pixels, far beyond any sensible triangle).
inline constexpr int kDrawingLimit = 100000;
inline constexpr double kMeasureLimit = 1e12;

// Nearest integer, ties upwards, so that a whole-pixel pan moves every rounded point by exactly
// the pan (ties to even would send 0.5 and 1.5 two pixels apart); limited to +-100000, NaN gives
// -100000.
int RoundClamp(double v);
// The same rounding without the drawing's limit (held within +-kMeasureLimit).
double RoundWhole(double v);

void SetPrecise(PointTable& pt, int slot, double x, double y);
inline void SetPrecise(PointTable& pt, int slot, RealPoint p) { SetPrecise(pt, slot, p.x, p.y); }

// Derives the screen point from the precise point, each coordinate rounded and held within
// +-100000. A non-finite precise point becomes the absent sentinel in both arrays.
void SyncSlot(PointTable& pt, int slot);

// SetPrecise + SyncSlot.
void PlaceSlot(PointTable& pt, int slot, RealPoint p);
void PlaceAbsent(PointTable& pt, int slot);

// Absent means exactly the sentinel, in both arrays: a real point far left of the area (screen x
// below -99 after a pan) stays present.
inline bool IsAbsentPoint(RealPoint p) { return p.x == kAbsent && p.y == kAbsent; }
inline bool Present(const PointTable& pt, int slot) {
    const IntPoint s = pt.screen[slot];
    return !(s.x == static_cast<int>(kAbsent) && s.y == static_cast<int>(kAbsent) && IsAbsentPoint(pt.precise[slot]));
}
// Every slot but the vertices becomes absent: a slot that this repaint does not compute is absent
// for every element that reads it, never a value of an earlier repaint.
void ClearComputedSlots(PointTable& pt);
// The screen point of a slot clamped by the drawing, as a real: its precise point rounded without
// the limit (the screen point itself when it was not derived from the precise point).
RealPoint UnclampedScreen(const PointTable& pt, int slot);
// The screen point as a real, for measuring and constructing: rounded as drawn, but never
// clamped, so that what is listed does not depend on the drawing's limit.
inline RealPoint ScreenAsReal(const PointTable& pt, int slot) {
    const IntPoint s = pt.screen[slot];
    if (s.x > -kDrawingLimit && s.x < kDrawingLimit && s.y > -kDrawingLimit && s.y < kDrawingLimit)
        return {static_cast<double>(s.x), static_cast<double>(s.y)};
    return UnclampedScreen(pt, slot);
}
// The point a result line measures from: the precise point where the screen point was derived
// from it, so that a distance or a line agrees with the listed points; else the screen point (a
// slot that holds only a screen point, or a precise point kept for another purpose).
inline RealPoint ListedPoint(const PointTable& pt, int slot) {
    const RealPoint p = pt.precise[slot];
    const IntPoint s = pt.screen[slot];
    if (RoundClamp(p.x) == s.x && RoundClamp(p.y) == s.y) return p;
    return ScreenAsReal(pt, slot);
}
// The circle through the listed points of three present slots; none when these points lie on one
// line up to rounding noise.
std::optional<CircleFit> ListedCircle(const PointTable& pt, int i, int j, int k);

// World point -> pixel of the drawing area (the vertex input), a whole pixel however far off. The
// origin is the same whole pixel that the results measure from, so a vertex typed with two
// decimals is listed as typed.
RealPoint WorldToPixel(double x, double y, double stretch, int width, int height, int panX, int panY);
// ... clamped for drawing.
IntPoint WorldToScreen(double x, double y, double stretch, int width, int height, int panX, int panY);

// A vertex (slot 1 to 3) at a pixel position: the precise point keeps the whole pixel however far
// off it lies, the screen point is clamped for drawing. A vertex whose screen point is set
// directly (dragging) takes it as its precise point at the next repaint (KeepVertexPrecise).
void PlaceVertex(PointTable& pt, int slot, RealPoint pixel);
void KeepVertexPrecise(PointTable& pt);
// True when a vertex lies beyond the drawing's limit, where the picture cannot show it.
bool TriangleBeyondDrawing(const PointTable& pt);
inline constexpr const char* kBeyondDrawing = "Dreieck außerhalb der Zeichnung";

RealPoint ScreenToWorld(const PaintContext& ctx, RealPoint pixel);

// The point whose signed distances from BC, CA, AB are in the ratio t1 : t2 : t3.
std::optional<RealPoint> TrilinearToPoint(double t1, double t2, double t3, RealPoint a, RealPoint b, RealPoint c);

// For the current vertices; nothing when the construction fails (collinear vertices, a zero
// weighted sum).
std::optional<RealPoint> PointFromTrilinear(const PaintContext& ctx, double t1, double t2, double t3);
// The slot is absent when the construction fails.
void SlotFromTrilinear(PaintContext& ctx, int slot, double t1, double t2, double t3);

double SlotDistanceWorld(const PointTable& pt, int i, int j);
double SlotDistancePixels(const PointTable& pt, int i, int j);
double WorldDistance(RealPoint p1, RealPoint p2);

// 1, 2 or 3 for the longest of |ij|, |ik|, |jk|; ties fall to the later index.
int LongestSideIndex(const PointTable& pt, int i, int j, int k);

// True when the three points lie on one line up to rounding noise (scale-aware), or are not finite.
bool NearlyCollinear(RealPoint p1, RealPoint p2, RealPoint p3);

struct CircleDataResult {
    bool circumcentreValid = false;
    RealPoint circumcentre;
    double R = 0; // circumradius
    double r = 0; // inradius
    bool incentreValid = false;
    RealPoint incentre;
};
// Nothing is valid when one of the points is absent.
CircleDataResult CircleData(RealPoint p1, RealPoint p2, RealPoint p3);

} // namespace trimora
