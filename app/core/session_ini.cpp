#include "app/core/session_ini.h"

#include <cstdint>

namespace trimora {
namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kByteArray = "@ByteArray(";
constexpr std::string_view kInvalid = "@Invalid()";

bool IsHex(char32_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int HexValue(char32_t c) { return c <= '9' ? static_cast<int>(c - '0') : static_cast<int>((c | 0x20) - 'a' + 10); }

void AppendUtf8(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD; // a lone half of a pair: no character
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The characters of a line: UTF-8 where it is valid, any other byte as the character of its value.
std::u32string Decode(std::string_view bytes) {
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        char32_t c = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and what lies beyond Unicode are no UTF-8.
        static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (c < kLeast[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)) valid = false;
        if (!valid) {
            out += b;
            ++i;
        } else {
            out += c;
            i += static_cast<std::size_t>(length);
        }
    }
    return out;
}

void AppendHexEscape(std::string& out, unsigned value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\x";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value);
    out += digits;
}

// One value as Qt writes it: escapes for control characters, quotes around separators and
// spaces at either end. `raw` (a byte array) escapes every byte beyond ASCII as well.
void AppendEscaped(std::string& out, std::string_view text, bool raw) {
    std::string body;
    bool quotes = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    bool escapeNextIfDigit = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ';' || c == ',' || c == '=') quotes = true;
        if (escapeNextIfDigit && IsHex(c)) {
            AppendHexEscape(body, c);
            continue;
        }
        escapeNextIfDigit = false;
        switch (c) {
        case '\0': body += "\\0"; escapeNextIfDigit = true; break;
        case '\a': body += "\\a"; break;
        case '\b': body += "\\b"; break;
        case '\f': body += "\\f"; break;
        case '\n': body += "\\n"; break;
        case '\r': body += "\\r"; break;
        case '\t': body += "\\t"; break;
        case '\v': body += "\\v"; break;
        case '"': body += "\\\""; break;
        case '\\': body += "\\\\"; break;
        default:
            if (c <= 0x1F || (raw && c >= 0x7F)) {
                AppendHexEscape(body, c);
                escapeNextIfDigit = true;
            } else {
                body += ch;
            }
        }
    }
    if (quotes) body = "\"" + body + "\"";
    out += body;
}

// Key names as Qt writes them: letters, digits and "-_." as they are, "/" inside a group as "\",
// other characters as %XX, or %UXXXX beyond Latin-1 (two of them, a surrogate pair, beyond 16 bits).
std::string EscapedKey(std::string_view key) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto hex = [](std::string& out, char32_t c, int digits) {
        for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(c >> shift) & 15];
    };
    std::string out;
    for (const char32_t c : Decode(key)) {
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                   c == '_' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            hex(out, c, 2);
        } else if (c <= 0xFFFF) {
            out += "%U";
            hex(out, c, 4);
        } else {
            out += "%U";
            hex(out, 0xD800 + ((c - 0x10000) >> 10), 4);
            out += "%U";
            hex(out, 0xDC00 + ((c - 0x10000) & 0x3FF), 4);
        }
    }
    return out;
}

std::string UnescapedKey(std::u32string_view key) {
    std::u32string chars;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char32_t c = key[i];
        if (c == '\\') {
            chars += U'/';
        } else if (c == '%' && i + 5 < key.size() && key[i + 1] == 'U' && IsHex(key[i + 2]) && IsHex(key[i + 3]) &&
                   IsHex(key[i + 4]) && IsHex(key[i + 5])) {
            const auto unit = static_cast<char32_t>(HexValue(key[i + 2]) << 12 | HexValue(key[i + 3]) << 8 |
                                                    HexValue(key[i + 4]) << 4 | HexValue(key[i + 5]));
            if (unit >= 0xDC00 && unit <= 0xDFFF && !chars.empty() && chars.back() >= 0xD800 && chars.back() <= 0xDBFF)
                chars.back() = 0x10000 + ((chars.back() - 0xD800) << 10) + (unit - 0xDC00);
            else
                chars += unit;
            i += 5;
        } else if (c == '%' && i + 2 < key.size() && IsHex(key[i + 1]) && IsHex(key[i + 2])) {
            chars += static_cast<char32_t>(HexValue(key[i + 1]) << 4 | HexValue(key[i + 2]));
            i += 2;
        } else {
            chars += c;
        }
    }
    std::string out;
    for (const char32_t c : chars) AppendUtf8(out, c);
    return out;
}

std::u32string_view Trimmed(std::u32string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// A value: its items (several where commas outside quotes part them), escapes resolved.
std::vector<std::u32string> ValueItems(std::u32string_view value) {
    std::vector<std::u32string> items(1);
    bool quoted = false;
    std::size_t pendingSpaces = 0; // spaces kept only when more of the item follows
    bool started = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char32_t c = value[i];
        if (!quoted && (c == ' ' || c == '\t')) {
            if (started) ++pendingSpaces;
            continue;
        }
        if (!quoted && c == ',') {
            items.emplace_back();
            pendingSpaces = 0, started = false;
            continue;
        }
        items.back().append(pendingSpaces, U' ');
        pendingSpaces = 0, started = true;
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c != '\\' || i + 1 == value.size()) {
            items.back() += c;
            continue;
        }
        c = value[++i];
        switch (c) {
        case 'a': items.back() += U'\a'; break;
        case 'b': items.back() += U'\b'; break;
        case 'f': items.back() += U'\f'; break;
        case 'n': items.back() += U'\n'; break;
        case 'r': items.back() += U'\r'; break;
        case 't': items.back() += U'\t'; break;
        case 'v': items.back() += U'\v'; break;
        case 'x': {
            char32_t v = 0;
            while (i + 1 < value.size() && IsHex(value[i + 1])) v = (v << 4 | static_cast<char32_t>(HexValue(value[++i]))) & 0xFFFF;
            items.back() += v;
            break;
        }
        default:
            if (c >= '0' && c <= '7') {
                char32_t v = c - '0';
                while (i + 1 < value.size() && value[i + 1] >= '0' && value[i + 1] <= '7')
                    v = (v << 3 | (value[++i] - '0')) & 0xFFFF;
                items.back() += v;
            } else {
                items.back() += c; // \" \\ \; and any other character as itself
            }
        }
    }
    return items;
}

std::string Utf8(std::u32string_view s) {
    std::string out;
    for (const char32_t c : s) AppendUtf8(out, c);
    return out;
}

IniValue ValueOf(std::u32string_view text) {
    const std::vector<std::u32string> items = ValueItems(text);
    IniValue value;
    if (items.size() > 1) {
        for (const std::u32string& item : items) {
            const std::string text = Utf8(item);
            value.items.push_back(text.starts_with("@@") ? text.substr(1) : text);
        }
        return value;
    }
    const std::u32string& item = items.front();
    const std::string asText = Utf8(item);
    if (asText == kInvalid) return value;
    if (asText.starts_with(kByteArray) && asText.ends_with(")")) {
        value.bytes = true;
        std::string raw;
        for (std::size_t i = kByteArray.size(); i + 1 < item.size(); ++i) raw += static_cast<char>(item[i] & 0xFF);
        value.items.push_back(std::move(raw));
        return value;
    }
    value.items.push_back(asText.starts_with("@@") ? asText.substr(1) : asText);
    return value;
}

// A key as Qt keeps it: no "/" at either end, none doubled.
std::string NormalizedKey(std::string_view key) {
    std::string out;
    for (const char c : key) {
        if (c == '/' && (out.empty() || out.back() == '/')) continue;
        out += c;
    }
    if (!out.empty() && out.back() == '/') out.pop_back();
    return out;
}

std::string TextForFile(const std::string& text) { return text.starts_with("@") ? "@" + text : text; }

} // namespace

std::string IniSettings::Text(const std::string& key, const std::string& fallback) const {
    const auto it = values_.find(key);
    if (it == values_.end() || it->second.bytes || it->second.items.size() != 1) return fallback;
    return it->second.items.front();
}

std::vector<std::string> IniSettings::List(const std::string& key) const {
    const auto it = values_.find(key);
    if (it == values_.end() || it->second.bytes) return {};
    return it->second.items;
}

std::string IniSettings::Bytes(const std::string& key) const {
    const auto it = values_.find(key);
    if (it == values_.end() || it->second.items.size() != 1) return {};
    return it->second.items.front();
}

std::vector<std::string> IniSettings::KeysOf(const std::string& group) const {
    std::vector<std::string> keys;
    const std::string prefix = group + "/";
    for (auto it = values_.lower_bound(prefix); it != values_.end() && it->first.starts_with(prefix); ++it)
        keys.push_back(it->first.substr(prefix.size()));
    return keys;
}

std::string IniSettings::Serialize() const {
    // Groups by the part before the first "/"; keys without one in [General].
    std::map<std::string, std::vector<const std::pair<const std::string, IniValue>*>> groups;
    for (const auto& entry : values_) {
        const auto slash = entry.first.find('/');
        groups[slash == std::string::npos ? std::string() : entry.first.substr(0, slash)].push_back(&entry);
    }
    std::string out;
    for (const auto& [group, entries] : groups) {
        if (!out.empty()) out += '\n';
        // A group of the name "General" is told apart from the keys without a group.
        out += "[" + (group.empty() ? std::string(kGeneral) : group == kGeneral ? "%General" : EscapedKey(group)) + "]\n";
        for (const auto* entry : entries) {
            const std::string& key = entry->first;
            const auto slash = key.find('/');
            out += EscapedKey(slash == std::string::npos ? key : key.substr(slash + 1)) + "=";
            const IniValue& value = entry->second;
            if (value.bytes) {
                AppendEscaped(out, std::string(kByteArray) + value.items.front() + ")", true);
            } else if (value.items.empty()) {
                out += kInvalid;
            } else {
                for (std::size_t i = 0; i < value.items.size(); ++i) {
                    if (i > 0) out += ", ";
                    AppendEscaped(out, TextForFile(value.items[i]), false);
                }
            }
            out += '\n';
        }
    }
    return out;
}

IniSettings IniSettings::Parse(std::string_view bytes) {
    IniSettings settings;
    std::string group;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::u32string line = Decode(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        std::u32string_view text = Trimmed(line);
        if (!text.empty() && text.back() == '\r') text = Trimmed(text.substr(0, text.size() - 1));
        if (text.empty() || text.front() == ';' || text.front() == '#') continue;
        if (text.front() == '[') {
            const auto close = text.find(']');
            if (close == std::u32string_view::npos) continue;
            const std::u32string_view section = Trimmed(text.substr(1, close - 1));
            const std::string raw = Utf8(section);
            group = raw == kGeneral ? std::string() : raw == "%General" ? std::string(kGeneral) : UnescapedKey(section);
            continue;
        }
        const auto equals = text.find('=');
        if (equals == std::u32string_view::npos || equals == 0) continue;
        const std::string key = NormalizedKey(group + "/" + UnescapedKey(Trimmed(text.substr(0, equals))));
        if (key.empty()) continue;
        settings.values_[key] = ValueOf(Trimmed(text.substr(equals + 1)));
    }
    return settings;
}

} // namespace trimora
