// Entry points of the element families, each a function over the paint context. The paint routine
// calls them in one fixed order; later families read the slots that earlier ones wrote.
#pragma once

#include "draw/paint_context.h"

namespace trimora {

// Base measures: sides, angles, area, Brocard angle, medians, bisectors, altitudes and
// perpendicular bisectors. False when two vertices coincide.
bool BaseMeasures(PaintContext& ctx);

// Classic centres and circles.
void CircleRadii(PaintContext& ctx); // runs the circumcircle family when both radii exist
void CircumcircleFamily(PaintContext& ctx);
void NinePointCircle(PaintContext& ctx);
void CentroidCircles(PaintContext& ctx);
void CircumcirclePointCircles(PaintContext& ctx);
void NagelHalfTriangle(PaintContext& ctx); // with the Spieker circle
void SpiekerCircle(PaintContext& ctx);
// The circle through the screen points of three slots; its centre goes to `slot`. Returns the
// radius in pixels, or 0 when the points are collinear.
double CircleThroughSlots(PaintContext& ctx, int i, int j, int k, int slot);

void OrthocentreFamily(PaintContext& ctx);
// Excircles, excentral triangle, Nagel point and lines, outer tangents, Mittenpunkt; writes the
// exradii into the base-measure record.
void ExcircleFamily(PaintContext& ctx);

// Symmedians, Lémoine point K (slot 59), Grebe lines and the first Lémoine circle.
void SymmedianFamily(PaintContext& ctx);
// Tangential circles, Brocard points, circle and axis, inner Brocard triangle, Neuberg circles.
void BrocardFamily(PaintContext& ctx);

} // namespace trimora
