// Helpers shared by the drawing-core and family tests.
#pragma once

#include "draw/document.h"
#include "paint/paint.h"
#include "draw/recording_canvas.h"

#include <string>
#include <vector>

namespace trimora::testing {

// A document with the vertices at the given pixels and only the given entries on.
inline Document MakeDocument(IntPoint a, IntPoint b, IntPoint c, std::initializer_list<int> entries = {}) {
    Document doc;
    doc.points.screen[kSlotA] = a;
    doc.points.screen[kSlotB] = b;
    doc.points.screen[kSlotC] = c;
    for (int e : entries) doc.SetOn(e);
    return doc;
}

struct Painted {
    std::vector<std::string> lines;
    std::vector<CanvasCall> calls;
};

inline Painted Paint(Document& doc, int width, int height, bool shown = true) {
    RecordingCanvas canvas(width, height);
    PaintDocument(doc, canvas, shown);
    return {doc.results.Lines(), canvas.Calls()};
}

} // namespace trimora::testing
