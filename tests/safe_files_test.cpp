// Files are written without harm to what the target is (a link, a private or protected file, a
// device or a pipe), reads stop at their limit, and failures are reported, never success.
#include "app/core/session.h"
#include "cli/cli.h"
#include "file_support.h"
#include "output/savefile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sstream>
#include <sys/resource.h>
#include <sys/sysmacros.h>
#include <thread>

namespace trimora {
namespace {

using namespace testing;

mode_t Mode(const std::string& path) { return Lstat(path).st_mode; }

TEST(SafeFiles, ExistingFilesKeepTheirPermissions) {
    TempDir dir;
    for (mode_t mode : {0600, 0640, 0444}) {
        const std::string path = dir / "f.txt";
        fs::remove(path);
        std::ofstream(path) << "alt";
        chmod(path.c_str(), mode);
        const std::string failure = WriteFileAtomically(path, "neu");
        if (geteuid() != 0 && !(mode & 0200)) {
            // An ordinary user may not write a protected file: refused, untouched.
            EXPECT_NE(failure.find("keine Berechtigung"), std::string::npos) << failure;
            EXPECT_EQ(Contents(path), "alt");
        } else {
            EXPECT_EQ(failure, "");
            EXPECT_EQ(Contents(path), "neu");
        }
        EXPECT_EQ(Mode(path) & 07777, mode);
    }
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"f.txt"});
}

TEST(SafeFiles, LinksDevicesAndPipesStayWhatTheyAre) {
    TempDir dir;
    // A symbolic link: its target is written, the link stays.
    std::ofstream(dir / "ziel.txt") << "alt";
    fs::create_symlink("ziel.txt", dir / "link.txt");
    EXPECT_EQ(WriteFileAtomically(dir / "link.txt", "neu"), "");
    EXPECT_TRUE(S_ISLNK(Mode(dir / "link.txt")));
    EXPECT_EQ(Contents(dir / "ziel.txt"), "neu");

    // A named pipe is written into, not replaced by a file.
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Contents(dir / "pipe"); });
    EXPECT_EQ(WriteFileAtomically(dir / "pipe", "durch die Leitung"), "");
    reader.join();
    EXPECT_EQ(received, "durch die Leitung");
    EXPECT_TRUE(S_ISFIFO(Mode(dir / "pipe")));

    // A device stays a device: one made here (the null device), never one of the system's.
    if (IsRoot() && mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        EXPECT_EQ(WriteFileAtomically(dir / "null", "nichts"), "");
        EXPECT_TRUE(S_ISCHR(Mode(dir / "null")));
        EXPECT_EQ(Lstat(dir / "null").st_rdev, makedev(1, 3));
    }
    // The window refuses pipes and devices at once instead of waiting for a reader.
    EXPECT_NE(WriteFileAtomically(dir / "pipe", "x", SpecialFiles::Refuse).find("benannte Pipe"), std::string::npos);
    EXPECT_TRUE(S_ISFIFO(Mode(dir / "pipe")));

    // A long name whose temporary name would not fit beside it, and a name that is no UTF-8: the
    // bytes reach the file system as they are.
    const std::string longName = dir / std::string(250, 'x');
    EXPECT_EQ(WriteFileAtomically(longName, "lang"), "");
    EXPECT_EQ(Contents(longName), "lang");
    EXPECT_EQ(WriteFileAtomically(dir / "bild\xff\xe4.txt", "latin"), "");
    EXPECT_EQ(Contents(dir / "bild\xff\xe4.txt"), "latin");
}

TEST(SafeFiles, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir / "alt.txt";
    std::ofstream(path) << "alt\r\n";
    // Beyond the file-size limit a write fails (SIGXFSZ ignored, as the program does).
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string failure = WriteFileAtomically(path, std::string(100000, 'n'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_NE(failure.find("Datei zu groß"), std::string::npos) << failure;
    EXPECT_EQ(Contents(path), "alt\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"alt.txt"});
    // A folder that does not exist, in German.
    EXPECT_NE(WriteFileAtomically(dir / "fehlt/x.txt", "x").find("nicht gefunden"), std::string::npos);
}

TEST(SafeFiles, ReadsTakeRegularFilesOnlyAndStopAtTheirLimit) {
    TempDir dir;
    std::string error;
    Put(dir / "gross", std::string(1001, 'x'));
    EXPECT_FALSE(ReadFileLimited(dir / "gross", 1000, error));
    EXPECT_NE(error.find("zu groß"), std::string::npos);
    EXPECT_EQ(ReadFileLimited(dir / "gross", 1001, error), std::string(1001, 'x'));
    EXPECT_FALSE(ReadFileLimited("/nicht/da", 1000, error));
    EXPECT_NE(error.find("nicht gefunden"), std::string::npos);
    // A pipe without a writer, a folder and a device (the zero device, made here) are refused at
    // once: nothing waits for a writer or reads without end.
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    const bool device = IsRoot() && mknod((dir / "zero").c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    const struct {
        std::string name;
        const char* kind;
    } refused[] = {{"pipe", "benannte Pipe"}, {"", "Ordner"}, {device ? "zero" : "pipe", device ? "Gerät" : "Pipe"}};
    for (const auto& r : refused) {
        EXPECT_FALSE(ReadFileLimited(dir / r.name, 1000, error));
        EXPECT_NE(error.find(r.kind), std::string::npos) << error;
        EXPECT_NE(error.find("keine gewöhnliche Datei"), std::string::npos) << error;
    }
    const std::vector<std::string> args{"trimora", "--load", dir / "pipe", "--results", "-"};
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err), 1);
    EXPECT_NE(err.str().find("benannte Pipe"), std::string::npos) << err.str();
}

TEST(SafeFiles, AFailingStandardOutputIsReported) {
    struct Full : std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
        std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    } full;
    std::ostream out(&full);
    for (const char* option : {"--results", "--help", "--version"}) {
        out.clear();
        std::ostringstream err;
        const char* argv[] = {"trimora", option, "-"};
        EXPECT_EQ(RunCommandLine(option[2] == 'r' ? 3 : 2, argv, out, err), 1) << option;
        EXPECT_NE(err.str().find("Standardausgabe"), std::string::npos) << option;
    }
}

TEST(SafeFiles, DataFilesWithEveryLineEnd) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        Session s;
        InitSession(s, 821, 660);
        std::string text;
        for (const char* line : {"1", "2", "-2", "-1", "2", "-1", "Umkreis", "#"}) text += line + end;
        LoadDataFileLines(s, DecodeTextFile(text));
        EXPECT_EQ(s.doc.fields[3], "-1");
        EXPECT_TRUE(s.doc.IsOn(17)) << "line end " << int(end.back()); // "Umkreis"
    }
}

} // namespace
} // namespace trimora
