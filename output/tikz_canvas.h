// A canvas that writes the drawing as a TikZ picture for LaTeX: coordinates in world units of the
// triangle's coordinate system, clipped to the drawing area, every colour defined once. Runs of
// joined lines (conics, hypocycloids, loci) become one path with no more points than the picture
// needs.
#pragma once

#include "draw/canvas.h"

#include <map>
#include <string>
#include <vector>

namespace trimora {

struct Document;

// Where the picture's pixels lie in the world: the drawing origin and the pixels per unit.
struct TikzFrame {
    int width = 821, height = 660; // the drawing area in pixels
    double originX = 410, originY = 330;
    double pixelsPerUnit = 100;
    double cmPerUnit = 1; // the picture's scale on paper
};

class TikzCanvas final : public Canvas {
  public:
    explicit TikzCanvas(const TikzFrame& frame);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const IntPoint> points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, std::string_view text) override;

    // The tikzpicture alone (for \input), or a complete standalone document around it.
    std::string Picture();
    std::string StandaloneDocument();

  private:
    std::string Point(double x, double y) const;      // "(1.25,-0.5)" from pixels
    std::string Length(double pixels) const;          // "0.0125cm"
    std::string ColourName(Color c);                  // defined once per colour
    std::string StrokeOptions();                      // colour, width and dash of the pen
    std::string FillOptions();                        // the brush: fill or hatch, or nothing
    void FlushPath();

    TikzFrame frame_;
    std::map<std::uint32_t, std::string> colours_;
    std::string definitions_, body_;
    IntPoint position_{};
    std::vector<IntPoint> path_; // the run of joined lines being collected
    Pen pathPen_;
};

struct TikzOptions {
    double cmPerUnit = 1;
    bool bodyOnly = false; // the tikzpicture alone, for \input
};

// The picture of a width x height drawing area as TikZ.
std::string EncodeTikz(Document& doc, int width, int height, const TikzOptions& options);

// A text as LaTeX writes it: special characters escaped, letters outside Latin-1 as commands.
std::string LatexText(std::string_view utf8);

} // namespace trimora
