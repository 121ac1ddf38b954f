// The page's interface to the core (embind): class Session with plain methods; lists come as
// arrays, drawings as typed arrays, files as Uint8Array; a method that can fail gives a German
// message ("" on success) or an object with `error`.
#include "web/web_session.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace trimora {
namespace {

using emscripten::val;

template <class T>
val Typed(const std::vector<T>& values, const char* type) {
    return val::global(type).new_(emscripten::typed_memory_view(values.size(), values.data()));
}

val Bytes(const std::string& bytes) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
}

// Lines as one string split on the JavaScript side: one crossing
// instead of one a line, which for every entry's results took longer than the repaint.
val Strings(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        if (line.find('\n') != std::string::npos) { // never so far; kept whole all the same
            val array = val::array();
            for (const std::string& each : lines) array.call<void>("push", val(each));
            return array;
        }
        joined.append(line).push_back('\n');
    }
    if (lines.empty()) return val::array();
    joined.pop_back();
    return val(joined).call<val>("split", val("\n"));
}

val Text(const WebText& text) {
    val out = val::object();
    out.set("text", text.text);
    out.set("error", text.error);
    return out;
}

val Paint(WebSession& s) {
    const PaintedFrame frame = s.Paint();
    val out = val::object();
    out.set("calls", Typed(frame.calls, "Int32Array"));
    out.set("reals", Typed(frame.reals, "Float64Array"));
    out.set("texts", Strings(frame.texts));
    out.set("backgroundCalls", frame.backgroundCalls);
    out.set("results", Strings(frame.results));
    out.set("error", frame.error);
    return out;
}

std::string LoadDataFile(WebSession& s, const val& bytes) {
    const std::vector<unsigned char> data = emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    return s.LoadDataFile(std::string(data.begin(), data.end()));
}

val ResultsWindowsBytes(WebSession& s) {
    const WebText text = s.ResultsText(true);
    val out = val::object();
    out.set("bytes", Bytes(text.text));
    out.set("error", text.error);
    return out;
}

std::string TraceLoci(WebSession& s, const val& names, int vertex, int path) {
    return s.TraceLoci(emscripten::vecFromJSArray<std::string>(names), vertex, path);
}

val TracedLoci(WebSession& s, const val& names, int vertex, int path) {
    const WebText traced = s.TracedLociBytes(emscripten::vecFromJSArray<std::string>(names), vertex, path);
    val out = val::object();
    out.set("bytes", Bytes(traced.text));
    out.set("error", traced.error);
    return out;
}

std::string AddLoci(WebSession& s, const val& bytes) {
    const std::vector<unsigned char> data = emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    return s.AddLoci(std::string(data.begin(), data.end()));
}

} // namespace

EMSCRIPTEN_BINDINGS(trimora) {
    emscripten::class_<WebSession>("Session")
        .constructor<int, int>()
        .function("fields", +[](WebSession& s) { return Strings(s.Fields()); })
        .function("setField", &WebSession::SetField)
        .function("fieldError", &WebSession::FieldError)
        .function("applyFields", &WebSession::ApplyFields)
        .function("pickVertex", &WebSession::PickVertex)
        .function("vertex", +[](const WebSession& s, int v) { return Typed(s.Vertex(v), "Int32Array"); })
        .function("dragVertex", &WebSession::DragVertex)
        .function("mouseReadout", &WebSession::MouseReadout)
        .function("setEntry", &WebSession::SetEntry)
        .function("isEntryOn", &WebSession::IsEntryOn)
        .function("setTabItem", &WebSession::SetTabItem)
        .function("tabPages", +[](WebSession& s) { return Strings(s.TabPages()); })
        .function("tabItemNames", +[](WebSession& s, int tab) { return Strings(s.TabItemNames(tab)); })
        .function("tabChecks", +[](WebSession& s, int tab) { return Typed(s.TabChecks(tab), "Uint8Array"); })
        .function("bulkSelection", &WebSession::BulkSelection)
        .function("clearSelection", &WebSession::ClearSelection)
        .function("topicTitles", +[](WebSession& s) { return Strings(s.TopicTitles()); })
        .function("applyTopic", &WebSession::ApplyTopic)
        .function("loadDataFile", &LoadDataFile)
        .function("dataFileBytes", +[](WebSession& s) { return Bytes(s.DataFileBytes()); })
        .function("resize", &WebSession::Resize)
        .function("stretchUp", &WebSession::StretchUp)
        .function("stretchDown", &WebSession::StretchDown)
        .function("basicSetting", &WebSession::BasicSetting)
        .function("shift", &WebSession::Shift)
        .function("showEverything", &WebSession::ShowEverything)
        .function("toggleAxes", &WebSession::ToggleAxes)
        .function("toggleGrid", &WebSession::ToggleGrid)
        .function("toggleMmGrid", &WebSession::ToggleMmGrid)
        .function("toggleTrilinear", &WebSession::ToggleTrilinear)
        .function("toggleEtcNumbers", &WebSession::ToggleEtcNumbers)
        .function("setAnimation", &WebSession::SetAnimation)
        .function("animationStep", &WebSession::AnimationStep)
        .function("captureState", &WebSession::CaptureState)
        .function("restoreState", &WebSession::RestoreState)
        .function("paint", &Paint)
        .function("marks", +[](const WebSession& s) {
            const MarkedPoints marks = s.Marks();
            val out = val::object();
            out.set("names", Strings(marks.names));
            out.set("xy", Typed(marks.xy, "Float64Array"));
            return out;
        })
        .function("relations", +[](WebSession& s, bool all, int limit) { return Text(s.Relations(all, limit)); })
        .function("traceLoci", &TraceLoci)
        .function("tracedLoci", &TracedLoci)
        .function("addLoci", &AddLoci)
        .function("tikz", +[](WebSession& s, double cmPerUnit) { return Text(s.TikzText(cmPerUnit)); })
        .function("svg", +[](WebSession& s) { return Text(s.SvgText()); })
        .function("resultsText", +[](WebSession& s) { return Text(s.ResultsText(false)); })
        .function("resultsWindowsBytes", &ResultsWindowsBytes)
        .function("resultsCsv", +[](WebSession& s) { return Text(s.ResultsCsv()); });
}

} // namespace trimora
