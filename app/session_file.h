// The file of the kept session, $XDG_CONFIG_HOME/trimora/trimora.ini (~/.config when the variable
// is not set), read and written by the file rules of every other file: the name as bytes, links
// only as the kernel's link protection follows them, regular files only (a pipe never blocks the
// start), at most kMaxSessionFileBytes read, written atomically. What a killed save of an earlier
// version left beside it ("trimora.ini.XXXXXX") is removed by the next save.
#pragma once

#include "app/core/session_ini.h"

#include <cstddef>
#include <string>

namespace trimora {

inline constexpr std::size_t kMaxSessionFileBytes = 1u << 20;

// The path as bytes; empty when neither XDG_CONFIG_HOME nor HOME names a folder.
std::string SessionFilePath();

struct SessionRead {
    IniSettings settings; // empty: the defaults
    std::string problem;  // German, when a file is there but was refused or unreadable
};
SessionRead ReadSessionFile(const std::string& path);

// Creates the folder where needed; "" or a German message.
std::string WriteSessionFile(const std::string& path, const IniSettings& settings);

// Removes the temporary files "NAME.XXXXXX" of killed saves of `name` in `folder` that Qt's
// settings left: our own regular files, untouched for kStaleSessionTempSeconds.
inline constexpr long kStaleSessionTempSeconds = 600;
void RemoveOldSessionTemps(const std::string& folder, const std::string& name);

} // namespace trimora
