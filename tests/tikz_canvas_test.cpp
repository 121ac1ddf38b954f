// The TikZ canvas's paths: a long run of joined lines comes out with fewer points, each a point of
// the run, and every point of the run within half a pixel of what is written.
#include "output/tikz_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <regex>

namespace trimora {
namespace {

double OffPolyline(RealPoint p, const std::vector<RealPoint>& line) {
    double best = INFINITY;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const RealPoint a = line[i], b = line[i + 1];
        const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
    }
    return best;
}

TEST(TikzCanvas, PathsStayWithinHalfAPixelOfTheirRuns) {
    // A circle, a flat wave and a spiral as runs of whole pixels, as the conic tracers draw them.
    const std::vector<std::function<RealPoint(double)>> curves = {
        [](double t) { return RealPoint{410 + 300 * std::cos(t), 330 + 290 * std::sin(t)}; },
        [](double t) { return RealPoint{30 + 120 * t, 330 + 3 * std::sin(7 * t)}; },
        [](double t) { return RealPoint{410 + 40 * t * std::cos(3 * t), 330 + 40 * t * std::sin(3 * t)}; },
    };
    for (std::size_t k = 0; k < curves.size(); ++k) {
        TikzCanvas canvas(TikzFrame{});
        std::vector<RealPoint> run;
        for (int i = 0; i <= 2000; ++i) {
            const RealPoint p = curves[k](6.2 * i / 2000);
            const IntPoint q{int(std::lround(p.x)), int(std::lround(p.y))};
            if (i == 0)
                canvas.MoveTo(q.x, q.y);
            else
                canvas.LineTo(q.x, q.y);
            run.push_back({double(q.x), double(q.y)});
        }
        const std::string whole = canvas.Picture();
        const std::size_t from = whole.find("plot coordinates {");
        ASSERT_NE(from, std::string::npos) << whole;
        const std::string picture = whole.substr(from, whole.find('}', from) - from);
        static const std::regex kPoint(R"(\((-?[\d.]+),(-?[\d.]+)\))");
        std::vector<RealPoint> written;
        for (std::sregex_iterator it(picture.begin(), picture.end(), kPoint), end; it != end; ++it)
            written.push_back({410 + 100 * std::stod((*it)[1]), 330 - 100 * std::stod((*it)[2])});
        ASSERT_GE(written.size(), 4u) << k;
        EXPECT_LT(written.size(), run.size()) << k;
        double off = 0;
        for (const RealPoint& p : run) off = std::max(off, OffPolyline(p, written));
        EXPECT_LE(off, 0.5) << k;
    }
}

} // namespace
} // namespace trimora
