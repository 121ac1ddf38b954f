#include "web/web_session.h"

#include "app/core/session_state.h"
#include "base/catalogue.h"
#include "base/field.h"
#include "base/presets.h"
#include "base/resource.h"
#include "draw/point_table.h"
#include "explore/loci.h"
#include "explore/relations.h"
#include "explore/relations_search.h"
#include "output/results_table.h"
#include "output/savefile.h"
#include "output/svg_canvas.h"
#include "output/tikz_canvas.h"
#include "paint/paint.h"
#include "web/loci_bytes.h"

#include <algorithm>
#include <exception>
#include <map>
#include <new>

namespace trimora {
namespace {

constexpr int kLargestSide = 16384; // as the command line's --size

const std::vector<std::string>& TopicLines() {
    static const std::vector<std::string> lines = LoadResourceLines("WTRIMORA");
    return lines;
}

// Runs `work`; what it throws becomes the German message.
template <class Work>
std::string Guarded(Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return "Nicht genug Arbeitsspeicher.";
    } catch (const std::exception& e) {
        return e.what();
    }
}

std::int32_t RgbOf(Color c) { return (c.r << 16) | (c.g << 8) | c.b; }

void AddCall(PaintedFrame& frame, const CanvasCall& call) {
    auto& out = frame.calls;
    out.insert(out.end(), {static_cast<std::int32_t>(call.kind), RgbOf(call.pen.color), call.pen.width,
                           static_cast<std::int32_t>(call.pen.style), RgbOf(call.brush.color),
                           static_cast<std::int32_t>(call.brush.style), call.x1, call.y1, call.x2, call.y2});
    switch (call.kind) {
    case CanvasCall::Kind::Polygon:
        out.push_back(static_cast<std::int32_t>(call.points.size()));
        for (const IntPoint p : call.points) out.insert(out.end(), {p.x, p.y});
        break;
    case CanvasCall::Kind::Polyline:
        out.push_back(static_cast<std::int32_t>(call.path.size()));
        for (const RealPoint p : call.path) frame.reals.insert(frame.reals.end(), {p.x, p.y});
        break;
    case CanvasCall::Kind::Text:
        out.push_back(static_cast<std::int32_t>(frame.texts.size()));
        out[out.size() - 3] = call.font.pointSize; // x2 of a text holds its size
        frame.texts.push_back(call.text);
        break;
    default:
        out.push_back(0);
    }
}

} // namespace

WebSession::WebSession(int width, int height) {
    InitSession(session_, std::clamp(width, 1, kLargestSide), std::clamp(height, 1, kLargestSide));
}

std::vector<std::string> WebSession::Fields() const {
    return {session_.doc.fields.begin(), session_.doc.fields.end()};
}

std::string WebSession::SetField(int index, const std::string& text) {
    if (index < 0 || index >= 6) return "Es gibt nur die Felder 0 bis 5.";
    if (text.find_first_of("\r\n") != std::string::npos) return "Ein Feld hat nur eine Zeile.";
    session_.doc.fields[static_cast<std::size_t>(index)] = text;
    return {};
}

std::string WebSession::FieldError(int index) const {
    if (index < 0 || index >= 6) return "Es gibt nur die Felder 0 bis 5.";
    const FormulaResult read = ReadField(session_.doc.fields[static_cast<std::size_t>(index)]);
    if (read.error == kFormulaOk) return {};
    const std::string text = FieldErrorText(read.error);
    return text.empty() ? "Das Feld lässt sich nicht auswerten." : text;
}

void WebSession::ApplyFields() { ApplyTypedCoordinates(session_); }
int WebSession::PickVertex(int x, int y) const { return trimora::PickVertex(session_.doc, x, y); }

std::vector<std::int32_t> WebSession::Vertex(int vertex) const {
    if (vertex < 0 || vertex > 2) return {};
    const IntPoint p = session_.doc.points.screen[kSlotA + vertex];
    return {p.x, p.y};
}

void WebSession::DragVertex(int vertex, int x, int y) {
    if (vertex >= 0 && vertex < 3) DragVertexTo(session_, vertex, x, y);
}

std::string WebSession::MouseReadout(int x, int y) const {
    return trimora::MouseReadout(session_, x, y).value_or("");
}

std::string WebSession::SetEntry(int entry, bool on) {
    if (entry < 0 || entry >= kEntryCount) return "Katalognummer außerhalb von 0 bis 506.";
    session_.doc.SetOn(entry, on);
    return {};
}

bool WebSession::IsEntryOn(int entry) const { return session_.doc.IsOn(entry); }

std::string WebSession::SetTabItem(int tab, int item, bool on) {
    if (tab < 0 || tab >= kTabCount || item < 0 ||
        item >= static_cast<int>(session_.tabChecked[static_cast<std::size_t>(tab)].size()))
        return "Diesen Eintrag gibt es in der Liste nicht.";
    trimora::SetTabItem(session_, tab, item, on);
    return {};
}

std::vector<std::string> WebSession::TabPages() const {
    std::vector<std::string> pages;
    for (const TabList& list : TabLists()) pages.emplace_back(list.page);
    return pages;
}

std::vector<std::string> WebSession::TabItemNames(int tab) const {
    if (tab < 0 || tab >= kTabCount) return {};
    std::vector<std::string> names;
    for (const int entry : TabLists()[static_cast<std::size_t>(tab)].items)
        names.push_back(CatalogueNames()[static_cast<std::size_t>(entry)]);
    return names;
}

std::vector<std::uint8_t> WebSession::TabChecks(int tab) const {
    if (tab < 0 || tab >= kTabCount) return {};
    const auto& flags = session_.tabChecked[static_cast<std::size_t>(tab)];
    return {flags.begin(), flags.end()};
}

void WebSession::BulkSelection() { trimora::BulkSelection(session_); }
void WebSession::ClearSelection() { trimora::ClearSelection(session_); }

std::vector<std::string> WebSession::TopicTitles() const {
    std::vector<std::string> titles;
    for (const PresetMenuItem& item : PresetMenu()) titles.emplace_back(item.title);
    return titles;
}

std::string WebSession::ApplyTopic(const std::string& title) {
    return Guarded([&]() -> std::string {
        if (!trimora::ApplyTopic(session_, title, TopicLines())) return "Unbekanntes Thema: \"" + title + "\"";
        return {};
    });
}

std::string WebSession::LoadDataFile(const std::string& bytes) {
    return Guarded([&]() -> std::string {
        if (bytes.size() > kMaxDataFileBytes || !IsDataFileText(bytes))
            return std::string("Die Datei ist ") + kNotADataFile + ".";
        LoadDataFileLines(session_, DecodeTextFile(bytes));
        return {};
    });
}

std::string WebSession::DataFileBytes() const { return ToWindowsText(DataFileLines(session_)); }

void WebSession::Resize(int width, int height) {
    trimora::Resize(session_, std::clamp(width, 1, kLargestSide), std::clamp(height, 1, kLargestSide));
}
void WebSession::StretchUp() { trimora::StretchUp(session_); }
void WebSession::StretchDown() { trimora::StretchDown(session_); }
void WebSession::BasicSetting() { trimora::BasicSetting(session_); }
void WebSession::Shift(int dx, int dy) { trimora::Shift(session_, dx, dy); }
void WebSession::ShowEverything() { trimora::ShowEverything(session_); }
void WebSession::ToggleAxes() { trimora::ToggleAxes(session_); }
void WebSession::ToggleGrid() { trimora::ToggleGrid(session_); }
void WebSession::ToggleMmGrid() { trimora::ToggleMmGrid(session_); }
void WebSession::ToggleTrilinear() { trimora::ToggleTrilinear(session_); }
void WebSession::ToggleEtcNumbers() { trimora::ToggleEtcNumbers(session_); }

std::string WebSession::SetAnimation(int vertex, int direction, int speed) {
    if (vertex < 0 || vertex > 2 || direction < 0 || direction > 2)
        return "Die Animation kennt die Ecken 0 bis 2 und die Richtungen 0 bis 2.";
    session_.animation.vertex = vertex;
    session_.animation.direction = static_cast<AnimationDirection>(direction);
    SetAnimationSpeed(session_, speed);
    return {};
}

void WebSession::AnimationStep() { trimora::AnimationStep(session_); }

std::string WebSession::CaptureState() const {
    std::string text;
    for (const auto& [key, value] : StateToText(trimora::CaptureState(session_))) text += key + "=" + value + "\n";
    return text;
}

std::string WebSession::RestoreState(const std::string& text) {
    std::map<std::string, std::string> values;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
        start = end + 1;
    }
    const std::optional<SessionState> state = StateFromText(values);
    if (!state) return "Der gespeicherte Zustand ist unvollständig oder beschädigt.";
    trimora::RestoreState(session_, *state);
    return {};
}

PaintedFrame WebSession::Paint() {
    PaintedFrame frame;
    const std::string failure = Guarded([&]() -> std::string {
        RecordingCanvas canvas(session_.width, session_.height);
        PaintDocument(session_.doc, canvas, true);
        for (const CanvasCall& call : canvas.Calls()) AddCall(frame, call);
        frame.backgroundCalls = static_cast<std::int32_t>(canvas.BackgroundCalls());
        frame.results = session_.doc.view.stretchFactor == 1 ? session_.doc.results.Lines() : ResultLines();
        return {};
    });
    if (!failure.empty()) frame = PaintedFrame{}, frame.error = failure;
    return frame;
}

MarkedPoints WebSession::Marks() const {
    MarkedPoints out;
    for (const TracePoint& p : TracePoints(session_.doc, session_.width, session_.height)) {
        out.names.push_back(p.name);
        out.xy.insert(out.xy.end(), {p.p.x, p.p.y});
    }
    return out;
}

WebText WebSession::Relations(bool all, int limit) {
    WebText out;
    out.error = Guarded([&]() -> std::string {
        for (const std::string& line :
             RelationLines(RelationsOfDocument(Measured(), session_.width, session_.height, all), all, nullptr,
                           static_cast<std::size_t>(std::max(limit, 0))))
            out.text += line + "\n";
        return {};
    });
    return out;
}

std::string WebSession::NewLoci(const std::vector<std::string>& names, int vertex, int path,
                                std::vector<Locus>& added) {
    if (vertex < 0 || vertex > 2 || path < 0 || path > 3)
        return "Die Ortslinie kennt die Ecken 0 bis 2 und die Bahnen 0 bis 3.";
    return Guarded([&]() -> std::string {
        const Document& doc = session_.doc;
        const std::vector<TracePoint> points = TracePoints(doc, session_.width, session_.height);
        LocusRequest request{vertex, static_cast<VertexPath>(path), {}};
        for (const std::string& name : names) {
            const int found = FindTracePoint(points, name);
            if (found < 0) return "Kein markierter Punkt \"" + name + "\" der eingeschalteten Elemente.";
            request.points.push_back(points[static_cast<std::size_t>(found)]);
        }
        added = trimora::TraceLoci(doc, session_.width, session_.height, request).value_or(std::vector<Locus>{});
        return {};
    });
}

std::string WebSession::TraceLoci(const std::vector<std::string>& names, int vertex, int path) {
    std::vector<Locus> added;
    const std::string error = NewLoci(names, vertex, path, added);
    if (error.empty()) session_.doc.loci = WithLoci(session_.doc, session_.width, session_.height, std::move(added));
    return error;
}

WebText WebSession::TracedLociBytes(const std::vector<std::string>& names, int vertex, int path) {
    std::vector<Locus> added;
    WebText out;
    out.error = NewLoci(names, vertex, path, added);
    if (out.error.empty()) out.text = LociBytes(added);
    return out;
}

std::string WebSession::AddLoci(const std::string& bytes) {
    std::optional<std::vector<Locus>> added = LociFromBytes(bytes);
    if (!added) return "Die Ortslinie kam beschädigt an.";
    session_.doc.loci = WithLoci(session_.doc, session_.width, session_.height, std::move(*added));
    return {};
}

WebText WebSession::TikzText(double cmPerUnit) {
    WebText out;
    out.error = Guarded([&]() -> std::string {
        if (!(cmPerUnit >= 0.01 && cmPerUnit <= 1000)) return "Der Maßstab liegt zwischen 0,01 und 1000 cm.";
        out.text = EncodeTikz(session_.doc, session_.width, session_.height, {cmPerUnit, false});
        return {};
    });
    return out;
}

WebText WebSession::SvgText() {
    WebText out;
    out.error = Guarded([&]() -> std::string {
        out.text = EncodeSvg(session_.doc, session_.width, session_.height, 0);
        return {};
    });
    return out;
}

WebText WebSession::ResultsText(bool cp1252) {
    WebText out;
    out.error = Guarded([&]() -> std::string {
        const std::vector<std::string> lines = ResultLines();
        out.text = cp1252 ? ToWindowsText(lines) : ToUtf8Text(lines);
        return {};
    });
    return out;
}

WebText WebSession::ResultsCsv() {
    WebText out;
    out.error = Guarded([&]() -> std::string {
        out.text = trimora::ResultsCsv(ResultLines());
        return {};
    });
    return out;
}

// The document as the results measure it, whatever the zoom: world units are 100 pixels, as on
// the desktop, where "Berechnung" sets the stretch factor to 1.
Document WebSession::Measured() const {
    Document measured = session_.doc;
    if (measured.view.stretchFactor != 1) {
        measured.view.stretchFactor = 1;
        ApplyFieldTexts(measured, session_.width, session_.height);
    }
    return measured;
}

std::vector<std::string> WebSession::ResultLines() {
    Document measured = Measured();
    RecordingCanvas canvas(session_.width, session_.height);
    PaintDocument(measured, canvas, true);
    return measured.results.Lines();
}

} // namespace trimora
