#include "output/temp_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trimora {
namespace {

constexpr std::string_view kPrefix = ".trimora-";
constexpr std::string_view kCopyMark = ".trimora-alt-";
constexpr int kNameAttempts = 100;
constexpr time_t kOldVersionAge = 3600; // seconds: no save of an older version lasts that long
constexpr time_t kOldCopyAge = 600;     // nor does an older version's copy of the old content

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

bool IsLetters(std::string_view letters) {
    return letters.size() == 6 && std::all_of(letters.begin(), letters.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

// "<pid>-XXXXXX" of a program that no longer runs, or (an older version's) "XXXXXX" untouched for
// longer than `oldAge`.
bool IsLeftOver(std::string_view tail, time_t modified, time_t oldAge) {
    const auto dash = tail.find('-');
    if (dash != std::string_view::npos && dash > 0) {
        int pid = 0;
        const auto [end, ec] = std::from_chars(tail.data(), tail.data() + dash, pid);
        if (ec != std::errc() || end != tail.data() + dash || pid <= 0 || !IsLetters(tail.substr(dash + 1)))
            return false;
        return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
    }
    return IsLetters(tail) && time(nullptr) - modified > oldAge;
}

// The temporary file of an earlier save that nothing will use any more.
bool IsStale(std::string_view name, time_t modified) {
    if (!name.starts_with(kPrefix) || name.starts_with(kCopyMark)) return false;
    return IsLeftOver(name.substr(kPrefix.size()), modified, kOldVersionAge);
}

// True when every byte of `copy` is at the start of `file`: the save that made the copy never
// wrote into the file (or wrote the same), so the copy holds nothing the file lacks.
bool IsPrefixOf(int copy, int file) {
    char a[65536], b[65536];
    for (;;) {
        const ssize_t n = read(copy, a, sizeof a);
        if (n < 0) return false;
        if (n == 0) return true;
        ssize_t have = 0;
        while (have < n) {
            const ssize_t m = read(file, b + have, static_cast<std::size_t>(n - have));
            if (m <= 0) return false;
            have += m;
        }
        if (std::memcmp(a, b, static_cast<std::size_t>(n)) != 0) return false;
    }
}

// The copy "NAME.trimora-alt-…" of a killed in-place save, when it is left over and NAME still has
// all it holds. A copy whose file was torn by the kill stays: it is the old content.
bool IsRedundantCopy(int folder, std::string_view name, time_t modified) {
    const auto mark = name.find(kCopyMark);
    if (mark == std::string_view::npos || mark == 0) return false; // a hidden copy names no file
    if (!IsLeftOver(name.substr(mark + kCopyMark.size()), modified, kOldCopyAge)) return false;
    const std::string copyName(name), fileName(name.substr(0, mark));
    UniqueFd copy(openat(folder, copyName.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    UniqueFd file(openat(folder, fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!copy.Valid() || !file.Valid() || fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return IsPrefixOf(copy.Get(), file.Get());
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
        const bool copy = name.find(kCopyMark) != std::string_view::npos;
        if (!name.starts_with(kPrefix) && !copy) continue;
        struct stat st;
        if (fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != geteuid() || st.st_nlink != 1) continue;
        if (copy ? IsRedundantCopy(folder, name, st.st_mtime) : IsStale(name, st.st_mtime))
            unlinkat(folder, entry->d_name, 0);
    }
    closedir(dir);
}

std::string OldContentCopyName(const std::string& name) {
    const std::string tail = std::string(kCopyMark) + std::to_string(getpid()) + "-" + RandomLetters();
    if (name.size() + tail.size() > NAME_MAX) return tail; // hidden: the mark starts with "."
    return name + tail;
}

} // namespace trimora
