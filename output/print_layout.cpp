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

std::vector<int> ColumnPositionsWithin(const std::vector<std::string>& preparedLines, int available,
                                       const std::function<int(std::string_view)>& textWidth) {
    std::vector<int> x = ColumnPositions(preparedLines, textWidth);
    // The values' room: the widest value of a two-field line. The label column gives way to it,
    // but keeps more than half of the column: labels are broken less gladly than values.
    int widestValue = 0;
    for (const std::string& line : preparedLines) {
        const std::vector<std::string> fields = SplitFields(line);
        if (fields.size() == 2) widestValue = std::max(widestValue, textWidth(fields[1]));
    }
    const int start = std::min(x[1], std::max(available - widestValue, available * 11 / 20));
    if (x[1] > start) {
        const int shift = x[1] - start;
        for (std::size_t k = 1; k < x.size(); ++k) x[k] -= shift;
    }
    return x;
}

namespace {

// `text` in pieces no wider than `room`, broken after spaces and hyphens ("Winkelhalbierende-" |
// "Schnittpunkt"); a word wider than the room on its own is broken between its letters.
std::vector<std::string> Wrap(const std::string& text, int room, const std::function<int(std::string_view)>& textWidth) {
    if (text.empty() || textWidth(text) <= room) return {text};
    std::vector<std::string> parts; // each ends with its break: "Winkelhalbierende-", "mit "
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find_first_of(" -", start);
        end = end == std::string::npos ? text.size() : end + 1;
        parts.push_back(text.substr(start, end - start));
        start = end;
    }
    std::vector<std::string> pieces;
    std::string piece;
    auto trimmed = [](std::string p) {
        while (!p.empty() && p.back() == ' ') p.pop_back();
        return p;
    };
    for (const std::string& part : parts) {
        if (!piece.empty() && textWidth(trimmed(piece + part)) > room) {
            pieces.push_back(trimmed(piece));
            piece.clear();
        }
        if (!piece.empty() || textWidth(trimmed(part)) <= room) {
            piece += part;
            continue;
        }
        // Letter by letter (whole UTF-8 sequences), as many as the room takes.
        for (std::size_t i = 0; i < part.size();) {
            std::size_t next = i + 1;
            while (next < part.size() && (static_cast<unsigned char>(part[next]) & 0xC0) == 0x80) ++next;
            const std::string letter = part.substr(i, next - i);
            if (!piece.empty() && textWidth(piece + letter) > room) {
                pieces.push_back(piece);
                piece.clear();
            }
            piece += letter;
            i = next;
        }
    }
    if (!trimmed(piece).empty()) pieces.push_back(trimmed(piece));
    return pieces;
}

} // namespace

std::vector<std::string> WrapToColumn(const std::vector<std::string>& preparedLines, const std::vector<int>& x,
                                      int available, const std::function<int(std::string_view)>& textWidth) {
    constexpr int kGap = 30; // dots between a field and the next one's start
    std::vector<std::string> rows;
    for (const std::string& line : preparedLines) {
        const std::vector<std::string> fields = SplitFields(line);
        const std::size_t n = std::min(fields.size(), x.size());
        std::vector<std::vector<std::string>> pieces(n);
        std::size_t height = 1;
        for (std::size_t k = 0; k < n; ++k) {
            const int end = k + 1 < n ? x[k + 1] - kGap : available;
            pieces[k] = Wrap(fields[k], std::max(1, end - x[k]), textWidth);
            height = std::max(height, pieces[k].size());
        }
        if (height == 1) {
            rows.push_back(line);
            continue;
        }
        for (std::size_t r = 0; r < height; ++r) {
            std::string row;
            for (std::size_t k = 0; k < n; ++k) {
                if (k > 0) row += '\t';
                if (r < pieces[k].size()) row += pieces[k][r];
            }
            rows.push_back(row);
        }
    }
    return rows;
}

int SingleColumnPages(int lines, int linesPerPage) { return lines / std::max(1, linesPerPage) + 1; }
int TwoColumnPages(int lines, int linesPerPage) { return (lines / 2) / std::max(1, linesPerPage) + 1; }

} // namespace trimora
