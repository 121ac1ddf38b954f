// Page and column layout of the printed results: margins and lines per page from the printer's
// resolution, and tab-separated fields laid out in aligned columns.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

inline constexpr int kPrintLineSpacing = 18; // twice the font size 9
inline constexpr int kMaxPrintColumns = 20;

struct PageLayout {
    int lineHeight = 50;
    int leftMargin = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    int linesPerPage = 60;
};

// `physicalLeft`, `physicalTop`, `physicalBottom`: the unprintable border of the page in dots.
PageLayout ComputePageLayout(int dpiX, int dpiY, int physicalLeft, int physicalTop, int physicalBottom, int pageHeight,
                             int lineSpacing = kPrintLineSpacing);

// An empty line stays empty (it keeps its row); a leading tab gets a space before it; adjacent tabs
// become one.
std::string PrepareLine(std::string_view line);
// The fields of a prepared line, split at its tabs.
std::vector<std::string> SplitFields(std::string_view preparedLine);

// Start of each column in dots: x[0] = 0, x[k] = x[k-1] + width of field k + 30, over the lines
// that contain a tab; fields beyond the twentieth are ignored.
std::vector<int> ColumnPositions(const std::vector<std::string>& preparedLines,
                                 const std::function<int(std::string_view)>& textWidth);

// As ColumnPositions, for a column `available` dots wide: the first field (the label) gives way to
// the widest value, but keeps 55 % of the column.
std::vector<int> ColumnPositionsWithin(const std::vector<std::string>& preparedLines, int available,
                                       const std::function<int(std::string_view)>& textWidth);

// The rows that prepared lines take in a column `available` dots wide with the field starts `x`:
// a field that would run into the next one or past the column's edge is wrapped at its spaces
// onto further rows (its continuation under it), so that no text overlaps another.
std::vector<std::string> WrapToColumn(const std::vector<std::string>& preparedLines, const std::vector<int>& x,
                                      int available, const std::function<int(std::string_view)>& textWidth);

// Pages offered by the print dialogs: lines div linesPerPage + 1, and for two columns
// (lines div 2) div linesPerPage + 1.
int SingleColumnPages(int lines, int linesPerPage);
int TwoColumnPages(int lines, int linesPerPage);

} // namespace trimora
