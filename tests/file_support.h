// Helpers of the file tests: a private folder that is removed afterwards, file contents and kinds,
// and running a piece of code as another user (numeric ids only, so no user is ever created).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace trimora::testing {

namespace fs = std::filesystem;

// Ids of nobody on this machine, for files and processes of "other users".
inline constexpr uid_t kOtherUser = 64201, kThirdUser = 64202;
inline constexpr gid_t kSharedGroup = 64210, kOtherGroup = 64211;

struct TempDir {
    fs::path path;
    explicit TempDir(const std::string& tag = "files")
        : path(fs::temp_directory_path() / ("trimora_" + tag + "_" + std::to_string(getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
        fs::permissions(path, fs::perms(0755)); // other users may enter
    }
    ~TempDir() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    // Everything in the folder, hidden names too.
    std::vector<std::string> Names(const std::string& sub = "") const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(sub.empty() ? path : path / sub))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

inline std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline struct stat Lstat(const std::string& path) {
    struct stat st {};
    lstat(path.c_str(), &st);
    return st;
}

inline bool IsRoot() {
    return geteuid() == 0;
}

// Runs `body` in a child process as the given user and groups; its return value is the exit code.
inline int RunAs(uid_t uid, std::vector<gid_t> groups, const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgroups(groups.size(), groups.data()) != 0 || setgid(groups.front()) != 0 || setuid(uid) != 0)
            _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

} // namespace trimora::testing
