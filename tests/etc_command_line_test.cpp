// The switch --etc of the command line.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace trimora {
namespace {

std::string Results(std::vector<const char*> args) {
    args.insert(args.begin(), "trimora");
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(static_cast<int>(args.size()), args.data(), out, err), 0) << err.str();
    return out.str();
}

TEST(EtcCommandLine, MarksTheCentresAfterTheTrilinearPart) {
    const std::string out = Results({"--vertices", "1;2;-2;-1;2;-1", "--on", "21", "--on", "13", "--on", "28",
                                     "--etc", "--trilinear", "--results", "-"});
    EXPECT_NE(out.find("Schwerpunkt S\t( 0,333 | 0 ) ; trilinear (0,791 : 1 : 0,745) [X(2)]\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("Feuerbach-Punkt\t( 0,5 | 0 ) ; trilinear (0,903 : 1 : 0,958) [X(5)]\n"),
              std::string::npos)
        << out;
    // Feet of the altitudes are no centres.
    EXPECT_NE(out.find("Höhenfußpunkt H(a) auf a\t( 1 | -1 ) ; trilinear (0 : 0,447 : 1)\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(Results({"--vertices", "1;2;-2;-1;2;-1", "--on", "21", "--results", "-"}).find("[X("),
              std::string::npos);
}

} // namespace
} // namespace trimora
