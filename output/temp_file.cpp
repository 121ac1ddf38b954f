#include "output/temp_file.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace trimora {
namespace {

constexpr std::string_view kPrefix = ".trimora-";
constexpr int kNameAttempts = 100;
constexpr time_t kOldVersionAge = 3600; // seconds: no save of an older version lasts that long

std::string RandomLetters() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char random[6] = {};
    if (getentropy(random, sizeof random) != 0) {
        const unsigned long mix =
            static_cast<unsigned long>(clock()) ^ (static_cast<unsigned long>(getpid()) << 12);
        for (std::size_t i = 0; i < sizeof random; ++i)
            random[i] = static_cast<unsigned char>(mix >> (5 * i));
    }
    std::string out;
    for (unsigned char r : random)
        out += kLetters[r % (sizeof kLetters - 1)];
    return out;
}

// ".trimora-<pid>-XXXXXX": the process that made it tells whether it is still in use.
std::string TempName() {
    return std::string(kPrefix) + std::to_string(getpid()) + "-" + RandomLetters();
}

// Links the unnamed file `fd` under `name`; EEXIST when the name is taken, ENOLINK when the
// system offers no way to link it (no /proc and no right to link by descriptor).
int LinkUnnamed(int fd, int folder, const std::string& name) {
    char proc[64];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
    if (linkat(AT_FDCWD, proc, folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    const int err = errno;
    if (err == EEXIST) return err;
    if (linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0) return 0;
    if (errno == EEXIST) return EEXIST;
    return err == ENOENT || err == EPERM || err == EXDEV ? ENOLINK : err;
}

// The temporary file of an earlier save that nothing will use any more.
bool IsStale(std::string_view name, time_t modified) {
    if (!name.starts_with(kPrefix)) return false;
    name.remove_prefix(kPrefix.size());
    const auto dash = name.find('-');
    if (dash != std::string_view::npos && dash > 0) {
        int pid = 0;
        const auto [end, ec] = std::from_chars(name.data(), name.data() + dash, pid);
        if (ec != std::errc() || end != name.data() + dash || pid <= 0 || name.size() != dash + 7)
            return false;
        return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
    }
    return name.size() == 6 && time(nullptr) - modified > kOldVersionAge; // an older version's
}

} // namespace

// Writes all of `bytes` at `offset`, or at the file's position for a negative offset.
bool WriteAllAt(int fd, std::string_view bytes, off_t offset, int& err) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = offset < 0 ? write(fd, bytes.data() + done, bytes.size() - done)
                                     : pwrite(fd, bytes.data() + done, bytes.size() - done,
                                              offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteAll(int fd, std::string_view bytes, int& err) { return WriteAllAt(fd, bytes, -1, err); }

int CreateTempFile(int folder, mode_t mode, bool unnamed, TempFile& out) {
    out = TempFile{};
    if (unnamed) {
        const int fd = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0) {
            out.fd.Reset(fd);
            return 0;
        }
        // File systems without unnamed files say so in several ways; the named file follows.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT) return errno;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = TempName();
        const int fd =
            openat(folder, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            out.fd.Reset(fd);
            out.name = std::move(name);
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int NameTempFile(TempFile& temp, int folder, const std::string& name) {
    if (temp.name.empty()) {
        // A new file takes its name at once; an existing one is replaced through a name held
        // only for the moment between link and rename.
        int err = LinkUnnamed(temp.fd.Get(), folder, name);
        if (err != EEXIST) return err;
        for (int attempt = 0; attempt < kNameAttempts && temp.name.empty(); ++attempt) {
            std::string candidate = TempName();
            err = LinkUnnamed(temp.fd.Get(), folder, candidate);
            if (err == 0)
                temp.name = std::move(candidate);
            else if (err != EEXIST)
                return err;
        }
        if (temp.name.empty()) return EEXIST;
    }
    if (renameat(folder, temp.name.c_str(), folder, name.c_str()) != 0) {
        const int err = errno;
        unlinkat(folder, temp.name.c_str(), 0);
        temp.name.clear();
        return err;
    }
    temp.name.clear();
    return 0;
}

void DiscardTempFile(TempFile& temp, int folder) {
    temp.fd.Reset();
    if (!temp.name.empty()) unlinkat(folder, temp.name.c_str(), 0);
    temp.name.clear();
}

void RemoveStaleTempFiles(int folder) {
    const int fd = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return; // a folder that may not be listed keeps what it has
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(kPrefix)) continue;
        struct stat st;
        if (fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != geteuid() || st.st_nlink != 1) continue;
        if (IsStale(name, st.st_mtime)) unlinkat(folder, entry->d_name, 0);
    }
    closedir(dir);
}

std::string RandomSiblingName(const std::string& name, std::string_view suffix) {
    std::string sibling = name + std::string(suffix) + RandomLetters();
    if (sibling.size() > NAME_MAX)
        sibling = std::string(suffix) + RandomLetters(); // hidden: the suffix starts with "."
    return sibling;
}

} // namespace trimora
