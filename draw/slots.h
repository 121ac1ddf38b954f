// The slots of the point table that more than one routine writes or reads, grouped by the routine
// that writes them. A slot that one family alone uses is named in that family's file.
#pragma once

namespace trimora {

// Paint routine: the vertices (also the mouse and the vertex fields), the side midpoints and the
// centroid. Read by every family.
inline constexpr int kSlotA = 1;
inline constexpr int kSlotB = 2;
inline constexpr int kSlotC = 3;
inline constexpr int kSlotCentroid = 7; // S
inline constexpr int kSlotMidAB = 11;
inline constexpr int kSlotMidAC = 12;
inline constexpr int kSlotMidBC = 13;
inline constexpr int kSlotHalfH = 19; // scratch of the nine Feuerbach points: midpoint of H and a vertex

// Circumcircle family: read by nearly every later family and the five-point conics.
inline constexpr int kSlotIncentre = 4;     // I
inline constexpr int kSlotCircumcentre = 5; // U

// Orthocentre family: read by the contact, Napoleon and Brocard families, the main sequence
// (altitude feet, Feuerbach points, Euler triangle) and the five-point conics.
inline constexpr int kSlotOrthocentre = 6; // H
inline constexpr int kSlotNinePoint = 8;   // Feuerbach-Punkt; also the nine-point circle
inline constexpr int kSlotFootB = 16;      // foot of the altitude from B on b
inline constexpr int kSlotFootA = 17;      // foot of the altitude from A on a
inline constexpr int kSlotFootC = 18;      // foot of the altitude from C on c

// Excircle family: the Nagel point is read by the Spieker circle and the Nagel half triangle, the
// excentres by the excircle Apollonius circle, the Malfatti circles and the Stammler hyperbola.
inline constexpr int kSlotNagel = 23;
inline constexpr int kSlotExcentreA = 94; // Ia, opposite A
inline constexpr int kSlotExcentreB = 95; // Ib
inline constexpr int kSlotExcentreC = 96; // Ic

// Symmedian family: the Lémoine point K, read by the Brocard family and the Stammler hyperbola.
inline constexpr int kSlotLemoine = 59;

// Napoleon and Fermat family: read by the Fermat and Napoleon lines.
inline constexpr int kSlotFermat = 119;
inline constexpr int kSlotNapoleonCopy = 394; // the Napoleon point, kept for later families

// Side-squares family: the Grebe triangle, read by the Grebe lines of the symmedian family.
inline constexpr int kSlotGrebe1 = 250;
inline constexpr int kSlotGrebe2 = 251;
inline constexpr int kSlotGrebe3 = 252;

// Steiner ellipse family: the Steiner point, read by the Steiner lines; absent for an isosceles
// triangle.
inline constexpr int kSlotSteinerPoint = 151;

// Scratch slots that several routines overwrite in turn; nobody reads them across families.
// The control point of the Bézier circum-parabola being drawn by the conic steps; the circles
// through two vertices and a centre use it for their own centres.
inline constexpr int kSlotBezierControl = 388;
inline constexpr int kSlotPedal = 90; // the pedal family: the current pedal point
// The angle-bisector feet of the base measures (213-215); afterwards the orthocentre family keeps
// the Thébault centre in 213 and the Napoleon family the centres of the outer Napoleon circles in
// 214-216.
inline constexpr int kSlotBisectorFootA = 213; // on BC
inline constexpr int kSlotBisectorFootB = 214; // on CA
inline constexpr int kSlotBisectorFootC = 215; // on AB
// Ten slots 167-176 for a circle through six points: six points, the centre, a triangle. The contact
// family fills them with the Adams circle, the symmedian family then with the first Lémoine circle.
inline constexpr int kSlotSixPointCircle = 167;
// Three slots 220-222 for the triangle block of the pedal family. Before it, the centroid triangles
// keep the circumcentre being drawn in 220 and the Lamoen centre in 221.
inline constexpr int kSlotPedalTriangle = 220;
// The Kiepert focus gets only the screen point of 216; its precise point keeps the centre of the
// outer Napoleon circle on BC.
inline constexpr int kSlotKiepertFocus = kSlotBisectorFootC + 1;

} // namespace trimora
