#include "output/print_layout.h"

#include <algorithm>
#include <cmath>

namespace trimora {

PageLayout ComputePageLayout(int dpiX, int dpiY, int physicalLeft, int physicalTop, int physicalBottom, int pageHeight,
                             int lineSpacing) {
    PageLayout l;
    const int unit = dpiY / 60;
    l.lineHeight = unit * (lineSpacing - 1);
    if (l.lineHeight <= 0) l.lineHeight = 50;
    auto dots = [](double mm, int dpi) { return static_cast<int>(std::nearbyint(mm * dpi / 25.4)); };
    l.leftMargin = std::max(0, dots(25, dpiX) - physicalLeft);
    l.topMargin = std::max(0, dots(10, dpiY) - physicalTop);
    l.bottomMargin = std::max(0, dots(10, dpiY) - physicalBottom);
    l.linesPerPage = (pageHeight - l.topMargin - l.bottomMargin) / l.lineHeight - 1;
    if (l.linesPerPage <= 0) l.linesPerPage = 60;
    return l;
}

std::string PrepareLine(std::string_view line) {
    std::string s(line);
    if (s.empty()) return s;
    if (s.front() == '\t') s.insert(s.begin(), ' ');
    while (s.size() >= 2) {
        const auto pos = s.find("\t\t");
        if (pos == std::string::npos) break;
        s.erase(pos, 1);
    }
    return s;
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return fields;
}

std::vector<int> ColumnPositions(const std::vector<std::string>& preparedLines,
                                 const std::function<int(std::string_view)>& textWidth) {
    std::vector<int> widths(kMaxPrintColumns, 0);
    for (const std::string& line : preparedLines) {
        if (line.find('\t') == std::string::npos) continue;
        const std::vector<std::string> fields = SplitFields(line);
        for (std::size_t k = 0; k < fields.size() && k < kMaxPrintColumns; ++k)
            if (!fields[k].empty()) widths[k] = std::max(widths[k], textWidth(fields[k]));
    }
    std::vector<int> x(kMaxPrintColumns, 0);
    for (std::size_t k = 1; k < x.size(); ++k) x[k] = x[k - 1] + widths[k - 1] + 30;
    return x;
}

int SingleColumnPages(int lines, int linesPerPage) { return lines / std::max(1, linesPerPage) + 1; }
int TwoColumnPages(int lines, int linesPerPage) { return (lines / 2) / std::max(1, linesPerPage) + 1; }

} // namespace trimora
