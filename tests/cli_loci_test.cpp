// The loci on the command line: the lines under "Ortslinien", the samples as text, the picture's
// document, and the options that do not go together.
#include "cli/cli.h"
#include "draw/document.h"
#include "draw/loci.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace trimora {
namespace {

struct LociRun {
    int code;
    std::string out, err;
};

LociRun Cli(std::vector<std::string> args, const PictureExporter& exporter = {}) {
    // A (1 | 2), B (-2 | -1), C (2 | -1): U = (0 | 0), R = √5; AB is y = x + 1.
    args.insert(args.begin(),
                {"trimora", "--vertices", "1;2;-2;-1;2;-1", "--on", "12", "--on", "13", "--on", "15"});
    std::vector<const char*> argv;
    for (const auto& a : args)
        argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, exporter);
    return {code, out.str(), err.str()};
}

TEST(CommandLineLoci, CircumcircleAndHorizontalPaths) {
    const LociRun round = Cli({"--locus", "Höhenschnittpunkt", "--locus", "schwerpunkt s", "--locus",
                               "Umkreismittelpunkt", "--path", "umkreis", "--results", "-"});
    ASSERT_EQ(round.code, 0) << round.err;
    // The orthocentre: the circumcircle reflected in AB; the centroid: R/3 about M + (U - M)/3.
    EXPECT_NE(
        round.out.find("Ortslinien\nBahn\tC auf dem Umkreis\n"
                       "Ortslinie von Höhenschnittpunkt\tKreis, Mittelpunkt ( -1 | 1 ), Radius 2,236\n"
                       "Ortslinie von Schwerpunkt S\tKreis, Mittelpunkt ( -0,333 | 0,333 ), Radius 0,745\n"
                       "Ortslinie von Umkreismittelpunkt\tfester Punkt ( 0 | 0 )\n"),
        std::string::npos)
        << round.out;
    // C along BC: H on the altitude from A, S on y = 0, U on the perpendicular bisector of AB.
    const LociRun along = Cli({"--locus", "Höhenschnittpunkt", "--locus", "Schwerpunkt S", "--locus",
                               "Umkreismittelpunkt", "--results", "-"});
    EXPECT_NE(along.out.find("Bahn\tC waagerecht\n"
                             "Ortslinie von Höhenschnittpunkt\tGerade, X = 1 ; Anstiegswinkel 90°\n"
                             "Ortslinie von Schwerpunkt S\tGerade, Y = 0 ; Anstiegswinkel 0°\n"
                             "Ortslinie von Umkreismittelpunkt\tGerade, Y = -1 X +0 ; Anstiegswinkel -45°\n"),
              std::string::npos)
        << along.out;
}

TEST(CommandLineLoci, SamplesAsTextAndThePicture) {
    const auto dir = std::filesystem::temp_directory_path() / "trimora_cli_loci_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "punkte.txt";
    std::size_t drawn = 0;
    const PictureExporter exporter = [&](Document& doc, const PictureRequest&) {
        drawn = doc.loci ? doc.loci->curves.size() : 0;
        return std::string();
    };
    const LociRun r =
        Cli({"--locus", "Höhenschnittpunkt", "--move", "c", "--path", "umkreis", "--locus-points",
             file.string(), "--export", (dir / "bild.png").string(), "--stretch", "2"},
            exporter);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(drawn, 1u); // traced for the stretched picture as well
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "# Ortslinie von Höhenschnittpunkt, C auf dem Umkreis");
    // Two pieces (C passes A and B), every sample on the circle about (-1 | 1) of radius √5.
    int pieces = 1, samples = 0;
    while (std::getline(in, line)) {
        if (line.empty()) {
            ++pieces;
            continue;
        }
        double x = 0, y = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf %lf", &x, &y), 2) << line;
        EXPECT_NEAR(std::hypot(x + 1, y - 1), std::sqrt(5.0), 0.005);
        ++samples;
    }
    EXPECT_EQ(pieces, 2);
    EXPECT_GT(samples, 600);
    std::filesystem::remove_all(dir);
}

TEST(CommandLineLoci, OptionsThatDoNotGoTogether) {
    const struct {
        std::vector<std::string> args;
        int code;
        const char* message;
    } cases[] = {
        {{"--locus", "Nagelpunkt N"}, 2, "Kein markierter Punkt \"Nagelpunkt N\""},
        {{"--move", "B"}, 2, "--move gilt nur zusammen mit --locus oder --animate."},
        {{"--locus", "Höhenschnittpunkt", "--move", "D"}, 2, "Ungültige Ecke"},
        {{"--locus", "Höhenschnittpunkt", "--path", "kreis"}, 2, "Ungültige Bahn"},
        {{"--locus-points", "-"}, 2, "--locus-points gilt nur zusammen mit --locus."},
        {{"--locus", "Höhenschnittpunkt", "--locus-points", "/nicht/da/x.txt"}, 1, "trimora: "},
    };
    for (const auto& k : cases) {
        const LociRun r = Cli(k.args);
        EXPECT_EQ(r.code, k.code) << k.message;
        EXPECT_NE(r.err.find(k.message), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace trimora
