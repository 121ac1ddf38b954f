// The session file keeps the file rules: each start of the window runs in a process of its own
// (this test program again) with a configuration folder of the test's own, which may hold
// someone else's link, a pipe, garbage, leftovers of killed saves or a name that is no UTF-8.
#include "app/core/session_ini.h"
#include "app/core/session_state.h"
#include "app/main_window.h"
#include "app/session_file.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace trimora {
namespace {

namespace fs = std::filesystem;

constexpr const char* kStep = "TRIMORA_SESSION_FILE_STEP";
constexpr const char* kFiles = "TRIMORA_SESSION_FILE_DIR";
constexpr uid_t kOtherUser = 64201;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// One start of the window with XDG_CONFIG_HOME = `config` (bytes); its exit code.
int Start(const std::string& config, const std::string& step, const QString& files = {}) {
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config));
    qputenv(kStep, QByteArray::fromStdString(step));
    qputenv(kFiles, files.toUtf8());
    QProcess child; // inherits the environment as bytes
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=SessionFileStep.Run"});
    const bool finished = child.waitForFinished(60000); // a start blocked on a pipe never ends
    if (!finished) child.kill(), child.waitForFinished();
    qputenv("XDG_CONFIG_HOME", oldConfig);
    qunsetenv(kStep);
    qunsetenv(kFiles);
    EXPECT_TRUE(finished) << step;
    EXPECT_EQ(child.exitCode(), 0) << step << "\n" << child.readAll().toStdString();
    return finished ? child.exitCode() : -1;
}

TEST(SessionFile, RecentFilesOfOneTwoAndTenSurviveRestarts) {
    if (qEnvironmentVariableIsSet(kStep)) GTEST_SKIP() << "a step of the test below";
    int cases = 0;
    for (const int n : {1, 2, 10}) {
        QTemporaryDir config, files;
        Start(config.path().toStdString(), "recent-store:" + std::to_string(n), files.path());
        Start(config.path().toStdString(), "recent-check:" + std::to_string(n), files.path()); // and writes back
        Start(config.path().toStdString(), "recent-check:" + std::to_string(n), files.path());
        ++cases;
    }
    EXPECT_EQ(cases, 3);
}

// Someone else's link in a sticky shared folder, a pipe and garbage: the window starts with the
// defaults, says so in one line, and what the name leads to stays as it was.
TEST(SessionFile, RefusedFilesGiveTheDefaultsAndStayUntouched) {
    if (qEnvironmentVariableIsSet(kStep)) GTEST_SKIP() << "a step of the test below";
    QTemporaryDir config;
    const std::string folder = config.path().toStdString() + "/trimora", ini = folder + "/trimora.ini";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    int cases = 0;
    // 20 MB of garbage.
    std::ofstream(ini, std::ios::binary) << std::string(20u << 20, '\x01');
    Start(config.path().toStdString(), "defaults-told");
    ++cases;
    // A named pipe: never opened, neither at the start nor at the end.
    fs::remove(ini);
    ASSERT_EQ(mkfifo(ini.c_str(), 0600), 0);
    Start(config.path().toStdString(), "defaults-told");
    EXPECT_TRUE(fs::is_fifo(ini));
    ++cases;
    if (geteuid() == 0) {
        // Someone else's link in a sticky, world-writable folder, to root's private file and to
        // nothing.
        fs::remove(ini);
        chmod(folder.c_str(), 01777);
        const std::string secret = config.path().toStdString() + "/geheim", missing = config.path().toStdString() + "/neu";
        std::ofstream(secret) << "[General]\nformat=1\n[session]\nfields=geheim\n";
        chmod(secret.c_str(), 0600);
        for (const std::string& target : {secret, missing}) {
            fs::remove(ini);
            ASSERT_EQ(symlink(target.c_str(), ini.c_str()), 0);
            ASSERT_EQ(lchown(ini.c_str(), kOtherUser, kOtherUser), 0);
            Start(config.path().toStdString(), "defaults-told");
            Start(config.path().toStdString(), "store");
            EXPECT_TRUE(fs::is_symlink(ini));
            EXPECT_EQ(fs::exists(missing), false);
            ++cases;
        }
        EXPECT_EQ(Contents(secret), "[General]\nformat=1\n[session]\nfields=geheim\n");
    }
    EXPECT_EQ(cases, geteuid() == 0 ? 4 : 2);
}

TEST(SessionFile, LeftoversOfKilledSavesAreRemovedButNeverSomeoneElses) {
    if (qEnvironmentVariableIsSet(kStep)) GTEST_SKIP() << "a step of the test below";
    QTemporaryDir config;
    const fs::path folder = config.path().toStdString() + "/trimora";
    fs::create_directory(folder);
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    const struct {
        std::string name;
        bool old, others, removed;
    } table[] = {
        {"trimora.ini.Ab12cd", true, false, true},   // Qt's temporary file of a killed save
        {"trimora.ini.Zz99zz", false, false, false}, // one of a save that may still run
        {"trimora.ini.Qq11qq", true, true, false},   // someone else's
        {"trimora.ini.trimora-alt-" + std::to_string(ended) + "-abcdef", false, false, true}, // an in-place copy
        {"trimora.ini.trimora-alt-Ab12cd", true, false, true},                               // an older version's
        {"trimora.ini.trimora-alt-" + std::to_string(ended) + "-ghijkl", false, true, false},
    };
    std::ofstream(folder / "trimora.ini") << "[General]\nformat=1\n";
    int cases = 0;
    for (const auto& row : table) {
        if (row.others && geteuid() != 0) continue;
        std::ofstream(folder / row.name) << "[General]\n"; // the start of the file: nothing it lacks
        if (row.old) fs::last_write_time(folder / row.name, old);
        if (row.others) {
            ASSERT_EQ(chown((folder / row.name).c_str(), kOtherUser, kOtherUser), 0);
        }
        ++cases;
    }
    Start(config.path().toStdString(), "store");
    for (const auto& row : table)
        if (!row.others || geteuid() == 0) {
            EXPECT_EQ(fs::exists(folder / row.name), !row.removed) << row.name;
        }
    EXPECT_EQ(cases, geteuid() == 0 ? 6 : 4);
}

TEST(SessionFile, AConfigurationFolderThatIsNoUtf8IsUsedAsGiven) {
    if (qEnvironmentVariableIsSet(kStep)) GTEST_SKIP() << "a step of the test below";
    QTemporaryDir parent;
    const std::string config = parent.path().toStdString() + "/konfig-\xff\xfe";
    Start(config, "store");
    EXPECT_TRUE(fs::is_regular_file(config + "/trimora/trimora.ini"));
    EXPECT_EQ(std::distance(fs::directory_iterator(parent.path().toStdString()), fs::directory_iterator()), 1);
    Start(config, "check");
    fs::remove_all(config); // a name Qt cannot spell
}

// The ini dialect is Qt's: what one writes the other reads.
TEST(SessionFile, QtsSettingsAndOursReadEachOther) {
    if (qEnvironmentVariableIsSet(kStep)) GTEST_SKIP();
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    const QStringList two{"/tmp/a,b.tmo", " x\"y\\z "}, ten{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    const QByteArray bytes("\x00\x01" "9\xff" "a,b=c\"", 9);
    {
        QSettings qt(path, QSettings::IniFormat);
        qt.setValue("one", QStringList{"/tmp/ä ö.tmo"});
        qt.setValue("list/two", two);
        qt.setValue("list/ten", ten);
        qt.setValue("list/none", QStringList{});
        qt.setValue("window/geometry", bytes);
        qt.setValue("text", "@at;tab\there\nnew line");
    }
    std::ifstream in(path.toStdString(), std::ios::binary);
    const IniSettings ours = IniSettings::Parse(std::string(std::istreambuf_iterator<char>(in), {}));
    EXPECT_EQ(ours.List("one"), std::vector<std::string>{"/tmp/ä ö.tmo"});
    EXPECT_EQ(ours.List("list/two"), (std::vector<std::string>{"/tmp/a,b.tmo", " x\"y\\z "}));
    EXPECT_EQ(ours.List("list/ten").size(), 10u);
    EXPECT_TRUE(ours.List("list/none").empty());
    EXPECT_EQ(ours.Bytes("window/geometry"), bytes.toStdString());
    EXPECT_EQ(ours.Text("text"), "@at;tab\there\nnew line");
    std::ofstream(dir.filePath("b.ini").toStdString(), std::ios::binary) << ours.Serialize();
    QSettings qt(dir.filePath("b.ini"), QSettings::IniFormat);
    EXPECT_EQ(qt.value("one").toStringList(), QStringList{"/tmp/ä ö.tmo"});
    EXPECT_EQ(qt.value("list/two").toStringList(), two);
    EXPECT_EQ(qt.value("list/ten").toStringList(), ten);
    EXPECT_TRUE(qt.value("list/none").toStringList().isEmpty());
    EXPECT_EQ(qt.value("window/geometry").toByteArray(), bytes);
    EXPECT_EQ(qt.value("text").toString(), "@at;tab\there\nnew line");
}

// The steps, each a start of the window.
TEST(SessionFileStep, Run) {
    const std::string step = qgetenv(kStep).toStdString();
    if (step.empty()) GTEST_SKIP() << "runs as a step of the tests above";
    MainWindow defaults; // remembers nothing: what a first start shows
    defaults.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&defaults));
    const SessionState start = CaptureState(defaults.GetSession());
    MainWindow window(nullptr, MainWindow::Memory::Restore);
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString files = qEnvironmentVariable(kFiles);
    const auto colon = step.find(':');
    const int n = colon == std::string::npos ? 0 : std::stoi(step.substr(colon + 1));
    QStringList expected; // newest first
    for (int i = n - 1; i >= 0; --i) expected << QDir(files).filePath(QString("datei%1.tmo").arg(i));
    if (step.starts_with("recent-store")) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(window.SaveDataFile(QDir(files).filePath(QString("datei%1.tmo").arg(i))));
        EXPECT_EQ(window.RecentFiles(), expected);
    } else if (step.starts_with("recent-check")) {
        EXPECT_EQ(window.RecentFiles(), expected);
    } else if (step == "store") {
        window.Field(0)->setText("0,75");
        window.ApplyCoordinates();
    } else if (step == "check") {
        EXPECT_EQ(window.GetSession().doc.fields[0], "0,75");
    } else {
        EXPECT_EQ(CaptureState(window.GetSession()), start);
        EXPECT_EQ(window.StatusPanel()->text().contains("Grundeinstellungen"), step == "defaults-told")
            << window.StatusPanel()->text().toStdString();
    }
    window.close();
}

} // namespace
} // namespace trimora
