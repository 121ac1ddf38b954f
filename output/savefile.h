// Writing and reading files safely. A regular file is written to an unnamed temporary file in its
// folder, which replaces it only when every write succeeded: a failure or a kill leaves the old
// file intact and nothing else behind. The replacement keeps the file's owner, group, permissions
// (never setuid or setgid) and access list; where it could not keep them, or where the file has
// further hard links, the file is written in place instead, its old content kept safe beside it
// until the write succeeded. Symbolic links are followed only where the kernel's link protection
// follows them (path_open.h). Reads take regular files only and never more than a given number of
// bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

// What a save does to a named pipe or a device: the command line writes into it as other programs
// do (and waits for a reader); the window, which must never block, refuses it.
enum class SpecialFiles { WriteInto, Refuse };

// `path` is taken as bytes, exactly as the file system names the file. Returns "" on success,
// otherwise a German message naming the file and the reason.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                SpecialFiles special = SpecialFiles::WriteInto);

// The file's bytes, or a German message in `error`: a pipe, device or socket is refused at once,
// and more than `limit` bytes is an error "zu groß".
std::optional<std::string> ReadFileLimited(const std::string& path, std::size_t limit, std::string& error);

// The common causes of a failed file operation in German ("keine Berechtigung", "kein Platz mehr
// auf dem Datenträger", …), otherwise the system's text.
std::string FileErrorText(int err);

// Lines joined for a text file of the Windows world: Windows-1252 with CR LF after every line.
std::string ToWindowsText(const std::vector<std::string>& utf8Lines);
// Lines joined for a text file of the Linux world: UTF-8 with LF after every line.
std::string ToUtf8Text(const std::vector<std::string>& utf8Lines);

} // namespace trimora
