#include "draw/recording_canvas.h"

namespace trimora {

CanvasCall& RecordingCanvas::Add(CanvasCall::Kind kind) {
    CanvasCall& call = calls_.emplace_back();
    call.kind = kind;
    call.pen = CurrentPen();
    call.brush = CurrentBrush();
    return call;
}

void RecordingCanvas::MoveTo(int x, int y) {
    CanvasCall& c = Add(CanvasCall::Kind::MoveTo);
    c.x1 = x;
    c.y1 = y;
    position_ = {x, y};
}

void RecordingCanvas::LineTo(int x, int y) {
    CanvasCall& c = Add(CanvasCall::Kind::LineTo);
    c.x1 = x;
    c.y1 = y;
    c.x2 = position_.x;
    c.y2 = position_.y;
    position_ = {x, y};
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    CanvasCall& c = Add(CanvasCall::Kind::Ellipse);
    c.x1 = left;
    c.y1 = top;
    c.x2 = right;
    c.y2 = bottom;
}

void RecordingCanvas::Polygon(std::span<const IntPoint> points) {
    CanvasCall& c = Add(CanvasCall::Kind::Polygon);
    c.points.assign(points.begin(), points.end());
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
    CanvasCall& c = Add(CanvasCall::Kind::Rectangle);
    c.x1 = left;
    c.y1 = top;
    c.x2 = right;
    c.y2 = bottom;
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    CanvasCall& c = Add(CanvasCall::Kind::Text);
    c.x1 = x;
    c.y1 = y;
    c.text = text;
    c.font = CurrentFont();
}

void RecordingCanvas::Polyline(std::span<const RealPoint> points) {
    CanvasCall& c = Add(CanvasCall::Kind::Polyline);
    c.path.assign(points.begin(), points.end());
}

} // namespace trimora
