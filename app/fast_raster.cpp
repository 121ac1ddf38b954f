#include "app/fast_raster.h"

#include "app/qpainter_canvas.h"
#include "draw/document.h"
#include "paint/paint.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

namespace trimora {
namespace {

struct Box {
    double left, top, right, bottom;
    bool Meets(const Box& o) const { return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom; }
};

// Liang-Barsky: the part of the segment p0 + t (p1 - p0), 0 <= t <= 1, inside the box.
bool ClipSegment(const Box& b, double& x0, double& y0, double& x1, double& y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - b.left, b.right - x0, y0 - b.top, b.bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    const double sx = x0, sy = y0;
    x0 = sx + t0 * dx, y0 = sy + t0 * dy;
    x1 = sx + t1 * dx, y1 = sy + t1 * dy;
    return true;
}

void ApplyState(Canvas& canvas, const CanvasCall& c) {
    canvas.SetPen(c.pen);
    canvas.SetBrush(c.brush);
}

} // namespace

void ReplayVisible(const std::vector<CanvasCall>& calls, std::size_t first, QImage& image, int top, int rows,
                   bool antialiasing) {
    QPainter painter(&image); // scaled by the image's device pixel ratio
    const QSize logical = LogicalSize(image);
    const int pictureWidth = logical.width();
    painter.setClipRect(0, top, pictureWidth, rows);
    QPainterCanvas canvas(painter, pictureWidth, logical.height(), antialiasing);
    const double bottom = top + rows;
    // Runs of whole lines in one pen go to QPainter together.
    std::vector<QLine> run;
    Pen runPen;
    auto flush = [&] {
        if (run.empty()) return;
        canvas.SetPen(runPen);
        canvas.Lines(run);
        run.clear();
    };
    for (std::size_t n = first; n < calls.size(); ++n) {
        const CanvasCall& c = calls[n];
        if (c.kind != CanvasCall::Kind::LineTo && c.kind != CanvasCall::Kind::MoveTo) flush();
        const double reach = std::max(1, c.pen.width) + 2.0; // pen and anti-aliasing around the geometry
        const Box seen{-reach, top - reach, pictureWidth + reach, bottom + reach};
        switch (c.kind) {
        case CanvasCall::Kind::MoveTo:
            break; // each LineTo carries its start
        case CanvasCall::Kind::LineTo: {
            // Only whether the line meets the strip: QPainter cuts it to the picture itself, and a
            // line cut anywhere else would be smoothed differently along its whole length.
            double x0 = c.x2, y0 = c.y2, x1 = c.x1, y1 = c.y1;
            if (!ClipSegment(seen, x0, y0, x1, y1)) break;
            if (!(c.pen == runPen)) flush();
            runPen = c.pen;
            run.emplace_back(c.x2, c.y2, c.x1, c.y1);
            break;
        }
        case CanvasCall::Kind::Ellipse:
        case CanvasCall::Kind::Rectangle: {
            const Box box{double(c.x1) - reach, double(c.y1) - reach, double(c.x2) + reach, double(c.y2) + reach};
            if (!box.Meets(seen)) break;
            // A circle around the whole strip without a fill shows nothing of itself.
            const double cx = (c.x1 + c.x2) / 2.0, cy = (c.y1 + c.y2) / 2.0, r = (c.x2 - c.x1) / 2.0;
            if (c.kind == CanvasCall::Kind::Ellipse && c.brush.style == BrushStyle::Clear && c.x2 - c.x1 == c.y2 - c.y1) {
                const double far = r - reach;
                bool inside = far > 0;
                for (double x : {seen.left, seen.right})
                    for (double y : {seen.top, seen.bottom}) inside = inside && std::hypot(x - cx, y - cy) < far;
                if (inside) break;
            }
            ApplyState(canvas, c);
            if (c.kind == CanvasCall::Kind::Ellipse)
                canvas.Ellipse(c.x1, c.y1, c.x2, c.y2);
            else
                canvas.Rectangle(c.x1, c.y1, c.x2, c.y2);
            break;
        }
        case CanvasCall::Kind::Polygon: {
            if (c.points.empty()) break;
            Box box{1e300, 1e300, -1e300, -1e300};
            for (const IntPoint& p : c.points) {
                box.left = std::min(box.left, double(p.x) - reach), box.right = std::max(box.right, double(p.x) + reach);
                box.top = std::min(box.top, double(p.y) - reach), box.bottom = std::max(box.bottom, double(p.y) + reach);
            }
            if (!box.Meets(seen)) break;
            ApplyState(canvas, c);
            if (antialiasing)
                canvas.PolygonQuickFill(c.points);
            else
                canvas.Polygon(c.points);
            break;
        }
        case CanvasCall::Kind::Text: {
            // Generous bounds of a line of text: no glyph is wider than two em or lower than three.
            const double em = c.font.pointSize * 96.0 / 72.0;
            const Box box{double(c.x1) - 2, double(c.y1) - 2, c.x1 + 2 * em * double(c.text.size()) + 2, c.y1 + 3 * em};
            if (!box.Meets(seen)) break;
            ApplyState(canvas, c);
            canvas.SetFont(c.font);
            canvas.TextOut(c.x1, c.y1, c.text);
            break;
        }
        }
    }
    flush();
}

QSize LogicalSize(const QImage& image) {
    const qreal ratio = image.devicePixelRatio();
    return QSize(qRound(image.width() / ratio), qRound(image.height() / ratio));
}

void FastRaster::Render(Document& doc, QImage& image, bool resultsShown, bool antialiasing) {
    const QSize logical = LogicalSize(image);
    const int width = logical.width(), height = logical.height();
    const qreal ratio = image.devicePixelRatio();
    if (!recorder_ || recorder_->Width() != width || recorder_->Height() != height)
        recorder_ = std::make_unique<RecordingCanvas>(width, height);
    recorder_->Clear();
    PaintBox1Paintx(doc, *recorder_, resultsShown);
    const std::vector<CanvasCall>& calls = recorder_->Calls();

    // 1. The background layers, rasterised again only when the view changed.
    const auto key = std::make_tuple(width, height, doc.view.stretchFactor, doc.view.panX, doc.view.panY,
                                     doc.view.showGrid, doc.view.showMmGrid, doc.view.showAxes, antialiasing);
    if (!backgroundValid_ || key != backgroundKey_ || background_.size() != image.size() ||
        background_.devicePixelRatio() != ratio) {
        background_ = QImage(image.size(), QImage::Format_RGB32);
        background_.setDevicePixelRatio(ratio);
        background_.fill(Qt::white);
        std::vector<CanvasCall> layers(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(recorder_->BackgroundCalls()));
        ReplayVisible(layers, 0, background_, 0, height, antialiasing);
        backgroundKey_ = key;
        backgroundValid_ = true;
    }
    if (image.format() != QImage::Format_RGB32) {
        image = QImage(image.size(), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
    }
    uchar* bits = image.bits();
    const qsizetype rowBytes = image.bytesPerLine();
    const int pixelWidth = image.width(), pixelHeight = image.height();
    std::memcpy(bits, background_.constBits(),
                static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(pixelHeight));

    // 2. The rest in two strips at once. Each painter has an image of its own over the same
    // pixels (one image takes one painter at a time) and keeps to its rows; both see the whole
    // picture, so that every line is smoothed as the plain path smooths it.
    const std::size_t first = recorder_->BackgroundCalls();
    auto strip = [&](int top, int rows) {
        if (rows <= 0) return;
        QImage view(bits, pixelWidth, pixelHeight, rowBytes, QImage::Format_RGB32);
        view.setDevicePixelRatio(ratio);
        ReplayVisible(calls, first, view, top, rows, antialiasing);
    };
    // The strips must not share a row of pixels: at a fractional ratio the border between them
    // would fall inside one, so the picture is drawn in one piece.
    if (ratio != std::floor(ratio)) {
        strip(0, height);
        return;
    }
    const int split = height / 2;
    std::thread lower(strip, split, height - split);
    strip(0, split);
    lower.join();
}

} // namespace trimora
