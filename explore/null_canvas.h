// A canvas that draws nothing: the repaints of the explore layer are wanted for their result lines
// and the points they note.
#pragma once

#include "draw/canvas.h"

namespace trimora {

class NullCanvas final : public Canvas {
  public:
    using Canvas::Canvas;
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Polygon(std::span<const IntPoint>) override {}
    void Rectangle(int, int, int, int) override {}
    void TextOut(int, int, std::string_view) override {}
    void Polyline(std::span<const RealPoint>) override {}
};

} // namespace trimora
