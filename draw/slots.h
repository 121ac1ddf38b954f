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

// Contact family: the incircle contact points on BC, CA, AB, read by the outer excentral triangle's
// contact segments and the side inversion circles of the Kiepert/Lucas family.
inline constexpr int kSlotContactA = 24;
inline constexpr int kSlotContactB = 25;
inline constexpr int kSlotContactC = 26;

// Excircle family: the Nagel point is read by the Spieker circle and the Nagel half triangle, the
// excentres by the excircle Apollonius circle, the Malfatti circles and the Stammler hyperbola.
inline constexpr int kSlotNagel = 23;
inline constexpr int kSlotExcentreA = 94; // Ia, opposite A
inline constexpr int kSlotExcentreB = 95; // Ib
inline constexpr int kSlotExcentreC = 96; // Ic
// The vertices of the outer tangents triangle, read by the Clawson segments of the isodynamic family.
inline constexpr int kSlotTangentTriangle1 = 203;
inline constexpr int kSlotTangentTriangle2 = 204;
inline constexpr int kSlotTangentTriangle3 = 205;

// Symmedian family: the Lémoine point K, read by the Brocard family and the Stammler hyperbola.
inline constexpr int kSlotLemoine = 59;

// Napoleon and Fermat family: read by the Fermat and Napoleon lines.
inline constexpr int kSlotFermat = 119;
inline constexpr int kSlotNapoleonCopy = 394; // the Napoleon point, kept for later families

// Brocard family: the midpoint of the Brocard points, read by the Moses circle; the Neuberg centres
// for A, B, C (161-163, then the inverse ones in 164-166), read by the Tarry lines.
inline constexpr int kSlotBrocardMid = 89;
inline constexpr int kSlotNeubergFirst = 161;

// Isodynamic family: the second Napoleon point and the outer Fermat point, read by the Fermat and
// Napoleon lines.
inline constexpr int kSlotSecondNapoleon = 194;
inline constexpr int kSlotOuterFermat = 289;

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
// The isodynamic family keeps the centres of the Apollonius circles of A, B, C in 217-219 for its
// Lémoine line; the Kiepert parabola family then writes its touch points there.
inline constexpr int kSlotApolloniusCentreA = 217;
// The Kimberling point X37 of the Epstein/Yff family, then the first point of the Brocard axis on
// the circumcircle (Kiepert/Lucas family).
inline constexpr int kSlotBrocardAxisPoint1 = 351;
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
