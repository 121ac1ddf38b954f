// The paint routine: one repaint of the whole picture and the whole results list.
#pragma once

#include "draw/canvas.h"
#include "draw/document.h"
#include "draw/paint_context.h"

namespace trimora {

// Draws everything switched on into `canvas` (the drawing area has the canvas's size) and fills
// doc.results. `resultsShown` is whether the results panel is visible: only then are result
// lines written, except "Schwerpunkt S".
// With a log, the points of the result lines and the derived triangles are noted in it as well.
void PaintDocument(Document& doc, Canvas& canvas, bool resultsShown, PaintLog* log = nullptr);

} // namespace trimora
