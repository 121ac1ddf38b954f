#include "draw/loci.h"

#include "base/format.h"
#include "draw/paint_context.h"
#include "draw/point_table.h"
#include "draw/results.h"

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

constexpr double kDegreesPerRadian = 180 / M_PI;
constexpr int kLocusPenWidth = 3; // the elements draw 1 and 2 pixels wide

// Distinct on white and from the elements' own colours.
constexpr Color kLocusPalette[] = {Rgb(0xE6194B), Rgb(0x1F78B4), Rgb(0x33A02C), Rgb(0xFF7F00),
                                   Rgb(0x6A3D9A), Rgb(0x00A0A0), Rgb(0xB15928), Rgb(0xF032E6)};

// World units at 100 pixels per unit, y upwards, as every result line measures.
RealPoint World(RealPoint fromOrigin) {
    return {fromOrigin.x / 100, -fromOrigin.y / 100};
}

void AppendPoint(std::string& out, RealPoint fromOrigin) {
    const RealPoint w = World(fromOrigin);
    out += "( ";
    out += FormatReal(w.x, 3);
    out += " | ";
    out += FormatReal(w.y, 3);
    out += " )";
}

// The equation of the line through p in direction d: "Y = 0,5 X +1" or "X = 2".
std::string Equation(RealPoint p, RealPoint d) {
    std::string text = LineEquationText(World(p), World({p.x + 100 * d.x, p.y + 100 * d.y}));
    return text.substr(0, text.find(" ; "));
}

RealPoint Turned(RealPoint d, double angle) {
    return {d.x * std::cos(angle) - d.y * std::sin(angle), d.x * std::sin(angle) + d.y * std::cos(angle)};
}

} // namespace

LociStamp LociStampOf(const Document& doc, int width, int height) {
    LociStamp s;
    const int ox = width / 2 + doc.view.panX, oy = height / 2 + doc.view.panY;
    for (int v = 0; v < 3; ++v) {
        const IntPoint p = doc.points.screen[kSlotA + v];
        s.vertices[static_cast<std::size_t>(v)] = {p.x - ox, p.y - oy};
    }
    s.fields = doc.fields;
    s.stretch = doc.view.stretchFactor;
    s.checked = doc.checked;
    return s;
}

bool LociBelong(const LociStamp& traced, const LociStamp& now) {
    return traced.checked == now.checked && traced.fields == now.fields &&
           (traced.stretch != now.stretch || traced.vertices == now.vertices);
}

Pen LocusPen(std::size_t n) {
    return Pen{kLocusPalette[n % std::size(kLocusPalette)], kLocusPenWidth, PenStyle::Solid};
}

namespace {

// The loci of the document when they belong to it, and how much the view was stretched since.
const Loci* LociOf(const PaintContext& ctx, double& grown) {
    const Loci* loci = ctx.doc.loci.get();
    if (!loci || loci->Empty() || !LociBelong(loci->stamp, LociStampOf(ctx.doc, ctx.width, ctx.height)))
        return nullptr;
    grown = loci->stamp.stretch > 0 ? ctx.doc.view.stretchFactor / loci->stamp.stretch : 1;
    return std::isfinite(grown) && grown > 0 ? loci : nullptr;
}

LocusShape Grown(LocusShape s, double factor) {
    s.centre = {s.centre.x * factor, s.centre.y * factor};
    s.a *= factor;
    s.b *= factor;
    return s;
}

} // namespace

void PaintLoci(PaintContext& ctx) {
    double grown = 1;
    const Loci* loci = LociOf(ctx, grown);
    if (!loci) return;
    Canvas& c = ctx.canvas;
    const Pen kept = c.CurrentPen();
    std::vector<RealPoint> points;
    for (std::size_t n = 0; n < loci->curves.size(); ++n) {
        c.SetPen(LocusPen(n));
        for (const std::vector<RealPoint>& piece : loci->curves[n].pieces) {
            points.clear();
            for (const RealPoint& p : piece)
                points.push_back({p.x * grown + ctx.originX, p.y * grown + ctx.originY});
            c.Polyline(points);
        }
    }
    c.SetPen(kept);
}

std::string VertexPathText(int vertex, VertexPath path) {
    std::string text(1, static_cast<char>('A' + std::clamp(vertex, 0, 2)));
    switch (path) {
    case VertexPath::Horizontal:
        return text + " waagerecht";
    case VertexPath::Vertical:
        return text + " senkrecht";
    case VertexPath::AroundOrigin:
        return text + " um Ursprung";
    case VertexPath::Circumcircle:
        return text + " auf dem Umkreis";
    }
    return text;
}

std::string LocusShapeText(const LocusShape& s) {
    std::string text;
    switch (s.kind) {
    case LocusShape::Kind::None:
        return "keine Kurve zweiter Ordnung";
    case LocusShape::Kind::Point:
        text = "fester Punkt ";
        AppendPoint(text, s.centre);
        return text;
    case LocusShape::Kind::Line: {
        const std::string equation = LineEquationText(
            World(s.centre), World({s.centre.x + 100 * s.direction.x, s.centre.y + 100 * s.direction.y}));
        return "Gerade, " + equation;
    }
    case LocusShape::Kind::Circle:
        text = "Kreis, Mittelpunkt ";
        AppendPoint(text, s.centre);
        return text + ", Radius " + FormatReal(s.a / 100, 3);
    case LocusShape::Kind::Ellipse: {
        text = "Ellipse, Mittelpunkt ";
        AppendPoint(text, s.centre);
        // The major axis against the x axis, upwards positive, within (-90°, 90°].
        double angle = std::atan2(-s.direction.y, s.direction.x) * kDegreesPerRadian;
        if (angle <= -90) angle += 180;
        if (angle > 90) angle -= 180;
        return text + ", Halbachsen " + FormatReal(s.a / 100, 3) + " und " + FormatReal(s.b / 100, 3) +
               ", Winkel " + FormatReal(angle, 2) + "°";
    }
    case LocusShape::Kind::Parabola:
        text = "Parabel, Scheitel ";
        AppendPoint(text, s.centre);
        text += ", Brennpunkt ";
        AppendPoint(text, {s.centre.x + s.a * s.direction.x, s.centre.y + s.a * s.direction.y});
        return text + ", Achse " + Equation(s.centre, s.direction);
    case LocusShape::Kind::Hyperbola: {
        text = "Hyperbel, Mittelpunkt ";
        AppendPoint(text, s.centre);
        const double opening = std::atan2(s.b, s.a);
        return text + ", Halbachsen " + FormatReal(s.a / 100, 3) + " und " + FormatReal(s.b / 100, 3) +
               ", Asymptoten " + Equation(s.centre, Turned(s.direction, opening)) + " und " +
               Equation(s.centre, Turned(s.direction, -opening));
    }
    }
    return text;
}

void ReportLoci(PaintContext& ctx) {
    double grown = 1;
    const Loci* loci = ctx.Shown() ? LociOf(ctx, grown) : nullptr;
    if (!loci ||
        std::all_of(loci->curves.begin(), loci->curves.end(), [](const Locus& l) { return l.trail; }))
        return;
    AppendTitle(ctx, "Ortslinien");
    std::string lastPath;
    for (const Locus& locus : loci->curves) {
        if (locus.trail) continue;
        const std::string path = VertexPathText(locus.vertex, locus.path);
        if (path != lastPath) {
            ReportText(ctx, "Bahn", path);
            lastPath = path;
        }
        const std::string label = "Ortslinie von " + locus.name;
        const std::size_t pieces = locus.pieces.size();
        if (pieces == 0) {
            ReportText(ctx, label, "nirgends vorhanden");
        } else if (locus.shapes.size() == 1 && locus.shapes[0].piece < 0) {
            ReportText(ctx, label, LocusShapeText(Grown(locus.shapes[0], grown)));
        } else if (locus.shapes.empty()) {
            ReportText(ctx, label,
                       "keine Kurve zweiter Ordnung, " + std::to_string(pieces) +
                           (pieces == 1 ? " Stück" : " Stücke"));
        } else {
            for (const LocusShape& shape : locus.shapes)
                ReportText(ctx, label,
                           "Stück " + std::to_string(shape.piece + 1) + " von " + std::to_string(pieces) +
                               ": " + LocusShapeText(Grown(shape, grown)));
        }
    }
}

} // namespace trimora
