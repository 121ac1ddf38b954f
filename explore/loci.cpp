#include "explore/loci.h"

#include "base/codepage.h"
#include "base/format.h"
#include "draw/point_table.h"
#include "explore/locus_pieces.h"
#include "explore/locus_shape.h"
#include "explore/null_canvas.h"
#include "explore/relations.h"
#include "paint/paint.h"
#include "explore/two_jobs.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace trimora {
namespace {

// The run is repainted with the triangle moved to the drawing origin and stretched by a power of
// two until the run reaches kTraceSpan pixels from it: whole pixels stay whole, and the moving
// vertex, rounded to a pixel there, stands within a ten-billionth of the run's size of its path,
// as do the points that go through rounded pixels. Every construction commutes with the move and
// the stretch (the bounds that mean "far away" are measured against the triangle); the point table
// keeps precise points however far beyond the drawing's limit, up to kMeasureLimit, a little
// beyond kFarthestReach at this stretch.
constexpr double kTraceSpan = 0x1p32;
// Beyond this many times the run's reach from its centre a point counts as gone through infinity.
constexpr double kFarthestReach = 200;
// Samples lie on a recognised curve within this fraction of the larger of the longest side and the
// samples' spread: the precision of the samples themselves, not of the picture's pixels.
constexpr double kCurvePrecision = 4e-9;
// A sample names the curve only while the rounding of the moving vertex, times the sample's speed
// along the run and this margin (the vertex may be rounded across the run), stays within the
// tolerance: near a flat triangle a centre follows every rounding many times over.
constexpr double kErrorMargin = 4;
// Samples that stray from the parabola through their neighbours by more than this fraction of the
// longest side (the point races, or follows a rounding) name no curve.
constexpr double kRoughness = 2.5e-4;

double Length(RealPoint p) {
    return std::hypot(p.x, p.y);
}
RealPoint Minus(RealPoint a, RealPoint b) {
    return {a.x - b.x, a.y - b.y};
}

std::string_view LabelOf(const std::string& line) {
    return std::string_view(line).substr(0, line.find('\t'));
}

// The label a point's result line carries when its name is `name` and names a block's sub-label
// ("Schwerpunkt … Lotfußpunkt"): the sub-label, from the last "…" on.
std::string_view LineLabel(std::string_view name) {
    const auto ellipsis = name.rfind("\u2026");
    return ellipsis == std::string_view::npos ? name : name.substr(ellipsis);
}

// One repaint per position, on a copy of its own.
class Sampler {
  public:
    Sampler(const Document& doc, int width, int height, std::span<const TracePoint> points)
        : doc_(doc), canvas_(width, height), points_(points) {
        doc_.loci.reset();
        // The repaint ends once every point of the names asked for is noted.
        log_.lastStage = 0;
        for (const TracePoint& p : points) {
            labels_.push_back(LineLabel(p.baseName));
            log_.lastStage = std::max(log_.lastStage, p.stage);
        }
    }

    // Repaints with the given vertices (whole pixels, however far off) and notes where each point
    // is (pixels), if anywhere.
    bool Repaint(const std::array<RealPoint, 3>& vertices, std::span<std::optional<RealPoint>> out) {
        for (int v = 0; v < 3; ++v)
            PlaceVertex(doc_.points, kSlotA + v, vertices[static_cast<std::size_t>(v)]);
        log_.points.clear();
        log_.triangles.clear();
        PaintDocument(doc_, canvas_, true, &log_);
        std::fill(out.begin(), out.end(), std::nullopt);
        if (doc_.view.triangleDegenerate) return false;
        seen_.clear();
        for (const ReportedPoint& r : log_.points) {
            if (r.line >= doc_.results.Size() && r.name.empty()) continue;
            const std::string_view label = r.name.empty() ? LabelOf(doc_.results[r.line]) : r.name;
            for (std::size_t t = 0; t < points_.size(); ++t) {
                if ((label != labels_[t] && label != points_[t].baseName) ||
                    MarkedPointName(doc_.results, r) != points_[t].baseName)
                    continue;
                // Count each occurrence once, under the first point of that name.
                const int ordinal = seen_[points_[t].baseName]++;
                for (std::size_t u = t; u < points_.size(); ++u)
                    if (points_[u].baseName == points_[t].baseName && points_[u].ordinal == ordinal &&
                        std::isfinite(r.p.x) && std::isfinite(r.p.y) && !IsAbsentPoint(r.p))
                        out[u] = r.p;
                break;
            }
        }
        return true;
    }

  private:
    Document doc_;
    NullCanvas canvas_;
    PaintLog log_;
    std::span<const TracePoint> points_;
    std::vector<std::string_view> labels_;
    std::map<std::string, int> seen_;
};

int Orientation(const std::array<RealPoint, 3>& v) {
    const double cross = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[1].y - v[0].y) * (v[2].x - v[0].x);
    return (cross > 0) - (cross < 0);
}

double LongestSide(const std::array<RealPoint, 3>& v) {
    double longest = 0;
    for (std::size_t i = 0; i < 3; ++i)
        longest = std::max(longest, Length(Minus(v[i], v[(i + 1) % 3])));
    return longest;
}

} // namespace

std::vector<TracePoint> TracePoints(const Document& doc, int width, int height) {
    Document copy = doc;
    copy.loci.reset();
    NullCanvas canvas(width, height);
    PaintLog log;
    PaintDocument(copy, canvas, true, &log);
    std::vector<TracePoint> points;
    std::map<std::string, int> count, stage;
    for (const ReportedPoint& r : log.points) {
        if (r.line >= copy.results.Size() && r.name.empty()) continue;
        std::string name = MarkedPointName(copy.results, r);
        const int ordinal = count[name]++;
        stage[name] = std::max(stage[name], r.stage);
        if (!std::isfinite(r.p.x) || !std::isfinite(r.p.y) || IsAbsentPoint(r.p)) continue;
        points.push_back({name, name, ordinal, 0, r.p, !r.name.empty()});
    }
    for (TracePoint& p : points) {
        p.stage = stage[p.baseName];
        if (count[p.baseName] > 1) p.name += " (" + std::to_string(p.ordinal + 1) + ")";
    }
    return points;
}

int NearestTracePoint(std::span<const TracePoint> points, RealPoint at, double reach) {
    int best = -1;
    double nearest = reach;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double d = Length(Minus(points[i].p, at));
        if (d <= nearest) best = static_cast<int>(i), nearest = d;
    }
    return best;
}

int FindTracePoint(std::span<const TracePoint> points, std::string_view name) {
    for (std::size_t i = 0; i < points.size(); ++i)
        if (EqualsIgnoringCase(points[i].name, name)) return static_cast<int>(i);
    return -1;
}

std::optional<std::vector<Locus>> TraceLoci(const Document& doc, int width, int height,
                                            const LocusRequest& request, LocusProgress* progress) {
    const int moving = std::clamp(request.vertex, 0, 2);
    const auto at = [](int k) { return static_cast<std::size_t>(k); };
    std::array<RealPoint, 3> vertices;
    for (int v = 0; v < 3; ++v)
        vertices[at(v)] = ScreenAsReal(doc.points, kSlotA + v); // unclamped, however far off
    std::vector<RealPoint> run = VertexRun(request.path, vertices[at(moving)], vertices[at((moving + 1) % 3)],
                                           vertices[at((moving + 2) % 3)], doc.view, width, height);
    // From here on pixels from the drawing origin, as the loci keep them.
    const RealPoint origin{double(width / 2 + doc.view.panX), double(height / 2 + doc.view.panY)};
    for (RealPoint& p : vertices) p = Minus(p, origin);
    for (RealPoint& p : run) p = Minus(p, origin);
    const std::size_t n = request.points.empty() ? 0 : run.size();
    if (progress) progress->total = static_cast<int>(n);

    // 1. The move and the stretch: the centre of the run and the triangle to the drawing origin (a
    // whole pixel), then as large as kTraceSpan allows.
    RealPoint low = vertices[0], high = vertices[0];
    auto widen = [&](RealPoint p) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    };
    for (const RealPoint& p : run) widen(p);
    for (const RealPoint& p : vertices) widen(p);
    const RealPoint centre{std::round((low.x + high.x) / 2), std::round((low.y + high.y) / 2)};
    const double extent = std::max({1.0, high.x - centre.x, centre.x - low.x, high.y - centre.y, centre.y - low.y});
    const double stretch = std::ldexp(1.0, static_cast<int>(std::floor(std::log2(kTraceSpan / extent))));
    auto traced = [&](RealPoint p) {
        return RealPoint{std::round(origin.x + stretch * (p.x - centre.x)), std::round(origin.y + stretch * (p.y - centre.y))};
    };

    // 2. Every position repainted, the two halves of the run on both cores.
    const std::size_t m = request.points.size();
    std::vector<std::vector<std::optional<RealPoint>>> samples(m, std::vector<std::optional<RealPoint>>(n));
    std::vector<int> orientation(n, 0);
    std::vector<char> steady(n, 0);
    std::vector<double> rounding(n, 0); // how far the repainted vertex lies from its place on the run
    const double side = LongestSide(vertices);
    auto work = [&](std::size_t begin, std::size_t end) {
        Sampler sampler(doc, width, height, request.points);
        std::vector<std::optional<RealPoint>> here(m);
        for (std::size_t i = begin; i < end; ++i) {
            if (progress && progress->cancel.load(std::memory_order_relaxed)) return;
            std::array<RealPoint, 3> v;
            for (int k = 0; k < 3; ++k)
                v[at(k)] = traced(k == moving ? run[i] : vertices[at(k)]);
            const RealPoint placed{centre.x + (v[at(moving)].x - origin.x) / stretch,
                                   centre.y + (v[at(moving)].y - origin.y) / stretch};
            rounding[i] = Length(Minus(placed, run[i]));
            // A triangle too flat to show its centres truly counts as none.
            if (SteadyVertex(v, moving, kFlatHeight) && sampler.Repaint(v, here)) {
                orientation[i] = Orientation(v);
                steady[i] = SteadyVertex(v, moving, kSteadyHeight);
            } else {
                std::fill(here.begin(), here.end(), std::nullopt);
            }
            for (std::size_t t = 0; t < m; ++t) {
                if (!here[t]) continue;
                const RealPoint p{centre.x + (here[t]->x - origin.x) / stretch, centre.y + (here[t]->y - origin.y) / stretch};
                if (Length(Minus(p, centre)) <= kFarthestReach * extent) samples[t][i] = p;
            }
            if (progress) progress->done.fetch_add(1, std::memory_order_relaxed);
        }
    };
    const std::size_t half = n / 2;
    RunTwoJobs([&] { work(half, n); }, [&] { work(0, half); });
    if (progress && progress->cancel.load()) return std::nullopt;

    // 3. Pieces, and the curve their steady, smooth and precise samples lie on.
    std::vector<Locus> loci;
    for (std::size_t t = 0; t < m; ++t) {
        Locus locus;
        locus.name = request.points[t].name;
        locus.vertex = moving;
        locus.path = request.path;
        const std::vector<std::vector<std::size_t>> pieces =
            CutIntoPieces(samples[t], orientation, RunIsClosed(request.path), side);
        double reach = side;
        for (const std::vector<std::size_t>& piece : pieces)
            for (std::size_t i : piece) reach = std::max(reach, Length(Minus(*samples[t][i], centre)));
        const double tolerance = kCurvePrecision * reach;
        // What the rounding of the moving vertex moves a sample by, from its speed along the run.
        auto ownError = [&](const std::vector<std::size_t>& piece, std::size_t k) {
            double speed = 0;
            for (std::size_t j : {k - 1, k + 1}) {
                const double step = Length(Minus(run[piece[j]], run[piece[k]]));
                if (step > 0) speed = std::max(speed, Length(Minus(*samples[t][piece[j]], *samples[t][piece[k]])) / step);
            }
            return kErrorMargin * speed * rounding[piece[k]];
        };
        std::vector<std::vector<RealPoint>> naming;
        for (const std::vector<std::size_t>& piece : pieces) {
            std::vector<RealPoint>& points = locus.pieces.emplace_back();
            for (std::size_t i : piece)
                points.push_back(*samples[t][i]);
            std::vector<RealPoint>& named = naming.emplace_back();
            for (std::size_t k : SmoothSamples(points, kRoughness * side))
                if (steady[piece[k]] && ownError(piece, k) <= tolerance) named.push_back(points[k]);
        }
        locus.shapes = RecogniseLocus(naming, tolerance);
        loci.push_back(std::move(locus));
    }
    return loci;
}

std::shared_ptr<const Loci> WithLoci(const Document& doc, int width, int height, std::vector<Locus> added) {
    auto loci = std::make_shared<Loci>();
    loci->stamp = LociStampOf(doc, width, height);
    if (doc.loci && doc.loci->stamp == loci->stamp)
        for (const Locus& old : doc.loci->curves) {
            // A trace of the animation gives way to the loci, and so does an earlier locus of the
            // same point, vertex and path.
            const bool replaced =
                old.trail || std::any_of(added.begin(), added.end(), [&](const Locus& l) {
                    return l.name == old.name && l.vertex == old.vertex && l.path == old.path;
                });
            if (!replaced) loci->curves.push_back(old);
        }
    for (Locus& l : added)
        loci->curves.push_back(std::move(l));
    return loci;
}

std::vector<std::optional<RealPoint>> TracePositions(const Document& doc, int width, int height,
                                                     std::span<const TracePoint> points) {
    Sampler sampler(doc, width, height, points);
    std::vector<std::optional<RealPoint>> out(points.size());
    std::array<RealPoint, 3> vertices;
    for (int v = 0; v < 3; ++v)
        vertices[static_cast<std::size_t>(v)] = ScreenAsReal(doc.points, kSlotA + v);
    sampler.Repaint(vertices, out);
    const RealPoint origin{double(width / 2 + doc.view.panX), double(height / 2 + doc.view.panY)};
    for (auto& p : out)
        if (p) p = Minus(*p, origin);
    return out;
}

std::string LocusPointsText(const Loci& loci) {
    // Units of the coordinate system, as typed, whatever the stretch they were traced at.
    const double unit = 100 * (loci.stamp.stretch > 0 ? loci.stamp.stretch : 1);
    std::string text;
    for (const Locus& locus : loci.curves) {
        if (!text.empty()) text += '\n';
        text += "# " + std::string(locus.trail ? "Spur" : "Ortslinie") + " von " + locus.name + ", " +
                VertexPathText(locus.vertex, locus.path) + "\n";
        for (std::size_t k = 0; k < locus.pieces.size(); ++k) {
            if (k > 0) text += '\n';
            for (const RealPoint& p : locus.pieces[k])
                text += FormatRealDot(p.x / unit, 6) + " " + FormatRealDot(-p.y / unit, 6) + "\n";
        }
    }
    return text;
}

} // namespace trimora
