// Pictures at a chosen resolution (raster formats) and at a chosen scale on paper (SVG and PDF).
#include "app/picture_export.h"
#include "app/qpainter_canvas.h"
#include "draw/document.h"
#include "draw/slots.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>
#include <cstdlib>

namespace trimora {
namespace {

Document Triangle(double stretch = 1) {
    Document doc;
    InitDocument(doc, 821, 660);
    doc.view.stretchFactor = stretch;
    for (int entry : {13, 14, 16, 25})
        doc.SetOn(entry, true); // centres and circles with labels
    return doc;
}

// Mean absolute difference per colour channel of two equally large images.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

// Each k x k block averaged into one pixel.
QImage BoxDown(const QImage& image, int k) {
    QImage out(image.width() / k, image.height() / k, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < k; ++dy)
                for (int dx = 0; dx < k; ++dx) {
                    const QRgb p = image.pixel(x * k + dx, y * k + dy);
                    r += qRed(p), g += qGreen(p), b += qBlue(p);
                }
            out.setPixel(x, y, qRgb(r / (k * k), g / (k * k), b / (k * k)));
        }
    return out;
}

// Blocks of k x k pixels that are not of one colour: none in a picture only enlarged pixel by pixel.
int MixedBlocks(const QImage& image, int k) {
    int mixed = 0;
    for (int y = 0; y + k <= image.height(); y += k)
        for (int x = 0; x + k <= image.width(); x += k) {
            bool same = true;
            for (int dy = 0; dy < k && same; ++dy)
                for (int dx = 0; dx < k && same; ++dx)
                    same = image.pixel(x + dx, y + dy) == image.pixel(x, y);
            mixed += !same;
        }
    return mixed;
}

TEST(PictureScale, RasterAtHigherDpiIsTheSameFigureDrawnFiner) {
    Document doc = Triangle();
    const QImage plain = RenderImage(doc, 821, 660);
    const QImage fine = RenderImage(doc, 821, 660, 288);
    ASSERT_EQ(plain.size(), QSize(821, 660));
    ASSERT_EQ(fine.size(), QSize(3 * 821, 3 * 660));
    // Downscaled it is the default picture but for the smoothing of edges; lines and text have
    // grown with it (thin lines would vanish into light grey).
    EXPECT_LT(MeanDifference(BoxDown(fine, 3), plain), 2.0);
    // Drawn anew, not enlarged: many 3 x 3 blocks hold an edge.
    EXPECT_GT(MixedBlocks(fine, 3), 2000);
    // The side BC lies where it lay: its pixel row, three times further down.
    const IntPoint b = doc.points.screen[kSlotB], c = doc.points.screen[kSlotC];
    const int mx = (b.x + c.x) / 2, my = (b.y + c.y) / 2;
    EXPECT_LT(qGray(fine.pixel(3 * mx + 1, 3 * my + 1)), 100) << "side BC at (" << mx << ", " << my << ")";

    // Resolutions that do not divide 96 round the size to whole pixels.
    const struct {
        int dpi, width, height;
    } sizes[] = {{96, 821, 660}, {192, 1642, 1320}, {150, 1283, 1031}, {24, 205, 165}};
    for (const auto& s : sizes)
        EXPECT_EQ(RenderImage(doc, 821, 660, s.dpi).size(), QSize(s.width, s.height)) << s.dpi;
}

TEST(PictureScale, SvgAtAScaleMeasuresCentimetresPerUnit) {
    const struct {
        double stretch, cmPerUnit;
        const char *width, *height, *viewBox;
    } cases[] = {{1, 1, "8.21cm", "6.6cm", "0 0 8.21 6.6"},
                 {2, 1, "4.105cm", "3.3cm", "0 0 4.105 3.3"},
                 {1, 2.5, "20.525cm", "16.5cm", "0 0 8.21 6.6"}};
    int ran = 0;
    for (const auto& c : cases) {
        Document doc = Triangle(c.stretch);
        const QString svg = QString::fromUtf8(RenderSvg(doc, 821, 660, c.cmPerUnit));
        const QRegularExpressionMatch head =
            QRegularExpression(R"re(<svg width="([^"]*)" height="([^"]*)"\s+viewBox="([^"]*)")re").match(svg);
        ASSERT_TRUE(head.hasMatch()) << svg.left(300).toStdString();
        EXPECT_EQ(head.captured(1), c.width);
        EXPECT_EQ(head.captured(2), c.height);
        EXPECT_EQ(head.captured(3), c.viewBox);
        EXPECT_TRUE(svg.contains(">A</text>")); // text stays text
        // Drawn back at the screen's size it is the raster picture.
        QSvgRenderer renderer(svg.toUtf8());
        QImage back(821, 660, QImage::Format_RGB32);
        back.fill(Qt::white);
        QPainter painter(&back);
        renderer.render(&painter);
        painter.end();
        EXPECT_LT(MeanDifference(back, RenderImage(doc, 821, 660)), 2.0) << c.stretch << " " << c.cmPerUnit;
        ++ran;
    }
    EXPECT_EQ(ran, 3);
}

TEST(PictureScale, PdfPageIsThePictureOnPaper) {
    Document doc = Triangle();
    const QByteArray pdf =
        QByteArray::fromStdString(EncodePicture(doc, 821, 660, PictureFormat::Pdf, {96, 1}).bytes);
    // 8.21 cm x 6.6 cm in points, rounded to whole points by the PDF writer.
    const QRegularExpressionMatch box =
        QRegularExpression(R"(MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])").match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 8.21 / 2.54 * 72, 0.5);
    EXPECT_NEAR(box.captured(2).toDouble(), 6.6 / 2.54 * 72, 0.5);
    EXPECT_TRUE(pdf.contains("/Font")); // the labels are text
}

} // namespace
} // namespace trimora
