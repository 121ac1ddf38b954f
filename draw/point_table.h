// The point table and the pixel/world mapping: clamped rounding, slot synchronisation, trilinear
// coordinates, distances and the circle data of three points.
#pragma once

#include "draw/paint_context.h"

#include <optional>

namespace trimora {

// Nearest integer (ties to even), limited to +-100000; NaN gives -100000.
int RoundClamp(double v);

void SetPrecise(PointTable& pt, int slot, double x, double y);
inline void SetPrecise(PointTable& pt, int slot, RealPoint p) { SetPrecise(pt, slot, p.x, p.y); }

// Derives the screen point from the precise point. A coordinate beyond +-10000 sets only that
// screen coordinate to the bound and leaves the other stale; a non-finite precise point becomes
// the absent sentinel in both arrays.
void SyncSlot(PointTable& pt, int slot);

// SetPrecise + SyncSlot.
void PlaceSlot(PointTable& pt, int slot, RealPoint p);
void PlaceAbsent(PointTable& pt, int slot);

inline bool Present(const PointTable& pt, int slot) { return pt.screen[slot].x >= -99; }
inline RealPoint ScreenAsReal(const PointTable& pt, int slot) {
    return {static_cast<double>(pt.screen[slot].x), static_cast<double>(pt.screen[slot].y)};
}

// World point -> pixel of the drawing area (the vertex input), real halves of the area's size.
IntPoint WorldToScreen(double x, double y, double stretch, int width, int height, int panX, int panY);

RealPoint ScreenToWorld(const PaintContext& ctx, RealPoint pixel);

// The point whose signed distances from BC, CA, AB are in the ratio t1 : t2 : t3.
std::optional<RealPoint> TrilinearToPoint(double t1, double t2, double t3, RealPoint a, RealPoint b, RealPoint c);

// For the current vertices; on failure the drawing origin.
RealPoint PointFromTrilinear(const PaintContext& ctx, double t1, double t2, double t3);
void SlotFromTrilinear(PaintContext& ctx, int slot, double t1, double t2, double t3);

double SlotDistanceWorld(const PointTable& pt, int i, int j);
double SlotDistancePixels(const PointTable& pt, int i, int j);
double WorldDistance(RealPoint p1, RealPoint p2);

// 1, 2 or 3 for the longest of |ij|, |ik|, |jk|; ties fall to the later index.
int LongestSideIndex(const PointTable& pt, int i, int j, int k);

struct CircleDataResult {
    bool circumcentreValid = false;
    RealPoint circumcentre;
    double R = 0; // circumradius
    double r = 0; // inradius
    bool incentreValid = false;
    RealPoint incentre;
};
CircleDataResult CircleData(RealPoint p1, RealPoint p2, RealPoint p3);

} // namespace trimora
