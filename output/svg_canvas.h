// A canvas that writes the drawing as an SVG picture without Qt (the web edition's): pixels of the
// drawing area as the view box on a white ground, runs of joined lines as one path, hatched
// brushes as patterns defined once.
#pragma once

#include "draw/canvas.h"

#include <map>
#include <string>
#include <vector>

namespace trimora {

struct Document;

class SvgCanvas final : public Canvas {
  public:
    SvgCanvas(int width, int height);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const IntPoint> points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, std::string_view text) override;
    void Polyline(std::span<const RealPoint> points) override;

    // The whole file; `widthAttr`, `heightAttr` its size on paper ("821px", "8.21cm").
    std::string Text(const std::string& widthAttr, const std::string& heightAttr);

  private:
    std::string Stroke() const; // the pen's attributes
    std::string Fill();         // the brush's attributes
    void FlushPath();

    std::map<std::string, std::string> patterns_; // hatch id -> definition
    std::string body_;
    IntPoint position_{};
    std::string path_; // "M x y L x y …" of the run being collected
    Pen pathPen_;
};

// The picture of a width x height drawing area as SVG; with cmPerUnit > 0 one world unit is that
// many centimetres long on paper, else a pixel is 1/96 inch.
std::string EncodeSvg(Document& doc, int width, int height, double cmPerUnit);

} // namespace trimora
