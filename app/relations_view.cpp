#include "app/relations_view.h"

#include "explore/relations_search.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace trimora {

void PaintHighlight(QPainter& painter, const RelationHighlight& h, QSize area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 0, 128), 3));
    if (h.circle) {
        painter.drawEllipse(h.centre, h.radius, h.radius);
    } else {
        // Long enough to cross the whole area from any of its points.
        const double reach = std::hypot(area.width(), area.height()) + std::hypot(h.centre.x(), h.centre.y());
        painter.drawLine(h.centre - h.direction * reach, h.centre + h.direction * reach);
    }
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    for (const QPointF& p : h.points)
        painter.drawEllipse(p, 7, 7);
    painter.restore();
}

RelationsList::Stamp RelationsList::StampOf(const Document& doc, int width, int height) {
    Stamp s;
    for (int v = 0; v < 3; ++v)
        s.vertices[static_cast<std::size_t>(v)] = doc.points.screen[kSlotA + v];
    s.panX = doc.view.panX;
    s.panY = doc.view.panY;
    s.width = width;
    s.height = height;
    s.stretch = doc.view.stretchFactor;
    s.checked = doc.checked;
    return s;
}

void RelationsList::Compute(const Document& doc, int width, int height) {
    set_ = RelationsOfDocument(doc, width, height, all_);
    lines_ = RelationLines(set_, all_, &rows_);
    stamp_ = StampOf(doc, width, height);
    doc_ = doc;
    computedAll_ = all_;
    listed_ = true;
}

void RelationsList::ShowAll(bool all) {
    all_ = all;
    if (!listed_) return;
    // What holds for this triangle only is searched when it is asked for.
    if (all_ && !computedAll_) set_ = RelationsOfDocument(doc_, stamp_.width, stamp_.height, true);
    computedAll_ = computedAll_ || all_;
    lines_ = RelationLines(set_, all_, &rows_);
}

bool RelationsList::ForgetIfChanged(const Document& doc, int width, int height) {
    if (!listed_ || StampOf(doc, width, height) == stamp_) return false;
    Clear();
    return true;
}

void RelationsList::Clear() {
    listed_ = false;
    set_ = {};
    lines_.clear();
    rows_.clear();
}

std::optional<RelationHighlight> RelationsList::Highlight(int line) const {
    // Headings and "Keine Zusammenhänge gefunden" show nothing.
    if (!listed_ || line < 0 || line >= static_cast<int>(rows_.size()) || rows_[static_cast<std::size_t>(line)] < 0)
        return std::nullopt;
    const Relation& r = set_.relations[static_cast<std::size_t>(rows_[static_cast<std::size_t>(line)])];
    RelationHighlight h;
    // A coincidence: the rings round its place, no line.
    h.circle = r.kind != RelationKind::Collinear;
    h.centre = {r.centre.x, r.centre.y};
    h.direction = {r.direction.x, r.direction.y};
    h.radius = r.radius;
    for (int m : r.members) {
        const RealPoint p = set_.points[static_cast<std::size_t>(m)].p;
        h.points.emplace_back(p.x, p.y);
    }
    return h;
}

} // namespace trimora
