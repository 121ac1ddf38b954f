#include "base/codepage.h"

#include <array>
#include <cstddef>

namespace trimora {
namespace {

// Characters of the bytes 0x80..0x9F ("." in the comments: a C1 control); the other bytes are
// their own code points (ISO 8859-1).
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // € . ‚ ƒ „ … † ‡
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // ˆ ‰ Š ‹ Œ . Ž .
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // . ‘ ’ “ ” • – —
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // ˜ ™ š › œ . ž Ÿ
};

constexpr std::array<char32_t, 256> MakeTable() {
    std::array<char32_t, 256> table{};
    for (std::size_t b = 0; b < 256; ++b)
        table[b] = static_cast<char32_t>(b);
    for (std::size_t b = 0; b < 32; ++b)
        table[0x80 + b] = kHighControls[b];
    return table;
}

constexpr std::array<char32_t, 256> kCp1252 = MakeTable();

struct Decoded {
    char32_t cp = 0;
    std::size_t length = 1; // bytes consumed; for malformed input the maximal ill-formed subsequence
    bool valid = false;
};

// Decodes the UTF-8 sequence at `pos` (pos < s.size()).
Decoded DecodeAt(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) return {b0, 1, true};
    int follow = 0;
    char32_t cp = 0;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the next byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        follow = 1;
        cp = b0 & 0x1Fu;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        follow = 2;
        cp = b0 & 0x0Fu;
        if (b0 == 0xE0) lo = 0xA0; // no overlong forms
        if (b0 == 0xED) hi = 0x9F; // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        follow = 3;
        cp = b0 & 0x07u;
        if (b0 == 0xF0) lo = 0x90; // no overlong forms
        if (b0 == 0xF4) hi = 0x8F; // nothing above U+10FFFF
    } else {
        return {0, 1, false};
    }
    std::size_t length = 1;
    for (int k = 0; k < follow; ++k) {
        if (pos + length >= s.size()) return {0, length, false};
        const auto b = static_cast<unsigned char>(s[pos + length]);
        if (b < lo || b > hi) return {0, length, false};
        cp = (cp << 6) | (b & 0x3Fu);
        ++length;
        lo = 0x80;
        hi = 0xBF;
    }
    return {cp, length, true};
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Small letter of a capital of the Windows-1252 repertoire; other characters unchanged.
char32_t ToSmall(char32_t cp) {
    if (cp >= U'A' && cp <= U'Z') return cp + 0x20;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20; // À..Þ without ×
    switch (cp) {
    case 0x0160:
        return 0x0161; // Š
    case 0x0152:
        return 0x0153; // Œ
    case 0x017D:
        return 0x017E; // Ž
    case 0x0178:
        return 0x00FF; // Ÿ
    default:
        return cp;
    }
}

} // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
    return kCp1252[byte];
}

std::optional<unsigned char> CodePointToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (std::size_t b = 0; b < 32; ++b)
        if (kHighControls[b] == cp) return static_cast<unsigned char>(0x80 + b);
    return std::nullopt;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        AppendUtf8(out, kCp1252[static_cast<unsigned char>(c)]);
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Decoded d = DecodeAt(utf8, pos);
        pos += d.length;
        std::optional<unsigned char> byte;
        if (d.valid) byte = CodePointToCp1252(d.cp);
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = DecodeAt(bytes, pos);
        if (!d.valid) return false;
        pos += d.length;
    }
    return true;
}

std::string FoldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = DecodeAt(text, i);
        if (d.valid)
            AppendUtf8(out, ToSmall(d.cp));
        else
            out += text.substr(i, d.length);
        i += d.length;
    }
    return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const Decoded da = DecodeAt(a, i);
        const Decoded db = DecodeAt(b, j);
        if (da.valid && db.valid) {
            if (ToSmall(da.cp) != ToSmall(db.cp)) return false;
        } else if (da.valid || db.valid || a.substr(i, da.length) != b.substr(j, db.length)) {
            return false;
        }
        i += da.length;
        j += db.length;
    }
    return i == a.size() && j == b.size();
}

} // namespace trimora
