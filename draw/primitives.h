// Drawing primitives over slots and pixel positions. Every coordinate passes through RoundClamp;
// the primitives keep the caller's pen, so a family's last pen carries over to the next step.
#pragma once

#include "draw/paint_context.h"

#include <string_view>

namespace trimora {

// Marks: discs 9 pixels across with the current pen as outline.
void MarkPoint(PaintContext& ctx, double x, double y);
void MarkSlot(PaintContext& ctx, int slot);                          // yellow disc
void MarkSlotLetter(PaintContext& ctx, int slot, std::string_view letter);  // disc and label at (+4, +4)
void MarkSlotTwoLetters(PaintContext& ctx, int slot, std::string_view ch1, std::string_view ch2);

// Circle outline; leaves the brush clear. Non-finite centre or radius: nothing is drawn.
void DrawCircle(PaintContext& ctx, double cx, double cy, double r);

void DrawSegmentXY(PaintContext& ctx, double x1, double y1, double x2, double y2);
void DrawSegment(PaintContext& ctx, int i, int j);
void DrawSegmentPrecise(PaintContext& ctx, RealPoint p1, RealPoint p2);
// From slot i to the midpoint of the screen points of slots j and k.
void DrawMedianFrom(PaintContext& ctx, int i, int j, int k);
// Segment with an arrowhead at its end (the coordinate axes).
void ArrowLine(PaintContext& ctx, int x1, int y1, int x2, int y2);

// The part of the infinite line through the two points inside the drawing area.
void DrawLineAcross(PaintContext& ctx, double x1, double y1, double x2, double y2);
void DrawLineReported(PaintContext& ctx, std::string_view label, RealPoint p1, RealPoint p2);
void DrawSlotLine(PaintContext& ctx, int i, int j, std::string_view label);
void DrawSlotSegment(PaintContext& ctx, int i, int j, std::string_view label);

// Pedal points (entry q), pedal lines (q + 1) and pedal triangle (q + 2) of the point in slot p.
void PedalFamily(PaintContext& ctx, int p, int q, std::string_view title);

struct CircleResult {
    RealPoint centre;
    double radius = 0;
};
// The Neuberg circle of side P0P2 for the angle omega, on V's side of P0P2 when sameSide.
CircleResult NeubergCircle(bool sameSide, double omega, RealPoint v, RealPoint p0, RealPoint p2);

} // namespace trimora
