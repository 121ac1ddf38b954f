#include "output/savefile.h"

#include "grund/codepage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trimora {
namespace {

std::string Failure(const std::string& path, const char* what, int err) {
    return "Die Datei \"" + path + "\" konnte nicht geschrieben werden (" + what + ": " + std::strerror(err) + ").";
}

} // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string tmp = path + ".XXXXXX";
    const int fd = mkstemp(tmp.data());
    if (fd < 0) return Failure(path, "Anlegen der Zwischendatei", errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            close(fd);
            unlink(tmp.c_str());
            return Failure(path, "Schreiben", err);
        }
        done += static_cast<std::size_t>(n);
    }
    // New files get the usual permissions (mkstemp creates them readable by the owner only).
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    const int syncResult = fsync(fd);
    const int syncErr = errno;
    if (close(fd) != 0 || syncResult != 0) {
        const int err = syncResult != 0 ? syncErr : errno;
        unlink(tmp.c_str());
        return Failure(path, "Schreiben", err);
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        unlink(tmp.c_str());
        return Failure(path, "Umbenennen", err);
    }
    return {};
}

std::string ToWindowsText(const std::vector<std::string>& utf8Lines) {
    std::string out;
    for (const std::string& line : utf8Lines) {
        out += Utf8ToCp1252(line);
        out += "\r\n";
    }
    return out;
}

} // namespace trimora
