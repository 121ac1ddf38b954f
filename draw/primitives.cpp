#include "draw/primitives.h"

#include "draw/paint_log.h"

#include "draw/point_table.h"
#include "draw/results.h"
#include "base/lines.h"

#include <array>
#include <cmath>
#include <string>

namespace trimora {

void MarkPoint(PaintContext& ctx, double x, double y) {
    ctx.canvas.Ellipse(RoundClamp(x - 4), RoundClamp(y - 4), RoundClamp(x + 5), RoundClamp(y + 5));
}

void MarkSlot(PaintContext& ctx, int slot) {
    if (!Present(ctx.pt, slot)) return;
    ctx.canvas.SetBrushColor(kYellow);
    const IntPoint s = ctx.pt.screen[slot];
    MarkPoint(ctx, s.x, s.y);
}

void MarkSlotLetter(PaintContext& ctx, int slot, std::string_view letter) {
    if (!Present(ctx.pt, slot)) return;
    MarkSlot(ctx, slot);
    ctx.canvas.SetBrushStyle(BrushStyle::Clear);
    const IntPoint s = ctx.pt.screen[slot];
    ctx.canvas.TextOut(RoundClamp(s.x + 4.0), RoundClamp(s.y + 4.0), letter);
}

void MarkSlotTwoLetters(PaintContext& ctx, int slot, std::string_view ch1, std::string_view ch2) {
    std::string label(ch1);
    label += ch2;
    MarkSlotLetter(ctx, slot, label);
}

void DrawCircle(PaintContext& ctx, double cx, double cy, double r) {
    ctx.canvas.SetBrushStyle(BrushStyle::Clear);
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) || IsAbsentPoint({cx, cy})) return;
    ctx.canvas.Ellipse(RoundClamp(cx - r), RoundClamp(cy - r), RoundClamp(cx + r + 1), RoundClamp(cy + r + 1));
    LogCircle(ctx, {cx, cy}, r);
}

void DrawSegmentXY(PaintContext& ctx, double x1, double y1, double x2, double y2) {
    ctx.canvas.MoveTo(RoundClamp(x1), RoundClamp(y1));
    ctx.canvas.LineTo(RoundClamp(x2), RoundClamp(y2));
}

void DrawSegment(PaintContext& ctx, int i, int j) {
    if (!Present(ctx.pt, i) || !Present(ctx.pt, j)) return;
    const IntPoint a = ctx.pt.screen[i], b = ctx.pt.screen[j];
    DrawSegmentXY(ctx, a.x, a.y, b.x, b.y);
}

void DrawSegmentPrecise(PaintContext& ctx, RealPoint p1, RealPoint p2) {
    if (IsAbsentPoint(p1) || IsAbsentPoint(p2)) return;
    DrawSegmentXY(ctx, p1.x, p1.y, p2.x, p2.y);
}

void DrawMedianFrom(PaintContext& ctx, int i, int j, int k) {
    if (!Present(ctx.pt, i) || !Present(ctx.pt, j) || !Present(ctx.pt, k)) return;
    const IntPoint a = ctx.pt.screen[i], b = ctx.pt.screen[j], c = ctx.pt.screen[k];
    const double mx = (static_cast<double>(b.x) + c.x) / 2, my = (static_cast<double>(b.y) + c.y) / 2;
    DrawSegmentXY(ctx, a.x, a.y, RoundClamp(mx), RoundClamp(my));
}

void ArrowLine(PaintContext& ctx, int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) return;
    DrawSegmentXY(ctx, x1, y1, x2, y2);
    double theta;
    if (x1 == x2)
        theta = y2 < y1 ? -M_PI / 2 : M_PI / 2;
    else
        theta = M_PI - std::atan(static_cast<double>(y2 - y1) / (x2 - x1));
    constexpr double kHalfOpening = 0.264346095279206;
    for (double angle : {theta - kHalfOpening, theta + kHalfOpening}) {
        int dx = RoundClamp(14 * std::cos(angle)), dy = RoundClamp(14 * std::sin(angle));
        if (x2 < x1) dx = -dx, dy = -dy;
        DrawSegmentXY(ctx, x2, y2, x2 + dx, y2 - dy);
    }
}

void DrawLineAcross(PaintContext& ctx, double x1, double y1, double x2, double y2) {
    const double W = ctx.width, H = ctx.height;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    if (IsAbsentPoint({x1, y1}) || IsAbsentPoint({x2, y2})) return;
    if (x1 != x2 && y1 != y2) {
        const double m = (y2 - y1) / (x2 - x1);
        std::array<RealPoint, 2> ends{RealPoint{0, -1}, RealPoint{W, -1}};
        int found = 0;
        auto keep = [&](double x, double y) {
            if (found < 2) ends[static_cast<std::size_t>(found++)] = {x, y};
        };
        const double y0 = y1 - x1 * m;
        if (y0 >= 0 && y0 <= H) keep(0, y0);
        const double yW = y1 + m * (W - x1);
        if (yW >= 0 && yW <= H) keep(W, yW);
        const double xTop = x1 - y1 / m;
        if (xTop >= 0 && xTop <= W) keep(xTop, 0);
        const double xBottom = x1 + (H - y1) / m;
        if (xBottom >= 0 && xBottom <= W) keep(xBottom, H);
        DrawSegmentXY(ctx, ends[0].x, ends[0].y, ends[1].x, ends[1].y);
    } else if (y1 != y2) {
        DrawSegmentXY(ctx, x2, 0, x2, H);
    } else {
        DrawSegmentXY(ctx, 0, y2, W, y2);
    }
}

void DrawLineReported(PaintContext& ctx, std::string_view label, RealPoint p1, RealPoint p2) {
    if (IsAbsentPoint(p1) || IsAbsentPoint(p2)) {
        if (ctx.Shown()) NoteLabel(ctx, label);
        return;
    }
    DrawLineAcross(ctx, p1.x, p1.y, p2.x, p2.y);
    if (ctx.Shown()) ReportLine(ctx, label, p1, p2);
}

void DrawSlotLine(PaintContext& ctx, int i, int j, std::string_view label) {
    if (!Present(ctx.pt, i) || !Present(ctx.pt, j)) {
        if (ctx.Shown()) NoteLabel(ctx, label);
        return;
    }
    // Drawn through the screen points, listed through the points as the results list them.
    const RealPoint p1 = ScreenAsReal(ctx.pt, i), p2 = ScreenAsReal(ctx.pt, j);
    DrawLineAcross(ctx, p1.x, p1.y, p2.x, p2.y);
    if (ctx.Shown()) ReportSlotLine(ctx, i, j, label);
}

void DrawSlotSegment(PaintContext& ctx, int i, int j, std::string_view label) {
    if (!Present(ctx.pt, i) || !Present(ctx.pt, j)) {
        if (ctx.Shown()) NoteLabel(ctx, label);
        return;
    }
    DrawSegment(ctx, i, j);
    if (ctx.Shown()) ReportSlotLine(ctx, i, j, label);
}

void PedalFamily(PaintContext& ctx, int p, int q, std::string_view title) {
    if (!Present(ctx.pt, p)) return;
    const int qp = q, ql = q + 1, qt = q + 2;
    constexpr int kTriangleSlots[3] = {kSlotPedalTriangle, kSlotPedalTriangle + 1, kSlotPedalTriangle + 2};

    // 1. Feet on AB, AC and CB.
    // The feet, perpendiculars and lengths come from the point as the results list it, and from
    // where it really is when it lies beyond the drawing range and is held at the limit there.
    const RealPoint screen = ScreenAsReal(ctx.pt, p), precise = ctx.pt.precise[p];
    const bool held = std::fabs(screen.x - precise.x) > 1 || std::fabs(screen.y - precise.y) > 1;
    const RealPoint P = held ? precise : ListedPoint(ctx.pt, p);
    const RealPoint A = ScreenAsReal(ctx.pt, kSlotA), B = ScreenAsReal(ctx.pt, kSlotB),
                    C = ScreenAsReal(ctx.pt, kSlotC);
    const std::array<RealPoint, 3> feet{PerpendicularFoot(P, A, B).p, PerpendicularFoot(P, A, C).p,
                                        PerpendicularFoot(P, C, B).p};

    // 2.-3. Points.
    bool titled = false;
    if (ctx.Shown() && ctx.On(qp)) {
        AppendTitle(ctx, title);
        titled = true;
        for (const RealPoint& f : feet) ReportPoint(ctx, "… Lotfußpunkt", f);
        const RealPoint through[3] = {A, A, C}; // a vertex of each foot's side
        for (int n = 0; n < 3; ++n) LogFoot(ctx, feet[static_cast<std::size_t>(n)], P, through[n]);
    }
    ctx.canvas.SetPenColor(kBlack);
    if (ctx.On(qp)) {
        for (const RealPoint& f : feet) {
            PlaceSlot(ctx.pt, kSlotPedal, f);
            MarkSlot(ctx, kSlotPedal);
        }
    }

    // 4.-5. Perpendiculars.
    if (ctx.Shown() && ctx.On(ql)) {
        if (!titled) AppendTitle(ctx, title);
        for (const RealPoint& f : feet) {
            ReportLine(ctx, "… Lotgerade", P, f);
            ReportDistance(ctx, "… Lotlänge", P, f);
        }
    }
    ctx.canvas.SetPenColor(kLime);
    if (ctx.On(ql)) {
        for (const RealPoint& f : feet) {
            PlaceSlot(ctx.pt, kSlotPedal, f);
            DrawSegment(ctx, p, kSlotPedal);
        }
    }

    // 6.-7. Pedal triangle.
    if (ctx.Shown() && ctx.On(qt)) {
        for (int n = 0; n < 3; ++n)
            PlaceSlot(ctx.pt, kTriangleSlots[n], feet[static_cast<std::size_t>(n)]);
        ReportTriangle(ctx, kTriangleSlots[0], kTriangleSlots[1], kTriangleSlots[2], title, "-Lot");
    }
    ctx.canvas.SetPenColor(kGrey);
    if (ctx.On(qt)) {
        DrawSegmentPrecise(ctx, feet[0], feet[1]);
        DrawSegmentPrecise(ctx, feet[1], feet[2]);
        DrawSegmentPrecise(ctx, feet[2], feet[0]);
    }
}

CircleResult NeubergCircle(bool sameSide, double omega, RealPoint v, RealPoint p0, RealPoint p2) {
    CircleResult out;
    const double d = std::hypot(p2.x - p0.x, p2.y - p0.y);
    const double t = std::tan(omega);
    if (t == 0) {
        // No such circle: the centre is absent and the radius is not finite, so that callers
        // neither draw nor report it.
        out.centre = {kAbsent, kAbsent};
        out.radius = HUGE_VAL;
        return out;
    }
    const double cotOmega = 1 / t;
    out.radius = d / 2 * std::sqrt(std::fabs(cotOmega * cotOmega - 3));

    // Move P0 to the origin and turn P0P2 onto the x axis.
    const double phi = std::atan2(p2.y - p0.y, p2.x - p0.x);
    const double cs = std::cos(-phi), sn = std::sin(-phi);
    auto turn = [&](RealPoint p) {
        const double x = p.x - p0.x, y = p.y - p0.y;
        return RealPoint{x * cs - y * sn, x * sn + y * cs};
    };
    const RealPoint vv = turn(v);
    // "Above" the axis means a positive y in the turned frame; mirror so that V lies there.
    const bool flipY = vv.y < 0;
    double cx = d / 2, cy = (sameSide ? 1 : -1) * d / 2 * cotOmega;
    if (flipY) cy = -cy;
    const double cb = std::cos(phi), sb = std::sin(phi);
    out.centre = {cx * cb - cy * sb + p0.x, cx * sb + cy * cb + p0.y};
    return out;
}

} // namespace trimora
