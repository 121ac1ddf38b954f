#include "draw/etc_centres.h"

#include "base/etc_numbers.h"

namespace trimora {

void NoteEtcCentre(PaintContext& ctx, std::string& line, RealPoint precise) {
    const EtcRow* row = FindEtcRow(ctx.lastLabel, ctx.lastTitle);
    if (row == nullptr) return;
    ctx.doc.etcCentres.push_back({ctx.doc.results.Size() - 1, row->n, precise});
    if (!ctx.showEtc) return;
    line += " [X(";
    line += std::to_string(row->n);
    line += ")]";
}

} // namespace trimora
