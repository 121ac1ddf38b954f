#include "output/savefile.h"

#include "base/codepage.h"
#include "output/access_list.h"
#include "output/path_open.h"
#include "output/temp_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trimora {
namespace {

constexpr mode_t kSetIds = S_ISUID | S_ISGID;

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string Failure(const std::string& path, const char* what, int err) {
    return "Die Datei " + Quoted(path) + " konnte nicht geschrieben werden (" + what + ": " +
           FileErrorText(err) + ").";
}

std::string LinkRefused(const std::string& path, const char* verb) {
    return "Die Datei " + Quoted(path) + " " + verb +
           " (symbolische Verknüpfung eines anderen Benutzers in einem gemeinsamen Ordner).";
}

// Reads to the end, at most `limit` bytes (limit + 1 read tells "more").
bool ReadAll(int fd, std::size_t limit, std::string& bytes, int& err) {
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

// A pipe or device takes the bytes as they are: a temporary file would replace it.
std::string WriteDirectly(const std::string& shown, const OpenedPath& where, std::string_view bytes) {
    UniqueFd fd(ReopenNode(where, O_WRONLY | O_NOCTTY));
    if (!fd.Valid()) return Failure(shown, "Öffnen", errno);
    int err = 0;
    if (!WriteAll(fd.Get(), bytes, err)) return Failure(shown, "Schreiben", err);
    if ((err = fd.Close()) != 0) return Failure(shown, "Schreiben", err);
    return {};
}

enum class TempOutcome { Written, Failed, InPlace };

// Writes `bytes` to a temporary file that then takes the name. `old` is the file it replaces
// (with `oldFd` open on it), or null for a new file. InPlace: the replacement could not keep the
// old file's owner, group or access list, or the folder takes no new file.
TempOutcome WriteThroughTemp(const std::string& shown, const OpenedPath& where, std::string_view bytes,
                             const struct stat* old, int oldFd, std::string& failure) {
    const int folder = where.folder.Get();
    RemoveStaleTempFiles(folder);
    for (const bool unnamed : {true, false}) {
        TempFile temp;
        // A new file gets the usual permissions (the umask applies); a replacement starts as the
        // owner's alone and gets the old file's below, before the first byte.
        int err = CreateTempFile(folder, old ? 0600 : 0666, unnamed, temp);
        if (err != 0) {
            if (old && (err == EACCES || err == EPERM)) return TempOutcome::InPlace;
            failure = Failure(shown, "Anlegen der Zwischendatei", err);
            return TempOutcome::Failed;
        }
        auto fail = [&](const char* what, int e) {
            DiscardTempFile(temp, folder);
            failure = Failure(shown, what, e);
            return TempOutcome::Failed;
        };
        if (old) {
            // The new file belongs to us and to our group (or the folder's, if it hands its group
            // down); the old file's owner and group are kept where we may give them.
            struct stat made {};
            if (fstat(temp.fd.Get(), &made) != 0) return fail("Rechte übernehmen", errno);
            if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
                fchown(temp.fd.Get(), old->st_uid, old->st_gid) != 0) {
                if (errno != EPERM) return fail("Rechte übernehmen", errno);
                DiscardTempFile(temp, folder);
                return TempOutcome::InPlace;
            }
            if (!CopyAccessList(oldFd, temp.fd.Get())) {
                DiscardTempFile(temp, folder);
                return TempOutcome::InPlace;
            }
            if (fchmod(temp.fd.Get(), old->st_mode & 07777 & ~kSetIds) != 0)
                return fail("Rechte übernehmen", errno);
        }
        if (!WriteAll(temp.fd.Get(), bytes, err)) return fail("Schreiben", err);
        if (fsync(temp.fd.Get()) != 0) return fail("Schreiben", errno);
        err = NameTempFile(temp, folder, where.name);
        if (err == ENOLINK && unnamed) {
            DiscardTempFile(temp, folder);
            continue; // no way to name an unnamed file here: again with a named one
        }
        if (err != 0) return fail("Umbenennen", err);
        if ((err = temp.fd.Close()) != 0) {
            failure = Failure(shown, "Schreiben", err);
            return TempOutcome::Failed;
        }
        return TempOutcome::Written;
    }
    failure = Failure(shown, "Umbenennen", ENOLINK);
    return TempOutcome::Failed;
}

// Writes over the file itself, so that its owner, group, links and access stay as they are. The
// old content is first kept in a copy beside it (only in memory where the folder takes no new
// file), put back when the write fails, and removed when it succeeded.
std::string WriteInPlace(const std::string& shown, const OpenedPath& where, int fd, std::string_view bytes) {
    const int folder = where.folder.Get();
    std::string old;
    int err = 0;
    UniqueFd reader(ReopenNode(where, O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (!reader.Valid()) return Failure(shown, "Sichern des alten Inhalts", errno);
    if (!ReadAll(reader.Get(), static_cast<std::size_t>(-2), old, err))
        return Failure(shown, "Sichern des alten Inhalts", err);
    reader.Reset();

    RemoveStaleTempFiles(folder);
    std::string copyName = OldContentCopyName(where.name);
    UniqueFd copy(
        openat(folder, copyName.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!copy.Valid()) {
        if (errno != EACCES && errno != EPERM && errno != EROFS)
            return Failure(shown, "Sichern des alten Inhalts", errno);
        copyName.clear();
    } else if (!WriteAll(copy.Get(), old, err) || fsync(copy.Get()) != 0 || (err = copy.Close()) != 0) {
        if (err == 0) err = errno;
        unlinkat(folder, copyName.c_str(), 0);
        return Failure(shown, "Sichern des alten Inhalts", err);
    }
    auto removeCopy = [&] {
        if (!copyName.empty()) unlinkat(folder, copyName.c_str(), 0);
    };

    auto put = [&](std::string_view content, int& e) {
        if (!WriteAllAt(fd, content, 0, e)) return false;
        if (ftruncate(fd, static_cast<off_t>(content.size())) != 0 || fsync(fd) != 0) {
            e = errno;
            return false;
        }
        return true;
    };
    if (!put(bytes, err)) {
        int restoreErr = 0;
        if (put(old, restoreErr)) {
            removeCopy();
            return Failure(shown, "Schreiben", err);
        }
        std::string message = Failure(shown, "Schreiben", err);
        if (!copyName.empty()) message += " Der alte Inhalt liegt in " + Quoted(copyName) + ".";
        return message;
    }
    // Never setuid or setgid after a save; a write by someone else than the owner has already
    // lost those bits (the kernel drops them), so a refusal here changes nothing.
    if (where.st.st_mode & kSetIds) (void)fchmod(fd, where.st.st_mode & 07777 & ~kSetIds);
    removeCopy();
    return {};
}

std::string ReplaceRegularFile(const std::string& shown, const OpenedPath& where, std::string_view bytes) {
    // Asking the kernel for the right to write the file itself: a folder that lets us replace a
    // write-protected file is no permission to change it.
    UniqueFd fd(ReopenNode(where, O_WRONLY | O_NONBLOCK | O_NOCTTY));
    if (!fd.Valid()) return Failure(shown, "Öffnen", errno);
    if (where.st.st_nlink <= 1) {
        std::string failure;
        switch (WriteThroughTemp(shown, where, bytes, &where.st, fd.Get(), failure)) {
        case TempOutcome::Written:
            return {};
        case TempOutcome::Failed:
            return failure;
        case TempOutcome::InPlace:
            break;
        }
    }
    std::string failure = WriteInPlace(shown, where, fd.Get(), bytes);
    const int err = fd.Close();
    if (failure.empty() && err != 0) failure = Failure(shown, "Schreiben", err);
    return failure;
}

} // namespace

std::string FileErrorText(int err) {
    switch (err) {
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case EROFS:
        return "schreibgeschütztes Dateisystem";
    case ENOSPC:
        return "kein Platz mehr auf dem Datenträger";
    case EDQUOT:
        return "Speicherkontingent erschöpft";
    case EFBIG:
        return "Datei zu groß";
    case ENOENT:
        return "Datei oder Ordner nicht gefunden";
    case ENOTDIR:
        return "ein Teil des Pfades ist kein Ordner";
    case EISDIR:
        return "ist ein Ordner";
    case ENAMETOOLONG:
        return "Name zu lang";
    case EIO:
        return "Ein-/Ausgabefehler";
    case ELOOP:
        return "zu viele symbolische Verknüpfungen";
    case ESTALE:
        return "die Datei wurde währenddessen ersetzt";
    case ETXTBSY:
        return "die Datei wird gerade ausgeführt";
    default:
        return std::strerror(err);
    }
}

std::string WriteFileAtomically(const std::string& shown, std::string_view bytes, SpecialFiles special) {
    OpenedPath where;
    int err = 0;
    switch (OpenFollowingLinks(shown, where, err)) {
    case PathStatus::Failed:
        return Failure(shown, "Öffnen", err);
    case PathStatus::LinkRefused:
        return LinkRefused(shown, "wird nicht geschrieben");
    case PathStatus::Ok:
        break;
    }
    if (!where.node.Valid()) {
        std::string failure;
        WriteThroughTemp(shown, where, bytes, nullptr, -1, failure);
        return failure;
    }
    const mode_t mode = where.st.st_mode;
    if (S_ISDIR(mode)) return Failure(shown, "Öffnen", EISDIR);
    if (!MayWriteInto(where))
        return "Die Datei " + Quoted(shown) +
               " wird nicht geschrieben (Datei eines anderen Benutzers in einem gemeinsamen Ordner).";
    if (!S_ISREG(mode)) {
        if (special == SpecialFiles::Refuse)
            return "Die Datei " + Quoted(shown) + " wird nicht geschrieben (" + NodeKindText(mode) +
                   ", keine gewöhnliche Datei).";
        return WriteDirectly(shown, where, bytes);
    }
    return ReplaceRegularFile(shown, where, bytes);
}

std::optional<std::string> ReadFileLimited(const std::string& path, std::size_t limit, std::string& error) {
    OpenedPath where;
    int err = 0;
    switch (OpenFollowingLinks(path, where, err)) {
    case PathStatus::Failed:
        error = "Die Datei " + Quoted(path) + " kann nicht geöffnet werden (" + FileErrorText(err) + ").";
        return std::nullopt;
    case PathStatus::LinkRefused:
        error = LinkRefused(path, "wird nicht gelesen");
        return std::nullopt;
    case PathStatus::Ok:
        break;
    }
    if (!where.node.Valid()) {
        error = "Die Datei " + Quoted(path) + " kann nicht geöffnet werden (" + FileErrorText(ENOENT) + ").";
        return std::nullopt;
    }
    // Only regular files: a pipe would block, a device never end.
    if (!S_ISREG(where.st.st_mode)) {
        error = "Die Datei " + Quoted(path) + " kann nicht gelesen werden (" +
                NodeKindText(where.st.st_mode) + ", keine gewöhnliche Datei).";
        return std::nullopt;
    }
    UniqueFd fd(ReopenNode(where, O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (!fd.Valid()) {
        error = "Die Datei " + Quoted(path) + " kann nicht geöffnet werden (" + FileErrorText(errno) + ").";
        return std::nullopt;
    }
    std::string bytes;
    if (!ReadAll(fd.Get(), limit, bytes, err)) {
        error = "Die Datei " + Quoted(path) + " kann nicht gelesen werden (" + FileErrorText(err) + ").";
        return std::nullopt;
    }
    if (bytes.size() > limit) {
        error = "Die Datei " + Quoted(path) + " ist zu groß.";
        return std::nullopt;
    }
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
