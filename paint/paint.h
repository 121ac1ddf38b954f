// The paint routine: one repaint of the whole picture and the whole results list.
#pragma once

#include "draw/canvas.h"
#include "draw/document.h"

namespace trimora {

// Draws everything switched on into `canvas` (the drawing area has the canvas's size) and fills
// doc.results. `resultsShown` is whether the results panel is visible: only then are result
// lines written, except "Schwerpunkt S".
void PaintBox1Paintx(Document& doc, Canvas& canvas, bool resultsShown);

} // namespace trimora
