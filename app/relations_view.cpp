#include "app/relations_view.h"

#include "app/window_support.h"
#include "explore/relation_checks.h"
#include "explore/relations_search.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace trimora {

using namespace window;

void PaintHighlight(QPainter& painter, const RelationHighlight& h, QSize area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 0, 128), 3));
    if (h.figure == RelationHighlight::Figure::Circle) {
        painter.drawEllipse(h.centre, h.radius, h.radius);
    } else if (h.figure == RelationHighlight::Figure::Line) {
        // Long enough to cross the whole area from any of its points.
        const double reach = std::hypot(area.width(), area.height()) + std::hypot(h.centre.x(), h.centre.y());
        painter.drawLine(h.centre - h.direction * reach, h.centre + h.direction * reach);
    }
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    for (const QPointF& p : h.points)
        painter.drawEllipse(p, 7, 7);
    painter.restore();
}

void PaintChosenPoint(QPainter& painter, QPointF at) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    // A white halo keeps the rings apart from a picture full of coloured lines.
    for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 7}, std::pair{QColor(0, 120, 0), 3}}) {
        painter.setPen(QPen(colour, width));
        painter.drawEllipse(at, 11, 11);
        painter.drawEllipse(at, 18, 18);
    }
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

namespace {

// The relations as the results measure them, in world units of 100 pixels whatever the zoom (the
// coordinates that name unnamed places), their places and figures then carried into the picture.
RelationSet MeasuredRelations(const Document& doc, int width, int height, bool all) {
    const double stretch = doc.view.stretchFactor;
    if (stretch == 1 || !(stretch > 0)) return RelationsOfDocument(doc, width, height, all);
    Document measured = doc;
    measured.view.stretchFactor = 1;
    ApplyFieldTexts(measured, width, height);
    RelationSet set = RelationsOfDocument(measured, width, height, all);
    const RealPoint origin{static_cast<double>(width / 2 + doc.view.panX), static_cast<double>(height / 2 + doc.view.panY)};
    const auto zoomed = [&](RealPoint p) {
        return RealPoint{origin.x + stretch * (p.x - origin.x), origin.y + stretch * (p.y - origin.y)};
    };
    for (MarkedPoint& p : set.points) p.p = zoomed(p.p);
    for (Relation& r : set.relations) {
        r.centre = zoomed(r.centre);
        r.radius *= stretch;
    }
    return set;
}

} // namespace

void RelationsList::Compute(const Document& doc, int width, int height) {
    set_ = MeasuredRelations(doc, width, height, all_);
    if (!(StampOf(doc, width, height).checked == stamp_.checked)) everyRow_ = false; // a new selection starts short
    stamp_ = StampOf(doc, width, height);
    doc_ = doc;
    computedAll_ = all_;
    listed_ = true;
    point_ = -1;
    MakeLines();
}

void RelationsList::ShowAll(bool all) {
    all_ = all;
    if (!listed_) return;
    // What holds for this triangle only is searched when it is asked for; the theorems and the
    // points come out the same, so a chosen point or relation stays.
    if (all_ && !computedAll_) set_ = MeasuredRelations(doc_, stamp_.width, stamp_.height, true);
    computedAll_ = computedAll_ || all_;
    MakeLines();
}

void RelationsList::MakeLines() {
    lines_ = RelationLines(set_, all_, &rows_);
    // Folded once here: a keystroke in the filter only compares.
    texts_.clear();
    folded_.clear();
    texts_.reserve(static_cast<qsizetype>(lines_.size()));
    folded_.reserve(static_cast<qsizetype>(lines_.size()));
    for (const std::string& line : lines_) {
        texts_.append(Q(line));
        folded_.append(FoldForSearch(texts_.back()));
    }
    totalCount_ = static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](int r) { return r >= 0; }));
    Narrow();
}

bool RelationsList::Stale(const Document& doc, int width, int height) const {
    return listed_ && !(StampOf(doc, width, height) == stamp_);
}

void RelationsList::Clear() {
    listed_ = false;
    set_ = {};
    lines_.clear();
    rows_.clear();
    texts_.clear();
    folded_.clear();
    point_ = -1;
    shownLines_.clear();
    shown_.clear();
    shownCount_ = totalCount_ = 0;
}

int RelationsList::RelationOf(int line) const {
    return line >= 0 && line < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(line)] : -1;
}

int RelationsList::LineOf(int relation) const {
    if (relation < 0) return -1;
    const auto at = std::find(rows_.begin(), rows_.end(), relation);
    return at == rows_.end() ? -1 : static_cast<int>(at - rows_.begin());
}

RelationsList::Key RelationsList::KeyOf(int relation) const {
    Key key;
    if (relation < 0 || relation >= static_cast<int>(set_.relations.size())) return key;
    const Relation& r = set_.relations[static_cast<std::size_t>(relation)];
    key.kind = r.kind;
    for (int m : r.members)
        key.places.push_back(set_.points[static_cast<std::size_t>(m)].names);
    return key;
}

int RelationsList::Find(const Key& key) const {
    if (key.places.empty()) return -1;
    const auto sharesAName = [](const std::vector<std::string>& a, const std::vector<std::string>& b) {
        return std::any_of(a.begin(), a.end(), [&](const std::string& n) { return std::find(b.begin(), b.end(), n) != b.end(); });
    };
    int best = -1;
    std::size_t fewest = 0;
    for (std::size_t i = 0; i < set_.relations.size(); ++i) {
        const Relation& r = set_.relations[i];
        if (r.kind != key.kind || r.members.size() < key.places.size()) continue;
        const bool holds = std::all_of(key.places.begin(), key.places.end(), [&](const std::vector<std::string>& place) {
            return std::any_of(r.members.begin(), r.members.end(), [&](int m) {
                return sharesAName(place, set_.points[static_cast<std::size_t>(m)].names);
            });
        });
        if (holds && (best < 0 || r.members.size() < fewest)) best = static_cast<int>(i), fewest = r.members.size();
    }
    return best;
}

std::optional<RelationHighlight> RelationsList::Highlight(int line) const {
    // Headings and "Keine Zusammenhänge gefunden" show nothing.
    const int relation = listed_ ? RelationOf(line) : -1;
    if (relation < 0) return std::nullopt;
    const Relation& r = set_.relations[static_cast<std::size_t>(relation)];
    RelationHighlight h;
    h.figure = r.kind == RelationKind::Collinear   ? RelationHighlight::Figure::Line
               : r.kind == RelationKind::Concyclic ? RelationHighlight::Figure::Circle
                                                   : RelationHighlight::Figure::None;
    h.centre = {r.centre.x, r.centre.y};
    h.direction = {r.direction.x, r.direction.y};
    h.radius = r.radius;
    for (int m : r.members) {
        const RealPoint p = set_.points[static_cast<std::size_t>(m)].p;
        h.points.emplace_back(p.x, p.y);
    }
    return h;
}

void RelationsList::SetFilter(const QString& text) {
    words_ = FoldForSearch(text).simplified().split(QChar(' '), Qt::SkipEmptyParts);
    if (listed_) Narrow();
}

void RelationsList::ChoosePoint(int point) {
    point_ = point >= 0 && point < static_cast<int>(set_.points.size()) ? point : -1;
    if (listed_) Narrow();
}

int RelationsList::PointAt(QPointF at, double reach) const {
    int best = -1;
    double nearest = reach;
    for (std::size_t i = 0; i < set_.points.size(); ++i) {
        const RealPoint p = set_.points[i].p;
        const double d = std::hypot(p.x - at.x(), p.y - at.y());
        if (d <= nearest) best = static_cast<int>(i), nearest = d;
    }
    return best;
}

void RelationsList::Narrow() {
    shownLines_.clear();
    shown_.clear();
    shownCount_ = 0;
    const bool narrowed = point_ >= 0 || !words_.isEmpty();
    // Unnarrowed, the list shows the first hundred and a row that opens the rest.
    constexpr int kFirstRows = 100;
    const bool cut = !narrowed && !everyRow_ && totalCount_ > kFirstRows;
    int heading = -1; // a heading not shown yet: it comes with the first line under it that passes
    for (int line = 0; line < static_cast<int>(lines_.size()); ++line) {
        const int relation = rows_[static_cast<std::size_t>(line)];
        bool pass = line == 0 || !narrowed;
        if (!pass && relation < 0) {
            heading = line;
            continue;
        }
        if (!pass) {
            const std::vector<int>& members = set_.relations[static_cast<std::size_t>(relation)].members;
            pass = (point_ < 0 || std::find(members.begin(), members.end(), point_) != members.end()) &&
                   std::all_of(words_.begin(), words_.end(),
                               [&](const QString& w) { return folded_[line].contains(w); });
        }
        if (!pass) continue;
        if (cut && relation >= 0 && shownCount_ == kFirstRows) {
            shownLines_.append(QString("… und %1 weitere (anklicken: alle zeigen)").arg(totalCount_ - kFirstRows));
            shown_.push_back(kMoreRows);
            break;
        }
        if (heading >= 0 && relation >= 0) {
            shownLines_.append(texts_[heading]);
            shown_.push_back(heading);
        }
        heading = -1;
        shownLines_.append(line == 0 ? Title() : texts_[line]);
        shown_.push_back(line);
        shownCount_ += relation >= 0;
    }
    if (narrowed && shownCount_ == 0) {
        shownLines_.append(totalCount_ == 0 ? QString("Keine Zusammenhänge gefunden")
                                            : QString("Keine passenden Zusammenhänge"));
        shown_.push_back(-1);
    }
}

int RelationsList::ShownLine(int row) const {
    return row >= 0 && row < static_cast<int>(shown_.size()) ? shown_[static_cast<std::size_t>(row)] : -1;
}

int RelationsList::ShownRow(int line) const {
    if (line < 0) return -1;
    const auto at = std::find(shown_.begin(), shown_.end(), line);
    return at == shown_.end() ? -1 : static_cast<int>(at - shown_.begin());
}

void RelationsList::ShowEveryRow() {
    everyRow_ = true;
    Narrow();
}

QString RelationsList::CountText() const {
    const auto noun = [](int n) { return n == 1 ? QString("Zusammenhang") : QString("Zusammenhänge"); };
    if (point_ < 0 && words_.isEmpty()) {
        if (shownCount_ < totalCount_) return QString("%1 von %2 Zusammenhängen").arg(shownCount_).arg(totalCount_);
        return QString("%1 %2").arg(shownCount_).arg(noun(shownCount_));
    }
    return QString("%1 von %2 %3")
        .arg(shownCount_)
        .arg(totalCount_)
        .arg(totalCount_ == 1 ? QString("Zusammenhang") : QString("Zusammenhängen"));
}

QString RelationsList::Title() const {
    const QString heading = Q(std::string(kRelationsHeading));
    if (point_ < 0) return heading;
    const std::vector<std::string>& names = set_.points[static_cast<std::size_t>(point_)].names;
    return heading + " durch " + (names.empty() ? QString("Punkt %1").arg(point_ + 1) : Q(names.front()));
}

namespace {

// "Inkreismittelpunkt [X(1)]: Inkreis … Mittelpunkt = … = Inkreismittelpunkt".
std::string Legend(const MarkedPoint& p) {
    return PlaceName(p, AllNames(p)) + ": " + AllPlaceNames(p);
}

} // namespace

QStringList RelationsList::PointNames() const {
    QStringList names;
    for (const MarkedPoint& p : set_.points)
        names.append(p.names.empty() ? QString("Punkt %1").arg(names.size() + 1) : Q(PlaceName(p, AllNames(p))));
    return names;
}

QString RelationsList::AllNamesOf(int point) const {
    if (point < 0 || point >= static_cast<int>(set_.points.size())) return {};
    return Q(Legend(set_.points[static_cast<std::size_t>(point)]));
}

QStringList RelationsList::ShownToolTips() const {
    QStringList tips;
    for (int row = 0; row < static_cast<int>(shownLines_.size()); ++row) {
        const int relation = RelationOf(ShownLine(row));
        QString tip;
        if (relation >= 0) {
            const Relation& r = set_.relations[static_cast<std::size_t>(relation)];
            if (r.kind != RelationKind::Coincident || r.inPicture)
                for (int m : r.members)
                    if (set_.points[static_cast<std::size_t>(m)].names.size() > 1)
                        tip += '\n' + Q(Legend(set_.points[static_cast<std::size_t>(m)]));
        }
        tips.append(tip.isEmpty() ? QString() : shownLines_[row] + '\n' + tip);
    }
    return tips;
}

} // namespace trimora
