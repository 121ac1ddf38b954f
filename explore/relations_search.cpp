#include "explore/relations_search.h"

#include "draw/point_table.h"
#include "explore/null_canvas.h"
#include "paint/paint.h"

#include <system_error>
#include <thread>

namespace trimora {

RelationSet RelationsOfDocument(const Document& doc, int width, int height) {
    // The same repaint with the triangle stretched by 2 about the drawing origin (whole pixels
    // stay whole) tells the exact points from those that went through rounded pixels. The two
    // repaints run side by side.
    const IntPoint origin{width / 2 + doc.view.panX, height / 2 + doc.view.panY};
    Document scaled = doc;
    KeepVertexPrecise(scaled.points);
    for (int v : {kSlotA, kSlotB, kSlotC}) {
        const RealPoint p = scaled.points.precise[v];
        PlaceVertex(scaled.points, v, {2 * p.x - origin.x, 2 * p.y - origin.y});
    }
    PaintLog scaledLog;
    auto paintScaled = [&] {
        NullCanvas canvas(width, height);
        PaintDocument(scaled, canvas, true, &scaledLog);
    };
    std::thread helper;
    try {
        helper = std::thread(paintScaled);
    } catch (const std::system_error&) {
        paintScaled(); // no second thread to be had: one after the other
    }
    Document copy = doc;
    NullCanvas canvas(width, height);
    PaintLog log;
    PaintDocument(copy, canvas, true, &log);
    if (helper.joinable()) helper.join();
    if (copy.view.triangleDegenerate) return {};
    const PointTable& pt = copy.points;
    const std::array<RealPoint, 3> abc{ScreenAsReal(pt, kSlotA), ScreenAsReal(pt, kSlotB),
                                       ScreenAsReal(pt, kSlotC)};
    const RealPoint centre{static_cast<double>(origin.x), static_cast<double>(origin.y)};
    return FindRelations(CollectMarkedPoints(copy.results, log, scaled.results, scaledLog, centre, abc), log,
                         abc);
}

} // namespace trimora
