// The centres of the encyclopedia among the result lines: each point line whose label has an ETC
// number is noted in the document, and with the switch "ETC-Nummern" it ends in " [X(n)]".
#pragma once

#include "draw/paint_context.h"

#include <string>

namespace trimora {

// Called by ReportPoint once the point line `line` (the last line of the list) is complete.
void NoteEtcCentre(PaintContext& ctx, std::string& line, RealPoint precise);

} // namespace trimora
