#include "app/fast_raster.h"

#include "app/qpainter_canvas.h"
#include "draw/document.h"
#include "paint/paint.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <thread>

namespace trimora {
namespace {

struct Box {
    double left, top, right, bottom;
    bool Meets(const Box& o) const {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
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

// Small ellipses (the marks of the points, hundreds of one size and colour) are drawn once per
// repaint and strip as a sprite and then copied: QPainter's smoothed ellipse costs far more than
// copying its few pixels. Hatched fills are left out, as their pattern is tied to the picture.
class MarkSprites {
  public:
    static constexpr int kLargest = 16;

    static bool Suits(const CanvasCall& c) {
        return c.x2 - c.x1 <= kLargest && c.y2 - c.y1 <= kLargest && c.x2 > c.x1 && c.y2 > c.y1 &&
               (c.brush.style == BrushStyle::Solid || c.brush.style == BrushStyle::Clear);
    }

    void Draw(QPainter& painter, const CanvasCall& c, bool antialiasing) {
        const int margin = std::max(1, c.pen.width) + 2;
        const auto key = std::make_tuple(c.x2 - c.x1, c.y2 - c.y1, c.pen.color.r, c.pen.color.g,
                                         c.pen.color.b, c.pen.width, int(c.pen.style), c.brush.color.r,
                                         c.brush.color.g, c.brush.color.b, int(c.brush.style));
        auto found = sprites_.find(key);
        if (found == sprites_.end()) {
            const qreal ratio = painter.device()->devicePixelRatio();
            const int w = c.x2 - c.x1 + 2 * margin, h = c.y2 - c.y1 + 2 * margin;
            QImage sprite(QSize(w, h) * ratio, QImage::Format_ARGB32_Premultiplied);
            sprite.setDevicePixelRatio(ratio);
            sprite.fill(Qt::transparent);
            {
                QPainter p(&sprite);
                QPainterCanvas canvas(p, w, h, antialiasing);
                ApplyState(canvas, c);
                canvas.Ellipse(margin, margin, margin + c.x2 - c.x1, margin + c.y2 - c.y1);
            }
            found = sprites_.emplace(key, std::move(sprite)).first;
        }
        painter.drawImage(QPoint(c.x1 - margin, c.y1 - margin), found->second);
    }

  private:
    std::map<std::tuple<int, int, int, int, int, int, int, int, int, int, int>, QImage> sprites_;
};

// Replays the calls that `next` hands out one by one (nullptr at the end); see ReplayVisible.
template <class NextCall>
void ReplayRows(NextCall next, QImage& image, int top, int rows, bool antialiasing) {
    QPainter painter(&image); // scaled by the image's device pixel ratio
    const QSize logical = LogicalSize(image);
    const int pictureWidth = logical.width();
    painter.setClipRect(0, top, pictureWidth, rows);
    QPainterCanvas canvas(painter, pictureWidth, logical.height(), antialiasing);
    const double bottom = top + rows;
    MarkSprites sprites;
    // Runs of whole lines in one pen go to QPainter together.
    std::vector<QLine> run;
    Pen runPen;
    auto flush = [&] {
        if (run.empty()) return;
        canvas.SetPen(runPen);
        canvas.Lines(run);
        run.clear();
    };
    while (const CanvasCall* call = next()) {
        const CanvasCall& c = *call;
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
            const Box box{double(c.x1) - reach, double(c.y1) - reach, double(c.x2) + reach,
                          double(c.y2) + reach};
            if (!box.Meets(seen)) break;
            // A circle around the whole strip without a fill shows nothing of itself.
            const double cx = (c.x1 + c.x2) / 2.0, cy = (c.y1 + c.y2) / 2.0, r = (c.x2 - c.x1) / 2.0;
            if (c.kind == CanvasCall::Kind::Ellipse && c.brush.style == BrushStyle::Clear &&
                c.x2 - c.x1 == c.y2 - c.y1) {
                const double far = r - reach;
                bool inside = far > 0;
                for (double x : {seen.left, seen.right})
                    for (double y : {seen.top, seen.bottom})
                        inside = inside && std::hypot(x - cx, y - cy) < far;
                if (inside) break;
            }
            if (c.kind == CanvasCall::Kind::Ellipse && MarkSprites::Suits(c)) {
                sprites.Draw(painter, c, antialiasing);
                break;
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
                box.left = std::min(box.left, double(p.x) - reach),
                box.right = std::max(box.right, double(p.x) + reach);
                box.top = std::min(box.top, double(p.y) - reach),
                box.bottom = std::max(box.bottom, double(p.y) + reach);
            }
            if (!box.Meets(seen)) break;
            ApplyState(canvas, c);
            if (antialiasing)
                canvas.PolygonQuickFill(c.points);
            else
                canvas.Polygon(c.points);
            break;
        }
        case CanvasCall::Kind::Polyline: {
            Box box{1e300, 1e300, -1e300, -1e300};
            for (const RealPoint& p : c.path) {
                box.left = std::min(box.left, p.x - reach), box.right = std::max(box.right, p.x + reach);
                box.top = std::min(box.top, p.y - reach), box.bottom = std::max(box.bottom, p.y + reach);
            }
            if (c.path.empty() || !box.Meets(seen)) break;
            ApplyState(canvas, c);
            canvas.Polyline(c.path);
            break;
        }
        case CanvasCall::Kind::Text: {
            // Generous bounds of a line of text: no glyph is wider than two em or lower than three.
            const double em = c.font.pointSize * 96.0 / 72.0;
            const Box box{double(c.x1) - 2, double(c.y1) - 2, c.x1 + 2 * em * double(c.text.size()) + 2,
                          c.y1 + 3 * em};
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

} // namespace

void ReplayVisible(const std::vector<CanvasCall>& calls, std::size_t first, QImage& image, int top, int rows,
                   bool antialiasing) {
    std::size_t n = first;
    ReplayRows([&]() -> const CanvasCall* { return n < calls.size() ? &calls[n++] : nullptr; }, image, top,
               rows, antialiasing);
}

QSize LogicalSize(const QImage& image) {
    const qreal ratio = image.devicePixelRatio();
    return QSize(qRound(image.width() / ratio), qRound(image.height() / ratio));
}

// A recorder whose calls another thread may replay while they are being recorded: the calls live
// in blocks that never move, and how many are finished is published as they come. Every recording
// is a frame with a generation number of its own; a reader names the frame it was started for and
// never sees a call, a count or the background's end of another frame.
class FastRaster::Stream final : public Canvas {
  public:
    Stream(int width, int height) : Canvas(width, height) {}

    // Begins frame `generation`. Must run before any reader of that frame can look at the stream,
    // and after every reader of the previous frame has ended.
    void Start(std::uint32_t generation) {
        generation_ = (std::uint64_t{generation} << kGenerationShift) & kGenerationMask;
        count_ = 0;
        backgroundKnown_ = false;
        overflow_ = false;
        backgroundCalls_.store(0, std::memory_order_relaxed);
        state_.store(generation_, std::memory_order_release);
        state_.notify_all();
    }
    // Publishes the last calls and tells the readers that no more will come.
    void Finish() {
        if (!backgroundKnown_) EndOfBackgroundAt(0);
        state_.store(generation_ | kBackgroundKnown | kDone | count_, std::memory_order_release);
        state_.notify_all();
    }
    // False when the calls did not fit; the picture must then be drawn another way.
    bool Complete() const { return !overflow_; }

    // For another thread: the number of background calls of frame `generation`, once known.
    std::size_t WaitForBackgroundEnd(std::uint32_t generation) const {
        Await(generation, [](std::uint64_t state) { return (state & kBackgroundKnown) != 0; });
        return backgroundCalls_.load(std::memory_order_relaxed); // ordered by the acquiring load
    }
    // For another thread: waits until call n of frame `generation` is recorded and returns it, or
    // nullptr when that recording ended before it.
    const CanvasCall* WaitFor(std::uint32_t generation, std::size_t n) const {
        const std::uint64_t state = Await(generation, [n](std::uint64_t s) {
            return n < (s & kCountMask) || (s & kDone) != 0;
        });
        return n < (state & kCountMask) ? &At(n) : nullptr;
    }

    void MoveTo(int x, int y) override {
        Add(CanvasCall::Kind::MoveTo, [&](CanvasCall& c) { c.x1 = x, c.y1 = y; });
        position_ = {x, y};
    }
    void LineTo(int x, int y) override {
        Add(CanvasCall::Kind::LineTo, [&](CanvasCall& c) { c.x1 = x, c.y1 = y, c.x2 = position_.x, c.y2 = position_.y; });
        position_ = {x, y};
    }
    void Ellipse(int left, int top, int right, int bottom) override {
        Add(CanvasCall::Kind::Ellipse, [&](CanvasCall& c) { c.x1 = left, c.y1 = top, c.x2 = right, c.y2 = bottom; });
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        Add(CanvasCall::Kind::Rectangle, [&](CanvasCall& c) { c.x1 = left, c.y1 = top, c.x2 = right, c.y2 = bottom; });
    }
    void Polygon(std::span<const IntPoint> points) override {
        Add(CanvasCall::Kind::Polygon, [&](CanvasCall& c) { c.points.assign(points.begin(), points.end()); });
    }
    void TextOut(int x, int y, std::string_view text) override {
        Add(CanvasCall::Kind::Text, [&](CanvasCall& c) { c.x1 = x, c.y1 = y, c.text = text, c.font = CurrentFont(); });
    }
    void Polyline(std::span<const RealPoint> points) override {
        Add(CanvasCall::Kind::Polyline, [&](CanvasCall& c) { c.path.assign(points.begin(), points.end()); });
    }
    void EndOfBackground() override {
        if (!backgroundKnown_) EndOfBackgroundAt(count_);
    }

  private:
    static constexpr std::size_t kBlock = 4096, kBlocks = 1024;
    // The published state: the frame's generation, whether the background's end is known, whether
    // the frame is done, and how many calls are finished (at most kBlock * kBlocks < 2^32).
    static constexpr std::uint64_t kDone = std::uint64_t{1} << 63;
    static constexpr std::uint64_t kBackgroundKnown = std::uint64_t{1} << 62;
    static constexpr int kGenerationShift = 32;
    static constexpr std::uint64_t kGenerationMask = ((std::uint64_t{1} << 30) - 1) << kGenerationShift;
    static constexpr std::uint64_t kCountMask = (std::uint64_t{1} << 32) - 1;
    static_assert(kBlock * kBlocks <= kCountMask);

    const CanvasCall& At(std::size_t n) const { return blocks_[n / kBlock][n % kBlock]; }

    // Waits until the state belongs to frame `generation` and satisfies `ready`; returns it.
    template <class Ready>
    std::uint64_t Await(std::uint32_t generation, Ready ready) const {
        const std::uint64_t mine = (std::uint64_t{generation} << kGenerationShift) & kGenerationMask;
        for (int round = 0;; ++round) {
            const std::uint64_t state = state_.load(std::memory_order_acquire);
            if ((state & kGenerationMask) == mine && ready(state)) return state;
            if (round < 64)
                std::this_thread::yield();
            else
                state_.wait(state, std::memory_order_acquire);
        }
    }

    void EndOfBackgroundAt(std::size_t calls) {
        backgroundCalls_.store(calls, std::memory_order_relaxed); // published by the store below
        backgroundKnown_ = true;
        Publish();
    }

    // Records one call, filled in by `fill`, and only then counts it, so that a published call
    // is always complete.
    template <class Fill>
    void Add(CanvasCall::Kind kind, Fill fill) {
        if (count_ == kBlock * kBlocks) {
            overflow_ = true;
            return;
        }
        std::unique_ptr<CanvasCall[]>& block = blocks_[count_ / kBlock];
        if (!block) block = std::make_unique<CanvasCall[]>(kBlock); // before the call is published
        CanvasCall& c = block[count_ % kBlock];
        c.kind = kind;
        c.pen = CurrentPen();
        c.brush = CurrentBrush();
        fill(c);
        if (++count_ % 1024 == 0 && backgroundKnown_) Publish();
    }
    // Calls are published only once the background's end is known.
    void Publish() {
        state_.store(generation_ | kBackgroundKnown | count_, std::memory_order_release);
        state_.notify_one();
    }

    // Written by the recording thread only; readers see them through state_.
    std::array<std::unique_ptr<CanvasCall[]>, kBlocks> blocks_;
    std::uint64_t generation_ = 0;
    std::size_t count_ = 0;
    bool backgroundKnown_ = false;
    bool overflow_ = false;
    IntPoint position_;
    std::atomic<std::size_t> backgroundCalls_{0};
    std::atomic<std::uint64_t> state_{0};
};

FastRaster::FastRaster() = default;
FastRaster::~FastRaster() = default;

void FastRaster::Render(Document& doc, QImage& image, bool resultsShown, bool antialiasing) {
    const QSize logical = LogicalSize(image);
    const int width = logical.width(), height = logical.height();
    const qreal ratio = image.devicePixelRatio();
    if (!stream_ || stream_->Width() != width || stream_->Height() != height)
        stream_ = std::make_unique<Stream>(width, height);
    if (image.format() != QImage::Format_RGB32) {
        image = QImage(image.size(), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
    }
    Stream& stream = *stream_;
    // This frame's recording: started here, before any reader of it exists, so that no reader can
    // see the previous frame's calls; every reader below waits for this generation.
    const std::uint32_t frame = ++generation_;
    stream.Start(frame);
    auto record = [&] {
        try {
            PaintDocument(doc, stream, resultsShown);
        } catch (...) {
            stream.Finish();
            throw;
        }
        stream.Finish();
    };
    // This frame's calls from `first` on, as they are recorded or once they are.
    auto reader = [&stream, frame](std::size_t first) {
        return [&stream, frame, n = first]() mutable { return stream.WaitFor(frame, n++); };
    };

    // 1. The background layers, rasterised again only when the view changed: then the whole
    // repaint is recorded first.
    const auto key = std::make_tuple(width, height, doc.view.stretchFactor, doc.view.panX, doc.view.panY,
                                     doc.view.showGrid, doc.view.showMmGrid, doc.view.showAxes, antialiasing);
    const bool backgroundKept = backgroundValid_ && key == backgroundKey_ &&
                                background_.size() == image.size() && background_.devicePixelRatio() == ratio;
    if (!backgroundKept) {
        record();
        background_ = QImage(image.size(), QImage::Format_RGB32);
        background_.setDevicePixelRatio(ratio);
        background_.fill(Qt::white);
        const std::size_t end = stream.WaitForBackgroundEnd(frame);
        auto next = reader(0);
        std::size_t n = 0;
        ReplayRows([&]() { return n++ < end ? next() : nullptr; }, background_, 0, height, antialiasing);
        backgroundKey_ = key;
        backgroundValid_ = true;
    }
    uchar* bits = image.bits();
    const qsizetype rowBytes = image.bytesPerLine();
    const int pixelWidth = image.width(), pixelHeight = image.height();
    // The background under the rows top .. top + rows - 1, copied by the strip that draws them.
    auto copyBackground = [&](int top, int rows) {
        const int first = std::clamp(static_cast<int>(top * ratio), 0, pixelHeight);
        const int end = std::clamp(static_cast<int>((top + rows) * ratio), first, pixelHeight);
        std::memcpy(bits + first * rowBytes, background_.constBits() + first * rowBytes,
                    static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(end - first));
    };

    // 2. The rest in two strips at once. Each painter has an image of its own over the same
    // pixels (one image takes one painter at a time) and keeps to its rows; both see the whole
    // picture, so that every line is smoothed as the plain path smooths it. The strips must not
    // share a row of pixels: at a fractional ratio the border between them would fall inside one,
    // so the picture is then drawn in one piece.
    auto strip = [&](int top, int rows) {
        if (rows <= 0) return;
        copyBackground(top, rows);
        QImage view(bits, pixelWidth, pixelHeight, rowBytes, QImage::Format_RGB32);
        view.setDevicePixelRatio(ratio);
        ReplayRows(reader(stream.WaitForBackgroundEnd(frame)), view, top, rows, antialiasing);
    };
    if (ratio != std::floor(ratio)) {
        if (backgroundKept) record();
        strip(0, pixelHeight); // every row of the image
    } else if (!backgroundKept) {
        // Recorded already: the strips share the work evenly.
        const int split = height / 2;
        std::thread lower(strip, split, height - split);
        strip(0, split);
        lower.join();
    } else {
        // The upper strip follows the recording on a second thread; this one records, then draws
        // the lower strip. The border moves from frame to frame towards equal finishing times.
        using Clock = std::chrono::steady_clock;
        const int split = std::clamp(static_cast<int>(std::lround(height * split_)), 0, height);
        Clock::time_point upperDone;
        std::thread upper([&] {
            strip(0, split);
            upperDone = Clock::now();
        });
        try {
            record();
        } catch (...) {
            upper.join();
            throw;
        }
        strip(split, height - split);
        const Clock::time_point lowerDone = Clock::now();
        upper.join();
        split_ = std::clamp(split_ + (upperDone > lowerDone ? -0.02 : 0.02), 0.2, 0.9);
    }
    // More calls than any repaint makes: drawn the plain way.
    if (!stream.Complete()) RenderPicture(doc, image, resultsShown, antialiasing);
}

} // namespace trimora
