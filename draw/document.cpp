#include "draw/document.h"

#include "draw/point_table.h"
#include "base/field.h"
#include "base/format.h"

namespace trimora {

void InitDocument(Document& doc, int width, int height) {
    doc = Document{};
    doc.points.screen[kSlotA] = {290, 190};
    doc.points.screen[kSlotB] = {220, 420};
    doc.points.screen[kSlotC] = {560, 420};
    doc.view.panelWidth = 210;
    for (int e = 0; e <= 6; ++e) doc.SetOn(e);
    WriteFieldsFromVertices(doc, width / 2, height / 2);
}

void ApplyFieldTexts(Document& doc, int width, int height) {
    const ViewSettings& v = doc.view;
    for (int n = 0; n < 3; ++n) {
        const double x = ReadField(doc.fields[2 * n]).value;
        const double y = ReadField(doc.fields[2 * n + 1]).value;
        PlaceVertex(doc.points, kSlotA + n, WorldToPixel(x, y, v.stretchFactor, width, height, v.panX, v.panY));
    }
}

void WriteFieldsFromVertices(Document& doc, int originX, int originY) {
    const double s = 100.0 * doc.view.stretchFactor;
    if (s == 0) return;
    for (int n = 0; n < 3; ++n) {
        const IntPoint p = doc.points.screen[kSlotA + n];
        doc.fields[2 * n] = FormatReal((p.x - originX) / s, 3);
        doc.fields[2 * n + 1] = FormatReal((originY - p.y) / s, 3);
    }
}

} // namespace trimora
