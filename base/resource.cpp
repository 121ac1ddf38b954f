#include "base/resource.h"

#include "base/codepage.h"
#include "resources/embedded.h"

#include <algorithm>

namespace trimora {
namespace {

bool SameAsciiIgnoringCase(std::string_view a, std::string_view b) {
    auto small = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return small(x) == small(y); });
}

} // namespace

std::string LoadResourceBytes(std::string_view name) {
    for (const EmbeddedResource& r : EmbeddedResources())
        if (SameAsciiIgnoringCase(r.name, name)) return UnpackResource({r.data, r.size}, r.name);
    throw ResourceError("Die eingebaute Ressource " + std::string(name) + " fehlt.");
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> LoadResourceLines(std::string_view name) {
    std::vector<std::string> lines = SplitLines(LoadResourceBytes(name));
    for (std::string& line : lines)
        line = Cp1252ToUtf8(line);
    return lines;
}

} // namespace trimora
