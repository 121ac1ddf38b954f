// Entry points of the element families, each a function over the paint context. The paint routine
// calls them in one fixed order; later families read the slots that earlier ones wrote.
#pragma once

#include "draw/paint_context.h"

#include <string_view>

namespace trimora {

// The six centroid triangles, their circumcircles and the Lamoen circle; runs right after the
// centroid, before every other family, so that its fills lie under everything.
void CentroidTriangles(PaintContext& ctx);
// Squares on the sides, Vecten point and triangle, Grebe points, triangle, lines and circles.
void SideSquaresFamily(PaintContext& ctx);

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
// Incircle contact points and triangle, Gergonne point and lines, Nobbs, Evans, Fletcher and
// Longchamp points, inner and outer Soddy circles with touch points and triangle, Adams circle.
void ContactFamily(PaintContext& ctx);
// Feet (slots t, t + 1, t + 2) and orthocentre (t + 3) of the triangle of the slots P, Q, R; entry k
// draws the altitudes labelled name + " Höhe", entry k + 1 marks and lists the four points.
void AltitudesOfSlotTriangle(PaintContext& ctx, int p, int q, int r, std::string_view name, int entry,
                             int firstSlot);
// The gasket of inner Soddy circles between the three touching circles about the vertices.
void RecursiveSoddyCircles(PaintContext& ctx);
// The circle touching and enclosing the three excircles, its touch points, the Apollonius point.
void ExcircleApolloniusCircle(PaintContext& ctx);

// Symmedians, Lémoine point K (slot 59), Grebe lines and the first Lémoine circle.
void SymmedianFamily(PaintContext& ctx);
// Outer equilateral triangles on the sides, Napoleon and Fermat points, Fermat triangle and lines.
void NapoleonFermatFamily(PaintContext& ctx);
// Inner equilateral triangles and the inner Napoleon triangle, from the outer part's slots.
void InnerNapoleonFamily(PaintContext& ctx);
// Circumcircle arc midpoints, Fuhrmann points, triangle and circle with their pedal elements.
void FuhrmannFamily(PaintContext& ctx);
// Tangential triangle with its midpoints and medians, Exeter point, the line through I and U.
void TangentialTriangle(PaintContext& ctx);
// Taylor feet, lines, circle and point; first, second and third Tucker circles and centres.
void TaylorCircles(PaintContext& ctx);
// The anticomplementary triangle with its lines, vertices, circumcircle and incircle, and the
// Carnot-Johnson segments from H.
void AnticomplementaryTriangle(PaintContext& ctx);
// Tangential circles, Brocard points, circle and axis, inner Brocard triangle, Neuberg circles.
void BrocardFamily(PaintContext& ctx);
// Malfatti circles with touch points, centres and triangle; Ajima and Ajima-Malfatti points.
void MalfattiFamily(PaintContext& ctx);
// Steiner circumellipse; the Steiner point (slot 151, absent for an isosceles triangle).
void SteinerEllipse(PaintContext& ctx);
void SteinerInellipse(PaintContext& ctx);
// Hofstadter, isodynamic, Bevan, Clawson, Kosnita and Tarry points; Parry, Apollonius, isodynamic,
// excentral and outer Villiers circles. Writes the second Napoleon point and the outer Fermat point.
void IsodynamicFamily(PaintContext& ctx);
// Epstein points, Yff central point and triangle, Parry, equal-perimeter, equal-detour and
// equal-parallels points, Kimberling centres X11, X12, X23, X37 and the first Griffiths point; it
// runs the Kiepert parabola and Steiner data in between.
void YffCentralFamily(PaintContext& ctx);
// Kiepert focus and parabola, focus-directrix parabolas, Steiner lines and triangle, foci, axes,
// vertices and measures of the Steiner ellipses.
void KiepertParabolaAndSteinerData(PaintContext& ctx);
// Yff side points, cevians, triangle and Yff point.
void YffTriangle(PaintContext& ctx);
// Morley trisectors, Morley points and the Morley triangle.
void MorleyFamily(PaintContext& ctx);
// Kiepert hyperbola, centre, asymptotes and perspectors; Lucas circles; An-In circles, hexyl
// triangle, Conway circle and the further elements of that procedure.
void KiepertLucasFamily(PaintContext& ctx);
// Circles through two vertices and I, U or H; the Fermat and Napoleon lines.
void VertexPairCircles(PaintContext& ctx);
// Division points into thirds and quarters with their cevians, and the Rosenbaum triangle.
void SideDivisionFamily(PaintContext& ctx);
// The conics drawn after all families: five-point conics, Jerabek hyperbola, Bézier parabolas.
void TriangleConics(PaintContext& ctx);

} // namespace trimora
