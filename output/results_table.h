// The results as a table for spreadsheet programs: one row per result line with its label, its
// kind, the numbers it shows and the line itself, as German spreadsheets read CSV (semicolons,
// decimal comma, UTF-8 with a byte order mark).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trimora {

// "Punkt", "Strecke", "Winkel", "Fläche", "Gerade", "Kreis", "Dreieck" or "Text".
std::string_view ResultKind(std::string_view label, std::string_view value, std::string_view nextLabel);
// The numbers a value shows, in order, as written ("-0,5", "26,565").
std::vector<std::string> ResultNumbers(std::string_view value);
// The whole table: a heading row, then a row per line ("label<TAB>value" or a title line).
std::string ResultsCsv(const std::vector<std::string>& lines);

} // namespace trimora
