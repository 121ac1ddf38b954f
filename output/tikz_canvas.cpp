#include "output/tikz_canvas.h"

#include "draw/document.h"
#include "output/decimal_text.h"
#include "paint/paint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace trimora {
namespace {

constexpr double kCmPerTexPoint = 2.54 / 72.27;
// A point of a run of lines is kept only where leaving it out would move the line by more than
// this many pixels: curves keep their shape at the picture's size with far fewer points.
constexpr double kPathTolerance = 0.25;
// Text is laid out from its top left corner; its base line lies this far below (DejaVu Sans, the
// screen font, has an ascent of 0.93 and a descent of 0.24 of its size).
constexpr double kAscent = 0.93, kDescent = 0.24;
// Labels at the size of a document's small text (\small of a 10 pt document) at one centimetre per
// unit, growing with the scale, never below 6 pt: the screen's 13 pixels would be 3.7 pt on paper.
constexpr double kLabelPoints = 9, kSmallestLabel = 6;

// At most four decimals, as picture files write them.
std::string Number(double v) { return TrimmedDecimal(v, 4); }

double Distance(IntPoint p, IntPoint a, IntPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
    if (length == 0) return std::hypot(p.x - a.x, p.y - a.y);
    return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / length;
}

// Douglas–Peucker: the points of `path` that keep it within the tolerance.
std::vector<IntPoint> Simplified(const std::vector<IntPoint>& path) {
    std::vector<bool> keep(path.size(), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, path.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        double farthest = -1;
        std::size_t at = first;
        for (std::size_t i = first + 1; i < last; ++i) {
            const double d = Distance(path[i], path[first], path[last]);
            if (d > farthest) farthest = d, at = i;
        }
        if (farthest > kPathTolerance) {
            keep[at] = true;
            spans.push_back({first, at});
            spans.push_back({at, last});
        }
    }
    std::vector<IntPoint> kept;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (keep[i]) kept.push_back(path[i]);
    return kept;
}

} // namespace

std::string LatexText(std::string_view utf8) {
    static const std::map<char32_t, const char*> commands{
        {U'α', "\\ensuremath{\\alpha}"},   {U'β', "\\ensuremath{\\beta}"},   {U'γ', "\\ensuremath{\\gamma}"},
        {U'δ', "\\ensuremath{\\delta}"},   {U'ε', "\\ensuremath{\\varepsilon}"}, {U'φ', "\\ensuremath{\\varphi}"},
        {U'ω', "\\ensuremath{\\omega}"},   {U'π', "\\ensuremath{\\pi}"},     {U'ρ', "\\ensuremath{\\rho}"},
        {U'σ', "\\ensuremath{\\sigma}"},   {U'θ', "\\ensuremath{\\theta}"},  {U'λ', "\\ensuremath{\\lambda}"},
        {U'Ω', "\\ensuremath{\\Omega}"},   {U'Δ', "\\ensuremath{\\Delta}"},  {U'°', "\\ensuremath{^\\circ}"},
        {U'²', "\\ensuremath{^2}"},        {U'³', "\\ensuremath{^3}"},       {U'·', "\\ensuremath{\\cdot}"},
        {U'±', "\\ensuremath{\\pm}"},      {U'×', "\\ensuremath{\\times}"},  {U'√', "\\ensuremath{\\surd}"},
        {U'∞', "\\ensuremath{\\infty}"},   {U'≈', "\\ensuremath{\\approx}"}, {U'…', "\\ldots{}"},
        {U'–', "--"},                      {U'—', "---"},                    {U'′', "'"},
        {U'„', ",,"},                      {U'“', "``"},                     {U'”', "''"},
    };
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            switch (c) {
            case '\\': out += "\\textbackslash{}"; break;
            case '{': case '}': case '#': case '$': case '%': case '&': case '_': out += '\\'; out += char(c); break;
            case '~': out += "\\textasciitilde{}"; break;
            case '^': out += "\\textasciicircum{}"; break;
            case '<': out += "\\ensuremath{<}"; break;
            case '>': out += "\\ensuremath{>}"; break;
            case '|': out += "\\ensuremath{|}"; break;
            default: out += (c < 0x20 ? ' ' : char(c));
            }
            ++i;
            continue;
        }
        // One code point of UTF-8; a broken sequence counts as one unknown character.
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        char32_t code = length == 1 ? 0 : c & (0x7F >> length);
        bool valid = length > 1 && i + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        if (const auto found = commands.find(code); found != commands.end())
            out += found->second;
        else if (code >= 0xC0 && code <= 0xFF && code != 0xD7 && code != 0xF7)
            out.append(utf8.substr(i, static_cast<std::size_t>(length))); // Latin-1 letters: inputenc knows them
        else
            out += '?';
        i += static_cast<std::size_t>(length);
    }
    return out;
}

TikzCanvas::TikzCanvas(const TikzFrame& frame) : Canvas(frame.width, frame.height), frame_(frame) {}

std::string TikzCanvas::Point(double x, double y) const {
    return "(" + Number((x - frame_.originX) / frame_.pixelsPerUnit) + "," +
           Number((frame_.originY - y) / frame_.pixelsPerUnit) + ")";
}

std::string TikzCanvas::Length(double pixels) const {
    return Number(pixels / frame_.pixelsPerUnit * frame_.cmPerUnit) + "cm";
}

std::string TikzCanvas::ColourName(Color c) {
    const std::uint32_t key = (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
    auto [it, added] = colours_.emplace(key, "c" + std::to_string(colours_.size() + 1));
    if (added)
        definitions_ += "\\definecolor{" + it->second + "}{RGB}{" + std::to_string(c.r) + "," +
                        std::to_string(c.g) + "," + std::to_string(c.b) + "}\n";
    return it->second;
}

std::string TikzCanvas::StrokeOptions() {
    const Pen& p = CurrentPen();
    if (p.style == PenStyle::Clear) return {};
    const int width = std::max(1, p.width);
    std::string options = "draw=" + ColourName(p.color) + ",line width=" + Length(width);
    // Dots as long as the pen is wide, two widths apart, as on the screen.
    if (p.style == PenStyle::Dot) options += ",dash pattern=on " + Length(width) + " off " + Length(2 * width);
    return options;
}

std::string TikzCanvas::FillOptions() {
    const Brush& b = CurrentBrush();
    switch (b.style) {
    case BrushStyle::Clear: return {};
    case BrushStyle::Solid: return "fill=" + ColourName(b.color);
    case BrushStyle::BDiagonal: return "pattern=north east lines,pattern color=" + ColourName(b.color);
    case BrushStyle::FDiagonal: return "pattern=north west lines,pattern color=" + ColourName(b.color);
    case BrushStyle::Horizontal: return "pattern=horizontal lines,pattern color=" + ColourName(b.color);
    }
    return {};
}

void TikzCanvas::FlushPath() {
    if (path_.size() < 2) {
        path_.clear();
        return;
    }
    const std::vector<IntPoint> points = Simplified(path_);
    path_.clear();
    const Pen saved = CurrentPen();
    SetPen(pathPen_);
    const std::string stroke = StrokeOptions();
    SetPen(saved);
    if (stroke.empty()) return;
    if (points.size() == 2) {
        body_ += "\\draw[" + stroke + "] " + Point(points[0].x, points[0].y) + " -- " +
                 Point(points[1].x, points[1].y) + ";\n";
        return;
    }
    body_ += "\\draw[" + stroke + "] plot coordinates {";
    for (const IntPoint& p : points) body_ += Point(p.x, p.y);
    body_ += "};\n";
}

void TikzCanvas::MoveTo(int x, int y) { position_ = {x, y}; }

void TikzCanvas::LineTo(int x, int y) {
    const bool continues = !path_.empty() && path_.back().x == position_.x && path_.back().y == position_.y &&
                           CurrentPen() == pathPen_;
    if (!continues) {
        FlushPath();
        path_.push_back(position_);
        pathPen_ = CurrentPen();
    }
    path_.push_back({x, y});
    position_ = {x, y};
}

void TikzCanvas::Ellipse(int left, int top, int right, int bottom) {
    FlushPath();
    const std::string stroke = StrokeOptions(), fill = FillOptions();
    if (stroke.empty() && fill.empty()) return;
    const std::string options = stroke + (stroke.empty() || fill.empty() ? "" : ",") + fill;
    // The box leaves out its right and bottom edges, as on the screen.
    body_ += "\\path[" + options + "] " + Point((left + right) / 2.0, (top + bottom) / 2.0) + " ellipse [x radius=" +
             Length((right - left - 1) / 2.0) + ",y radius=" + Length((bottom - top - 1) / 2.0) + "];\n";
}

void TikzCanvas::Polygon(std::span<const IntPoint> points) {
    FlushPath();
    if (points.size() < 2) return;
    const std::string stroke = StrokeOptions(), fill = FillOptions();
    if (stroke.empty() && fill.empty()) return;
    std::string path = "\\path[" + stroke + (stroke.empty() || fill.empty() ? "" : ",") + fill + ",even odd rule] ";
    for (const IntPoint& p : points) path += Point(p.x, p.y) + " -- ";
    body_ += path + "cycle;\n";
}

void TikzCanvas::Rectangle(int left, int top, int right, int bottom) {
    FlushPath();
    const std::string stroke = StrokeOptions(), fill = FillOptions();
    if (stroke.empty() && fill.empty()) return;
    body_ += "\\path[" + stroke + (stroke.empty() || fill.empty() ? "" : ",") + fill + "] " +
             Point(left + 0.5, top + 0.5) + " rectangle " + Point(right - 0.5, bottom - 0.5) + ";\n";
}

void TikzCanvas::TextOut(int x, int y, std::string_view text) {
    FlushPath();
    // The label's size on paper, and in the picture's pixels for its place.
    const double points = std::max(kSmallestLabel, kLabelPoints * frame_.cmPerUnit);
    const double size = points * kCmPerTexPoint / frame_.cmPerUnit * frame_.pixelsPerUnit;
    std::string options = "anchor=base west,inner sep=0pt,outer sep=0pt,text=black,font=\\sffamily\\fontsize{" +
                          Number(points) + "}{" + Number(points * 1.2) + "}\\selectfont";
    // An opaque brush paints the text's background, as on the screen.
    if (CurrentBrush().style != BrushStyle::Clear)
        options += ",fill=" + ColourName(CurrentBrush().color) + ",text height=" + Length(kAscent * size) +
                   ",text depth=" + Length(kDescent * size);
    body_ += "\\node[" + options + "] at " + Point(x, y + kAscent * size) + " {" + LatexText(text) + "};\n";
}

std::string TikzCanvas::Picture() {
    FlushPath();
    const std::string corner = Point(0, 0), opposite = Point(Width(), Height());
    std::string text = "% Trimora: eine Einheit = " + Number(frame_.cmPerUnit) + " cm";
    if (body_.find("pattern=") != std::string::npos) text += "; braucht \\usetikzlibrary{patterns}";
    text += "\n\\begin{tikzpicture}[x=" + Number(frame_.cmPerUnit) + "cm,y=" + Number(frame_.cmPerUnit) +
            "cm,line join=bevel,font=\\sffamily]\n";
    text += definitions_;
    text += "\\fill[white] " + corner + " rectangle " + opposite + ";\n";
    text += "\\clip " + corner + " rectangle " + opposite + ";\n";
    text += body_;
    text += "\\end{tikzpicture}\n";
    return text;
}

std::string TikzCanvas::StandaloneDocument() {
    // A page of exactly the picture's size, with what every LaTeX installation has (the article
    // class, geometry, TikZ): it compiles as it is and crops to the picture.
    const std::string width = Length(Width()), height = Length(Height());
    return "\\RequirePackage{fix-cm}\n" // the fonts at any size
           "\\documentclass{article}\n"
           "\\usepackage[paperwidth=" + width + ",paperheight=" + height + ",margin=0pt]{geometry}\n"
           "\\usepackage[utf8]{inputenc}\n"
           "\\usepackage{tikz}\n"
           "\\usetikzlibrary{patterns}\n"
           "\\pagestyle{empty}\n"
           "\\setlength{\\parindent}{0pt}\n"
           "\\setlength{\\topskip}{0pt}\n"
           "\\begin{document}\n" +
           Picture() + "\\end{document}\n";
}

std::string EncodeTikz(Document& doc, int width, int height, const TikzOptions& options) {
    TikzFrame frame;
    frame.width = width, frame.height = height;
    frame.originX = width / 2 + doc.view.panX;
    frame.originY = height / 2 + doc.view.panY;
    frame.pixelsPerUnit = 100 * doc.view.stretchFactor;
    frame.cmPerUnit = options.cmPerUnit > 0 ? options.cmPerUnit : 1;
    TikzCanvas canvas(frame);
    canvas.SetFont("Verdana", 10);
    PaintDocument(doc, canvas, false);
    return options.bodyOnly ? canvas.Picture() : canvas.StandaloneDocument();
}

} // namespace trimora
