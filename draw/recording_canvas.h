// A canvas that records every call with the pen, brush and font in force: the drawing core's
// tests compare these records, and the benchmark uses it to time a repaint without rasterising.
#pragma once

#include "draw/canvas.h"

#include <vector>

namespace trimora {

struct CanvasCall {
    enum class Kind : std::uint8_t { MoveTo, LineTo, Ellipse, Polygon, Rectangle, Text, Polyline };
    Kind kind;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // MoveTo/LineTo use x1, y1; LineTo also records its start in x2, y2
    std::vector<IntPoint> points;       // Polygon
    std::vector<RealPoint> path;        // Polyline
    std::string text;                   // Text
    Font font;                          // Text
    Pen pen;
    Brush brush;
};

class RecordingCanvas final : public Canvas {
public:
    RecordingCanvas(int width, int height) : Canvas(width, height) {}

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const IntPoint> points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, std::string_view text) override;
    void Polyline(std::span<const RealPoint> points) override;

    const std::vector<CanvasCall>& Calls() const { return calls_; }
    // Forget the calls but keep the memory, so that repeated repaints do not allocate.
    void Clear() {
        calls_.clear();
        backgroundCalls_ = 0;
    }
    // The calls of the background layers (grid, millimetre grid, axes) come first; this many.
    std::size_t BackgroundCalls() const { return backgroundCalls_; }
    void EndOfBackground() override { backgroundCalls_ = calls_.size(); }

private:
    CanvasCall& Add(CanvasCall::Kind kind);
    std::vector<CanvasCall> calls_;
    std::size_t backgroundCalls_ = 0;
    IntPoint position_;
};

} // namespace trimora
