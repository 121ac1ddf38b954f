// The drawing area's fast path paints the picture of the plain path. Tolerance: with anti-aliasing
// at most 0.5 % of the pixels differ by more than two levels in a colour channel and the mean
// difference of a channel over the picture stays below 0.05 (edge pixels of polygon fills, filled
// without smoothing, and of lines where the two strips meet; the marks, copied from one smoothed
// sprite, differ by a level of rounding at their edges); without anti-aliasing at most 0.01 % of
// the pixels differ at all.
#include "app/fast_raster.h"
#include "app/qpainter_canvas.h"
#include "draw/document.h"
#include "draw/point_table.h"
#include "draw/recording_canvas.h"
#include "tests/gui/image_difference.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace trimora {
namespace {

TEST(FastRaster, PaintsThePlainPicture) {
    struct Case {
        IntPoint a, b, c;
        double stretch;
        int panX, panY;
        bool grid, axes;
    };
    const std::vector<Case> cases{
        {{510, 130}, {210, 430}, {610, 430}, 1, 0, 0, false, false},      // the textbook triangle
        {{290, 190}, {220, 420}, {560, 420}, 1, 0, 0, true, true},        // the start triangle, grid and axes
        {{100, 300}, {700, 300}, {400, 306}, 1, 0, 0, false, false},      // nearly flat: huge circles
        {{5300, 130}, {4900, 430}, {5400, 430}, 1, 4790, 0, false, true}, // panned far: most lines miss
        {{450, 300}, {430, 340}, {480, 335}, 0.2, 0, 0, true, false},     // zoomed out
    };
    int run = 0;
    for (const Case& k : cases)
        for (bool smooth : {true, false}) {
            SCOPED_TRACE(run);
            Document doc;
            InitDocument(doc, 821, 660);
            doc.points.screen[kSlotA] = k.a, doc.points.screen[kSlotB] = k.b, doc.points.screen[kSlotC] = k.c;
            doc.view.stretchFactor = k.stretch, doc.view.panX = k.panX, doc.view.panY = k.panY;
            doc.view.showGrid = k.grid, doc.view.showAxes = k.axes;
            doc.checked.set();
            QImage plain(821, 660, QImage::Format_RGB32), fast(821, 660, QImage::Format_RGB32);
            RenderPicture(doc, plain, true, smooth);
            FastRaster raster;
            raster.Render(doc, fast, true, smooth);
            raster.Render(doc, fast, true, smooth); // again, on the kept background
            const Difference d = Compare(plain, fast, smooth ? 2 : 0);
            if (smooth) {
                // Smoothed: only edge pixels of polygon fills and of lines where the strips meet.
                EXPECT_LT(d.share, 0.005);
                EXPECT_LT(d.mean, 0.05) << d.largest;
            } else {
                // Unsmoothed: a line cut where the strips meet may step one pixel aside: a few pixels.
                EXPECT_LT(d.share, 0.0001);
            }
            ++run;
        }
    EXPECT_EQ(run, 10);
}

TEST(FastRaster, StripsMeetUnderThickLinesAndLongLabels) {
    // Thick level lines beside the border of two strips (reaching over it by their width alone) and
    // labels that start left of the picture and run into it: the two strips show what the plain
    // path draws.
    auto draw = [](Canvas& canvas) {
        canvas.SetPenWidth(9);
        canvas.MoveTo(300, 327); // rows 323 to 331: two of them in the lower strip
        canvas.LineTo(520, 327);
        canvas.MoveTo(560, 333); // rows 329 to 337: one of them in the upper strip
        canvas.LineTo(790, 333);
        canvas.SetPenWidth(1);
        canvas.SetFont("DejaVu Sans", 14);
        canvas.TextOut(-400, 322, "Ein langer Name, der links außerhalb beginnt und weit hineinreicht");
        canvas.TextOut(-380, 600, "Noch ein langer Name, der links außerhalb beginnt und hineinreicht");
    };
    RecordingCanvas recorded(821, 660);
    draw(recorded);
    QImage plain(821, 660, QImage::Format_RGB32), strips(821, 660, QImage::Format_RGB32);
    plain.fill(Qt::white), strips.fill(Qt::white);
    {
        QPainter painter(&plain);
        QPainterCanvas canvas(painter, 821, 660, false);
        draw(canvas);
    }
    ReplayVisible(recorded.Calls(), 0, strips, 0, 330, false);
    ReplayVisible(recorded.Calls(), 0, strips, 330, 330, false);
    EXPECT_LT(Compare(plain, strips, 0).share, 0.0001);
}

} // namespace
} // namespace trimora
