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
// The whole table: a heading row, then a row per line ("label<TAB>value" or a title line). A row
// is labelled by its element: a line beginning with "…" by its block's title or by the element of
// the line before it (a circle's radius, then "… Flächeninhalt"). Each kind has fixed columns:
// a point x, y (and its trilinears when shown), a circle x, y and r of its centre and radius, a
// line slope ("senkrecht" when upright), intercept (the x of an upright line) and angle, a
// length, angle or area its number.
std::string ResultsCsv(const std::vector<std::string>& lines);

} // namespace trimora
