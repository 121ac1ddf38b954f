// A canvas that records the drawing as an enhanced metafile (libEMF): the vector graphic of the
// ".wmf" export and of the clipboard.
#pragma once

#include "draw/canvas.h"
#include "output/picture_encoders.h"

#include <cstdio>
#include <memory>

namespace trimora {

class EmfCanvas final : public Canvas {
public:
    EmfCanvas(int width, int height);
    ~EmfCanvas() override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const IntPoint> points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, std::string_view text) override;

    // Closes the metafile and returns its bytes; the canvas takes no more drawing afterwards.
    Encoded Finish();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    void Select();
};

// The whole vector picture: white background, then `paint` on the metafile canvas.
template <class Paint> Encoded RenderMetafile(int width, int height, Paint&& paint) {
    EmfCanvas canvas(width, height);
    canvas.SetFont("Verdana", 10);
    canvas.SetBrushColor(kWhite);
    canvas.SetPenColor(kWhite);
    canvas.Rectangle(-1, -1, width + 1, height + 1);
    canvas.SetPenColor(kBlack);
    canvas.SetBrushStyle(BrushStyle::Clear);
    paint(canvas);
    return canvas.Finish();
}

} // namespace trimora
