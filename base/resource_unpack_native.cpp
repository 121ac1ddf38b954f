// The desktop's resources are zlib streams (tools/respack).
#include "base/resource.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace trimora {
namespace {

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

std::string UnpackResource(std::span<const unsigned char> data, std::string_view what) {
    return InflateZlib(data, what);
}

} // namespace trimora
