#include "output/svg_canvas.h"

#include "draw/document.h"
#include "output/decimal_text.h"
#include "paint/paint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace trimora {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0; // the screen's font sizes
constexpr double kAscent = 0.93;                // of DejaVu Sans, as the TikZ canvas takes it
constexpr double kAverageAdvance = 0.55;        // a letter's width in font sizes, for a text's ground

// At most three decimals, as picture files write them.
std::string Number(double v) { return TrimmedDecimal(v, 3); }

std::string Hex(Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::size_t Letters(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

SvgCanvas::SvgCanvas(int width, int height) : Canvas(width, height) {}

std::string SvgCanvas::Stroke() const {
    const Pen& p = CurrentPen();
    if (p.style == PenStyle::Clear) return " stroke=\"none\"";
    const int width = std::max(1, p.width);
    std::string s = " stroke=\"" + Hex(p.color) + "\" stroke-width=\"" + std::to_string(width) + "\"";
    if (p.style == PenStyle::Dot) s += " stroke-dasharray=\"" + std::to_string(width) + " " + std::to_string(2 * width) + "\"";
    return s;
}

std::string SvgCanvas::Fill() {
    const Brush& b = CurrentBrush();
    switch (b.style) {
    case BrushStyle::Clear: return " fill=\"none\"";
    case BrushStyle::Solid: return " fill=\"" + Hex(b.color) + "\"";
    default: break;
    }
    // Hatching: lines 8 pixels apart on a clear ground.
    const char* line = b.style == BrushStyle::BDiagonal   ? "M0 8L8 0"
                       : b.style == BrushStyle::FDiagonal ? "M0 0L8 8"
                                                          : "M0 4L8 4";
    const std::string id = "h" + std::to_string(static_cast<int>(b.style)) + Hex(b.color).substr(1);
    if (!patterns_.count(id))
        patterns_[id] = "<pattern id=\"" + id + "\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\"><path d=\"" +
                        line + "\" stroke=\"" + Hex(b.color) + "\" stroke-width=\"1\"/></pattern>\n";
    return " fill=\"url(#" + id + ")\"";
}

void SvgCanvas::FlushPath() {
    if (path_.empty()) return;
    const Pen pen = CurrentPen();
    SetPen(pathPen_);
    body_ += "<path d=\"" + path_ + "\" fill=\"none\"" + Stroke() + "/>\n";
    SetPen(pen);
    path_.clear();
}

void SvgCanvas::MoveTo(int x, int y) { position_ = {x, y}; }

void SvgCanvas::LineTo(int x, int y) {
    if (CurrentPen().style != PenStyle::Clear) {
        const bool joined = !path_.empty() && CurrentPen() == pathPen_;
        if (!joined) {
            FlushPath();
            pathPen_ = CurrentPen();
            path_ = "M" + std::to_string(position_.x) + " " + std::to_string(position_.y);
        }
        path_ += "L" + std::to_string(x) + " " + std::to_string(y);
    }
    position_ = {x, y};
}

void SvgCanvas::Ellipse(int left, int top, int right, int bottom) {
    FlushPath();
    // The box of the window's canvas: half a pixel in, its right and bottom edges left out.
    const double rx = (right - left - 1.0) / 2, ry = (bottom - top - 1.0) / 2;
    if (!(rx > 0) || !(ry > 0)) return;
    body_ += "<ellipse cx=\"" + Number(left + 0.5 + rx) + "\" cy=\"" + Number(top + 0.5 + ry) + "\" rx=\"" +
             Number(rx) + "\" ry=\"" + Number(ry) + "\"" + Fill() + Stroke() + "/>\n";
}

void SvgCanvas::Polygon(std::span<const IntPoint> points) {
    FlushPath();
    if (points.size() < 2) return;
    std::string list;
    for (const IntPoint& p : points) list += (list.empty() ? "" : " ") + std::to_string(p.x) + "," + std::to_string(p.y);
    body_ += "<polygon points=\"" + list + "\"" + Fill() + Stroke() + "/>\n";
}

void SvgCanvas::Rectangle(int left, int top, int right, int bottom) {
    FlushPath();
    body_ += "<rect x=\"" + Number(left + 0.5) + "\" y=\"" + Number(top + 0.5) + "\" width=\"" +
             Number(right - left - 1.0) + "\" height=\"" + Number(bottom - top - 1.0) + "\"" + Fill() + Stroke() + "/>\n";
}

void SvgCanvas::TextOut(int x, int y, std::string_view text) {
    FlushPath();
    const double size = CurrentFont().pointSize * kPixelsPerPoint;
    // An opaque brush paints the text's ground, as on the window's canvas.
    if (CurrentBrush().style != BrushStyle::Clear)
        body_ += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                 Number(kAverageAdvance * size * static_cast<double>(Letters(text))) + "\" height=\"" +
                 Number(1.17 * size) + "\" fill=\"" + Hex(CurrentBrush().color) + "\"/>\n";
    // Text is black whatever the pen.
    body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" + Number(y + kAscent * size) + "\" font-family=\"" +
             Escaped(CurrentFont().name) + ", DejaVu Sans, sans-serif\" font-size=\"" + Number(size) +
             "\" fill=\"#000000\">" + Escaped(text) + "</text>\n";
}

void SvgCanvas::Polyline(std::span<const RealPoint> points) {
    FlushPath();
    if (CurrentPen().style == PenStyle::Clear) return;
    std::string d;
    for (const RealPoint& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        d += (d.empty() ? "M" : "L") + Number(p.x) + " " + Number(p.y);
    }
    if (!d.empty()) body_ += "<path d=\"" + d + "\" fill=\"none\"" + Stroke() + "/>\n";
}

std::string SvgCanvas::Text(const std::string& widthAttr, const std::string& heightAttr) {
    FlushPath();
    std::string defs;
    for (const auto& [id, pattern] : patterns_) defs += pattern;
    const std::string w = std::to_string(Width()), h = std::to_string(Height());
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + widthAttr +
           "\" height=\"" + heightAttr + "\" viewBox=\"0 0 " + w + " " + h + "\" stroke-linecap=\"butt\">\n" +
           "<title>Trimora</title>\n" + (defs.empty() ? "" : "<defs>\n" + defs + "</defs>\n") + "<rect width=\"" + w +
           "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n" + "<svg x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h +
           "\" overflow=\"hidden\">\n" + body_ + "</svg>\n</svg>\n";
}

std::string EncodeSvg(Document& doc, int width, int height, double cmPerUnit) {
    SvgCanvas canvas(width, height);
    canvas.SetFont("Verdana", 10);
    PaintDocument(doc, canvas, false);
    if (cmPerUnit <= 0) return canvas.Text(std::to_string(width) + "px", std::to_string(height) + "px");
    const double pixelsPerCm = 100 * doc.view.stretchFactor / cmPerUnit;
    return canvas.Text(Number(width / pixelsPerCm) + "cm", Number(height / pixelsPerCm) + "cm");
}

} // namespace trimora
