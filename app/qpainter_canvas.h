// The canvas on a QPainter: the screen's off-screen image, raster exports, SVG, PDF and the printer.
#pragma once

#include "draw/canvas.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace trimora {

class QPainterCanvas final : public Canvas {
  public:
    // Paints on `painter`, whose device is width x height pixels. Quick drawing matters more than
    // smooth edges while dragging, so anti-aliasing is a choice of the caller.
    QPainterCanvas(QPainter& painter, int width, int height, bool antialiasing = true);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const IntPoint> points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, std::string_view text) override;
    // Between the pixels, with round joins and ends.
    void Polyline(std::span<const RealPoint> points) override;
    // Several lines in the current pen at once, each as LineTo draws it.
    void Lines(std::span<const QLine> lines);
    // The polygon's fill without anti-aliasing, then its outline with it: the same picture but for
    // the edge pixels under the outline, at a fraction of the cost of a smoothed fill.
    void PolygonQuickFill(std::span<const IntPoint> points);
    // An unfilled path in the current pen.
    void Outline(const QPainterPath& path);

  private:
    // What may show: the picture and a margin for the pen, in the canvas's pixels.
    QRectF View() const;
    // Primitives within this reach are drawn as they are; farther ones are clipped to the view in
    // reals first, so that their length costs the rasteriser nothing.
    QRectF Reach() const;
    bool WithinReach(std::span<const IntPoint> points) const;
    // A segment clipped to the view; a dotted one keeps its dots where they were.
    void StrokeClipped(const QLineF& line);
    // A polygon beyond the reach: its fill clipped to the view (without anti-aliasing for a quick
    // fill), its outline along the clipped edges.
    void PolygonClipped(const QPolygonF& polygon, bool quickFill);
    void ApplyPen();
    void ApplyBrush();
    void ApplyFont();

    QPainter& painter_;
    QPoint position_;
    Pen appliedPen_;
    Brush appliedBrush_;
    Font appliedFont_;
    bool penApplied_ = false, brushApplied_ = false, fontApplied_ = false;
};

// The rectangle QPainter draws the ellipse of the canvas box left, top, right, bottom in.
QRectF EllipseBox(int left, int top, int right, int bottom);

// The arcs of the ellipse's outline that may show in `view`: the cubics QPainter strokes for the
// whole outline, less the pieces outside, each piece an exact part of its cubic.
QPainterPath VisibleOutline(const QRectF& ellipse, const QRectF& view);

// Asks for Verdana and falls back to DejaVu Sans where Verdana is not installed.
void RegisterFontFallbacks();

// Paints the whole picture on `image` (cleared to white first); the image's size is the drawing
// area's times the image's device pixel ratio. Reusing one image between repaints keeps
// allocations out of dragging.
void RenderPicture(struct Document& doc, QImage& image, bool resultsShown, bool antialiasing = true);

} // namespace trimora
