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

// Removes what killed saves left in `folder`, only our own regular files: temporary files whose
// program no longer runs (those of older versions, ".trimora-XXXXXX", untouched for an hour), and
// copies of an in-place save's old content ("NAME.trimora-alt-<pid>-XXXXXX", an older version's
// "NAME.trimora-alt-XXXXXX" untouched for ten minutes) whose content NAME still holds from its
// start; a copy of a file the kill left torn stays, and so does a hidden one that names no file.
void RemoveStaleTempFiles(int folder);

// The name of the copy of the old content beside `name` during an in-place save:
// "NAME.trimora-alt-<pid>-XXXXXX", or the hidden ".trimora-alt-<pid>-XXXXXX" when that is too long.
std::string OldContentCopyName(const std::string& name);

// write() until everything is written; false with errno in `err`.
bool WriteAll(int fd, std::string_view bytes, int& err);
bool WriteAllAt(int fd, std::string_view bytes, off_t offset, int& err);

} // namespace trimora
