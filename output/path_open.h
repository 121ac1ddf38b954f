// Finding the file a path names, following symbolic links only where the kernel's link protection
// (fs.protected_symlinks, on by default in Debian) would follow them: a link in a sticky,
// world-writable folder (the shared temporary folder) is followed only when it belongs to the one
// who follows it or to the folder's owner. The rule holds whatever the machine's setting is.
// Every step is pinned by a file descriptor, so what was checked is what is written.
#pragma once

#include <string>
#include <sys/stat.h>
#include <utility>

namespace trimora {

// A file descriptor that closes itself.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.fd_, -1));
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Reset(); }

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    void Reset(int fd = -1);
    // Closes and reports close's error (0 when none); the descriptor is gone either way.
    int Close();

  private:
    int fd_ = -1;
};

// Where a path leads: the folder that holds the last name, that name, and what the name holds
// (opened as a path only: no device is opened, no pipe blocks), if anything.
struct OpenedPath {
    UniqueFd folder;
    std::string name;
    UniqueFd node; // invalid: the name does not exist (yet)
    struct stat st {};
};

enum class PathStatus { Ok, Failed, LinkRefused };

// Follows the links of the last name (at most 40, then ELOOP) under the rule above; the folders
// on the way are the kernel's to resolve. On failure `err` holds the errno.
PathStatus OpenFollowingLinks(const std::string& path, OpenedPath& out, int& err);

// False for someone else's regular file or pipe in a sticky, world-writable folder that does not
// belong to the folder's owner either: the kernel refuses to write into one through a new name
// (fs.protected_regular, fs.protected_fifos), for it may have been put there to catch what a
// privileged user writes.
bool MayWriteInto(const OpenedPath& where);

// Opens the name of `where` again with `flags` (never following a link) and makes sure it is
// still the same file; -1 with errno otherwise (ESTALE when it was replaced meanwhile).
int ReopenNode(const OpenedPath& where, int flags);

// "eine benannte Pipe", "ein Gerät", "ein Socket" or "ein Ordner" for what is not a regular file.
const char* NodeKindText(mode_t mode);

} // namespace trimora
