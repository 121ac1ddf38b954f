#include "output/path_open.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace trimora {

void UniqueFd::Reset(int fd) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
}

int UniqueFd::Close() {
    if (fd_ < 0) return 0;
    const int result = close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
}

namespace {

constexpr int kMaxLinks = 40; // as the kernel allows

// In a sticky, world-writable folder only what belongs to us or to the folder's owner is trusted:
// someone else's link or file in the shared temporary folder may be a trap.
bool SharedFolderAllows(uid_t owner, const struct stat& folder) {
    constexpr mode_t kShared = S_ISVTX | S_IWOTH;
    if ((folder.st_mode & kShared) != kShared) return true;
    return owner == geteuid() || owner == folder.st_uid;
}

} // namespace

PathStatus OpenFollowingLinks(const std::string& path, OpenedPath& out, int& err) {
    err = 0;
    std::string current = path;
    UniqueFd base; // the folder of the last link; the working folder at first
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        if (current.empty()) {
            err = ENOENT;
            return PathStatus::Failed;
        }
        // The folder part is resolved by the kernel; a path that ends in "/" names a folder.
        std::string folder, name;
        const auto slash = current.find_last_of('/');
        if (slash == std::string::npos) {
            folder = ".", name = current;
        } else if (slash + 1 == current.size()) {
            folder = current, name = ".";
        } else {
            folder = slash == 0 ? "/" : current.substr(0, slash), name = current.substr(slash + 1);
        }
        UniqueFd dir(
            openat(base.Valid() ? base.Get() : AT_FDCWD, folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!dir.Valid()) {
            err = errno;
            return PathStatus::Failed;
        }
        UniqueFd node(openat(dir.Get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (!node.Valid()) {
            if (errno != ENOENT) {
                err = errno;
                return PathStatus::Failed;
            }
        } else if (fstat(node.Get(), &st) != 0) {
            err = errno;
            return PathStatus::Failed;
        }
        if (!node.Valid() || !S_ISLNK(st.st_mode)) {
            out.folder = std::move(dir);
            out.name = std::move(name);
            out.node = std::move(node);
            out.st = st;
            return PathStatus::Ok;
        }
        struct stat folderSt {};
        if (fstat(dir.Get(), &folderSt) != 0) {
            err = errno;
            return PathStatus::Failed;
        }
        if (!SharedFolderAllows(st.st_uid, folderSt)) {
            err = EACCES;
            return PathStatus::LinkRefused;
        }
        char target[PATH_MAX];
        const ssize_t n = readlinkat(node.Get(), "", target, sizeof target);
        if (n < 0 || n >= static_cast<ssize_t>(sizeof target)) {
            err = n < 0 ? errno : ENAMETOOLONG;
            return PathStatus::Failed;
        }
        current.assign(target, static_cast<std::size_t>(n));
        base = std::move(dir); // a relative target counts from the link's folder
    }
    err = ELOOP;
    return PathStatus::Failed;
}

bool MayWriteInto(const OpenedPath& where) {
    if (!where.node.Valid() || !(S_ISREG(where.st.st_mode) || S_ISFIFO(where.st.st_mode))) return true;
    struct stat folder {};
    return fstat(where.folder.Get(), &folder) == 0 && SharedFolderAllows(where.st.st_uid, folder);
}

int ReopenNode(const OpenedPath& where, int flags) {
    const int fd = openat(where.folder.Get(), where.name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || st.st_dev != where.st.st_dev || st.st_ino != where.st.st_ino) {
        close(fd);
        errno = ESTALE;
        return -1;
    }
    return fd;
}

const char* NodeKindText(mode_t mode) {
    if (S_ISFIFO(mode)) return "eine benannte Pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "ein Gerät";
    if (S_ISSOCK(mode)) return "ein Socket";
    if (S_ISDIR(mode)) return "ein Ordner";
    return "keine gewöhnliche Datei";
}

} // namespace trimora
