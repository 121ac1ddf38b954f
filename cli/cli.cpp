#include "cli/cli.h"

#include "cli/cli_loci.h"

#include "app/core/session.h"
#include "draw/document.h"
#include "paint/paint.h"
#include "explore/relations_search.h"
#include "draw/point_table.h"
#include "draw/recording_canvas.h"
#include "base/catalogue.h"
#include "base/presets.h"
#include "base/resource.h"
#include "base/codepage.h"
#include "output/picture_size.h"
#include "output/results_table.h"
#include "output/savefile.h"
#include "output/tikz_canvas.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {
namespace {

constexpr const char* kUsage =
    "Aufruf: trimora [--fresh] [DATEI.tmo]\n"
    "        trimora [Optionen]\n"
    "Ohne Optionen öffnet sich das Programmfenster, mit einer Dreiecksdatei als einzigem Argument\n"
    "mit diesem Dreieck. Das Fenster beginnt mit Dreieck, Auswahl und Ansicht vom letzten Schließen;\n"
    "--fresh beginnt stattdessen mit den Grundeinstellungen. Mit Optionen rechnet und zeichnet\n"
    "Trimora ohne Fenster und beendet sich danach.\n"
    "\n"
    "  --topic THEMA        ein Thema aus dem Menü \"Themen\" (z. B. \"Feuerbach-Kreis\")\n"
    "  --load DATEI.tmo     eine Dreiecksdatei laden\n"
    "  --vertices \"xA;yA;xB;yB;xC;yC\"  die sechs Eckpunktkoordinaten (Formeln erlaubt)\n"
    "  --on N|NAME          Element einschalten (Katalognummer oder Name; mehrfach möglich)\n"
    "  --off N|NAME         Element ausschalten (mehrfach möglich)\n"
    "  --all                alle Elemente einschalten\n"
    "  --trilinear          trilineare Koordinaten in den Ergebnissen\n"
    "  --etc                ETC-Nummern X(n) der Zentren in den Ergebnissen\n"
    "  --axes               Koordinatenachsen zeichnen\n"
    "  --grid               Gitter zeichnen\n"
    "  --mmgrid             Millimetergitter zeichnen\n"
    "  --stretch F          Streckungsfaktor der Abbildung (Standard 1); die Ergebnisse werden\n"
    "                       wie im Fenster beim Streckungsfaktor 1 berechnet\n"
    "  --pan X,Y            Verschiebung des Ursprungs in Pixeln\n"
    "  --size BxH           Größe der Zeichenfläche in Pixeln (Standard 821x660; höchstens\n"
    "                       16384 je Seite und 64 Millionen Pixel, das sind 256 MB)\n"
    "  --results DATEI      Berechnungsergebnisse schreiben, UTF-8 (\"-\": Standardausgabe);\n"
    "                       DATEI.csv: als Tabelle für Tabellenkalkulationen\n"
    "  --cp1252             mit --results DATEI: Windows-1252 mit CR LF statt UTF-8\n"
    "  --relations          Zusammenhänge der markierten Punkte (kollinear, konzyklisch, auf\n"
    "                       Kegelschnitten) auf die Standardausgabe schreiben, jeder Ort mit\n"
    "                       einem Namen\n"
    "  --relations-all      wie --relations, dazu was nur für dieses Dreieck gilt und die\n"
    "                       übrigen Namen der Orte\n"
    "  --relations-names    mit --relations: dazu die übrigen Namen der Orte\n"
    "  --relations-limit N  höchstens N Zusammenhänge schreiben (Vorgabe 100, 0: alle)\n"
    "  --export DATEI       Abbildung speichern; das Format folgt der Endung:\n"
    "                       bmp, jpg, gif, png, wmf, svg, pdf, tex (TikZ für LaTeX)\n"
    "  --tikz-body          mit --export DATEI.tex: nur die tikzpicture-Umgebung (für \\input)\n"
    "  --animate DATEI.gif  die Animation als animiertes GIF: ein ganzer Lauf der Ecke --move\n"
    "                       in Richtung --path, --frames Bilder (Standard 120)\n"
    "  --frames N           Bilder der Animation (2 bis 10000)\n"
    "  --worksheet DATEI.pdf  Arbeitsblatt: eine A4-Seite mit Titel, Datum, Abbildung und den\n"
    "                       Ergebnissen in zwei Spalten\n"
    "  --bmp16              mit --export: Bitmap mit 16 Farben\n"
    "  --dpi N              mit --export als bmp, jpg, gif oder png: Auflösung in dpi (Standard 96,\n"
    "                       das ist ein Bildpunkt je Pixel der Zeichenfläche; 288 gibt die dreifache\n"
    "                       Breite und Höhe mit derselben Abbildung, 24 bis 2400)\n"
    "  --scale CM           mit --export als svg, pdf oder tex: eine Einheit des Koordinatensystems wird\n"
    "                       CM Zentimeter lang auf dem Papier (0,01 bis 1000); eine Seite von SVG\n"
    "                       und PDF misst 1 bis 14400 pt je Seite\n"
    "  --locus PUNKT        Ortslinie des markierten Punktes PUNKT (sein Name in den Ergebnissen,\n"
    "                       z. B. \"Höhenschnittpunkt\"; mehrfach möglich): in der Abbildung von\n"
    "                       --export und unter \"Ortslinien\" in den Ergebnissen\n"
    "  --move A|B|C         mit --locus oder --animate: die bewegte Ecke (Standard C, für --animate A)\n"
    "  --path BAHN          mit --locus oder --animate: waagerecht (Standard), senkrecht, ursprung (um den\n"
    "                       Ursprung) oder, nur mit --locus, umkreis (einmal auf dem Umkreis herum)\n"
    "  --locus-points DATEI mit --locus: die Punkte der Ortslinien als Text, x und y je Zeile,\n"
    "                       eine Leerzeile zwischen den Stücken (\"-\": Standardausgabe)\n"
    "  --version            Name und Version\n"
    "  --help               diese Hilfe\n";

bool HasExtension(const std::string& path, std::initializer_list<const char*> extensions) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos) return false;
    const std::string ext = FoldCase(path.substr(dot + 1));
    for (const char* e : extensions)
        if (ext == e) return true;
    return false;
}

struct Options {
    std::optional<std::string> topic;
    std::optional<std::string> load;
    std::optional<std::string> vertices;
    std::vector<std::pair<bool, int>> switches; // (on, entry) in the order given
    bool etc = false;
    bool all = false, trilinear = false, axes = false, grid = false, mmgrid = false;
    std::optional<double> stretch;
    std::optional<std::pair<int, int>> pan;
    int width = 821, height = 660;
    std::optional<std::string> results;
    bool cp1252 = false;
    bool relations = false;
    bool relationsAll = false;   // also what holds for this triangle only
    bool relationsNames = false; // the places' other names after the list
    int relationsLimit = 100;    // 0: all
    std::optional<std::string> exportPath;
    bool bmp16 = false;
    std::optional<int> dpi;
    std::optional<double> cmPerUnit;
    bool help = false, version = false;
    bool tikzBody = false;
    std::optional<std::string> worksheet;
    std::optional<std::string> animate;
    std::optional<int> frames;
    LocusOptions loci; // cli_loci.h
};

struct UsageError {
    std::string message;
};

bool ParseInt(std::string_view text, int& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

// A decimal number with a point or a comma ("0x10", "inf" and "nan" are none).
std::optional<double> ParseReal(std::string text) {
    for (char& ch : text)
        if (ch == ',') ch = '.';
    if (text.empty() || text.find_first_not_of("0123456789.+-eE") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
    return v;
}

int ParseEntry(const std::string& text) {
    int index = -1;
    if (ParseInt(text, index)) {
        if (index < 0 || index >= kEntryCount)
            throw UsageError{"Katalognummer außerhalb von 0 bis 506: " + text};
        return index;
    }
    const int found = FindCatalogueEntry(text);
    if (found < 0) throw UsageError{"Unbekanntes Element: \"" + text + "\""};
    return found;
}

Options Parse(int argc, const char* const* argv) {
    Options o;
    auto value = [&](int& i) -> std::string {
        if (i + 1 >= argc) throw UsageError{std::string("Die Option ") + argv[i] + " braucht einen Wert."};
        return argv[++i];
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--topic") {
            o.topic = value(i);
        } else if (arg == "--load") {
            o.load = value(i);
        } else if (arg == "--vertices") {
            o.vertices = value(i);
        } else if (arg == "--on" || arg == "--off") {
            const bool on = arg == "--on";
            o.switches.emplace_back(on, ParseEntry(value(i)));
        } else if (arg == "--all") {
            o.all = true;
        } else if (arg == "--trilinear") {
            o.trilinear = true;
        } else if (arg == "--etc") {
            o.etc = true;
        } else if (arg == "--axes") {
            o.axes = true;
        } else if (arg == "--grid") {
            o.grid = true;
            o.mmgrid = false;
        } else if (arg == "--mmgrid") {
            o.mmgrid = true;
            o.grid = false;
        } else if (arg == "--stretch") {
            const std::string text = value(i);
            const auto v = ParseReal(text);
            if (!v || *v < 0.2 || *v > 1000) throw UsageError{"Ungültiger Streckungsfaktor (0,2 bis 1000): " + text};
            o.stretch = *v;
        } else if (arg == "--pan") {
            const std::string text = value(i);
            const auto comma = text.find(',');
            int x = 0, y = 0;
            if (comma == std::string::npos || !ParseInt(std::string_view(text).substr(0, comma), x) ||
                !ParseInt(std::string_view(text).substr(comma + 1), y) || std::abs(x) > 100000 || std::abs(y) > 100000)
                throw UsageError{"Ungültige Verschiebung (erwartet X,Y in Pixeln): " + text};
            o.pan = {x, y};
        } else if (arg == "--size") {
            const std::string text = value(i);
            const auto x = text.find_first_of("xX");
            if (x == std::string::npos || !ParseInt(std::string_view(text).substr(0, x), o.width) ||
                !ParseInt(std::string_view(text).substr(x + 1), o.height) || o.width < 1 || o.height < 1 ||
                o.width > kMaxPictureSide || o.height > kMaxPictureSide ||
                static_cast<long long>(o.width) * o.height > kMaxPicturePixels)
                throw UsageError{"Ungültige Größe (erwartet BxH, 1 bis 16384 Pixel je Seite, höchstens 64 Millionen "
                                 "Pixel): " + text};
        } else if (arg == "--cp1252") {
            o.cp1252 = true;
        } else if (arg == "--relations" || arg == "--relations-all") {
            o.relations = true;
            o.relationsAll = o.relationsAll || arg == "--relations-all";
            o.relationsNames = o.relationsNames || o.relationsAll;
        } else if (arg == "--relations-names") {
            o.relationsNames = true;
        } else if (arg == "--relations-limit") {
            const std::string text = value(i);
            if (!ParseInt(text, o.relationsLimit) || o.relationsLimit < 0)
                throw UsageError{"Ungültige Anzahl für --relations-limit (erwartet eine ganze Zahl ab 0): " + text};
        } else if (arg == "--results") {
            if (o.results) throw UsageError{"--results ist nur einmal erlaubt."};
            o.results = value(i);
        } else if (arg == "--export") {
            if (o.exportPath) throw UsageError{"--export ist nur einmal erlaubt."};
            o.exportPath = value(i);
            if (!IsPictureExtension(*o.exportPath))
                throw UsageError{"Unbekanntes Bildformat (erwartet .bmp, .jpg, .gif, .png, .wmf, .svg, .pdf oder .tex): " +
                                 *o.exportPath};
        } else if (arg == "--bmp16") {
            o.bmp16 = true;
        } else if (arg == "--worksheet") {
            if (o.worksheet) throw UsageError{"--worksheet ist nur einmal erlaubt."};
            o.worksheet = value(i);
            if (!HasExtension(*o.worksheet, {"pdf"}))
                throw UsageError{"Ein Arbeitsblatt ist ein PDF-Dokument (DATEI.pdf): " + *o.worksheet};
        } else if (arg == "--animate") {
            if (o.animate) throw UsageError{"--animate ist nur einmal erlaubt."};
            o.animate = value(i);
            if (!HasExtension(*o.animate, {"gif"}))
                throw UsageError{"Eine Animation ist ein GIF-Bild (DATEI.gif): " + *o.animate};
        } else if (arg == "--frames") {
            const std::string text = value(i);
            int frames = 0;
            if (!ParseInt(text, frames) || frames < 2 || frames > 10000)
                throw UsageError{"Ungültige Zahl der Bilder (2 bis 10000): " + text};
            o.frames = frames;
        } else if (arg == "--tikz-body") {
            o.tikzBody = true;
        } else if (arg == "--dpi") {
            const std::string text = value(i);
            int dpi = 0;
            if (!ParseInt(text, dpi) || dpi < kMinExportDpi || dpi > kMaxExportDpi)
                throw UsageError{"Ungültige Auflösung (24 bis 2400 dpi): " + text};
            o.dpi = dpi;
        } else if (arg == "--scale") {
            const std::string text = value(i);
            const auto v = ParseReal(text);
            if (!v || *v < 0.01 || *v > 1000)
                throw UsageError{"Ungültiger Maßstab (0,01 bis 1000 cm je Einheit): " + text};
            o.cmPerUnit = *v;
        } else if (const auto read = ReadLocusOption(arg, [&] { return value(i); }, o.loci)) {
            if (!read->empty()) throw UsageError{*read};
        } else {
            throw UsageError{"Unbekannte Option: " + std::string(arg)};
        }
    }
    if (const std::string wrong = CheckLocusOptions(o.loci, o.animate.has_value()); !wrong.empty())
        throw UsageError{wrong};
    if (o.bmp16 && !(o.exportPath && o.exportPath->size() >= 4 &&
                     FoldCase(o.exportPath->substr(o.exportPath->size() - 4)) == ".bmp"))
        throw UsageError{"--bmp16 gilt nur zusammen mit --export DATEI.bmp."};
    if (o.cp1252 && !(o.results && *o.results != "-"))
        throw UsageError{"--cp1252 gilt nur zusammen mit --results DATEI."};
    if (o.dpi && !(o.exportPath && HasExtension(*o.exportPath, {"bmp", "jpg", "jpeg", "gif", "png"})))
        throw UsageError{"--dpi gilt nur zusammen mit --export als bmp, jpg, gif oder png."};
    if (o.cmPerUnit && !(o.exportPath && HasExtension(*o.exportPath, {"svg", "pdf", "tex"})))
        throw UsageError{"--scale gilt nur zusammen mit --export als svg, pdf oder tex."};
    if (o.frames && !o.animate) throw UsageError{"--frames gilt nur zusammen mit --animate DATEI.gif."};
    if (o.relationsNames && !o.relations) throw UsageError{"--relations-names gilt nur zusammen mit --relations."};
    if (o.animate && o.loci.path == VertexPath::Circumcircle)
        throw UsageError{"--path umkreis gilt nur für Ortslinien (--locus), nicht für --animate."};
    if (o.tikzBody && !(o.exportPath && HasExtension(*o.exportPath, {"tex"})))
        throw UsageError{"--tikz-body gilt nur zusammen mit --export DATEI.tex."};
    if (o.cp1252 && o.results && HasExtension(*o.results, {"csv"}))
        throw UsageError{"--cp1252 gilt nicht für eine Tabelle (.csv): sie ist immer UTF-8."};
    if (o.exportPath && HasExtension(*o.exportPath, {"svg", "pdf"})) {
        const double points = PagePointsPerPixel(HasExtension(*o.exportPath, {"pdf"}), o.stretch.value_or(1),
                                                 o.cmPerUnit.value_or(0));
        const std::string page = CheckPageSize(o.width, o.height, points);
        if (!page.empty()) throw UsageError{page};
    }
    if (o.dpi) {
        const long long w = ScaledPictureSide(o.width, *o.dpi), h = ScaledPictureSide(o.height, *o.dpi);
        if (w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels)
            throw UsageError{"Die Abbildung wird bei " + std::to_string(*o.dpi) + " dpi zu groß (" +
                             std::to_string(w) + "x" + std::to_string(h) +
                             "; höchstens 16384 Pixel je Seite und 64 Millionen Pixel)."};
    }
    return o;
}

std::vector<std::string> SplitVertices(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto semi = text.find(';', start);
        parts.push_back(text.substr(start, semi == std::string::npos ? std::string::npos : semi - start));
        if (semi == std::string::npos) break;
        start = semi + 1;
    }
    if (parts.size() != 6)
        throw UsageError{"--vertices erwartet sechs durch \";\" getrennte Koordinaten, erhalten: " + text};
    return parts;
}

struct FileError {
    std::string message;
};

std::vector<std::string> ReadDataFile(const std::string& path) {
    std::string error;
    const std::optional<std::string> bytes = ReadFileLimited(path, kMaxDataFileBytes, error);
    if (!bytes) throw FileError{error};
    if (!IsDataFileText(*bytes)) throw FileError{"Die Datei \"" + path + "\" ist " + kNotADataFile + "."};
    return DecodeTextFile(*bytes);
}

} // namespace

std::string VersionText() {
    return "Trimora " TRIMORA_VERSION;
}

bool IsPictureExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* known : {"bmp", "jpg", "jpeg", "gif", "png", "wmf", "emf", "svg", "pdf", "tex"})
        if (ext == known) return true;
    return false;
}

namespace {

// "dreieck.tmo" of "/pfad/zu/dreieck.tmo": the data file's name for a worksheet's title.
std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The document the options describe, at the given stretch factor (none: the default).
void Prepare(Session& session, const Options& o, std::optional<double> stretch) {
    InitSession(session, o.width, o.height);
    Document& doc = session.doc;
    doc.view.showTrilinear = o.trilinear;
    doc.view.showEtc = o.etc;
    doc.view.showAxes = o.axes;
    doc.view.showGrid = o.grid;
    doc.view.showMmGrid = o.mmgrid;
    // The fields are applied as the window's commands apply them; a topic or data file places
    // its vertices itself (around the integer centre, with the stretch factor already set).
    bool apply = false;
    if (stretch) doc.view.stretchFactor = *stretch, apply = !o.topic && !o.load;
    if (o.topic) {
        static const std::vector<std::string> topics = LoadResourceLines("WTRIMORA");
        if (!ApplyTopic(session, *o.topic, topics)) throw UsageError{"Unbekanntes Thema: \"" + *o.topic + "\""};
    }
    if (o.load) LoadDataFileLines(session, ReadDataFile(*o.load));
    if (o.vertices) {
        const auto parts = SplitVertices(*o.vertices);
        for (int n = 0; n < 6; ++n) doc.fields[static_cast<std::size_t>(n)] = parts[static_cast<std::size_t>(n)];
        apply = true;
    }
    if (o.all) doc.checked.set();
    for (const auto& [on, entry] : o.switches) doc.SetOn(entry, on);
    if (o.pan) doc.view.panX = o.pan->first, doc.view.panY = o.pan->second, apply = true;
    if (apply) ApplyFieldTexts(doc, o.width, o.height);
}

} // namespace

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const PictureExporter& exporter) {
    Options o;
    try {
        o = Parse(argc, argv);
        if (o.help || o.version) {
            out << (o.help ? kUsage : VersionText() + "\n");
            if (!out.flush())
                throw FileError{std::string(o.help ? "Die Hilfe" : "Die Version") +
                                " konnte nicht auf die Standardausgabe geschrieben werden."};
            return 0;
        }
        Session session;
        Prepare(session, o, o.stretch);
        // Results are measured as the window's "Berechnung" measures them, at stretch factor 1;
        // the picture keeps the stretch.
        Session unstretched;
        Document* measured = &session.doc;
        if (o.stretch && *o.stretch != 1 && (o.results || o.relations || o.worksheet)) {
            Prepare(unstretched, o, std::nullopt);
            measured = &unstretched.doc;
        }

        // The results are those of the typed triangle; only the picture is held within its limit.
        const bool listed = o.results || o.relations;
        if (((o.exportPath || !listed) && TriangleBeyondDrawing(session.doc.points)) ||
            (listed && TriangleBeyondDrawing(measured->points)))
            err << "trimora: Hinweis: " << kBeyondDrawing << " (die Abbildung zeigt es nicht; die Ergebnisse gelten "
                   "für die eingegebenen Koordinaten).\n";
        if (const LocusOutcome loci = TraceLociOfOptions(*measured, session.doc, o.width, o.height, o.loci, &err);
            !loci.message.empty())
            throw UsageError{loci.message};

        RecordingCanvas canvas(o.width, o.height);
        PaintDocument(*measured, canvas, o.results.has_value() || o.worksheet.has_value());
        if (o.results) {
            const std::vector<std::string> lines = measured->results.Lines();
            if (*o.results == "-") {
                for (const std::string& line : lines) out << line << '\n';
                if (!out.flush())
                    throw FileError{"Die Ergebnisse konnten nicht auf die Standardausgabe geschrieben werden."};
            } else {
                const std::string failure = WriteFileAtomically(
                    *o.results, HasExtension(*o.results, {"csv"}) ? ResultsCsv(lines)
                                : o.cp1252                         ? ToWindowsText(lines)
                                                                   : ToUtf8Text(lines));
                if (!failure.empty()) {
                    err << "trimora: " << failure << '\n';
                    return 1;
                }
            }
        }
        if (o.relations) {
            const RelationSet set = RelationsOfDocument(*measured, o.width, o.height, o.relationsAll);
            const auto limit = static_cast<std::size_t>(o.relationsLimit);
            for (const std::string& line : RelationLines(set, o.relationsAll, nullptr, limit))
                out << line << '\n';
            if (o.relationsNames)
                for (const std::string& line : PlaceLegend(set, o.relationsAll, limit))
                    out << line << '\n';
            if (!out.flush())
                throw FileError{"Die Zusammenhänge konnten nicht auf die Standardausgabe geschrieben werden."};
        }
        if (const LocusOutcome points = WriteLocusPoints(*measured, o.loci, out); !points.message.empty())
            throw FileError{points.message};
        if (o.exportPath && HasExtension(*o.exportPath, {"tex"})) {
            // TikZ is written without Qt.
            const std::string tikz =
                EncodeTikz(session.doc, o.width, o.height, {o.cmPerUnit.value_or(1), o.tikzBody});
            const std::string failure = WriteFileAtomically(*o.exportPath, tikz);
            if (!failure.empty()) throw FileError{failure};
        } else if (o.exportPath) {
            if (!exporter) throw FileError{"Bilder können hier nicht gespeichert werden."};
            PictureRequest request;
            request.path = *o.exportPath, request.width = o.width, request.height = o.height;
            request.bmp16 = o.bmp16, request.dpi = o.dpi.value_or(96), request.cmPerUnit = o.cmPerUnit.value_or(0);
            const std::string failure = exporter(session.doc, request);
            if (!failure.empty()) throw FileError{failure};
        }
        if (o.animate) {
            if (!exporter) throw FileError{"Animationen können hier nicht gespeichert werden."};
            PictureRequest request;
            request.path = *o.animate, request.width = o.width, request.height = o.height;
            request.animationFrames = o.frames.value_or(120);
            request.vertex = o.loci.vertex.value_or(0);
            request.direction = static_cast<int>(o.loci.path.value_or(VertexPath::Horizontal));
            const std::string failure = exporter(session.doc, request);
            if (!failure.empty()) throw FileError{failure};
        }
        if (o.worksheet) {
            if (!exporter) throw FileError{"Arbeitsblätter können hier nicht gespeichert werden."};
            PictureRequest request;
            request.path = *o.worksheet, request.width = o.width, request.height = o.height;
            request.worksheet = true;
            request.title = o.topic ? *o.topic : o.load ? FileNameOf(*o.load) : "Dreieck";
            request.resultLines = measured->results.Lines();
            const std::string failure = exporter(session.doc, request);
            if (!failure.empty()) throw FileError{failure};
        }
        return 0;
    } catch (const FileError& e) {
        err << "trimora: " << e.message << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        err << "trimora: Nicht genug Arbeitsspeicher für diese Abbildung.\n";
        return 1;
    } catch (const UsageError& e) {
        err << "trimora: " << e.message << "\n(trimora --help zeigt die Optionen.)\n";
        return 2;
    }
}

} // namespace trimora
