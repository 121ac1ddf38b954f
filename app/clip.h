// Clipping in reals before anything reaches the rasteriser: a segment or polygon hundreds of
// thousands of pixels long costs the rasteriser time in proportion to its length, even where
// nothing of it shows. What is cut off lies outside the given rectangle.
#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>

#include <optional>

namespace trimora {

// The part of the segment inside `rect` (Liang-Barsky), in the segment's direction; none when it
// misses the rectangle.
std::optional<QLineF> ClipSegment(const QLineF& segment, const QRectF& rect);

// The polygon cut to `rect` (Sutherland-Hodgman). Inside the rectangle it covers exactly what the
// polygon covers, under either fill rule; the new edges run along the rectangle's border.
QPolygonF ClipPolygon(const QPolygonF& polygon, const QRectF& rect);

} // namespace trimora
