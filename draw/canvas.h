// The drawing surface of one repaint, modelled on a GDI device context: pen, brush and font are
// state that persists until changed, because the families rely on the pen carrying over from one
// step to the next. Implementations: the recording canvas (tests), the QPainter canvas (screen,
// raster images, SVG, PDF, printer) and the metafile canvas.
#pragma once

#include "base/geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace trimora {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// 0xRRGGBB, as colours are written everywhere in the program.
constexpr Color Rgb(std::uint32_t rgb) {
    return Color{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                 static_cast<std::uint8_t>(rgb)};
}

inline constexpr Color kBlack = Rgb(0x000000);
inline constexpr Color kWhite = Rgb(0xFFFFFF);
inline constexpr Color kYellow = Rgb(0xFFFF00);
inline constexpr Color kRed = Rgb(0xFF0000);
inline constexpr Color kBlue = Rgb(0x0000FF);
inline constexpr Color kLime = Rgb(0x00FF00);
inline constexpr Color kGreen = Rgb(0x008000);
inline constexpr Color kGrey = Rgb(0x808080);
inline constexpr Color kMagenta = Rgb(0xFF00FF);
inline constexpr Color kPurple = Rgb(0x800080);
inline constexpr Color kOlive = Rgb(0x808000);
inline constexpr Color kLightGrey = Rgb(0xF0F0F0);
inline constexpr Color kSilver = Rgb(0xC0C0C0);

enum class PenStyle : std::uint8_t { Solid, Dot, Clear };
enum class BrushStyle : std::uint8_t { Solid, Clear, BDiagonal, FDiagonal, Horizontal };

struct Pen {
    Color color = kBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Color color = kWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
    std::string name = "Verdana";
    int pointSize = 9;
    friend bool operator==(const Font&, const Font&) = default;
};

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {}
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }

    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    const Font& CurrentFont() const { return font_; }

    void SetPenColor(Color c) { pen_.color = c; }
    void SetPenWidth(int w) { pen_.width = w; }
    void SetPenStyle(PenStyle s) { pen_.style = s; }
    // Setting a brush colour turns a clear brush solid; a hatched brush stays hatched.
    void SetBrushColor(Color c) {
        brush_.color = c;
        if (brush_.style == BrushStyle::Clear) brush_.style = BrushStyle::Solid;
    }
    void SetBrushStyle(BrushStyle s) { brush_.style = s; }
    void SetPen(const Pen& p) { pen_ = p; }
    void SetBrush(const Brush& b) { brush_ = b; }
    void SetFont(const Font& f) { font_ = f; }
    void SetFont(std::string_view name, int pointSize) {
        font_.name = name;
        font_.pointSize = pointSize;
    }

    // The current position is moved without drawing; LineTo draws from it and moves it,
    // leaving out the end pixel.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Ellipse inside the box (left, top)..(right, bottom), right and bottom edges excluded;
    // outlined with the pen, filled with the brush.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Polygon(std::span<const IntPoint> points) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // Text (UTF-8) with its top-left corner at (x, y), on a clear background when the brush is clear.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // An open line through points between the pixels, in the current pen (the loci). By default
    // the points are rounded to whole pixels and joined by LineTo; a canvas that can draw between
    // pixels keeps them as they are.
    virtual void Polyline(std::span<const RealPoint> points);
    // The paint routine has drawn the background layers (grid, millimetre grid, axes), which
    // depend on the view alone; a canvas may keep them between repaints.
    virtual void EndOfBackground() {}

private:
    int width_;
    int height_;
    Pen pen_;
    Brush brush_;
    Font font_;
};

} // namespace trimora
