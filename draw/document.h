// The state of the program that outlives a repaint: the six vertex field texts, the point table,
// the view settings, the checked flags of the catalogue and the results list. One document lives
// for the whole run and is handed to every routine; the point table is never cleared, because
// families read slots that earlier repaints or earlier families left behind.
#pragma once

#include "draw/slots.h"
#include "base/geometry.h"

#include <array>
#include <bitset>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

inline constexpr int kSlotCount = 421;
inline constexpr int kEntryCount = 507;

// A point is absent when its screen x is below -99; constructions that find nothing store this.
inline constexpr double kAbsent = -100.0;

struct PointTable {
    std::array<IntPoint, kSlotCount> screen{};
    std::array<RealPoint, kSlotCount> precise{};
};

struct ViewSettings {
    bool triangleDegenerate = false;
    bool showTrilinear = false;
    double stretchFactor = 1.0;
    bool showAxes = false;
    int panX = 0;
    int panY = 0;
    bool showGrid = false;
    bool showMmGrid = false;
    int panelWidth = 260;
    bool showEtc = false; // " [X(n)]" after the result lines of centres of the encyclopedia
};

// The results list: lines "label<TAB>value" or title lines, UTF-8. Clearing keeps the strings'
// memory so that a repaint that writes the same lines again does not allocate.
class ResultsList {
public:
    void Clear() { count_ = 0; }
    std::string& Append() {
        if (count_ == lines_.size()) lines_.emplace_back();
        std::string& line = lines_[count_++];
        line.clear();
        return line;
    }
    void Append(std::string_view text) { Append().assign(text); }
    std::size_t Size() const { return count_; }
    bool Empty() const { return count_ == 0; }
    const std::string& operator[](std::size_t i) const { return lines_[i]; }
    std::vector<std::string> Lines() const {
        return std::vector<std::string>(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(count_));
    }

private:
    std::vector<std::string> lines_;
    std::size_t count_ = 0;
};

// A result line of the last repaint that lists the centre X(n): its line index, n and the point
// as computed (precise pixels), for whoever needs more than the line's three decimals.
struct EtcCentre {
    std::size_t line;
    int n;
    RealPoint precise;
};

struct Loci; // draw/loci.h

struct Document {
    std::array<std::string, 6> fields; // E1..E6: x A, y A, x B, y B, x C, y C as typed
    PointTable points;
    ViewSettings view;
    std::bitset<kEntryCount> checked; // the master element list
    ResultsList results;
    std::vector<EtcCentre> etcCentres; // filled with the results list
    int originX = 0; // drawing origin of the last repaint
    int originY = 0;
    // Traced paths of marked points ("Ortslinien"), drawn while the triangle and the entries they
    // were traced for stay; shared, never changed in place.
    std::shared_ptr<const Loci> loci;

    bool IsOn(int entry) const { return entry >= 0 && entry < kEntryCount && checked[static_cast<std::size_t>(entry)]; }
    void SetOn(int entry, bool on = true) {
        if (entry >= 0 && entry < kEntryCount) checked[static_cast<std::size_t>(entry)] = on;
    }
};

// The start-up state for a drawing area of width x height pixels: vertices at the pixels
// (290, 190), (220, 420), (560, 420), the fields written from them, entries 0 to 6 on.
void InitDocument(Document& doc, int width, int height);

// Applies the typed coordinates: each vertex from its two fields at 100 * stretch pixels per unit
// around the real centre of the drawing area shifted by the pan offsets.
void ApplyFieldTexts(Document& doc, int width, int height);

// Writes the six fields from the vertex pixels with at most 3 decimals, around the integer origin.
void WriteFieldsFromVertices(Document& doc, int originX, int originY);

} // namespace trimora
