#include "cli/cli_loci.h"

#include "base/codepage.h"
#include "draw/document.h"
#include "explore/loci.h"
#include "output/savefile.h"

#include <chrono>
#include <future>
#include <ostream>

namespace trimora {

std::optional<std::string> ReadLocusOption(std::string_view arg, const std::function<std::string()>& value,
                                           LocusOptions& o) {
    if (arg == "--locus") {
        o.labels.push_back(value());
    } else if (arg == "--move") {
        const std::string v = value();
        if (v.size() != 1 || (FoldCase(v) != "a" && FoldCase(v) != "b" && FoldCase(v) != "c"))
            return "Ungültige Ecke für --move (erwartet A, B oder C): " + v;
        o.vertex = FoldCase(v)[0] - 'a';
    } else if (arg == "--path") {
        const std::string v = FoldCase(value());
        if (v == "waagerecht")
            o.path = VertexPath::Horizontal;
        else if (v == "senkrecht")
            o.path = VertexPath::Vertical;
        else if (v == "ursprung")
            o.path = VertexPath::AroundOrigin;
        else if (v == "umkreis")
            o.path = VertexPath::Circumcircle;
        else
            return "Ungültige Bahn für --path (erwartet waagerecht, senkrecht, ursprung oder umkreis): " + v;
    } else if (arg == "--locus-points") {
        if (o.pointsFile) return std::string("--locus-points ist nur einmal erlaubt.");
        o.pointsFile = value();
    } else {
        return std::nullopt;
    }
    return std::string();
}

std::string CheckLocusOptions(const LocusOptions& o, bool animate) {
    if (!o.labels.empty()) return {};
    if (o.vertex && !animate) return "--move gilt nur zusammen mit --locus oder --animate.";
    if (o.path && !animate) return "--path gilt nur zusammen mit --locus oder --animate.";
    if (o.pointsFile) return "--locus-points gilt nur zusammen mit --locus.";
    return {};
}

namespace {

// Traces on a thread of its own; a trace that takes longer than a second tells `progress` how far
// it is, about every second.
std::optional<std::vector<Locus>> TraceTelling(const Document& doc, int width, int height, const LocusRequest& request,
                                               std::ostream* progress) {
    LocusProgress state;
    auto traced = std::async(std::launch::async, [&] { return TraceLoci(doc, width, height, request, &state); });
    using namespace std::chrono_literals;
    auto next = std::chrono::steady_clock::now() + 1s;
    while (traced.wait_for(50ms) != std::future_status::ready) {
        if (!progress || std::chrono::steady_clock::now() < next) continue;
        *progress << "trimora: Ortslinien: " << state.done.load() << " von " << state.total.load()
                  << " Lagen der Ecke berechnet …\n" << std::flush;
        next += 1s;
    }
    return traced.get();
}

} // namespace

LocusOutcome TraceLociOfOptions(Document& measured, Document& picture, int width, int height,
                                const LocusOptions& o, std::ostream* progress) {
    if (o.labels.empty()) return {};
    for (Document* doc : {&measured, &picture == &measured ? nullptr : &picture}) {
        if (!doc) continue;
        const std::vector<TracePoint> points = TracePoints(*doc, width, height);
        LocusRequest request{o.vertex.value_or(2), o.path.value_or(VertexPath::Horizontal), {}};
        for (const std::string& label : o.labels) {
            const int found = FindTracePoint(points, label);
            if (found < 0)
                return {"Kein markierter Punkt \"" + label +
                            "\" für --locus: es gelten die Namen der Punkte in den Ergebnissen (--results -) "
                            "der eingeschalteten Elemente.",
                        true};
            request.points.push_back(points[static_cast<std::size_t>(found)]);
        }
        doc->loci = WithLoci(*doc, width, height,
                             TraceTelling(*doc, width, height, request, progress).value_or(std::vector<Locus>{}));
    }
    return {};
}

LocusOutcome WriteLocusPoints(const Document& measured, const LocusOptions& o, std::ostream& out) {
    if (!o.pointsFile || !measured.loci) return {};
    const std::string text = LocusPointsText(*measured.loci);
    if (*o.pointsFile != "-") return {WriteFileAtomically(*o.pointsFile, text)};
    if (!(out << text << std::flush))
        return {"Die Punkte der Ortslinien konnten nicht auf die Standardausgabe geschrieben werden."};
    return {};
}

} // namespace trimora
