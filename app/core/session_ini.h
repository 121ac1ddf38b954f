// The kept session as the bytes of its file: keys with texts, lists of texts or bytes, written and
// read in the ini dialect of Qt's settings ("[group]", "key=value", quoting and escapes,
// "@ByteArray(...)", lists joined by ", "), so that files written by earlier versions are read and
// Qt reads ours. The window reads and writes the bytes through the file rules (app/session_file.*).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

struct IniValue {
    bool bytes = false;              // "@ByteArray(...)": `items` holds one item of raw bytes
    std::vector<std::string> items;  // texts (UTF-8); one item for a plain text, none for "@Invalid()"
};

class IniSettings {
  public:
    // Keys are "group/name" or "name" (the group [General]).
    void SetText(const std::string& key, const std::string& text) { values_[key] = {false, {text}}; }
    void SetList(const std::string& key, const std::vector<std::string>& items) { values_[key] = {false, items}; }
    void SetBytes(const std::string& key, const std::string& bytes) { values_[key] = {true, {bytes}}; }

    bool Contains(const std::string& key) const { return values_.contains(key); }
    // A text, or `fallback` when the key is missing or holds a list of several.
    std::string Text(const std::string& key, const std::string& fallback = {}) const;
    // A list: a plain text is a list of one, "@Invalid()" none.
    std::vector<std::string> List(const std::string& key) const;
    std::string Bytes(const std::string& key) const;
    // The keys of one group, without the group's name.
    std::vector<std::string> KeysOf(const std::string& group) const;

    // The file's bytes (UTF-8, LF) and back; unreadable lines are skipped.
    std::string Serialize() const;
    static IniSettings Parse(std::string_view bytes);

  private:
    std::map<std::string, IniValue> values_;
};

} // namespace trimora
