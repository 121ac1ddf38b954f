// The relations command of the window: the list under the results ("Zusammenhänge") and the chosen
// relation drawn over the picture until the triangle, the view or the selection changes.
#pragma once

#include "draw/document.h"
#include "explore/relations.h"

#include <QPointF>
#include <QSize>

#include <bitset>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace trimora {

// A relation in the drawing area's (logical) pixels.
struct RelationHighlight {
    bool circle = false;
    std::vector<QPointF> points;
    QPointF centre;    // circle: its centre; line: one of its points
    QPointF direction; // line: a unit vector along it
    double radius = 0; // circle
};

// Thick coloured line or circle, a ring round each point.
void PaintHighlight(QPainter& painter, const RelationHighlight& h, QSize area);

class RelationsList {
  public:
    // Finds the relations of `doc` in a drawing area of the given size and keeps them.
    void Compute(const Document& doc, int width, int height);
    // With `all`, the list shows what holds for this triangle only as well, under its own heading.
    void ShowAll(bool all);
    // Forgets them when the triangle, the view, the selection or the area changed; true if so.
    bool ForgetIfChanged(const Document& doc, int width, int height);
    void Clear();
    bool Listed() const { return listed_; }
    // The heading and a line per relation.
    const std::vector<std::string>& Lines() const { return lines_; }
    // Line n of Lines() as a picture; nothing for the heading.
    std::optional<RelationHighlight> Highlight(int line) const;

  private:
    struct Stamp {
        std::array<IntPoint, 3> vertices{};
        int panX = 0, panY = 0, width = 0, height = 0;
        double stretch = 0;
        std::bitset<kEntryCount> checked;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const Document& doc, int width, int height);

    bool listed_ = false;
    Stamp stamp_;
    RelationSet set_;
    Document doc_; // what set_ was found for
    bool all_ = false;
    bool computedAll_ = false; // set_ holds what holds for this triangle only as well
    std::vector<std::string> lines_;
    std::vector<int> rows_; // per line: the relation, -1 for headings
};

} // namespace trimora
