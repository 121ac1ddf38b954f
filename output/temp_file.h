// The temporary file of a save: unnamed (O_TMPFILE) in the target's folder while it is written, so
// that a killed program leaves nothing behind, and named only for the moment of the final rename.
// Where the file system has no unnamed files, a named one ".trimora-<pid>-XXXXXX" is used; such
// names of programs that no longer run are removed by the next save into the folder.
#pragma once

#include "output/path_open.h"

#include <string>
#include <string_view>
#include <sys/types.h>

namespace trimora {

struct TempFile {
    UniqueFd fd;
    std::string name; // empty while unnamed
};

// A new temporary file in `folder` with the given permissions (a new file's: the umask applies).
// Unnamed where the file system allows it and `unnamed` is set. Returns 0 or an errno.
int CreateTempFile(int folder, mode_t mode, bool unnamed, TempFile& out);

// Gives the written temporary file the name `name` in `folder`, replacing what is there. Returns
// 0 or an errno; on failure nothing named is left (an unnamed file that cannot be named at all
// gives ENOLINK: write it again as a named one).
int NameTempFile(TempFile& temp, int folder, const std::string& name);

// Closes and, if it has a name, removes the temporary file.
void DiscardTempFile(TempFile& temp, int folder);

// Removes the temporary files of earlier saves that were killed: named ones whose program no
// longer runs, and those of older versions (".trimora-XXXXXX") untouched for an hour.
void RemoveStaleTempFiles(int folder);

// A name beside `name` that nothing uses yet: `name` + `suffix` + six random letters, or a short
// hidden name when that would be too long.
std::string RandomSiblingName(const std::string& name, std::string_view suffix);

// write() until everything is written; false with errno in `err`.
bool WriteAll(int fd, std::string_view bytes, int& err);
bool WriteAllAt(int fd, std::string_view bytes, off_t offset, int& err);

} // namespace trimora
