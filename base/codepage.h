// Windows-1252 <-> UTF-8. The catalogue, the topics and the data files are Windows-1252 text;
// inside the program every text is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trimora {

// The character of one Windows-1252 byte. Every byte has one: the five bytes that Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of the same number.
char32_t Cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a character, or nothing when the code page has none.
std::optional<unsigned char> CodePointToCp1252(char32_t cp);

// UTF-8 text of Windows-1252 bytes (always valid UTF-8, same number of characters as bytes).
std::string Cp1252ToUtf8(std::string_view bytes);

// Windows-1252 bytes of UTF-8 text. A character without a byte becomes "?"; so does every
// malformed piece of UTF-8 (each maximal ill-formed subsequence gives one "?").
std::string Utf8ToCp1252(std::string_view utf8);

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Whole-text comparison of two UTF-8 texts without regard to letter case: A..Z, the accented
// Latin-1 capitals (Ä, É, ...) and Š, Œ, Ž, Ÿ match their small letters one to one.
// Malformed UTF-8 is compared byte for byte.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The text with the capitals that EqualsIgnoringCase matches turned small: two texts are equal
// without regard to case exactly when their folded forms are equal, so that the folded form can
// be a hash key.
std::string FoldCase(std::string_view text);

} // namespace trimora
