// Primitives far beyond the picture are clipped in reals before the rasteriser sees them: the same
// pixels where the picture shows them, a dotted line keeps its pattern, and the page of a vector
// picture stays within what PDF readers accept.
#include "app/clip.h"
#include "app/picture_export.h"
#include "app/qpainter_canvas.h"
#include "cli/cli.h"
#include "draw/document.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <sstream>

namespace trimora {
namespace {

TEST(Clip, SegmentsAndPolygonsKeepWhatLiesInside) {
    const QRectF rect(0, 0, 10, 10);
    EXPECT_EQ(ClipSegment(QLineF(-10, 5, 20, 5), rect), QLineF(0, 5, 10, 5));
    EXPECT_EQ(ClipSegment(QLineF(5, -1e9, 5, 1e9), rect), QLineF(5, 0, 5, 10));
    EXPECT_EQ(ClipSegment(QLineF(2, 2, 3, 3), rect), QLineF(2, 2, 3, 3));
    EXPECT_FALSE(ClipSegment(QLineF(-5, -1, 20, -1), rect));
    EXPECT_FALSE(ClipSegment(QLineF(11, 0, 20, 10), rect));
    // A triangle around the rectangle covers all of it; one beside it nothing.
    const QPolygonF around =
        ClipPolygon(QPolygonF({QPointF(-1e6, -1e6), QPointF(1e6, -1e6), QPointF(0, 1e6)}), rect);
    EXPECT_EQ(around.boundingRect(), rect);
    EXPECT_TRUE(ClipPolygon(QPolygonF({QPointF(20, 0), QPointF(30, 0), QPointF(25, 5)}), rect).isEmpty());
}

// The triangle a painter fills on an image of 100 x 100 canvas pixels drawn 25 times finer (2400
// dpi), with the canvas's pen off.
constexpr int kFine = 25;
QImage FillFar(std::span<const IntPoint> triangle, bool direct) {
    QImage image(100 * kFine, 100 * kFine, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kFine, kFine);
    QPainterCanvas canvas(painter, 100, 100);
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColor({0, 0, 255});
    if (direct) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::blue);
        QPolygon polygon;
        for (IntPoint p : triangle)
            polygon << QPoint(p.x, p.y);
        painter.drawPolygon(polygon);
    } else {
        canvas.Polygon(triangle);
    }
    return image;
}

TEST(Clip, AFarTriangleFillsWhatItCovers) {
    // Sides hundreds of thousands of pixels long: every sample well off the sides is blue exactly
    // where it lies inside the triangle.
    const IntPoint far[3] = {{50, 50}, {100000, 50}, {100000, -100000}};
    const QImage image = FillFar(far, false);
    int inside = 0, samples = 0;
    for (int y = 2; y < 100; y += 7)
        for (int x = 3; x < 100; x += 7) {
            if (std::abs(y - 50) < 2 || std::abs((50 - y) - (x - 50) * (100050.0 / 99950.0)) < 3) continue;
            const bool in = y < 50 && x > 50 && (50 - y) < (x - 50) * (100050.0 / 99950.0);
            EXPECT_EQ(image.pixel(x * kFine + kFine / 2, y * kFine + kFine / 2) == qRgb(0, 0, 255), in)
                << x << "," << y;
            inside += in;
            ++samples;
        }
    EXPECT_GT(inside, 20);
    EXPECT_GT(samples, 150);
    // Not so far that the rasteriser struggles: the pixels of drawing it as it is, up to the
    // rasteriser's rounding of the new corners on the edges.
    const IntPoint near[3] = {{50, 50}, {700, 50}, {650, -600}};
    const QImage clipped = FillFar(near, false), direct = FillFar(near, true);
    int differ = 0;
    for (int y = 0; y < clipped.height(); ++y)
        for (int x = 0; x < clipped.width(); ++x) {
            const QRgb a = clipped.pixel(x, y), b = direct.pixel(x, y);
            EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qBlue(a) - qBlue(b)), 8) << x << "," << y;
            differ += a != b;
        }
    EXPECT_LT(differ, 100 * kFine);
}

TEST(Clip, ADottedLineKeepsItsPattern) {
    // On the screen and three times finer (288 dpi), where the pattern runs from the line's start.
    int cases = 0;
    for (const int fine : {1, 3})
        for (const int start : {-5003, -5004, -5005}) {
            auto draw = [&](bool direct) {
                QImage image(100 * fine, 100 * fine, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.scale(fine, fine);
                QPainterCanvas canvas(painter, 100, 100);
                canvas.SetPenStyle(PenStyle::Dot);
                canvas.MoveTo(start, 20);
                canvas.LineTo(start, 20); // the pen applied
                if (direct)
                    painter.drawLine(QPoint(start, 20), QPoint(5000, 80));
                else
                    canvas.LineTo(5000, 80);
                return image;
            };
            const QImage clipped = draw(false);
            EXPECT_EQ(clipped, draw(true)) << fine << " " << start;
            int dotted = 0; // columns with a dot: one in three
            for (int x = 0; x < 99 * fine; x += fine)
                for (int y = 49 * fine; y < 52 * fine; ++y)
                    if (clipped.pixel(x, y) != qRgb(255, 255, 255)) {
                        ++dotted;
                        break;
                    }
            EXPECT_NEAR(dotted, 33, 1) << fine << " " << start;
            ++cases;
        }
    EXPECT_EQ(cases, 6);
}

TEST(Clip, VectorPagesStayBetweenOnePointAnd14400) {
    Document doc;
    InitDocument(doc, 821, 660);
    const struct {
        int width, height;
        double cm;
        PictureFormat format;
        bool fits;
    } cases[] = {
        {1, 1, 0.01, PictureFormat::Pdf, false},        // 0.003 pt
        {16384, 3906, 1000, PictureFormat::Pdf, false}, // 4.6 million pt
        {16384, 3906, 0, PictureFormat::Pdf, false},    // 16384 pt
        {16384, 3906, 0, PictureFormat::Svg, true},     // 12288 pt at 96 dpi
        {821, 660, 2, PictureFormat::Svg, true},
    };
    for (const auto& c : cases) {
        const QString failure = ExportPicture(doc, c.width, c.height, c.format, "/nicht/da/x", {96, c.cm});
        EXPECT_EQ(failure.contains("1 bis 14400 pt"), !c.fits)
            << c.width << " " << c.cm << failure.toStdString();
    }
    const char* argv[] = {"trimora", "--size", "1x1", "--scale", "0,01", "--export", "x.pdf"};
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(7, argv, out, err), 2);
    EXPECT_NE(err.str().find("1 bis 14400 pt"), std::string::npos) << err.str();
}

} // namespace
} // namespace trimora
