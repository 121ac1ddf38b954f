// The drawing area's fast path to the same picture: the repaint is recorded once, the background
// layers (grid, millimetre grid, axes) are kept while the view stays the same, and the rest is
// rasterised in two horizontal strips at once, each strip handed only what it can show. While the
// background is kept, the upper strip is drawn on a second thread as the calls are recorded.
// Exports and printing keep the plain path through QPainterCanvas.
#pragma once

#include "draw/recording_canvas.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <tuple>

namespace trimora {

struct Document;

class FastRaster {
public:
    // Paints the whole picture on `image` (its size is the drawing area's times the image's device
    // pixel ratio), as RenderPicture does.
    void Render(Document& doc, QImage& image, bool resultsShown, bool antialiasing);

    FastRaster();
    ~FastRaster();

private:
    class Stream;
    std::unique_ptr<Stream> stream_;
    std::uint32_t generation_ = 0; // of the last frame recorded
    double split_ = 0.5; // the upper strip's share of the rows, balanced from frame to frame
    QImage background_;
    // What the background layers depend on: size, stretch, pan, switches, anti-aliasing.
    std::tuple<int, int, double, int, int, bool, bool, bool, bool> backgroundKey_{};
    bool backgroundValid_ = false;
};

// The picture's size in logical pixels: the image's pixels divided by its device pixel ratio.
QSize LogicalSize(const QImage& image);

// Replays recorded calls from `first` on onto the rows top .. top + rows - 1 of `image`; calls
// that cannot touch those rows are skipped. Rows count in the picture's (logical) pixels.
void ReplayVisible(const std::vector<CanvasCall>& calls, std::size_t first, QImage& image, int top, int rows,
                   bool antialiasing);

} // namespace trimora
