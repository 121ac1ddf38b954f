#include "base/resource.h"

#include "base/codepage.h"
#include "resources/embedded.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace trimora {
namespace {

bool SameAsciiIgnoringCase(std::string_view a, std::string_view b) {
    auto small = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return small(x) == small(y); });
}

std::string Damaged(std::string_view what, std::string_view detail) {
    return "Die eingebaute Ressource " + std::string(what) + " ist beschädigt (" + std::string(detail) + ").";
}

// Ends the inflate state on every way out of InflateZlib.
struct InflateGuard {
    z_stream* stream;
    ~InflateGuard() { inflateEnd(stream); }
};

} // namespace

std::string InflateZlib(std::span<const unsigned char> data, std::string_view what) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw ResourceError(Damaged(what, "zlib kann nicht starten"));
    InflateGuard guard{&zs};

    std::string out;
    unsigned char chunk[16384];
    std::size_t consumed = 0;
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        // Feed the input in pieces that fit zlib's 32-bit counters.
        if (zs.avail_in == 0 && consumed < data.size()) {
            const std::size_t piece = std::min<std::size_t>(data.size() - consumed, UINT_MAX);
            zs.next_in = const_cast<Bytef*>(data.data() + consumed);
            zs.avail_in = static_cast<uInt>(piece);
            consumed += piece;
        }
        zs.next_out = chunk;
        zs.avail_out = sizeof chunk;
        rc = inflate(&zs, Z_NO_FLUSH);
        out.append(reinterpret_cast<const char*>(chunk), sizeof chunk - zs.avail_out);
        if (rc == Z_STREAM_END) break;
        if (rc == Z_BUF_ERROR && zs.avail_in == 0 && consumed == data.size())
            throw ResourceError(Damaged(what, "Datenstrom endet zu früh"));
        if (rc != Z_OK && rc != Z_BUF_ERROR)
            throw ResourceError(Damaged(what, zs.msg ? zs.msg : "zlib-Fehler " + std::to_string(rc)));
    }
    if (zs.avail_in != 0 || consumed != data.size())
        throw ResourceError(Damaged(what, "Daten nach dem Ende des Datenstroms"));
    return out;
}

std::string LoadResourceBytes(std::string_view name) {
    for (const EmbeddedResource& r : EmbeddedResources())
        if (SameAsciiIgnoringCase(r.name, name)) return InflateZlib({r.data, r.size}, r.name);
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
