#include "web/loci_bytes.h"

#include <cstdint>
#include <cstring>

namespace trimora {
namespace {

// The counts of a sane trace lie far below this; a larger one is a damaged text.
constexpr std::uint32_t kMostItems = 1u << 24;

class Writer {
  public:
    void Count(std::size_t n) { Raw(static_cast<std::uint32_t>(n)); }
    void Int(int v) { Raw(static_cast<std::int32_t>(v)); }
    void Real(double v) { Raw(v); }
    void Point(RealPoint p) { Real(p.x), Real(p.y); }
    void Text(const std::string& text) { Count(text.size()), bytes_ += text; }
    std::string Bytes() && { return std::move(bytes_); }

  private:
    template <class T>
    void Raw(T value) {
        char raw[sizeof value];
        std::memcpy(raw, &value, sizeof value);
        bytes_.append(raw, sizeof value);
    }
    std::string bytes_;
};

class Reader {
  public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}
    bool Count(std::size_t& n) {
        std::uint32_t v = 0;
        if (!Raw(v) || v > kMostItems || v > rest_.size()) return false;
        n = v;
        return true;
    }
    bool Int(int& v) {
        std::int32_t raw = 0;
        if (!Raw(raw)) return false;
        v = raw;
        return true;
    }
    bool Real(double& v) { return Raw(v); }
    bool Point(RealPoint& p) { return Real(p.x) && Real(p.y); }
    bool Text(std::string& text) {
        std::size_t n = 0;
        if (!Count(n)) return false;
        text.assign(rest_.substr(0, n));
        rest_.remove_prefix(n);
        return true;
    }
    bool AtEnd() const { return rest_.empty(); }

  private:
    template <class T>
    bool Raw(T& value) {
        if (rest_.size() < sizeof value) return false;
        std::memcpy(&value, rest_.data(), sizeof value);
        rest_.remove_prefix(sizeof value);
        return true;
    }
    std::string_view rest_;
};

bool ReadShape(Reader& in, LocusShape& shape) {
    int kind = 0;
    if (!in.Int(kind) || kind < 0 || kind > static_cast<int>(LocusShape::Kind::Hyperbola)) return false;
    shape.kind = static_cast<LocusShape::Kind>(kind);
    return in.Int(shape.piece) && in.Point(shape.centre) && in.Point(shape.direction) && in.Real(shape.a) &&
           in.Real(shape.b);
}

bool ReadLocus(Reader& in, Locus& locus) {
    int path = 0, trail = 0;
    std::size_t pieces = 0, shapes = 0;
    if (!in.Text(locus.name) || !in.Int(locus.vertex) || locus.vertex < 0 || locus.vertex > 2 || !in.Int(path) ||
        path < 0 || path > static_cast<int>(VertexPath::Circumcircle) || !in.Int(trail) || !in.Count(pieces))
        return false;
    locus.path = static_cast<VertexPath>(path);
    locus.trail = trail != 0;
    locus.pieces.resize(pieces);
    for (auto& piece : locus.pieces) {
        std::size_t points = 0;
        if (!in.Count(points)) return false;
        piece.resize(points);
        for (RealPoint& p : piece)
            if (!in.Point(p)) return false;
    }
    if (!in.Count(shapes)) return false;
    locus.shapes.resize(shapes);
    for (LocusShape& shape : locus.shapes)
        if (!ReadShape(in, shape)) return false;
    return true;
}

} // namespace

std::string LociBytes(const std::vector<Locus>& curves) {
    Writer out;
    out.Count(curves.size());
    for (const Locus& locus : curves) {
        out.Text(locus.name);
        out.Int(locus.vertex), out.Int(static_cast<int>(locus.path)), out.Int(locus.trail ? 1 : 0);
        out.Count(locus.pieces.size());
        for (const auto& piece : locus.pieces) {
            out.Count(piece.size());
            for (const RealPoint& p : piece) out.Point(p);
        }
        out.Count(locus.shapes.size());
        for (const LocusShape& shape : locus.shapes) {
            out.Int(static_cast<int>(shape.kind)), out.Int(shape.piece);
            out.Point(shape.centre), out.Point(shape.direction), out.Real(shape.a), out.Real(shape.b);
        }
    }
    return std::move(out).Bytes();
}

std::optional<std::vector<Locus>> LociFromBytes(std::string_view bytes) {
    Reader in(bytes);
    std::size_t n = 0;
    if (!in.Count(n)) return std::nullopt;
    std::vector<Locus> curves(n);
    for (Locus& locus : curves)
        if (!ReadLocus(in, locus)) return std::nullopt;
    if (!in.AtEnd()) return std::nullopt;
    return curves;
}

} // namespace trimora
