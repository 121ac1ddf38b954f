#include "app/session_file.h"

#include "output/savefile.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trimora {
namespace {

constexpr const char* kFolder = "/trimora";
constexpr const char* kName = "trimora.ini";

// Every missing folder of `path`, for the owner alone.
bool MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

bool IsQtTempName(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + 7 || !name.starts_with(base) || name[base.size()] != '.') return false;
    for (const char c : name.substr(base.size() + 1))
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

} // namespace

std::string SessionFilePath() {
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
        config = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/') {
            const passwd* user = getpwuid(getuid());
            home = user ? user->pw_dir : nullptr;
        }
        if (!home || home[0] != '/') return {};
        config = std::string(home) + "/.config";
    }
    while (config.size() > 1 && config.back() == '/') config.pop_back();
    return config + kFolder + "/" + kName;
}

SessionRead ReadSessionFile(const std::string& path) {
    SessionRead read;
    struct stat st {};
    if (path.empty() || (lstat(path.c_str(), &st) != 0 && errno == ENOENT)) return read; // a first start
    std::string error;
    const std::optional<std::string> bytes = ReadFileLimited(path, kMaxSessionFileBytes, error);
    if (!bytes) {
        read.problem = error;
        return read;
    }
    read.settings = IniSettings::Parse(*bytes);
    return read;
}

std::string WriteSessionFile(const std::string& path, const IniSettings& settings) {
    if (path.empty()) return "Kein Ordner für die Einstellungen (weder XDG_CONFIG_HOME noch HOME ist gesetzt).";
    const std::string folder = path.substr(0, path.find_last_of('/'));
    if (!MakeFolders(folder))
        return "Der Ordner \"" + folder + "\" konnte nicht angelegt werden (" + FileErrorText(errno) + ").";
    RemoveOldSessionTemps(folder, path.substr(folder.size() + 1));
    return WriteFileAtomically(path, settings.Serialize(), SpecialFiles::Refuse);
}

void RemoveOldSessionTemps(const std::string& folder, const std::string& name) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return;
    }
    const time_t now = time(nullptr);
    while (const dirent* entry = readdir(dir)) {
        if (!IsQtTempName(entry->d_name, name)) continue;
        struct stat st {};
        if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != geteuid() || st.st_nlink != 1) continue;
        if (now - st.st_mtime > kStaleSessionTempSeconds) unlinkat(fd, entry->d_name, 0);
    }
    closedir(dir);
}

} // namespace trimora
