// The element catalogue and its tab lists.
#include "base/catalogue.h"

#include "base/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace trimora {
namespace {

struct Entry {
    int index;
    const char* name;
};

// Every name with a letter outside ASCII and a spread of the others, spelled as in the catalogue.
const Entry kKnownEntries[] = {
    {0, "Punkt A"},
    {1, "Punkt B"},
    {2, "Punkt C"},
    {3, "Seite a"},
    {6, "Dreieck ausfüllen"},
    {7, "Dreiecksseiten"},
    {8, "Höhengeraden"},
    {12, "Höhenschnittpunkt"},
    {13, "Schwerpunkt"},
    {22, "Dreiecksgeraden"},
    {28, "Höhenfußpunkte"},
    {29, "Höhendreieck"},
    {47, "SWK ... Mittelpunkte"},
    {48, "SWK ... Dreieck"},
    {49, "Taylorfußpunkte"},
    {61, "äußerer Soddy-Punkt"},
    {62, "äußerer Soddy-Kreis"},
    {67, "Lémoine-Punkt"},
    {69, "Antikomplementär-Dreieck"},
    {70, "Antikomplementär-Punkte"},
    {75, "TKA ... Mittelpunkte"},
    {79, "TKC ... Mittelpunkte"},
    {84, "1.Brocard-Fußpktdreieck"},
    {89, "2.Brocard-Fußpktdreieck"},
    {116, "Außen-Soddy-Lotpunkte"},
    {117, "Außen-Soddy-Lote"},
    {118, "Außen-Soddy-Lotdreieck"},
    {119, "Lémoine-Punkt-Lotpunkte"},
    {120, "Lémoine-Punkt-Lote"},
    {121, "Lémoine-Punkt-Lotdreieck"},
    {129, "IBD ... Eckpunkte"},
    {132, "AAK ... Berührungspunkte"},
    {136, "A AB ... Mittelpunkt"},
    {140, "A BC ... Mittelpunkt"},
    {195, "Malfatti-Berührungspunkte"},
    {203, "1.Ajima-Malfatti-Punkt"},
    {204, "1.Ajima-Malfatti-Linien"},
    {205, "2.Ajima-Malfatti-Punkt"},
    {206, "2.Aiima-Malfatti-Linien"},
    {207, "1.Ajima-Malfatti-Pkt-Lotpunkte"},
    {212, "2.Ajima-Malfatti-Pkt-Lotdreieck"},
    {221, "1.isodynamischer Punkt"},
    {254, "1.Lémoine-Kreis"},
    {255, "1.Lémoine-Kreismittelpunkt"},
    {256, "1.Lémoine-Kreispunkte"},
    {257, "1.Lémoine-Strecken"},
    {258, "1.Lémoine-Geraden"},
    {259, "1.Lémoine-Dreieckspunkte"},
    {260, "1.Lémoine-Dreieck"},
    {272, "UmfP ... Strecken zu A,B,C"},
    {274, "UmwP ... Strecken zu A,B,C"},
    {276, "PP ... Parallelen"},
    {277, "PP ... Parallelenpunkte"},
    {285, "Außentangenten-Punkte"},
    {286, "Außentangenten"},
    {287, "Außentangentendreieck"},
    {288, "ATD ... Eckpunkte"},
    {300, "Kiepertparabel-Berührungspunkte"},
    {320, "Thébault-Punkt"},
    {324, "Napoleon-Dreiecke füllen"},
    {329, "Lémoine-Gerade"},
    {333, "... SDreiecke schraffieren"},
    {334, "... NDreiecke schraffieren"},
    {338, "Yff-Randdreiecke füllen"},
    {343, "Soddy-Berührungspunkte"},
    {344, "äußere Soddy-Geraden"},
    {346, "Höhen"},
    {348, "Höhe auf a"},
    {349, "Höhe auf b"},
    {350, "Höhe auf c"},
    {357, "Winkelhalbierende alpha"},
    {364, "Seitenquadrate ausfüllen"},
    {371, "Napoleon-Dreieck, äußeres"},
    {376, "Napoleon-Dreieck, inneres"},
    {377, "Fermat-Punkt, äußerer"},
    {393, "X12-Kimberling-Punkt"},
    {409, "Ankreisaußendreiecke"},
    {410, "Kontaktdreieck Höhen"},
    {412, "Fermat-Dreieck Höhen"},
    {417, "Lucas-Berührungspunkte"},
    {427, "Äußeres Ankreisdreieck"},
    {428, "Äuß.Ankreisdreieckpunkte"},
    {429, "Äuß.Ankreisdreieckzentrum"},
    {431, "ÄAD ... Höhenstrecken"},
    {432, "ÄAZ ... Kontaktpunktstrecken"},
    {437, "X37-Kimberling-Punkt"},
    {467, "Äußere Villiers-Umkreise"},
    {468, "Äußere Villiers-Inkreise"},
    {472, "Kiepert-Punkt arctan 2"},
    {473, "Kiepert-Punkt arctan -2"},
    {478, "Bézier-Inparabeln"},
    {479, "Bézier-Umparabeln"},
    {492, "Höhendrachenvierecke"},
    {494, "Antikomplementärumkreis"},
    {495, "Antikomplementärinkreis"},
    {498, "Carnot-Dreieck-Höhenpunkt"},
    {499, "Carnot-Dreieck-Höhen"},
    {500, "Carnot-Quaderprojektion"},
    {501, "Teilungspunkte 1:3"},
    {502, "Teilungsstrecken 1:3"},
    {503, "Teilungspunkte 1:4"},
    {504, "Teilungsstrecken 1:4"},
    {505, "Rosenbaum-Dreieck"},
    {506, "Antikomplementärlinien"},
};

TEST(Catalogue, KnownIndicesCarryTheirNames) {
    const std::vector<std::string>& names = CatalogueNames();
    ASSERT_EQ(names.size(), 507u);
    int checked = 0;
    for (const Entry& e : kKnownEntries) {
        EXPECT_EQ(names[static_cast<std::size_t>(e.index)], e.name) << "index " << e.index;
        ++checked;
    }
    EXPECT_EQ(checked, 104);
}

TEST(Catalogue, EveryNameWithANonAsciiLetterIsInTheKnownList) {
    std::set<int> known;
    for (const Entry& e : kKnownEntries)
        known.insert(e.index);
    const std::vector<std::string>& names = CatalogueNames();
    int nonAscii = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (std::any_of(names[i].begin(), names[i].end(),
                        [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
            ++nonAscii;
            EXPECT_TRUE(known.count(static_cast<int>(i))) << names[i];
        }
    }
    EXPECT_EQ(nonAscii, 64);
}

TEST(Catalogue, NamesAreCleanUtf8Lines) {
    for (const std::string& name : CatalogueNames()) {
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(IsValidUtf8(name)) << name;
        EXPECT_EQ(name.find_first_of("\r\n\t"), std::string::npos) << name;
        EXPECT_NE(name.front(), ' ') << name;
        EXPECT_NE(name.back(), ' ') << name;
        // Names use three dots, not the one-character ellipsis.
        EXPECT_EQ(name.find("\u2026"), std::string::npos) << name;
    }
}

TEST(Catalogue, NamesAreUniqueAlsoIgnoringCase) {
    const std::vector<std::string>& names = CatalogueNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 507u);
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t j = i + 1; j < names.size(); ++j)
            EXPECT_FALSE(EqualsIgnoringCase(names[i], names[j])) << names[i] << " / " << names[j];
}

TEST(Catalogue, FindMatchesWholeNamesIgnoringCase) {
    EXPECT_EQ(FindCatalogueEntry("Punkt A"), 0);
    EXPECT_EQ(FindCatalogueEntry("Antikomplementärlinien"), 506);
    EXPECT_EQ(FindCatalogueEntry("lémoine-punkt"), 67);
    EXPECT_EQ(FindCatalogueEntry("LÉMOINE-PUNKT"), 67);
    EXPECT_EQ(FindCatalogueEntry("ÄUßERES ANKREISDREIECK"), 427);
    EXPECT_EQ(FindCatalogueEntry("äad ... höhenstrecken"), 431);
    EXPECT_EQ(FindCatalogueEntry("HÖHEN"), 346);
    EXPECT_EQ(FindCatalogueEntry("höhe auf a"), 348);
    EXPECT_EQ(FindCatalogueEntry("2.Aiima-Malfatti-Linien"), 206);
}

TEST(Catalogue, FindRejectsPartsAndOtherSpellings) {
    EXPECT_EQ(FindCatalogueEntry(""), -1);
    EXPECT_EQ(FindCatalogueEntry("Punkt"), -1);
    EXPECT_EQ(FindCatalogueEntry("Punkt A "), -1);
    EXPECT_EQ(FindCatalogueEntry(" Punkt A"), -1);
    EXPECT_EQ(FindCatalogueEntry("Hohen"), -1);
    EXPECT_EQ(FindCatalogueEntry("2.Ajima-Malfatti-Linien"), -1);
    EXPECT_EQ(FindCatalogueEntry("SWK \u2026 Mittelpunkte"), -1);
    EXPECT_EQ(FindCatalogueEntry("L\xE9moine-Punkt"), -1); // Windows-1252 bytes, not UTF-8
}

TEST(Catalogue, EveryNameFindsItself) {
    const std::vector<std::string>& names = CatalogueNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(FindCatalogueEntry(names[i]), static_cast<int>(i));
}

TEST(TabLists, FourListsInTabOrder) {
    const auto lists = TabLists();
    ASSERT_EQ(lists.size(), 4u);
    EXPECT_EQ(lists[0].page, "Allgemein");
    EXPECT_EQ(lists[0].name, "CL1x");
    EXPECT_EQ(lists[1].page, "A-M");
    EXPECT_EQ(lists[1].name, "CL3x");
    EXPECT_EQ(lists[2].page, "N-Z");
    EXPECT_EQ(lists[2].name, "CL4x");
    EXPECT_EQ(lists[3].page, "Dreiecke / Lote");
    EXPECT_EQ(lists[3].name, "CL2x");
    EXPECT_EQ(lists[0].items.size(), 68u);
    EXPECT_EQ(lists[1].items.size(), 206u);
    EXPECT_EQ(lists[2].items.size(), 140u);
    EXPECT_EQ(lists[3].items.size(), 93u);
}

TEST(TabLists, HoldEveryCatalogueIndexExactlyOnce) {
    std::vector<int> count(kCatalogueSize, 0);
    for (const TabList& list : TabLists()) {
        for (int i : list.items) {
            ASSERT_GE(i, 0);
            ASSERT_LT(i, kCatalogueSize);
            ++count[static_cast<std::size_t>(i)];
        }
    }
    for (int i = 0; i < kCatalogueSize; ++i)
        EXPECT_EQ(count[static_cast<std::size_t>(i)], 1) << "index " << i;
}

TEST(TabLists, ItemsAtKnownPlaces) {
    const std::vector<std::string>& names = CatalogueNames();
    auto item = [&](int list, std::size_t pos) {
        return names[static_cast<std::size_t>(TabLists()[static_cast<std::size_t>(list)].items[pos])];
    };
    EXPECT_EQ(item(0, 0), "Punkt A");
    EXPECT_EQ(item(0, 8), "Dreiecksgeraden");
    EXPECT_EQ(item(0, 67), "Feuerbach-Inkreis-Punkt");
    EXPECT_EQ(item(1, 0), "Adams-Kreis");
    EXPECT_EQ(item(1, 205), "Musselman-Punkt");
    EXPECT_EQ(item(2, 0), "Nagel-Punkt");
    EXPECT_EQ(item(2, 139), "Yff-Zentraldreieck");
    EXPECT_EQ(item(3, 0), "Napoleon-Dreiecke füllen");
    EXPECT_EQ(item(3, 92), "Umkreis-Lotpunkte");
}

} // namespace
} // namespace trimora
