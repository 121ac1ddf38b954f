// Writing and reading files safely. A regular file is written to a temporary file beside it,
// which replaces it only when every write succeeded, so a failure leaves the old file intact; the
// target keeps its permissions, a symbolic link keeps pointing to the file that is written, and
// devices and pipes are written directly. Reads never take more than a given number of bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

// Returns "" on success, otherwise a German message naming the file and the reason.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

// The file's bytes, or a German message in `error`. More than `limit` bytes (whatever size the
// file claims: a device claims 0) is an error "zu groß".
std::optional<std::string> ReadFileLimited(const std::string& path, std::size_t limit, std::string& error);

// The common causes of a failed file operation in German ("keine Berechtigung", "kein Platz mehr
// auf dem Datenträger", …), otherwise the system's text.
std::string FileErrorText(int err);

// Lines joined for a text file of the Windows world: Windows-1252 with CR LF after every line.
std::string ToWindowsText(const std::vector<std::string>& utf8Lines);
// Lines joined for a text file of the Linux world: UTF-8 with LF after every line.
std::string ToUtf8Text(const std::vector<std::string>& utf8Lines);

} // namespace trimora
