#include "output/results_table.h"

#include <algorithm>
#include <cctype>

namespace trimora {
namespace {

constexpr std::string_view kEllipsis = "…";

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool ContainsFolded(std::string_view text, std::string_view lowerPart) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return Contains(lower, lowerPart);
}

bool IsNumber(std::string_view value) {
    const std::vector<std::string> numbers = ResultNumbers(value);
    return numbers.size() == 1 && numbers.front().size() == value.size();
}

// A field as CSV writes it: quoted where it holds a separator, a quote or a line break.
std::string Field(std::string_view text) {
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// The element that a circle's radius line names: "Radius des Feuerbach-Kreises" → "Feuerbach-Kreis",
// "Ankreisradius r1" → "Ankreis r1", "Spiekerkreis-Radius" → "Spiekerkreis"; other labels name
// their element themselves.
std::string ElementOf(std::string_view label) {
    std::string name(label);
    if (name.starts_with("Radius des ")) {
        name.erase(0, 11);
        if (name.ends_with("Kreises") || name.ends_with("kreises")) name.erase(name.size() - 2);
        return name;
    }
    for (std::string_view word : {"-Radius", "-radius", "radius"}) {
        const std::size_t at = name.find(word);
        if (at == std::string::npos || at == 0) continue;
        name.erase(at, word.size());
        return name;
    }
    return name;
}

// The numbers of a line's value in fixed columns: slope ("senkrecht" for an upright line),
// intercept (the x of an upright line), angle of inclination.
std::vector<std::string> LineColumns(std::string_view value) {
    std::vector<std::string> numbers = ResultNumbers(value);
    if (value.starts_with("X =") && numbers.size() == 2) return {"senkrecht", numbers[0], numbers[1]};
    if (value.starts_with("Y =") && numbers.size() == 2 && !Contains(value.substr(0, value.find(';')), " X"))
        return {"0", numbers[0], numbers[1]};
    return numbers;
}

struct Row {
    std::string label, kind, text;
    std::vector<std::string> numbers;
};

} // namespace

std::vector<std::string> ResultNumbers(std::string_view value) {
    // An ETC mark " [X(n)]" at the end names the centre: it is no value.
    if (const std::size_t mark = value.rfind(" [X("); mark != std::string_view::npos) value = value.substr(0, mark);
    auto digit = [&](std::size_t i) { return i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); };
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < value.size();) {
        const bool starts = digit(i) || ((value[i] == '-' || value[i] == '+') && digit(i + 1));
        const bool glued = i > 0 && (std::isalnum(static_cast<unsigned char>(value[i - 1])) || value[i - 1] == ',');
        if (!starts || glued) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (digit(end) || (end < value.size() && value[end] == ',' && digit(end + 1))) ++end;
        std::string number(value.substr(i, end - i));
        if (number.front() == '+') number.erase(0, 1);
        numbers.push_back(std::move(number));
        i = end;
    }
    return numbers;
}

std::string_view ResultKind(std::string_view label, std::string_view value, std::string_view nextLabel) {
    if (value.empty()) {
        // A title line: the head of a triangle's block when its lines name the triangle's sides.
        return nextLabel.starts_with(kEllipsis) && Contains(nextLabel, "Dreiecksseite") ? "Dreieck" : "Text";
    }
    if (Contains(value, "r = ") && Contains(value, "M (")) return "Kreis";
    if (value.starts_with("Y =") || value.starts_with("X =")) return "Gerade";
    if (value.starts_with("(") && Contains(value, "|")) return "Punkt";
    if (IsNumber(value)) {
        if (ContainsFolded(label, "winkel")) return "Winkel";
        if (ContainsFolded(label, "fläche")) return "Fläche";
        return "Strecke";
    }
    return "Text";
}

std::string ResultsCsv(const std::vector<std::string>& lines) {
    std::vector<Row> rows;
    // What the lines beginning with "…" belong to: the block's title, or the element of the line
    // before them that is no line of a block ("Radius des Feuerbach-Kreises", then "… Flächeninhalt").
    std::string element;
    std::size_t columns = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t tab = line.find('\t');
        const std::string label = tab == std::string::npos ? line : line.substr(0, tab);
        const std::string value = tab == std::string::npos ? std::string() : line.substr(tab + 1);
        std::string next;
        if (i + 1 < lines.size()) next = lines[i + 1].substr(0, lines[i + 1].find('\t'));
        Row row;
        row.kind = ResultKind(label, value, next);
        const bool inBlock = label.starts_with(kEllipsis);
        // A line of a block names its element: "… Dreiecksseite" becomes "Fuhrmann-Dreieck Dreiecksseite".
        row.label = inBlock && !element.empty() ? element + std::string(label.substr(kEllipsis.size())) : label;
        if (value.empty())
            element = label;
        else if (!inBlock)
            element = ElementOf(label);
        if (row.kind == "Gerade")
            row.numbers = LineColumns(value);
        else if (row.kind != "Text" && row.kind != "Dreieck")
            row.numbers = ResultNumbers(value);
        std::string shown = line;
        std::replace(shown.begin(), shown.end(), '\t', ' ');
        row.text = shown;
        columns = std::max(columns, row.numbers.size());
        rows.push_back(std::move(row));
    }
    std::string csv = "\xEF\xBB\xBF" "Bezeichnung;Art";
    for (std::size_t c = 1; c <= columns; ++c) csv += ";Wert " + std::to_string(c);
    csv += ";Text\r\n";
    for (const Row& row : rows) {
        csv += Field(row.label) + ";" + row.kind;
        for (std::size_t c = 0; c < columns; ++c) csv += ";" + (c < row.numbers.size() ? row.numbers[c] : std::string());
        csv += ";" + Field(row.text) + "\r\n";
    }
    return csv;
}

} // namespace trimora
