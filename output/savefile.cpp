#include "output/savefile.h"

#include "base/codepage.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trimora {
namespace {

std::string Failure(const std::string& path, const char* what, int err) {
    return "Die Datei \"" + path + "\" konnte nicht geschrieben werden (" + what + ": " + FileErrorText(err) + ").";
}

// The file a path names, following symbolic links (also one whose target does not exist yet).
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
        if (n < 0) return path;
        target[n] = '\0';
        if (target[0] == '/') {
            path = target;
        } else {
            const auto slash = path.find_last_of('/');
            path = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + target;
        }
    }
    return path;
}

bool WriteAll(int fd, std::string_view bytes, int& err) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Devices, pipes and sockets are written as they are: a temporary file would replace them.
std::string WriteDirectly(const std::string& shown, const std::string& path, std::string_view bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return Failure(shown, "Öffnen", errno);
    int err = 0;
    const bool ok = WriteAll(fd, bytes, err);
    if (close(fd) != 0 && ok) return Failure(shown, "Schreiben", errno);
    return ok ? std::string() : Failure(shown, "Schreiben", err);
}

} // namespace

std::string FileErrorText(int err) {
    switch (err) {
    case EACCES:
    case EPERM: return "keine Berechtigung";
    case EROFS: return "schreibgeschütztes Dateisystem";
    case ENOSPC: return "kein Platz mehr auf dem Datenträger";
    case EDQUOT: return "Speicherkontingent erschöpft";
    case EFBIG: return "Datei zu groß";
    case ENOENT: return "Datei oder Ordner nicht gefunden";
    case ENOTDIR: return "ein Teil des Pfades ist kein Ordner";
    case EISDIR: return "ist ein Ordner";
    case ENAMETOOLONG: return "Name zu lang";
    case EIO: return "Ein-/Ausgabefehler";
    case ELOOP: return "zu viele symbolische Verknüpfungen";
    default: return std::strerror(err);
    }
}

std::string WriteFileAtomically(const std::string& shown, std::string_view bytes) {
    const std::string path = FollowLinks(shown);
    struct stat st;
    const bool exists = stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return Failure(shown, "Öffnen", EISDIR);
    if (exists && !S_ISREG(st.st_mode)) return WriteDirectly(shown, path, bytes);
    if (exists && access(path.c_str(), W_OK) != 0) return Failure(shown, "Öffnen", errno);

    // The replacement gets the file's own permissions (a new file the usual ones), set before the
    // first byte: mkstemp creates it readable by the owner only, never wider than that.
    mode_t mode;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    const auto slash = path.find_last_of('/');
    std::string tmp = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".trimora-XXXXXX";
    const int fd = mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) return Failure(shown, "Anlegen der Zwischendatei", errno);
    auto fail = [&](const char* what, int err) {
        close(fd);
        unlink(tmp.c_str());
        return Failure(shown, what, err);
    };
    if (exists && (st.st_uid != geteuid() || st.st_gid != getegid())) {
        // Only possible for root; an ordinary user keeps the file as its own.
        if (fchown(fd, st.st_uid, st.st_gid) != 0 && errno != EPERM) return fail("Rechte übernehmen", errno);
    }
    if (fchmod(fd, mode) != 0) return fail("Rechte übernehmen", errno);
    int err = 0;
    if (!WriteAll(fd, bytes, err)) return fail("Schreiben", err);
    if (fsync(fd) != 0) return fail("Schreiben", errno);
    if (close(fd) != 0) {
        err = errno;
        unlink(tmp.c_str());
        return Failure(shown, "Schreiben", err);
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        err = errno;
        unlink(tmp.c_str());
        return Failure(shown, "Umbenennen", err);
    }
    return {};
}

std::optional<std::string> ReadFileLimited(const std::string& path, std::size_t limit, std::string& error) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "Die Datei \"" + path + "\" kann nicht geöffnet werden (" + FileErrorText(errno) + ").";
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = "Die Datei \"" + path + "\" kann nicht gelesen werden (" + FileErrorText(errno) + ").";
            close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > limit) {
            error = "Die Datei \"" + path + "\" ist zu groß.";
            close(fd);
            return std::nullopt;
        }
    }
    close(fd);
    return bytes;
}

std::string ToWindowsText(const std::vector<std::string>& utf8Lines) {
    std::string out;
    for (const std::string& line : utf8Lines) {
        out += Utf8ToCp1252(line);
        out += "\r\n";
    }
    return out;
}

std::string ToUtf8Text(const std::vector<std::string>& utf8Lines) {
    std::string out;
    for (const std::string& line : utf8Lines) {
        out += line;
        out += '\n';
    }
    return out;
}

} // namespace trimora
