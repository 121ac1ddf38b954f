#include "base/presets.h"

#include "base/codepage.h"

#include <cstddef>
#include <iterator>

namespace trimora {
namespace {

constexpr bool kSep = true; // separator above the item
constexpr bool kCol = true; // the item begins a new column

constexpr PresetMenuItem kMenu[] = {
    {"Grunddreieck", false, false},
    {"Rechtwinkliges Dreieck", false, false},
    {"Kreise des Apollonius", false, false},
    {"Feuerbach-Kreis", false, false},
    {"Adams-Kreis", kSep, false},
    {"Ankreis-Inkreis-Kreise", false, false},
    {"Antikomplementärdreieck", false, false},
    {"Apollonius-Punkt", false, false},
    {"Bézier-Parabeln", false, false},
    {"Brocard-Achse", false, false},
    {"Carnot-Dreieck", kSep, false},
    {"Carnot-Johnson-Kreise", false, false},
    {"Clawson-Punkt", false, false},
    {"Conway-Kreis", false, false},
    {"Epstein-Punkt", false, false},
    {"Eulersche Kreise", false, false},
    {"Fermat-Napoleon-Gerade", false, false},
    {"Feuerbach-Hyperbel", false, false},
    {"Feuerbach-Hypozykloiden", false, false},
    {"Fuhrmanndreieck", false, false},
    {"Gergonne-Gerade", false, false},
    {"Gergonne-Punkt", false, false},
    {"Hadamard-Punkt", kSep, false},
    {"Hexyl-Dreieck", false, false},
    {"Hofstadter-Trapez", false, false},
    {"Höhendrachenvierecke", false, false},
    {"Höhendreieck", false, false},
    {"Inkreis-Umkreis-Gerade", false, false},
    {"Inversion am Inkreis", false, false},
    {"Isodynamische Punkte", false, false},
    {"Jerabek-Hyperbel", false, kCol},
    {"Kiepert-Hyperbel", false, false},
    {"Kimberling-Punkte", false, false},
    {"Kontaktdreieck", false, false},
    {"Kosnita-Punkt", false, false},
    {"Lamoen-Kreis", false, false},
    {"Lémoine-Kreis", false, false},
    {"Lémoine-Punkt", false, false},
    {"Lester-Kreis", false, false},
    {"Lucas-Kreise", false, false},
    {"Malfatti-Problem", false, false},
    {"Musselman-Theorem", false, false},
    {"Napoleon-Kreis", false, false},
    {"Napoleon-Punkt", false, false},
    {"Neuberg-Kreise", false, false},
    {"Orthozentrisches Viereck", false, false},
    {"Rekursive Soddy-Kreise", kSep, false},
    {"Rosenbaum-Dreieck", false, false},
    {"Schiffler-Punkt", false, false},
    {"Soddy Kreise", false, false},
    {"Spieker- und Nagelpunkt", false, false},
    {"Stammler-Hyperbel", false, false},
    {"Steiner-Ellipse", false, false},
    {"Südpolsatz", false, false},
    {"Tangentialdreieck", false, false},
    {"Thébault-Punkt", false, false},
    {"Vecten-Punkt", kSep, false},
    {"Villiers-Punkt", false, false},
    {"Yff-Dreieck", false, false},
    {"Yff-Zentraldreieck", false, false},
};
static_assert(std::size(kMenu) == kPresetCount);

} // namespace

std::span<const PresetMenuItem> PresetMenu() {
    return kMenu;
}

std::optional<PresetRecord> FindPreset(std::span<const std::string> lines, std::string_view title) {
    const std::string head = "[" + std::string(title);
    std::size_t i = 0;
    while (i < lines.size() && !EqualsIgnoringCase(lines[i], head))
        ++i;
    if (i == lines.size() || lines.size() - i - 1 < 6) return std::nullopt;

    PresetRecord record;
    std::size_t next = i + 1;
    for (std::string& text : record.coordinates)
        text = lines[next++];
    for (std::vector<std::string>& group : record.groups) {
        while (next < lines.size() && lines[next] != "#")
            group.push_back(lines[next++]);
        if (next < lines.size()) ++next; // the "#" line
    }
    return record;
}

} // namespace trimora
