// The results as a CSV table read back, with a parser of the format's own rules (quoted fields,
// doubled quotes), into the numbers that the result lines show, for every kind of line.
#include "app/core/session.h"
#include "base/resource.h"
#include "output/results_table.h"
#include "paint/paint.h"
#include "draw/recording_canvas.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace trimora {
namespace {

// RFC 4180 with ";" as the separator: rows of fields.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') field += '"', ++i;
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            rows.back().push_back(field), field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(field), field.clear();
            rows.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

// The numbers of a value, read independently of the table's own reader.
std::vector<std::string> Expected(const std::string& kind, const std::string& value) {
    std::smatch m;
    static const std::string n = "(-?[0-9]+(?:,[0-9]+)?)";
    if (kind == "Punkt" && std::regex_search(value, m, std::regex("^\\( " + n + " \\| " + n + " \\)")))
        return {m[1], m[2]};
    if (kind == "Kreis" && std::regex_search(value, m, std::regex("M \\(" + n + "\\|" + n + "\\), r = " + n)))
        return {m[1], m[2], m[3]};
    if (kind == "Gerade" && std::regex_search(value, m, std::regex("^Y = " + n + " X \\+?" + n + " ; Anstiegswinkel " + n)))
        return {m[1], m[2], m[3]};
    // A line: slope ("senkrecht" when upright), intercept (or x), angle, whatever its form.
    if (kind == "Gerade" && std::regex_search(value, m, std::regex("^X = " + n + " ; Anstiegswinkel " + n)))
        return {"senkrecht", m[1], m[2]};
    if (kind == "Gerade" && std::regex_search(value, m, std::regex("^Y = " + n + " ; Anstiegswinkel " + n)))
        return {"0", m[1], m[2]};
    if (std::regex_match(value, m, std::regex(n))) return {m[1]};
    return {};
}

TEST(ResultsTable, ReadsBackIntoTheNumbersOfEveryKindOfLine) {
    Session s;
    InitSession(s, 821, 660);
    s.doc.checked.set();
    RecordingCanvas canvas(821, 660);
    PaintDocument(s.doc, canvas, true);
    const std::vector<std::string> lines = s.doc.results.Lines();
    const std::string csv = ResultsCsv(lines);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const auto rows = ParseCsv(csv.substr(3));
    ASSERT_EQ(rows.size(), lines.size() + 1);
    const std::vector<std::string>& head = rows.front();
    ASSERT_GE(head.size(), 5u);
    EXPECT_EQ(head[0], "Bezeichnung");
    EXPECT_EQ(head[1], "Art");
    EXPECT_EQ(head[2], "Wert 1");
    EXPECT_EQ(head.back(), "Text");
    std::map<std::string, int> kinds;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string>& row = rows[i + 1];
        ASSERT_EQ(row.size(), head.size()) << lines[i];
        const std::size_t tab = lines[i].find('\t');
        const std::string value = tab == std::string::npos ? "" : lines[i].substr(tab + 1);
        std::string shown = lines[i];
        if (tab != std::string::npos) shown[tab] = ' ';
        EXPECT_EQ(row.back(), shown);
        const std::string& kind = row[1];
        ++kinds[kind];
        if (kind == "Text" || kind == "Dreieck") continue;
        const std::vector<std::string> expected = Expected(kind, value);
        ASSERT_FALSE(expected.empty()) << kind << ": " << lines[i];
        for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(row[2 + k], expected[k]) << lines[i];
        for (std::size_t k = 2 + expected.size(); k + 1 < row.size(); ++k) EXPECT_EQ(row[k], "") << lines[i];
    }
    for (const char* kind : {"Punkt", "Strecke", "Winkel", "Fläche", "Gerade", "Kreis", "Dreieck", "Text"})
        EXPECT_GT(kinds[kind], 0) << kind;
}

// Every row is labelled by its element, read from the text's block structure: a line beginning
// with "…" belongs to its block's title when it follows the title or another line of the block,
// and to the circle of the radius line before it otherwise.
TEST(ResultsTable, EveryRowNamesItsElement) {
    struct Case {
        const char* topic; // nullptr: every entry on
        const char* radius; // a radius line followed by "… Flächeninhalt"
        const char* area;   // that row's label in the table
    };
    const Case cases[] = {
        {"Feuerbach-Kreis", "Radius des Feuerbach-Kreises", "Feuerbach-Kreis Flächeninhalt"},
        {nullptr, "Radius des Feuerbach-Kreises", "Feuerbach-Kreis Flächeninhalt"},
        {nullptr, "Ankreisradius r1", "Ankreis r1 Flächeninhalt"},
        {nullptr, "Ankreisradius r3", "Ankreis r3 Flächeninhalt"},
        {nullptr, "Spiekerkreis-Radius", "Spiekerkreis Flächeninhalt"},
    };
    static const std::vector<std::string> topics = LoadResourceLines("WTRIMORA");
    int found = 0, checked = 0;
    for (const Case& c : cases) {
        Session s;
        InitSession(s, 821, 660);
        if (c.topic) {
            ASSERT_TRUE(ApplyTopic(s, c.topic, topics));
        } else {
            s.doc.checked.set();
        }
        RecordingCanvas canvas(821, 660);
        PaintDocument(s.doc, canvas, true);
        const std::vector<std::string> lines = s.doc.results.Lines();
        const auto rows = ParseCsv(ResultsCsv(lines).substr(3));
        ASSERT_EQ(rows.size(), lines.size() + 1);
        std::string title;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string label = lines[i].substr(0, lines[i].find('\t'));
            const bool valued = lines[i].find('\t') != std::string::npos;
            if (!valued) title = label;
            if (label.starts_with(c.radius) && i + 1 < lines.size() && lines[i + 1].starts_with("… Flächeninhalt")) {
                EXPECT_EQ(rows[i + 2][0], c.area) << c.radius;
                ++found;
            }
            // A row after a line outside any block never takes the block's title.
            const std::string before = i > 0 ? lines[i - 1].substr(0, lines[i - 1].find('\t')) : "";
            if (label.starts_with("…") && i > 0 && lines[i - 1].find('\t') != std::string::npos &&
                !before.starts_with("…") && !title.empty() && before.find(title) == std::string::npos) {
                EXPECT_FALSE(rows[i + 1][0].starts_with(title + " ")) << lines[i - 1] << " / " << lines[i];
                ++checked;
            }
        }
    }
    EXPECT_EQ(found, 5);
    EXPECT_GT(checked, 5);
}

} // namespace
} // namespace trimora
