// The paths a vertex runs along: the animation's motions ("waagerecht", "senkrecht", "um
// Ursprung") and the circumcircle ("auf dem Umkreis"). The animation takes one step along them per
// tick; the loci sample their whole run.
#pragma once

#include "draw/document.h"

#include <vector>

namespace trimora {

enum class VertexPath { Horizontal = 0, Vertical = 1, AroundOrigin = 2, Circumcircle = 3 };

// The animation's turn: 0.01 radian per tick, clockwise on the screen.
inline constexpr double kAnimationTurn = 0.01;

// The centre of the turn about the origin: the real centre of the drawing area shifted by the pan
// (half a pixel off the integer drawing origin when a side is odd).
RealPoint TurnCentre(const ViewSettings& view, int width, int height);
// `p` turned by `angle` radians about `centre`; a positive angle turns clockwise on the screen.
RealPoint TurnedAbout(RealPoint p, RealPoint centre, double angle);

// The whole run of a vertex that starts at `start`, in pixels of the drawing area:
// - straight paths: across the drawing area as the animation runs, from 0 to a pixel past the far
//   edge (width + 1 or height + 1, and on to the start if it lies beyond), one position per pixel,
//   on the start's line;
// - "um Ursprung": a full turn about TurnCentre from the start, in the animation's sense;
// - "auf dem Umkreis": a full turn round the circle through `start` and the two other vertices
//   `other1`, `other2`, in the same sense; nothing when they lie on one line.
// A full turn has at least kLeastTurnSamples positions, more on a large circle (every two
// pixels), at most kMostTurnSamples; it does not repeat the start. Straight runs have at most
// kMostStraightSamples positions (on a huge area every few pixels).
inline constexpr int kLeastTurnSamples = 720;
inline constexpr int kMostTurnSamples = 2880;
inline constexpr int kMostStraightSamples = 8192;
std::vector<RealPoint> VertexRun(VertexPath path, RealPoint start, RealPoint other1, RealPoint other2,
                                 const ViewSettings& view, int width, int height);
// Whether the run comes back to its start (the turns).
inline bool RunIsClosed(VertexPath path) {
    return path == VertexPath::AroundOrigin || path == VertexPath::Circumcircle;
}

} // namespace trimora
