// The relations command of the window: the list beside the picture ("Zusammenhänge"), narrowed by
// a filter and to the relations through one marked point, and the chosen relation drawn over the
// picture.
#pragma once

#include "draw/document.h"
#include "explore/relations.h"

#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <bitset>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace trimora {

// A relation in the drawing area's (logical) pixels.
struct RelationHighlight {
    // Collinear points get their line, concyclic ones their circle; every other kind (a place
    // with several names, …) only the rings round its points.
    enum class Figure { Line, Circle, None };
    Figure figure = Figure::None;
    std::vector<QPointF> points;
    QPointF centre;    // circle: its centre; line: one of its points
    QPointF direction; // line: a unit vector along it
    double radius = 0; // circle
};

// Thick coloured line or circle, a ring round each point.
void PaintHighlight(QPainter& painter, const RelationHighlight& h, QSize area);
// The point whose relations the list shows: a double ring, apart from a relation's rings.
void PaintChosenPoint(QPainter& painter, QPointF at);

class RelationsList {
  public:
    // Finds the relations of `doc` in a drawing area of the given size and keeps them; the list
    // shows them for every point again, through the filter as it is.
    void Compute(const Document& doc, int width, int height);
    // With `all`, the list shows what holds for this triangle only as well, under its own heading.
    void ShowAll(bool all);
    // Listed, but found for another triangle, view, selection or area than these.
    bool Stale(const Document& doc, int width, int height) const;
    void Clear();
    bool Listed() const { return listed_; }
    const RelationSet& Set() const { return set_; }
    // The heading and a line per relation, whatever the filter: as the results are saved.
    const std::vector<std::string>& Lines() const { return lines_; }
    // The relation of line n of Lines(), -1 for headings.
    int RelationOf(int line) const;
    // The line of Lines() that shows relation n (an index into Set().relations), or -1.
    int LineOf(int relation) const;
    // What identifies a relation across a new search: its kind and the names of its places.
    struct Key {
        RelationKind kind = RelationKind::Collinear;
        std::vector<std::vector<std::string>> places;
    };
    Key KeyOf(int relation) const;
    // The relation that still holds what `key` held: of the same kind through each of its places
    // (a place known by any of its names), the one with the fewest more places; -1 if none.
    int Find(const Key& key) const;
    // Line n of Lines() as a picture; nothing for the heading.
    std::optional<RelationHighlight> Highlight(int line) const;

    // The filter: the lines that hold every word of `text` stay, letter case, accents and ß not
    // counting; a heading stays while a line under it does.
    void SetFilter(const QString& text);
    // Only the relations through marked point `point` (an index into Set().points); -1: all.
    void ChoosePoint(int point);
    int ChosenPoint() const { return point_; }
    // The marked point nearest to `at` (drawing pixels) within `reach`, or -1.
    int PointAt(QPointF at, double reach) const;

    // What the list shows: the heading (naming the chosen point), the lines that pass, and a line
    // saying so when none does.
    const QStringList& ShownLines() const { return shownLines_; }
    // The line of Lines() that row n of ShownLines() shows (-1: none), and back.
    int ShownLine(int row) const;
    // ShownLine of the row that stands for the relations beyond the first hundred.
    static constexpr int kMoreRows = -2;
    // That row chosen: every relation is listed.
    void ShowEveryRow();
    int ShownRow(int line) const;
    // "12 Zusammenhänge", "1 Zusammenhang"; narrowed: "3 von 12 Zusammenhängen".
    QString CountText() const;
    // "Zusammenhänge" or "Zusammenhänge durch Schwerpunkt S".
    QString Title() const;
    // Per row of ShownLines(): the row with the other names of the places it shows by one name
    // ("Inkreismittelpunkt [X(1)] = Inkreis … Mittelpunkt = Ajima-Punkt …"); empty where none has.
    QStringList ShownToolTips() const;
    // Each marked point by its one name, as the point choice lists them, and all its names.
    QStringList PointNames() const;
    QString AllNamesOf(int point) const;

  private:
    struct Stamp {
        std::array<IntPoint, 3> vertices{};
        int panX = 0, panY = 0, width = 0, height = 0;
        double stretch = 0;
        std::bitset<kEntryCount> checked;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const Document& doc, int width, int height);
    void MakeLines();
    void Narrow();

    bool listed_ = false;
    Stamp stamp_;
    RelationSet set_;
    Document doc_; // what set_ was found for
    bool all_ = false;
    bool computedAll_ = false; // set_ holds what holds for this triangle only as well
    std::vector<std::string> lines_;
    std::vector<int> rows_;  // per line: the relation, -1 for headings
    QStringList texts_;      // per line: its text, converted once
    QStringList folded_;     // per line: its text as the filter compares it
    QStringList words_;      // the filter's words, folded
    int point_ = -1;
    QStringList shownLines_;
    std::vector<int> shown_; // per shown row: its line, -1 for the line that says none passed
    bool everyRow_ = false;  // the rows beyond the first hundred asked for
    int shownCount_ = 0, totalCount_ = 0;
};

} // namespace trimora
