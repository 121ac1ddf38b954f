#include "draw/results.h"

#include "draw/etc_centres.h"
#include "draw/point_table.h"
#include "draw/paint_log.h"
#include "base/format.h"
#include "base/numeric.h"

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

// Starts a line "label<TAB>" and remembers the label; an empty label repeats the last one.
std::string& StartLine(PaintContext& ctx, std::string_view label) {
    NoteLabel(ctx, label);
    std::string& line = ctx.doc.results.Append();
    line += ctx.lastLabel;
    line += '\t';
    return line;
}

double Distance(RealPoint p, RealPoint q) {
    return std::sqrt(std::fabs((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y)));
}

// A signed distance rounded through its three-decimal text, as the trilinear part wants it.
double RoundedThrough3(double v) { return std::strtod(FormatRealDot(v, 3).c_str(), nullptr); }

void AppendTrilinear(PaintContext& ctx, std::string& line, RealPoint world) {
    const RealPoint a = ScreenToWorld(ctx, ScreenAsReal(ctx.pt, kSlotA));
    const RealPoint b = ScreenToWorld(ctx, ScreenAsReal(ctx.pt, kSlotB));
    const RealPoint c = ScreenToWorld(ctx, ScreenAsReal(ctx.pt, kSlotC));
    // Positive on the side of the opposite vertex; a side of zero length gives 0.
    const double da = RoundedThrough3(SignedLineDistance(world, a, b, c).value_or(0));
    const double db = RoundedThrough3(SignedLineDistance(world, b, c, a).value_or(0));
    const double dc = RoundedThrough3(SignedLineDistance(world, c, a, b).value_or(0));
    const double m = std::max({std::fabs(da), std::fabs(db), std::fabs(dc)});
    if (m == 0 || !std::isfinite(m)) return;
    line += " ; trilinear (";
    line += FormatReal(da / m, 3);
    line += " : ";
    line += FormatReal(db / m, 3);
    line += " : ";
    line += FormatReal(dc / m, 3);
    line += ')';
}

} // namespace

void NoteLabel(PaintContext& ctx, std::string_view label) {
    if (!label.empty()) ctx.lastLabel.assign(label);
}

void AppendTitle(PaintContext& ctx, std::string_view title) {
    ctx.doc.results.Append(title);
    ctx.lastTitle.assign(title);
}

void ReportPoint(PaintContext& ctx, std::string_view label, RealPoint p) {
    if (IsAbsentPoint(p)) return NoteLabel(ctx, label);
    LogReportedPoint(ctx, p);
    const RealPoint w = ScreenToWorld(ctx, p);
    std::string& line = StartLine(ctx, label);
    line += "( ";
    line += FormatReal(w.x, 3);
    line += " | ";
    line += FormatReal(w.y, 3);
    line += " )";
    if (ctx.showTrilinear) AppendTrilinear(ctx, line, w);
    NoteEtcCentre(ctx, line, p);
}

void ReportSlot(PaintContext& ctx, int slot, std::string_view label) {
    if (Present(ctx.pt, slot))
        ReportPoint(ctx, label, ctx.pt.precise[slot]);
    else
        NoteLabel(ctx, label);
}

void ReportDistance(PaintContext& ctx, std::string_view label, RealPoint p1, RealPoint p2) {
    if (IsAbsentPoint(p1) || IsAbsentPoint(p2)) return NoteLabel(ctx, label);
    const double d = Distance(ScreenToWorld(ctx, p1), ScreenToWorld(ctx, p2));
    StartLine(ctx, label) += FormatReal(d, 3);
}

void ReportSlotDistance(PaintContext& ctx, int i, int j, std::string_view label) {
    if (!Present(ctx.pt, i) || !Present(ctx.pt, j)) return NoteLabel(ctx, label);
    ReportDistance(ctx, label, ListedPoint(ctx.pt, i), ListedPoint(ctx.pt, j));
}

void ReportValue(PaintContext& ctx, std::string_view label, double v) { StartLine(ctx, label) += FormatReal(v, 3); }

void ReportText(PaintContext& ctx, std::string_view label, std::string_view text) { StartLine(ctx, label) += text; }

void ReportRadius(PaintContext& ctx, std::string_view label, double r) {
    StartLine(ctx, label) += FormatReal(r / 100, 3);
    std::string& area = ctx.doc.results.Append();
    area += kEllipsis;
    area += " Flächeninhalt\t";
    area += FormatReal(r * r * M_PI / 10000, 3);
}

void ReportCircle(PaintContext& ctx, int slot, std::string_view title, double r) {
    if (!Present(ctx.pt, slot)) return;
    AppendTitle(ctx, title);
    NameLastCircle(ctx, ctx.pt.precise[slot], title);
    ReportSlot(ctx, slot, "… Mittelpunkt");
    ReportRadius(ctx, "… Radius", r);
}

void AppendLineEquation(std::string& out, RealPoint w1, RealPoint w2) {
    // Upright or level within rounding, decided by the angle to the axis so that the length and
    // place of the segment do not matter: what constructed points leave of an upright line (1e-8
    // rad and less) gave slopes like 10^10, while the least angle that the listed degrees show is
    // 1.7e-4 rad. Two points closer than 1e-8 in x (or y) count as upright (level) too.
    constexpr double kAxisAngle = 1e-7;
    const double dx = std::fabs(w1.x - w2.x), dy = std::fabs(w1.y - w2.y);
    const bool upright = dx < 1e-8 || dx <= kAxisAngle * dy;
    const bool level = !upright && (dy < 1e-8 || dy <= kAxisAngle * dx);
    double angle;
    if (upright) {
        out += "X = ";
        out += FormatReal(w1.x, 3);
        angle = 90;
    } else if (!level) {
        const double m = (w2.y - w1.y) / (w2.x - w1.x);
        const double n = w1.y - m * w1.x;
        out += "Y = ";
        out += FormatReal(m, 3);
        out += " X ";
        out += FormatSigned(n, 3);
        angle = std::atan(m) * kDegreesPerRadian;
    } else {
        out += "Y = ";
        out += FormatReal(w1.y, 3);
        angle = 0;
    }
    out += " ; Anstiegswinkel ";
    out += FormatReal(angle, 2);
    out += "°";
}

std::string LineEquationText(RealPoint w1, RealPoint w2) {
    std::string text;
    AppendLineEquation(text, w1, w2);
    return text;
}

void ReportLine(PaintContext& ctx, std::string_view label, RealPoint p1, RealPoint p2) {
    if (IsAbsentPoint(p1) || IsAbsentPoint(p2)) return NoteLabel(ctx, label);
    const RealPoint w1 = ScreenToWorld(ctx, p1), w2 = ScreenToWorld(ctx, p2);
    // Two points that coincide within the rounding of AppendLineEquation span no line (a foot on the
    // point itself, a Taylor line from a right angle's vertex): nothing is listed.
    if (std::fabs(w1.x - w2.x) < 1e-8 && std::fabs(w1.y - w2.y) < 1e-8) {
        NoteLabel(ctx, label);
        return;
    }
    // A side of a derived triangle ("… Dreiecksseite", "") goes by its triangle, not by a name.
    if (!label.empty() && !label.starts_with(kEllipsis)) LogLine(ctx, label, p1, p2);
    AppendLineEquation(StartLine(ctx, label), w1, w2);
}

void ReportSlotLine(PaintContext& ctx, int i, int j, std::string_view label) {
    if (!Present(ctx.pt, i) || !Present(ctx.pt, j)) return NoteLabel(ctx, label);
    ReportLine(ctx, label, ListedPoint(ctx.pt, i), ListedPoint(ctx.pt, j));
}

void ReportTriangle(PaintContext& ctx, int i, int j, int k, std::string_view name,
                    std::string_view nameTail) {
    if (!Present(ctx.pt, i) || !Present(ctx.pt, j) || !Present(ctx.pt, k)) return;
    LogTriangle(ctx, i, j, k);
    // The title is written straight into the list's line, which keeps its memory between repaints.
    std::string& title = ctx.doc.results.Append();
    title += name;
    title += nameTail;
    title += "-Dreieck";
    ReportSlotLine(ctx, i, j, "… Dreiecksseite");
    ReportSlotLine(ctx, i, k, "");
    ReportSlotLine(ctx, j, k, "");
    ReportSlotDistance(ctx, i, j, "… Dreiecksseitenlänge");
    ReportSlotDistance(ctx, i, k, "");
    ReportSlotDistance(ctx, j, k, "");

    const RealPoint pi = ListedPoint(ctx.pt, i), pj = ListedPoint(ctx.pt, j), pk = ListedPoint(ctx.pt, k);
    const double u = WorldDistance(pj, pk), v = WorldDistance(pi, pk), w = WorldDistance(pi, pj);
    const double s = (u + v + w) / 2;
    ReportValue(ctx, "… Dreiecksumfang", 2 * s);
    ReportValue(ctx, "… Dreiecksflächeninhalt", std::sqrt(std::fabs(s * (s - u) * (s - v) * (s - w))));

    auto angle = [&](double opposite, double side1, double side2) {
        if (side1 * side2 == 0) return;
        double cosine = (opposite * opposite - side1 * side1 - side2 * side2) / (-2 * side1 * side2);
        // Three points on one line give 0° and 180°, however the rounding of their sides falls.
        if (std::fabs(cosine) > 1 && std::fabs(cosine) <= 1 + 1e-9) cosine = std::copysign(1.0, cosine);
        if (cosine < -1 || cosine > 1) return;
        ReportValue(ctx, "… Innenwinkel in °", std::acos(cosine) * kDegreesPerRadian);
    };
    angle(u, v, w);
    angle(v, u, w);
    angle(w, v, u);
}

} // namespace trimora
