// Result lines: "label<TAB>value" in world units with three decimals and a decimal comma.
// An empty label repeats the last non-empty one. The callers decide whether results are shown.
#pragma once

#include "draw/paint_context.h"

#include <string>
#include <string_view>

namespace trimora {

inline constexpr std::string_view kEllipsis = "\u2026"; // "…", the mark of a block's sub-lines

// Remembers the label of a line that is left out (an absent point, no line) for the lines after
// it that repeat it. The report routines below do this themselves.
void NoteLabel(PaintContext& ctx, std::string_view label);

// A title line, unchanged and without a tab; it does not change the last label.
void AppendTitle(PaintContext& ctx, std::string_view title);

void ReportPoint(PaintContext& ctx, std::string_view label, RealPoint p);
void ReportSlot(PaintContext& ctx, int slot, std::string_view label);
void ReportDistance(PaintContext& ctx, std::string_view label, RealPoint p1, RealPoint p2);
void ReportSlotDistance(PaintContext& ctx, int i, int j, std::string_view label);
void ReportValue(PaintContext& ctx, std::string_view label, double v);
// A line whose value is a text made by the caller.
void ReportText(PaintContext& ctx, std::string_view label, std::string_view text);
// Radius in pixels; a second line "… Flächeninhalt" gives the circle's area in square units.
void ReportRadius(PaintContext& ctx, std::string_view label, double r);
// Title, "… Mittelpunkt" (precise point of the slot), "… Radius", "… Flächeninhalt".
void ReportCircle(PaintContext& ctx, int slot, std::string_view title, double r);
void ReportLine(PaintContext& ctx, std::string_view label, RealPoint p1, RealPoint p2);
void ReportSlotLine(PaintContext& ctx, int i, int j, std::string_view label);
// The twelve-line block of the triangle of the screen points of slots i, j, k, titled
// name + nameTail + "-Dreieck".
void ReportTriangle(PaintContext& ctx, int i, int j, int k, std::string_view name,
                    std::string_view nameTail = {});

// The value text of ReportLine: "Y = 0,5 X +1 ; Anstiegswinkel 26,57°" for world points.
void AppendLineEquation(std::string& out, RealPoint w1, RealPoint w2);
std::string LineEquationText(RealPoint w1, RealPoint w2);

} // namespace trimora
