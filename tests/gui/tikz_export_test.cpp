// The TikZ picture compiles with pdflatex, and the PDF, rasterised at the picture's size, shows
// the picture of the PNG export: at most 2 % of the pixels outside the labels differ by more than
// a small colour distance from the other picture's pixels around their place (smoothing and the
// fonts of LaTeX aside); the labels are set at a readable size on paper.
#include "app/picture_export.h"
#include "app/core/session.h"
#include "output/tikz_canvas.h"
#include "draw/recording_canvas.h"
#include "paint/paint.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <regex>

namespace trimora {
namespace {

bool RunTool(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, arguments);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

int ColourDistance(QRgb p, QRgb q) {
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

// The share of the pixels of `a` whose colour differs by more than `distance` from every pixel of
// `b` within one pixel of its place: smoothing and the snapping of thin lines to whole pixels
// move a line's colour by a pixel and spread a thin line over two pixels at half strength (a
// distance of 128), a missing or misplaced element does not match at all. Pixels that `skip`
// marks (the labels, set larger on paper than on the screen) do not count.
double UnmatchedShare(const QImage& a, const QImage& b, int distance, const QImage& skip) {
    long long unmatched = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (qRed(skip.pixel(x, y)) == 0) continue;
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy)
                for (int dx = -1; dx <= 1 && !matched; ++dx) {
                    const int u = x + dx, v = y + dy;
                    matched = u >= 0 && v >= 0 && u < b.width() && v < b.height() &&
                              ColourDistance(a.pixel(x, y), b.pixel(u, v)) <= distance;
                }
            unmatched += !matched;
        }
    return double(unmatched) / (double(a.width()) * a.height());
}

TEST(TikzExport, CompilesAndLooksLikeThePngExport) {
    if (QStandardPaths::findExecutable("pdflatex").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdflatex or pdftoppm missing (scripts/setup.sh --tests installs them)";
    struct View {
        const char* name;
        double stretch;
        int panX, panY;
        bool axes;
    } views[] = {{"basic", 1, 0, 0, false}, {"zoomed and panned", 1.7, -140, 90, true}};
    for (const View& v : views) {
        SCOPED_TRACE(v.name);
        Session s;
        InitSession(s, 821, 660);
        s.doc.view.stretchFactor = v.stretch;
        s.doc.view.panX = v.panX, s.doc.view.panY = v.panY;
        s.doc.view.showAxes = v.axes;
        ApplyTypedCoordinates(s);
        s.doc.checked.set();
        Document forPng = s.doc, forTikz = s.doc;
        const QImage png = RenderImage(forPng, 821, 660);

        QTemporaryDir dir;
        QFile tex(dir.filePath("bild.tex"));
        ASSERT_TRUE(tex.open(QIODevice::WriteOnly));
        tex.write(QByteArray::fromStdString(EncodeTikz(forTikz, 821, 660, {})));
        tex.close();
        ASSERT_TRUE(RunTool("pdflatex", {"-interaction=batchmode", "-halt-on-error", "bild.tex"}, dir.path()))
            << QFile(dir.filePath("bild.log")).readAll().right(3000).toStdString();
        ASSERT_TRUE(RunTool("pdftoppm", {"-png", "-singlefile", "-scale-to-x", "821", "-scale-to-y", "660", "bild.pdf", "bild"},
                        dir.path()));
        const QImage pdf = QImage(dir.filePath("bild.png")).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(pdf.size(), png.size());
        const QImage plain = png.convertToFormat(QImage::Format_RGB32);
        // The labels' boxes on paper (9 pt high at a centimetre per unit), black in the mask.
        QImage labels(png.size(), QImage::Format_RGB32);
        labels.fill(Qt::white);
        Document forCalls = s.doc;
        RecordingCanvas calls(821, 660);
        PaintDocument(forCalls, calls, false);
        const double size = 9 * 2.54 / 72.27 * 100 * v.stretch;
        QPainter mask(&labels);
        for (const CanvasCall& c : calls.Calls())
            if (c.kind == CanvasCall::Kind::Text)
                mask.fillRect(QRectF(c.x1 - 2, c.y1 - 2, 0.7 * size * QString::fromStdString(c.text).size() + 4, 1.3 * size + 4),
                              Qt::black);
        mask.end();
        EXPECT_LT(UnmatchedShare(pdf, plain, 128, labels), 0.02);
        EXPECT_LT(UnmatchedShare(plain, pdf, 128, labels), 0.02);
    }
}

// Labels are readable on paper: the small text of a document at one centimetre per unit, growing
// with the scale, never below 6 pt.
TEST(TikzExport, LabelsHaveAReadableSize) {
    const struct {
        double cmPerUnit;
        double smallest, largest; // of the labels, in points
    } scales[] = {{1, 9, 9}, {0.25, 6, 6}, {2, 18, 18}};
    for (const auto& c : scales) {
        Session s;
        InitSession(s, 821, 660);
        const std::string tikz = EncodeTikz(s.doc, 821, 660, {c.cmPerUnit, false});
        const std::regex size(R"(\\fontsize\{([0-9.]+)\})");
        int labels = 0;
        for (auto it = std::sregex_iterator(tikz.begin(), tikz.end(), size); it != std::sregex_iterator(); ++it, ++labels) {
            const double points = std::stod((*it)[1]);
            EXPECT_GE(points, c.smallest) << c.cmPerUnit;
            EXPECT_LE(points, c.largest) << c.cmPerUnit;
        }
        EXPECT_GE(labels, 3) << "A, B and C";
    }
}

} // namespace
} // namespace trimora
