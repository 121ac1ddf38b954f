#include "base/etc_numbers.h"

#include <algorithm>
#include <array>
#include <utility>

namespace trimora {
namespace {

constexpr std::string_view kCentreLine = "… Mittelpunkt";

// Checked row by row against the centres' published barycentric coordinates on three triangles
// (tests/etc_numbers_test.cpp).
constexpr std::array kRows{
    // Classic centres.
    EtcRow{14, "", "", 1, true},                  // Inkreismittelpunkt: marked, no line
    EtcRow{16, kCentreLine, "Inkreis", 1, false}, // Inkreis
    EtcRow{248, "Adams-Kreismittelpunkt", "", 1, true},
    EtcRow{441, kCentreLine, "Hexyl-Kreis", 1, false},
    EtcRow{443, kCentreLine, "Conway-Kreis", 1, false},
    EtcRow{13, "Schwerpunkt S", "", 2, true},
    EtcRow{15, "", "", 3, true}, // Umkreismittelpunkt: marked, no line
    EtcRow{17, kCentreLine, "Umkreis", 3, false},
    EtcRow{12, "Höhenschnittpunkt", "", 4, true},
    EtcRow{262, "Polarkreismittelpunkt", "", 4, true},
    EtcRow{494, kCentreLine, "Antikomplementärumkreis", 4, false},
    EtcRow{21, "Feuerbach-Punkt", "", 5, true}, // the nine-point centre
    EtcRow{67, "Lémoine-Punkt", "", 6, true},
    EtcRow{41, "Gergonne-Punkt", "", 7, true},
    EtcRow{32, "Nagelpunkt N", "", 8, true},
    EtcRow{495, kCentreLine, "Antikomplementärinkreis", 8, false},
    EtcRow{155, "Mittenpunkt", "", 9, true},
    EtcRow{44, "Spieker-Punkt", "", 10, true},
    EtcRow{392, "Feuerbach-Inkreis-Punkt", "", 11, true},
    EtcRow{393, "Kimberling-Punkt X12", "", 12, true},
    EtcRow{152, "Fermat-Punkt", "", 13, true},
    EtcRow{281, "2.isogonisches Zentrum", "", 14, true},
    EtcRow{377, "äußerer Fermat-Punkt", "", 14, true},
    EtcRow{221, "1.isodynamischer Punkt", "", 15, true},
    EtcRow{222, "2.isodynamischer Punkt", "", 16, true},
    EtcRow{141, "Napoleon-Punkt", "", 17, true},
    EtcRow{282, "2.Napoleon-Punkt", "", 18, true},
    EtcRow{283, "Clawson-Punkt", "", 19, true},
    EtcRow{157, "Longchamp-Punkt", "", 20, true},
    EtcRow{236, "Schiffler-Punkt", "", 21, true},
    EtcRow{150, "Exeter-Punkt", "", 22, true},
    EtcRow{394, "Far-Out-Punkt X23", "", 23, true},
    // Further centres.
    EtcRow{437, "Kimberling-Punkt X37", "", 37, true},
    EtcRow{94, "Brocard-Mittelpunkt", "", 39, true},
    EtcRow{436, kCentreLine, "Moses-Kreis", 39, false},
    EtcRow{237, "Bevan-Punkt", "", 40, true},
    EtcRow{322, "Hadamard-Punkt", "", 40, true},
    EtcRow{238, kCentreLine, "Ankreisdreieck-Umkreis", 40, false},
    EtcRow{289, "Kosnita-Punkt", "", 54, true},
    EtcRow{411, "Kontaktdreieck HSchnittpunkt", "", 65, false}, // orthocentre of the contact triangle
    EtcRow{284, "3.Brocard-Punkt", "", 76, true},
    EtcRow{367, "Tarry-Punkt", "", 98, true},
    EtcRow{226, "Steiner-Punkt", "", 99, true},
    EtcRow{291, "Kiepert-Fokus", "", 110, true},
    EtcRow{270, "Parry-Punkt", "", 111, true},
    EtcRow{406, "Kiepert-Zentrum", "", 115, true},
    EtcRow{463, "Jerabek-Zentrum", "", 125, false},
    EtcRow{320, "Thébault-Punkt", "", 125, true},
    EtcRow{264, "Yff Zentralpunkt", "", 173, true}, // the congruent-isoscelizers point
    EtcRow{61, "Äußerer Soddykreismittelpunkt", "", 175, true},
    EtcRow{271, "Gleicher-Umfang-Punkt", "", 175, true},
    EtcRow{59, "Innerer Soddykreismittelpunkt", "", 176, true},
    EtcRow{273, "Gleicher-Umweg-Punkt", "", 176, true},
    EtcRow{203, "1.Ajima-Malfatti-Punkt", "", 179, true},
    EtcRow{205, "2.Ajima-Malfatti-Punkt", "", 180, true},
    EtcRow{134, "Apollonius-Punkt", "", 181, true},
    EtcRow{255, "1.Lémoine-Kreismittelpunkt", "", 182, true},
    EtcRow{91, kCentreLine, "Brocard-Kreis", 182, true},
    EtcRow{223, "Isodynamischer Kreismittelpunkt", "", 187, true}, // the Schoute centre
    EtcRow{275, "Gleiche-Parallelen-Punkt", "", 192, true},
    EtcRow{52, "Taylor-Punkt", "", 389, true},
    EtcRow{391, kCentreLine, "Parry-Kreis", 351, false},
    EtcRow{462, "Weill-Punkt", "", 354, true},
    EtcRow{179, kCentreLine, "Fuhrmann-Kreis", 355, true},
    EtcRow{217, "Hofstadter-Einspunkt", "", 359, true},
    EtcRow{213, "Hofstadter-Nullpunkt", "", 360, true},
    EtcRow{263, "1.Epstein-Punkt", "", 481, true},
    EtcRow{390, "2.Epstein-Punkt", "", 482, true},
    EtcRow{380, "Vecten-Punkt", "", 485, true},
    EtcRow{466, kCentreLine, "Ankreisdreieck-Inkreis", 164, false},
    EtcRow{131, "Ankreis-Apollonius-Kreis-Mittelpunkt", "", 970, true},
    EtcRow{457, kCentreLine, "Lester-Kreis", 1116, false},
    EtcRow{460, "1.Villierspunkt", "", 1127, true},
    EtcRow{472, "Kiepert-Punkt arctan 2", "", 1131, true},
    EtcRow{473, "Kiepert-Punkt arctan -2", "", 1132, true},
    EtcRow{332, kCentreLine, "Lamoen-Kreis", 1153, false},
    EtcRow{405, "Musselman-Punkt", "", 1157, true},
    EtcRow{159, "Fletcher-Punkt", "", 1323, true},
    EtcRow{484, "1.Griffiths-Punkt X1373", "", 1373, true},
    EtcRow{158, "Evans-Punkt", "", 1375, true},
    EtcRow{198, "Ajima-Punkt", "", 1, true},
    EtcRow{498, "Carnot-Dreieck-Höhenpunkt", "", 3, true},
};

// The rows ordered by (block, label) for the look-up; block is empty for named points.
constexpr auto kSorted = [] {
    std::array<std::pair<std::pair<std::string_view, std::string_view>, int>, kRows.size()> keys{};
    for (std::size_t i = 0; i < kRows.size(); ++i)
        keys[i] = {{kRows[i].block, kRows[i].label}, static_cast<int>(i)};
    std::sort(keys.begin(), keys.end());
    return keys;
}();

} // namespace

std::span<const EtcRow> EtcRows() {
    return kRows;
}

const EtcRow* FindEtcRow(std::string_view label, std::string_view block) {
    if (label.empty()) return nullptr;
    if (!label.starts_with("…")) block = {};
    const std::pair key{block, label};
    const auto it = std::lower_bound(kSorted.begin(), kSorted.end(), key,
                                     [](const auto& row, const auto& k) { return row.first < k; });
    if (it == kSorted.end() || it->first != key) return nullptr;
    return &kRows[static_cast<std::size_t>(it->second)];
}

std::optional<int> EtcNumberOfEntry(int entry) {
    for (const EtcRow& row : kRows)
        if (row.entry == entry && row.entryIsCentre) return row.n;
    return std::nullopt;
}

} // namespace trimora
