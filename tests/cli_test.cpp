// The command line front end: options, exact output, errors and exit codes.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace trimora {
namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun Cli(std::vector<std::string> args) {
    args.insert(args.begin(), "trimora");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

TEST(CommandLine, BaseMeasuresAndCentroidOfTheBasicTriangle) {
    const CliRun r = Cli({"--vertices", "1;2;-2;-1;2;-1", "--on", "13", "--results", "-"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "Punkt A\t( 1 | 2 )\n"
                     "Punkt B\t( -2 | -1 )\n"
                     "Punkt C\t( 2 | -1 )\n"
                     "Seite a\t4\n"
                     "Seite b\t3,162\n"
                     "Seite c\t4,243\n"
                     "Geradengleichung a\tY = -1 ; Anstiegswinkel 0°\n"
                     "Geradengleichung b\tY = -3 X +5 ; Anstiegswinkel -71,57°\n"
                     "Geradengleichung c\tY = 1 X +1 ; Anstiegswinkel 45°\n"
                     "Innenwinkel Alpha in °\t63,435\n"
                     "Innenwinkel Beta in °\t45\n"
                     "Innenwinkel Gamma in °\t71,565\n"
                     "Umfang\t11,405\n"
                     "Flächeninhalt\t6\n"
                     "Brocard-Winkel in °\t28,61\n"
                     "Schwerpunkt S\t( 0,333 | 0 )\n");
}

TEST(CommandLine, FormulasNamesStretchAndTrilinear) {
    // SQRT(4) = 2; the results are measured at stretch 1 whatever the picture's stretch, as the
    // window measures them.
    const CliRun r = Cli({"--vertices", "SQRT(4)-1;2;-2;-1;2;-1", "--on", "Schwerpunkt", "--stretch", "2",
                       "--trilinear", "--results", "-"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Punkt A\t( 1 | 2 ) ; trilinear (1 : 0 : 0)\n"), std::string::npos) << r.out;
    // The entry names are matched without regard to case.
    EXPECT_EQ(Cli({"--on", "umkreis", "--results", "-"}).code, 0);
}

TEST(CommandLine, ATopicKeepsItsVerticesWhenTheStretchIsGiven) {
    // The topic places its vertices around the integer centre of the drawing area; giving the
    // stretch factor it already used must not place them again around the real centre, which
    // moves C of "Hadamard-Punkt" (x = 0,79: pixel 489.5 rounds to 490) by one pixel.
    const CliRun plain = Cli({"--topic", "Hadamard-Punkt", "--results", "-"});
    const CliRun stretched = Cli({"--topic", "Hadamard-Punkt", "--stretch", "1", "--results", "-"});
    ASSERT_EQ(plain.code, 0) << plain.err;
    EXPECT_NE(plain.out.find("Punkt C\t( 0,79 | -0,95 )\n"), std::string::npos) << plain.out;
    EXPECT_EQ(stretched.out, plain.out);
    // Typed vertices are placed around the same whole pixel the results measure from, so a shift
    // lists them as typed too.
    const CliRun shifted = Cli({"--topic", "Hadamard-Punkt", "--pan", "50,0", "--results", "-"});
    EXPECT_NE(shifted.out.find("Punkt C\t( 0,79 | -0,95 )\n"), std::string::npos) << shifted.out;
}

TEST(CommandLine, NumericOptionsAtTheirBounds) {
    // Each bound as given in the help, just inside (0) and just outside (2, a usage error). Pictures
    // are written by the program's exporter, which this test has not: past the check they fail (1).
    const std::string dir = ::testing::TempDir();
    const std::string svg = dir + "/bounds.svg", png = dir + "/bounds.png", gif = dir + "/bounds.gif";
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"--stretch", "0,2"}, 0},         {{"--stretch", "0.2"}, 0},            {{"--stretch", "0,19999"}, 2},
        {{"--stretch", "1000"}, 0},        {{"--stretch", "1000,001"}, 2},       {{"--stretch", "-1"}, 2},
        {{"--pan", "100000,-100000"}, 0},  {{"--pan", "100001,0"}, 2},           {{"--pan", "0,-100001"}, 2},
        {{"--size", "16384x1"}, 0},        {{"--size", "16385x1"}, 2},           {{"--size", "1x0"}, 2},
        {{"--size", "8000x8000"}, 0},      {{"--size", "8000x8001"}, 2},
        {{"--relations-limit", "0"}, 0},   {{"--relations-limit", "-1"}, 2},
        {{"--scale", "0,01", "--export", svg}, 0},  {{"--scale", "0,0099", "--export", svg}, 2},
        {{"--scale", "1000", "--size", "2x2", "--export", svg}, 0},
        {{"--scale", "1000,01", "--size", "2x2", "--export", svg}, 2},
        {{"--dpi", "24", "--export", png}, 0},      {{"--dpi", "23", "--export", png}, 2},
        {{"--dpi", "2400", "--size", "40x40", "--export", png}, 0},
        {{"--dpi", "2401", "--size", "40x40", "--export", png}, 2},
        // The picture's total: at 192 dpi 4000 x 4000 pixels become 8000 x 8000, 64 million; one
        // more row is too many.
        {{"--dpi", "192", "--size", "4000x4001", "--export", png}, 2},
        {{"--dpi", "192", "--size", "4000x1", "--export", png}, 0},
        {{"--dpi", "192", "--size", "8192x1", "--export", png}, 0},  {{"--dpi", "192", "--size", "8193x1", "--export", png}, 2},
        {{"--frames", "2", "--animate", gif}, 0},   {{"--frames", "1", "--animate", gif}, 2},
        {{"--frames", "10001", "--animate", gif}, 2},
    };
    for (const auto& [args, code] : cases) {
        std::vector<std::string> all = args;
        if (std::find(all.begin(), all.end(), "--export") == all.end() &&
            std::find(all.begin(), all.end(), "--animate") == all.end()) {
            all.push_back("--results");
            all.push_back(dir + "/bounds.txt");
        }
        const CliRun r = Cli(all);
        const bool picture = all.back() == svg || all.back() == png || all.back() == gif;
        EXPECT_EQ(r.code, picture && code == 0 ? 1 : code) << ::testing::PrintToString(args) << r.err;
    }
}

TEST(CommandLine, BadArgumentsExitWithTwoAndAGermanMessage) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--bogus"},
                                               {"--on", "Kein-Element"},
                                               {"--on", "507"},
                                               {"--stretch", "zwei"},
                                               {"--size", "100"},
                                               {"--pan", "1;2"},
                                               {"--vertices", "1;2;3"},
                                               {"--results"},
                                               {"--export", "bild.xyz"},
                                               {"--export", "ohne-endung"},
                                               {"--stretch", "0x10"},
                                               {"--stretch", "inf"},
                                               {"--size", "20000x20000"},
                                               {"--size", "16384x16384"},
                                               {"--bmp16"},
                                               {"--bmp16", "--export", "bild.png"},
                                               {"--results", "a.txt", "--results", "b.txt"},
                                               {"--export", "a.png", "--export", "b.png"},
                                               {"--dpi", "288"},
                                               {"--dpi", "288", "--export", "a.svg"},
                                               {"--dpi", "23", "--export", "a.png"},
                                               {"--dpi", "96.5", "--export", "a.png"},
                                               {"--dpi", "2400", "--export", "a.png"},
                                               {"--scale", "1", "--export", "a.png"},
                                               {"--scale", "0", "--export", "a.svg"},
                                               {"--scale", "nan", "--export", "a.pdf"}}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.code, 2) << args[0];
        EXPECT_FALSE(r.err.empty());
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_NE(Cli({"--on", "Kein-Element"}).err.find("Unbekanntes Element"), std::string::npos);
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("Aufruf: trimora"), std::string::npos);
    for (const char* window : {"trimora [--fresh] [DATEI.tmo]", "--fresh beginnt"}) // as the man page says
        EXPECT_NE(help.out.find(window), std::string::npos) << window;
    const CliRun version = Cli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.rfind("Trimora ", 0), 0u) << version.out;
}

TEST(CommandLine, ResultsFileIsUtf8OrWindowsTextAndFailuresKeepTheOldFile) {
    const auto dir = std::filesystem::temp_directory_path() / "trimora_cli_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "ergebnis.txt";
    auto read = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    const struct {
        std::vector<std::string> extra;
        std::string start, area;
    } table[] = {
        {{},
         "Punkt A\t( 1 | 2 )\nP",
         "Fl\xC3\xA4"
         "cheninhalt\t6\n"}, // UTF-8, LF
        {{"--cp1252"},
         "Punkt A\t( 1 | 2 )\r\nP",
         "Fl\xE4"
         "cheninhalt\t6\r\n"}, // one byte "ä", CR LF
    };
    for (const auto& row : table) {
        std::vector<std::string> args{"--vertices", "1;2;-2;-1;2;-1", "--results", file.string()};
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        ASSERT_EQ(Cli(args).code, 0);
        const std::string bytes = read();
        EXPECT_EQ(bytes.substr(0, row.start.size()), row.start);
        EXPECT_NE(bytes.find(row.area), std::string::npos);
    }
    EXPECT_EQ(Cli({"--cp1252", "--results", "-"}).code, 2); // standard output is always UTF-8

    const CliRun failed = Cli({"--results", (dir / "fehlt" / "x.txt").string()});
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("konnte nicht geschrieben werden"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(CommandLine, ExportGoesThroughTheProgramsExporter) {
    // Without a picture exporter (no Qt here) the export fails with a message and exit code 1.
    const CliRun none = Cli({"--export", "bild.png"});
    EXPECT_EQ(none.code, 1);
    EXPECT_FALSE(none.err.empty());

    std::string seenPath;
    bool seen16 = false;
    int seenWidth = 0;
    const PictureExporter exporter = [&](Document&, const PictureRequest& r) {
        seenPath = r.path, seen16 = r.bmp16, seenWidth = r.width;
        return std::string();
    };
    std::vector<const char*> argv{"trimora", "--export", "x.BMP", "--bmp16", "--size", "400x300"};
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, exporter), 0);
    EXPECT_EQ(seenPath, "x.BMP");
    EXPECT_TRUE(seen16);
    EXPECT_EQ(seenWidth, 400);

    const PictureExporter failing = [](Document&, const PictureRequest&) {
        return std::string("Die Datei \"x\" konnte nicht geschrieben werden.");
    };
    // The resolution and the scale reach the exporter with the drawing area's size.
    PictureRequest seen;
    const PictureExporter keeping = [&](Document&, const PictureRequest& r) {
        return seen = r, std::string();
    };
    std::vector<const char*> dpi{"trimora", "--export", "x.png", "--dpi", "288", "--size", "500x400"};
    EXPECT_EQ(RunCommandLine(static_cast<int>(dpi.size()), dpi.data(), out, err, keeping), 0);
    EXPECT_EQ(seen.dpi, 288);
    EXPECT_EQ(seen.width, 500);
    std::vector<const char*> scale{"trimora", "--scale", "2,5", "--export", "x.pdf"};
    EXPECT_EQ(RunCommandLine(static_cast<int>(scale.size()), scale.data(), out, err, keeping), 0);
    EXPECT_EQ(seen.cmPerUnit, 2.5);
    EXPECT_EQ(seen.dpi, 96);

    std::vector<const char*> argv2{"trimora", "--export", "x.png"};
    EXPECT_EQ(RunCommandLine(static_cast<int>(argv2.size()), argv2.data(), out, err, failing), 1);
}

TEST(CommandLine, ATriangleBeyondTheDrawingIsListedAsTypedWithAHint) {
    const struct {
        const char* vertices;
        std::vector<std::string> lines; // the first ones
        bool hint;
    } cases[] = {
        {"2000;0;0;0;0;1", {"Punkt A\t( 2000 | 0 )", "Punkt B\t( 0 | 0 )", "Punkt C\t( 0 | 1 )", "Seite a\t1",
                            "Seite b\t2000", "Seite c\t2000"}, true},
        {"1000;1000;1001;1000;1000;1001", {"Punkt A\t( 1000 | 1000 )", "Punkt B\t( 1001 | 1000 )",
                                           "Punkt C\t( 1000 | 1001 )", "Seite a\t1,414"}, true},
        {"-5000;-3;-4999;-3;-5000;-2,5", {"Punkt A\t( -5000 | -3 )"}, true},
        {"1;2;-2;-1;2;-1", {"Punkt A\t( 1 | 2 )"}, false},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli({"--vertices", c.vertices, "--on", "Schwerpunkt", "--results", "-"});
        EXPECT_EQ(r.code, 0) << r.err;
        std::istringstream lines(r.out);
        for (const std::string& expected : c.lines) {
            std::string line;
            std::getline(lines, line);
            EXPECT_EQ(line, expected) << c.vertices;
        }
        EXPECT_EQ(r.err.find("Dreieck außerhalb der Zeichnung") != std::string::npos, c.hint) << r.err;
    }
}

TEST(CommandLine, OnlyTrimoraDataFilesAreLoaded) {
    const auto dir = std::filesystem::temp_directory_path() / ("trimora_cli_data_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const struct {
        const char* name;
        std::string bytes;
        bool loaded;
    } files[] = {
        {"utf16le.tmo", std::string("\xFF\xFE" "1\0\r\0\n\0", 8), false},
        {"utf16be.tmo", std::string("\xFE\xFF\0" "1\0\r\0\n", 8), false},
        {"ohne-bom.tmo", std::string("1\0\r\0\n\0" "2\0", 8), false},
        {"bild.tmo", "\x89PNG\r\n\x1a\n\x01\x02", false},
        {"dreieck.tmo", "1\r\n2\r\n-2\r\n-1\r\n2\r\n-1\r\nUmkreis\r\n#\r\n#\r\n#\r\n#\r\n", true},
    };
    for (const auto& f : files) {
        const std::string path = (dir / f.name).string();
        std::ofstream(path, std::ios::binary) << f.bytes;
        const CliRun r = Cli({"--load", path, "--results", "-"});
        EXPECT_EQ(r.code, f.loaded ? 0 : 1) << f.name;
        EXPECT_EQ(r.err.find("keine Trimora-Dreiecksdatei") == std::string::npos, f.loaded) << f.name << r.err;
        EXPECT_EQ(r.out.empty(), !f.loaded) << f.name;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace trimora
