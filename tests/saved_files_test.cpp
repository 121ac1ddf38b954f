// What a save does to what it replaces: links followed only where the kernel's link protection
// would follow them, owners, groups, hard links and rights kept, setuid never, and a killed save
// leaves the old or the new file and nothing else. Cases of other users run as root (numeric ids
// in a private folder) and are skipped otherwise.
#include "cli/cli.h"
#include "file_support.h"
#include "output/savefile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <thread>

namespace trimora {
namespace {

using namespace testing;

TEST(SavedFiles, LinksInASharedFolderAreFollowedOnlyAsTheKernelAllows) {
    if (!IsRoot()) GTEST_SKIP() << "needs root: links and folders of other users";
    TempDir dir("links");
    // The shared temporary folder's kind (sticky, world-writable), one of another user's own,
    // and an ordinary folder that everybody may write.
    for (const char* folder : {"geteilt", "fremd", "offen"})
        fs::create_directory(dir.path / folder);
    chmod((dir / "geteilt").c_str(), 01777);
    chmod((dir / "fremd").c_str(), 01777);
    ASSERT_EQ(chown((dir / "fremd").c_str(), kOtherUser, kOtherUser), 0);
    chmod((dir / "offen").c_str(), 0777);
    const struct {
        const char* link;
        uid_t owner;
        bool followed;
    } cases[] = {
        {"geteilt/link", kOtherUser, false}, // someone else's link in the shared folder
        {"geteilt/link", 0, true},           // the saver's own
        {"fremd/link", kOtherUser, true},    // made by the folder's owner
        {"offen/link", kOtherUser, true},    // no sticky folder
    };
    int n = 0;
    for (const auto& c : cases) {
        Put(dir / "ziel", "geheim");
        chmod((dir / "ziel").c_str(), 0600);
        fs::remove(dir / c.link);
        fs::create_symlink(dir / "ziel", dir / c.link);
        ASSERT_EQ(lchown((dir / c.link).c_str(), c.owner, c.owner), 0);
        const std::string failure = WriteFileAtomically(dir / c.link, "neu");
        std::string error;
        const auto read = ReadFileLimited(dir / c.link, 100, error);
        EXPECT_EQ(failure.empty(), c.followed) << c.link << " " << c.owner << ": " << failure;
        EXPECT_EQ(read.has_value(), c.followed) << error;
        EXPECT_EQ(Contents(dir / "ziel"), c.followed ? "neu" : "geheim");
        EXPECT_TRUE(S_ISLNK(Lstat(dir / c.link).st_mode));
        if (!c.followed) {
            EXPECT_NE(failure.find("eines anderen Benutzers"), std::string::npos) << failure;
        }
        ++n;
    }
    EXPECT_EQ(n, 4);

    // Someone else's file there, even one we may write, is not written into: it may be a trap.
    Put(dir / "geteilt/falle", "alt");
    chmod((dir / "geteilt/falle").c_str(), 0666);
    ASSERT_EQ(chown((dir / "geteilt/falle").c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_NE(WriteFileAtomically(dir / "geteilt/falle", "geheim").find("eines anderen Benutzers"), std::string::npos);
    EXPECT_EQ(Contents(dir / "geteilt/falle"), "alt");
    fs::remove(dir / "geteilt/falle");

    // Someone else's dangling link creates no file; the command line says so and fails.
    fs::remove(dir / "geteilt/link");
    fs::create_symlink(dir / "neu.txt", dir / "geteilt/link");
    ASSERT_EQ(lchown((dir / "geteilt/link").c_str(), kOtherUser, kOtherUser), 0);
    const std::string link = dir / "geteilt/link";
    const char* argv[] = {"trimora", "--results", link.c_str()};
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(3, argv, out, err), 1);
    EXPECT_NE(err.str().find("symbolische Verknüpfung eines anderen Benutzers"), std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(dir / "neu.txt"));
    EXPECT_EQ(dir.Names("geteilt"), std::vector<std::string>{"link"});
}

TEST(SavedFiles, ALoopOfLinksIsAnErrorAndStaysALoop) {
    TempDir dir;
    fs::create_symlink("l1", dir / "l2");
    fs::create_symlink("l2", dir / "l1");
    const std::string failure = WriteFileAtomically(dir / "l1", "x");
    EXPECT_NE(failure.find("zu viele symbolische Verknüpfungen"), std::string::npos) << failure;
    EXPECT_TRUE(S_ISLNK(Lstat(dir / "l1").st_mode));
    EXPECT_TRUE(S_ISLNK(Lstat(dir / "l2").st_mode));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"l1", "l2"}));
}

TEST(SavedFiles, RightsAndHardLinksAreKeptButNeverSetuid) {
    TempDir dir;
    Put(dir / "prog", "alt");
    chmod((dir / "prog").c_str(), 06755);
    EXPECT_EQ(WriteFileAtomically(dir / "prog", "neu"), "");
    EXPECT_EQ(Lstat(dir / "prog").st_mode & 07777, 0755u);

    // Hard links: both names see the new content, the file stays one file.
    Put(dir / "a", "alt");
    fs::create_hard_link(dir / "a", dir / "b");
    const ino_t inode = Lstat(dir / "a").st_ino;
    EXPECT_EQ(WriteFileAtomically(dir / "a", "neu"), "");
    EXPECT_EQ(Contents(dir / "b"), "neu");
    EXPECT_EQ(Lstat(dir / "a").st_ino, inode);
    EXPECT_EQ(Lstat(dir / "a").st_nlink, 2u);

    // A write that fails in place puts the old content back (a file-size limit stops it).
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit old, small;
    getrlimit(RLIMIT_FSIZE, &old);
    small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string failure = WriteFileAtomically(dir / "a", std::string(100000, 'n'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_NE(failure.find("Datei zu groß"), std::string::npos) << failure;
    EXPECT_EQ(Contents(dir / "b"), "neu");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a", "b", "prog"}));
}

TEST(SavedFiles, OwnerAndGroupAreKeptAndNobodyLosesAccess) {
    if (!IsRoot()) GTEST_SKIP() << "needs root: files of other users";
    TempDir dir("owners");
    // Root saving another user's file keeps its owner, group and rights.
    Put(dir / "fremd", "alt");
    ASSERT_EQ(chown((dir / "fremd").c_str(), kOtherUser, kOtherGroup), 0);
    chmod((dir / "fremd").c_str(), 0640);
    EXPECT_EQ(WriteFileAtomically(dir / "fremd", "neu"), "");
    const struct stat st = Lstat(dir / "fremd");
    EXPECT_EQ(st.st_uid, kOtherUser);
    EXPECT_EQ(st.st_gid, kOtherGroup);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A member of the group saves the group's file: written in place, so it stays the owner's
    // and the group's. In a folder the member may write (a safe copy beside the file) and in one
    // he may not (the copy in memory).
    for (const mode_t folderMode : {0777, 0755}) {
        fs::create_directory(dir.path / "gruppe");
        chmod((dir / "gruppe").c_str(), folderMode);
        const std::string path = dir / "gruppe/daten.tmo";
        Put(path, "alt");
        ASSERT_EQ(chown(path.c_str(), kOtherUser, kSharedGroup), 0);
        chmod(path.c_str(), 0664);
        const ino_t inode = Lstat(path).st_ino;
        const int code = RunAs(kThirdUser, {kSharedGroup},
                               [&] { return WriteFileAtomically(path, "neu").empty() ? 0 : 1; });
        EXPECT_EQ(code, 0) << std::oct << folderMode;
        const struct stat after = Lstat(path);
        EXPECT_EQ(Contents(path), "neu");
        EXPECT_EQ(after.st_ino, inode);
        EXPECT_EQ(after.st_uid, kOtherUser);
        EXPECT_EQ(after.st_gid, kSharedGroup);
        EXPECT_EQ(after.st_mode & 07777, 0664u);
        EXPECT_EQ(dir.Names("gruppe"), std::vector<std::string>{"daten.tmo"});
        fs::remove_all(dir.path / "gruppe");
    }
}

TEST(SavedFiles, TemporaryFilesOfKilledSavesAreRemovedByTheNextSave) {
    TempDir dir;
    // A process that has ended (its id is free until reused), an older version's name untouched
    // for two hours, and a running process's file, which stays.
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string dead = ".trimora-" + std::to_string(ended) + "-abcdef";
    const std::string living = ".trimora-" + std::to_string(getppid()) + "-abcdef";
    for (const std::string& name : {dead, living, std::string(".trimora-Ab12cd")})
        Put(dir / name, "rest");
    const auto twoHoursAgo = fs::file_time_type::clock::now() - std::chrono::hours(2);
    fs::last_write_time(dir / ".trimora-Ab12cd", twoHoursAgo);
    EXPECT_EQ(WriteFileAtomically(dir / "x.txt", "x"), "");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{living, "x.txt"}));
}

// The copies of the old content that killed in-place saves (a file with a second hard link) left:
// the next save into the folder removes those whose file still holds all they hold, and only ours.
TEST(SavedFiles, CopiesOfKilledInPlaceSavesAreRemovedByTheNextSave) {
    TempDir dir("copies");
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string dead = std::to_string(ended), living = std::to_string(getppid());
    Put(dir / "daten.tmo", "alter Inhalt");
    const auto twoHoursAgo = fs::file_time_type::clock::now() - std::chrono::hours(2);
    const struct {
        std::string name, content;
        bool old, others, removed;
    } table[] = {
        {"daten.tmo.trimora-alt-" + dead + "-abcdef", "alter Inhalt", false, false, true},
        {"daten.tmo.trimora-alt-" + dead + "-bcdefg", "alter", false, false, true}, // killed while copying
        {"daten.tmo.trimora-alt-" + dead + "-cdefgh", "anderer Inhalt", false, false, false}, // the file was torn
        {"daten.tmo.trimora-alt-" + living + "-defghi", "alter Inhalt", false, false, false}, // a save still running
        {"daten.tmo.trimora-alt-Ab12cd", "alter Inhalt", true, false, true},  // an older version's
        {"daten.tmo.trimora-alt-Bc23de", "alter Inhalt", false, false, false}, // … of a save that may run
        {"weg.tmo.trimora-alt-" + dead + "-efghij", "x", false, false, false}, // its file is gone
        {".trimora-alt-" + dead + "-fghijk", "", false, false, false},          // names no file
        {"daten.tmo.trimora-alt-" + dead + "-ghijkl", "alter Inhalt", false, true, false},
    };
    int cases = 0;
    for (const auto& row : table) {
        if (row.others && !IsRoot()) continue;
        Put(dir / row.name, row.content);
        if (row.old) fs::last_write_time(dir / row.name, twoHoursAgo);
        if (row.others) {
            ASSERT_EQ(chown((dir / row.name).c_str(), kOtherUser, kOtherUser), 0);
        }
        ++cases;
    }
    EXPECT_EQ(cases, IsRoot() ? 9 : 8);
    ASSERT_EQ(WriteFileAtomically(dir / "x.txt", "x"), "");
    for (const auto& row : table)
        if (!row.others || IsRoot()) {
            EXPECT_EQ(fs::exists(dir.path / row.name), !row.removed) << row.name;
        }
    EXPECT_EQ(Contents(dir / "daten.tmo"), "alter Inhalt");
    // A save through the in-place path makes its copy under such a name and leaves none.
    ASSERT_EQ(link((dir / "daten.tmo").c_str(), (dir / "zweiter-name").c_str()), 0);
    const std::vector<std::string> before = dir.Names();
    ASSERT_EQ(WriteFileAtomically(dir / "daten.tmo", "neu"), "");
    EXPECT_EQ(dir.Names(), before);
    EXPECT_EQ(Contents(dir / "zweiter-name"), "neu");
}

TEST(SavedFiles, AKilledSaveLeavesTheOldOrTheNewFileAndNothingElse) {
    TempDir dir("kill");
    const std::string path = dir / "gross.txt";
    constexpr std::size_t kSize = 4 << 20;
    auto content = [&](int n) { return std::string(kSize, static_cast<char>('A' + n % 26)); };
    Put(path, content(0));
    auto save = [&](int n) {
        const pid_t pid = fork();
        if (pid == 0) _exit(WriteFileAtomically(path, content(n)).empty() ? 0 : 1);
        return pid;
    };
    // How long a save takes at the least, so that the kills fall anywhere within one.
    int status = 0;
    auto span = std::chrono::microseconds::max();
    for (int n = 0; n < 3; ++n) {
        const auto start = std::chrono::steady_clock::now();
        waitpid(save(1), &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        span = std::min(span, std::chrono::duration_cast<std::chrono::microseconds>(
                                  std::chrono::steady_clock::now() - start));
    }
    std::mt19937 rng(33);
    std::uniform_int_distribution<long> moment(0, span.count());
    int previous = 1, completed = 0, killed = 0;
    for (int n = 2; n < 102; ++n) {
        const pid_t pid = save(n);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(rng)));
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        const bool done = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        const std::string now = Contents(path);
        ASSERT_TRUE(now == content(previous) || now == content(n))
            << "save " << n << ": " << now.size() << " bytes";
        std::vector<std::string> names = dir.Names();
        // Killed between naming the finished file and the rename, a moment of microseconds: the
        // name holds the complete new file, and the next save removes it.
        if (names.size() == 2 && names[0].starts_with(".trimora-")) {
            EXPECT_EQ(Contents(dir / names[0]), content(n));
            names.erase(names.begin());
        }
        ASSERT_EQ(names, std::vector<std::string>{"gross.txt"}) << "save " << n;
        previous = now == content(n) ? n : previous;
        completed += done;
        killed += !done;
    }
    EXPECT_EQ(completed + killed, 100);
    EXPECT_GT(killed, 10); // most saves were cut off somewhere
    EXPECT_EQ(WriteFileAtomically(path, "ende"), "");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"gross.txt"});
}

} // namespace
} // namespace trimora
