// Loci ("Ortslinien") as the document carries them: the paths of marked points while one vertex
// ran along a path, with the curve each was recognised as. explore/loci.h traces and names them;
// here they are drawn under the elements and listed under "Ortslinien", on every canvas.
#pragma once

#include "draw/canvas.h"
#include "draw/document.h"
#include "draw/vertex_path.h"

#include <array>
#include <bitset>
#include <string>
#include <vector>

namespace trimora {

struct PaintContext;

// What a locus lies on. Pixels from the drawing origin (x right, y down), as the drawing area
// measures them at the time of the trace.
struct LocusShape {
    enum class Kind { None, Point, Line, Circle, Ellipse, Parabola, Hyperbola };
    Kind kind = Kind::None;
    int piece = -1;        // the piece it names; -1: the whole locus
    RealPoint centre{};    // point, circle, ellipse, hyperbola: the centre; line: a point of it;
                           // parabola: the vertex
    RealPoint direction{}; // unit: line; ellipse: major axis; hyperbola: real axis; parabola: axis
                           // from the vertex towards the focus
    double a = 0;          // circle: radius; ellipse, hyperbola: semi-axis along `direction`;
                           // parabola: distance from the vertex to the focus
    double b = 0;          // ellipse, hyperbola: the other semi-axis
    friend bool operator==(const LocusShape&, const LocusShape&) = default;
};

struct Locus {
    std::string name; // the traced point, as the results name it
    int vertex = 2;   // the moving vertex: 0 A, 1 B, 2 C
    VertexPath path = VertexPath::Horizontal;
    bool trail = false;                         // left by the animation ("Spur"): drawn, not listed
    std::vector<std::vector<RealPoint>> pieces; // pixels from the drawing origin
    std::vector<LocusShape> shapes;             // the whole locus, or one per piece; empty: no conic
};

// The triangle and entries the loci were traced for, and the view's stretch then: they are drawn
// only while the triangle and the entries stay. Vertices count from the drawing origin, so that a
// shift of the view keeps the loci; a zoom keeps them as long as the typed coordinates stay.
struct LociStamp {
    std::array<std::string, 6> fields;
    std::array<IntPoint, 3> vertices{};
    double stretch = 0;
    std::bitset<kEntryCount> checked;
    friend bool operator==(const LociStamp&, const LociStamp&) = default;
};

// Whether loci traced at `traced` belong to the document at `now`: the same entries and typed
// coordinates, and at the same stretch the same pixels.
bool LociBelong(const LociStamp& traced, const LociStamp& now);

struct Loci {
    LociStamp stamp;
    std::vector<Locus> curves;
    bool Empty() const { return curves.empty(); }
};

// The stamp of the document as it stands in a drawing area of width x height pixels.
LociStamp LociStampOf(const Document& doc, int width, int height);

// The pen of the n-th locus: a palette of distinct colours, three pixels wide.
Pen LocusPen(std::size_t n);

// Draws the loci of ctx.doc when they belong to its triangle, grown or shrunk with the stretch
// since they were traced; the pen is left as it was.
void PaintLoci(PaintContext& ctx);
// The title "Ortslinien" and a line per locus (or per recognised piece), when the results are shown.
void ReportLoci(PaintContext& ctx);

// "Kreis, Mittelpunkt ( 1,5 | -0,25 ), Radius 2" in world units at 100 pixels per unit.
std::string LocusShapeText(const LocusShape& shape);
// "C waagerecht", "A auf dem Umkreis".
std::string VertexPathText(int vertex, VertexPath path);

} // namespace trimora
