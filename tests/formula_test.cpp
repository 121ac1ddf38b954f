// Formula interpreter: precedence, bracket forms, error codes, the keywords and their numerical methods
// (against values from Abramowitz–Stegun / DLMF tables), and the limits that keep every result finite.
#include "formula/formula.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <regex>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace trimora {

// Error codes print as numbers in failure messages.
void PrintTo(FormulaError error, std::ostream* os) {
    *os << static_cast<int>(error);
}

namespace {

constexpr double kPi = 3.14159265358979323846;

FormulaResult Eval(std::string_view text, const FormulaParams& params = {}) {
    return Evaluate(text, 1.0, params);
}

struct Case {
    std::string text;
    double value;
    FormulaError error = kFormulaOk;
    double tolerance = 0; // relative; 0 takes the table's
};

// Runs a table of texts with exact expected values (up to rounding) and codes; returns the number run.
int RunCases(const std::vector<Case>& cases, double tolerance = 1e-12, const FormulaParams& params = {}) {
    int run = 0;
    for (const Case& c : cases) {
        const FormulaResult r = Eval(c.text, params);
        const double relative = c.tolerance > 0 ? c.tolerance : tolerance;
        EXPECT_NEAR(r.value, c.value, relative * std::max(1.0, std::abs(c.value))) << "text: " << c.text;
        EXPECT_EQ(r.error, c.error) << "text: " << c.text;
        ++run;
    }
    return run;
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// --- preparation and the field reader -------------------------------------------------------------------

TEST(FormulaPreparation, CommaPointAndSpaces) {
    EXPECT_EQ(ReadFieldText("1,5").value, 1.5);
    EXPECT_EQ(ReadFieldText("1.5").value, 1.5);
    EXPECT_EQ(ReadFieldText(" 1 , 5 ").value, 1.5);
    EXPECT_EQ(ReadFieldText(" - 2,25 ").value, -2.25);
    EXPECT_EQ(Eval("+3").value, 3.0); // a leading "+" gets a 0 in front as well
}

TEST(FormulaPreparation, EmptyAndBlankTexts) {
    EXPECT_EQ(Eval("").error, kFormulaSyntax);
    EXPECT_EQ(Eval(" ").error, kFormulaSyntax);   // a single character is never stripped
    EXPECT_EQ(Eval("   ").error, kFormulaSyntax); // stripped down to one blank
    EXPECT_EQ(ReadFieldText("").value, 0.0);
    EXPECT_EQ(Eval("-").value, 0.0); // "0-": the trailing operator is ignored
    EXPECT_EQ(Eval("-").error, kFormulaOk);
}

TEST(FormulaPreparation, NegativeSquareInsideBrackets) {
    EXPECT_EQ(Evaluate("(-X^2)", 3.0).value, -9.0);
    EXPECT_EQ(Evaluate("2*(-X^2)+1", 3.0).value, -17.0);
    EXPECT_EQ(Evaluate("(-X)^2", 3.0).value, 9.0); // not "(-X^": the unary minus binds to X only
    // The rewriting keeps the whole text, however long: 300 "+1" after the bracket.
    std::string text = "(-X^2";
    for (int i = 0; i < 300; ++i)
        text += "+1";
    text += ")*2";
    EXPECT_EQ(Evaluate(text, 3.0).value, 582.0);
    EXPECT_EQ(Evaluate(text, 3.0).error, kFormulaOk);
}

TEST(FieldReader, CapitalsAndErrorsGiveZero) {
    EXPECT_EQ(ReadFieldText("sqrt(16)+x").value, 5.0); // x is 1 in a coordinate field
    EXPECT_EQ(ReadFieldText("pi").value, kPi);
    // Only a..z are capitalised: "é" stays a small letter and is no factor, "É" is Euler's number.
    EXPECT_EQ(ReadFieldText("\xE9").error, kFormulaSyntax);
    EXPECT_NEAR(ReadFieldText("\xC9").value, std::exp(1.0), 1e-15);
    for (const char* text : {"QRT(4)", "SQRT(-1)", "INT(2.7)", "HEAVISIDE(1)", "1/0", "10^11", "2?+3"}) {
        const FormulaResult r = ReadFieldText(text);
        EXPECT_NE(r.error, kFormulaOk) << text;
        EXPECT_EQ(r.value, 0.0) << text;
    }
    EXPECT_EQ(ReadFieldText("INT(2.7)+SGN(1)").value, 3.0); // SGN clears the step function's code
    EXPECT_EQ(ReadFieldText("INT(2.7)+SGN(1)").error, kFormulaOk);
}

// --- operators and precedence ---------------------------------------------------------------------------

TEST(FormulaPrecedence, LevelsAndLeftAssociativity) {
    const std::vector<Case> cases = {
        {"-2^2", -4},
        {"3*-2^2", 12},
        {"2^3^2", 64},
        {"2+3*4", 14},
        {"(2+3)*4", 20},
        {"2*(3+4", 14},
        {"2)+5", 2},
        {"2+", 2},
        {"10-4-3", 3},
        {"64/4/2", 8},
        {"2*3^2", 18},
        {"1+2*3^2-4", 15},
        {"2^3*2", 16},
        {"2*3+4*5", 26},
        {"2-3*4+5", -5},
        {"8-2&4", 5},
        {"3<5+1", 4},
        {"3+5<1", 1},
        {"2*3%4", 2},
        {"12/2~2", 15},
        {"2\xB7"
         "3+1",
         7},
        {"2*(3*4+5)", 34},
        {"2^(1+1)^2", 16},
        {"2*[3.7]^2", 18},
        {"((2))", 2},
        {"2--3", 5},
        {"2*-3+1", -5},
        {"(1+2]*3", 9},
        {"|2-5|*2", 6},
        {"2*|1-3|", 4},
        {"2^-1", 0.5},
        {"9\\2*2", 6},
        {"1+(2*(3+(4", 15},
    };
    EXPECT_EQ(RunCases(cases), 33);
}

TEST(FormulaOperators, ValuesAndFailures) {
    const std::vector<Case> cases = {
        // "&", "#", "<", ">", "*", "/"
        {"1&2", 1.5},
        {"2#8", 4},
        {"(-2)#8", 0, kFormulaDomain},
        {"3<5", 3},
        {"3>5", 5},
        {"99999*99999", 9999800001.0},
        {"10000000000*1", 1e10, kFormulaDomain},
        {"1/0", 1e10, kFormulaDomain},
        {"(-1)/0", 1e10, kFormulaDomain},
        // "%": whole numbers nearest to a and b (ties to even), the sign of a
        {"7%3", 1},
        {"(-7)%3", -1},
        {"7%(-3)", 1},
        {"6.5%4", 2},
        {"2.5%2", 0},
        {"9%2.5", 1},
        {"7%0", 1e10, kFormulaDomain},
        {"7%0.4", 1e10, kFormulaDomain},
        {"7%0.5", 1e10, kFormulaDomain},
        {"7%0.6", 0},
        {"9007199254740994%3", 1e10, kFormulaDomain}, // beyond 2^53
        // "~": the generalised binomial coefficient
        {"5~2", 10},
        {"10~3", 120},
        {"(-1)~5", -1},
        {"0.5~2", -0.125},
        {"1.5~0.5", 3},
        {"4~(-1)", 1},
        {"2~5", 0},
        {"5~0", 1e10, kFormulaDomain},
        {"200~100", 1e10, kFormulaDomain},
        // "^" with whole, broken and negative exponents
        {"2^0", 1},
        {"0^0", 1},
        {"2^10", 1024},
        {"(-2)^5", -32},
        {"(-3)^(-7)", -1.0 / 2187.0},
        {"2^(-2)", 0.25},
        {"2^0.5", std::sqrt(2.0)},
        {"(-2)^0.5", 0, kFormulaDomain},
        {"10^6.7", 5011872.336272722},
        {"10^7.5", 0, kFormulaDomain},      // |b ln a| > 16
        {"(-10)^(-7)", 0, kFormulaDomain},  // |b ln a| > 16
        {"(-5)^(-1.5)", 0, kFormulaDomain}, // a negative base needs a whole exponent
        {"0^(-1)", 0},
        {"10^11", 1e10, kFormulaClipped},
        {"(-10)^11", -1e11}, // only results above the ceiling are clipped
        // the root
        {"8\\3", 2},
        {"16\\0.5", 256},
        {"4\\(-2)", 0.5},
        {"(-8)\\3", 0, kFormulaDomain},
        {"2\\0", 0, kFormulaDomain},
        {"10\\(1/6.7)", 0, kFormulaDomain}, // the root's limit is 15, not 16
    };
    EXPECT_EQ(RunCases(cases), 50);
}

TEST(FormulaOperators, RootsAreExactWhereTheRootIsShort) {
    // e^(ln 8 / 3) is 1.9999999999999998, whose whole part would be 1.
    const std::vector<Case> exact = {
        {"[8\\3]", 2},       {"[27\\3]", 3},      {"[1000\\3]", 10},  {"[81\\4]", 3},
        {"[32\\5]", 2},      {"0.001\\3", 0.1},   {"2.25\\2", 1.5},   {"W3(64)", 4},
        {"W3(-125)", -5},      {"W4(0.0016)", 0.2},   {"2\\2", std::sqrt(2.0)}, {"10\\3", std::cbrt(10.0)},
    };
    EXPECT_EQ(RunCases(exact, 0), 12);
}

TEST(FormulaOperators, RootsOfWholeAndShortPowersAreExact) {
    // b^n typed out, its n-th root compared exactly with b: whole bases and bases of one decimal
    // place ("0.0016\\4" is 0.2), as far as a double holds every digit.
    int checked = 0;
    for (int n = 2; n <= 9; ++n)
        for (long long b = 2; b <= 99; ++b) {
            long long power = 1;
            for (int k = 0; k < n; ++k) power *= b;
            if (power > (1LL << 50)) break;
            for (int places : {0, 1}) {
                std::string digits = std::to_string(power);
                if (places > 0) {
                    digits.insert(0, static_cast<std::size_t>(std::max(0, n + 1 - static_cast<int>(digits.size()))), '0');
                    digits.insert(digits.size() - static_cast<std::size_t>(n), ".");
                }
                const double expected = places > 0 ? static_cast<double>(b) / 10 : static_cast<double>(b);
                const std::string text = digits + "\\" + std::to_string(n);
                EXPECT_EQ(Eval(text.c_str()).value, expected) << text;
                ++checked;
            }
        }
    EXPECT_GE(checked, 400);
}

TEST(FormulaOperators, PowerAfterAnErrorFails) {
    // An error code of 2 or more makes every following power 0 with code 2.
    EXPECT_EQ(Eval("INT(2.5)+2^2").value, 2.0);
    EXPECT_EQ(Eval("INT(2.5)+2^2").error, kFormulaDomain);
    EXPECT_EQ(Eval("INT(2.5)+4\\2").value, 2.0);
    EXPECT_EQ(Eval("INT(2.5)+2^2+SGN(1)").value, 3.0);
    EXPECT_EQ(Eval("INT(2.5)+2^2+SGN(1)").error, kFormulaOk);
}

// --- factors --------------------------------------------------------------------------------------------

TEST(FormulaFactors, ConstantsVariableAndParameters) {
    EXPECT_EQ(Eval("PI").value, kPi);
    EXPECT_NEAR(Eval("PHI").value, (1.0 + std::sqrt(5.0)) / 2.0, 1e-15);
    EXPECT_NEAR(Eval("\xC9").value, std::exp(1.0), 1e-15);
    EXPECT_EQ(Evaluate("X*2", 2.5).value, 5.0);
    EXPECT_EQ(Eval("P").value, 0.0);
    EXPECT_EQ(Eval("K3").value, 0.0);

    FormulaParams params;
    params.P = 2;
    params.Q = 3;
    params.R = 5;
    params.K = {7, 11, 13, 17, 19};
    EXPECT_EQ(Eval("P*Q*R", params).value, 30.0);
    EXPECT_EQ(Eval("K1+K2+K3+K4+K5", params).value, 67.0);
    EXPECT_EQ(Eval("K9+1", params).value, 1.0); // K with another character is 0, without error
    EXPECT_EQ(Eval("K9+1", params).error, kFormulaOk);
    EXPECT_EQ(Eval("2*P", params).value, 4.0);             // a "P" at the end of the text
    EXPECT_EQ(Eval("PH+1", params).error, kFormulaSyntax); // P, then "H" is no operator
}

TEST(FormulaFactors, BracketForms) {
    const std::vector<Case> cases = {
        {"[2.5]", 2},    {"[-2.5]", -3}, {"[-2]", -3}, {"[0]", 0},          {"|-3|", 3},
        {"||-2|-5|", 3}, {"[2.5)", 2},   {"(3|", 3},   {"[7.9]+[-0.1]", 6},
    };
    EXPECT_EQ(RunCases(cases), 9);
}

TEST(FormulaFactors, NumberRuns) {
    const std::vector<Case> cases = {
        {".5", 0.5},
        {"5.", 5},
        {"007", 7},
        {"1..2", 0, kFormulaSyntax},
        {"1\xE9"
         "2",
         0, kFormulaSyntax}, // "é" belongs to the run, which is then no number
        {".", 0, kFormulaSyntax},
        {"0.1+0.2", 0.3},
    };
    EXPECT_EQ(RunCases(cases), 7);
}

// --- error codes ----------------------------------------------------------------------------------------

TEST(FormulaErrors, SyntaxErrors) {
    const std::vector<Case> cases = {
        {"?", 0, kFormulaSyntax},        // cannot start a factor
        {"2+?", 2, kFormulaSyntax},      // also as the last character
        {"2?+3", 2, kFormulaSyntax},     // a character after a factor that is no operator
        {"2?", 2},                       // the last character is never read as an operator
        {"QRT(4)", 0, kFormulaSyntax},   // found inside "SQRT"
        {"B(2)", 0, kFormulaSyntax},     // first "B" is inside "ABS"
        {"UVW(2)", 0, kFormulaSyntax},   // "U" cannot start a factor
        {"SINUS(2)", 0, kFormulaSyntax}, // not in the keyword string
        {"SIN", 0, kFormulaSyntax},      // no argument
        {"SIN+1", 0, kFormulaSyntax},
        {"F1(2)", 0, kFormulaSyntax}, // no stored formula
        {"2*(", 0, kFormulaSyntax},   // nothing after the bracket
        {"TANH(60)", 1e10, kFormulaSyntax},
    };
    EXPECT_EQ(RunCases(cases), 13);
}

TEST(FormulaErrors, LaterSignClearsTheCode) {
    EXPECT_EQ(Eval("SQRT(-1)+SGN(2)").value, 1.0);
    EXPECT_EQ(Eval("SQRT(-1)+SGN(2)").error, kFormulaOk);
    EXPECT_EQ(Eval("SGN(-3)+VORZEICHEN(0)").value, -1.0);
    EXPECT_EQ(Eval("SGN(2)+SQRT(-1)").error, kFormulaDomain); // only errors before it
}

// --- keywords -------------------------------------------------------------------------------------------

TEST(FormulaKeywords, ShortenedNamesSelectTheFirstKeywordTheyStart) {
    const std::vector<Case> cases = {
        {"S(3)", 9},
        {"SQ(3)", 9},
        {"SQRT(9)", 3},
        {"SI(0)", 0, kFormulaDomain},
        {"SIN(0)", 0},
        {"A(-3)", 3},
        {"C(0)", 1},
        {"E(0)", 1},
        {"EH(0)", 1},
        {"W(16)", 4},
        {"W3(-8)", -2},
        {"WURZEL3(27)", 3},
        {"W4(16)", 2},
        {"V(-2)", -1},
        {"GA(5)", 24},
        {"AR(1)", 0},
        {"ARCT(1)", kPi / 4},
        {"TA(0)", 0},
        {"L(1)", 0},
        {"LOG(8)", 0, kFormulaDomain},
        {"G(5)", 0, kFormulaSyntax},  // the first "G" is inside "LG"
        {"LO(8)", 0, kFormulaSyntax}, // the first "LO" is inside "MCARLO"
    };
    EXPECT_EQ(RunCases(cases, 1e-6), 22);
}

// Every keyword by its full name once, with its failure where it has one (P = 2, Q = 0 unless stated).
// Exact to 1e-12 where the function is exact in double; the approximations carry their own tolerance.
TEST(FormulaKeywords, EveryKeyword) {
    FormulaParams params;
    params.P = 2;
    params.F = {"X+1", "X*2", "X^2", "X-1", "10-X"};
    const double d = kPi / 180.0;
    const std::vector<Case> cases = {
        {"SQR(3)", 9},
        {"SQR(10000000000)", 1e10, kFormulaDomain},
        {"SQRT(2)", std::sqrt(2.0)},
        {"SQRT(-1)", 0, kFormulaDomain},
        {"WURZEL(9)", 3},
        {"EXP(1)", std::exp(1.0)},
        {"EHOCH(2)", std::exp(2.0)},
        {"EXP(60)", 1e10, kFormulaClipped}, // e^50 above the ceiling
        {"EXP(-60)", std::exp(-50.0), kFormulaClipped},
        {"LN(10)", std::log(10.0)},
        {"LN(0)", 0, kFormulaDomain},
        {"LG(1000)", 3},
        {"LG(-1)", 0, kFormulaDomain},
        {"LD(8)", 3},
        {"LD(0)", 0, kFormulaDomain},
        {"LOG(8)", 3},
        {"ABS(-2.5)", 2.5},
        {"SI(1)", 0.946083070367183, kFormulaOk, 1e-6}, // a truncated series
        {"SIN(1)", std::sin(1.0)},
        {"COS(1)", std::cos(1.0)},
        {"TAN(1)", std::tan(1.0)},
        {"COT(1)", 1.0 / std::tan(1.0)},
        {"COT(0)", 0},
        {"SEC(1)", 1.0 / std::cos(1.0)},
        {"CSC(1)", 1.0 / std::sin(1.0)},
        {"CSC(0)", 0, kFormulaDomain},
        {"SINW(30)", std::sin(30 * d)},
        {"COSW(60)", std::cos(60 * d)},
        {"TANW(45)", std::tan(45 * d)},
        {"COTW(45)", 1.0 / std::tan(45 * d)},
        {"ARCSIN(1)", kPi / 2},
        {"ARCSIN(-1)", -kPi / 2},
        {"ARCSIN(0.5)", kPi / 6},
        {"ARCSIN(1.5)", 0, kFormulaDomain},
        {"ARCCOS(0.5)", kPi / 3},
        {"ARCCOS(-2)", 0, kFormulaDomain},
        {"ARCTAN(1)", kPi / 4},
        {"ARCCOT(0)", kPi / 2},
        {"ARCCOT(-1)", -kPi / 4},
        {"ARCSEC(2)", kPi / 3},
        {"ARCSEC(-2)", 2 * kPi / 3},
        {"ARCSEC(0.5)", 0, kFormulaDomain},
        {"ARCTANW(-1)", 3 * kPi / 4},
        {"ARCSINW(-0.5)", 2 * kPi / 3},
        {"ARCSINW(-1)", kPi / 2},
        {"ARCSINW(0.5)", kPi / 6},
        {"SINH(1)", std::sinh(1.0)},
        {"SINH(50)", 1e10, kFormulaDomain},
        {"COSH(1)", std::cosh(1.0)},
        {"COSH(-50)", 1e10, kFormulaDomain},
        {"TANH(1)", std::tanh(1.0)},
        {"ARSINH(1)", 0.881373587019543},
        {"ARCOSH(2)", 1.316957896924816},
        {"ARCOSH(0.5)", 0, kFormulaDomain},
        {"ARTANH(0.5)", 0.549306144334055},
        {"ARTANH(1)", 0, kFormulaDomain},
        {"WURZEL3(-27)", -3},
        {"WURZEL4(81)", 3},
        {"W3(0.125)", 0.5},
        {"W4(-1)", 0, kFormulaDomain},
        {"WP(9)", 3},
        {"WP(0)", 0, kFormulaDomain},
        {"EXPP(3)", 8},
        {"INT(2.7)", 2, kFormulaStep},
        {"INT(-2)", -3, kFormulaStep},
        {"FRAC(-2.75)", -0.75},
        {"FRAC(10000000000)", 0, kFormulaDomain},
        {"SGN(-0.1)", -1},
        {"SGN(0)", 0},
        {"VORZEICHEN(7)", 1},
        {"HEAVISIDE(-1)", 0, kFormulaStep},
        {"HEAVISIDE(0)", 0.5, kFormulaStep},
        {"HEAVISIDE(2)", 1, kFormulaStep},
        {"GAMMA(5)", 24},
        {"GAMMA(-2)", 0, kFormulaClipped},
        {"GAMMA(43.5)", 0, kFormulaClipped},
        {"GAMMALN(10)", 12.801827480081469, kFormulaOk, 1e-10}, // Lanczos' approximation
        {"GAMMALN(21)", 0, kFormulaClipped},
        {"GAMMALN(-4.5)", 0, kFormulaClipped},
        {"BETA(2)", 1.0 / 6.0},
        {"GAUSS(0)", 1 / std::sqrt(2 * kPi)},
        {"GAUSS(60)", std::exp(-1250.0), kFormulaClipped},
        {"GSUMME(0)", 0.5},
        {"SI(50)", 0, kFormulaDomain},
        {"CI(0)", 0, kFormulaDomain},
        {"EI(40)", 0, kFormulaDomain},
        {"EI(-1)", 0, kFormulaDomain},
        {"BESSJ0(0)", 1, kFormulaOk, 1e-8}, // a polynomial approximation
        {"BESSJ1(0)", 0},
        {"AI(30)", 0},
        {"BI(30)", 1e10, kFormulaClipped},
        {"SN(1)", std::sin(1.0)},
        {"CN(1)", std::cos(1.0)},
        {"DN(1)", 1},
        {"EULERPHI(10)", 4},
        {"EULERPHI(0)", 0, kFormulaSyntax},
        {"MCARLO(1)", 0},
        {"F1(2)", 3},
        {"F2(2)", 4},
        {"F3(3)", 9},
        {"F4(2)", 1},
        {"F5(2)", 8},
    };
    // BETA(2) with P = 2: Γ(2)Γ(2)/Γ(4) = 1/6 within the Γ polynomial's 3e-7.
    EXPECT_EQ(RunCases(cases, 1e-12, params), 102);

    // Each of the 66 keywords occurs above by its full name.
    const char* const keywords[] = {
        "SQR",    "SQRT",       "EXP",     "LN",      "ABS",     "SI",        "SIN",    "COS",      "TAN",
        "ARCCOS", "LG",         "ARCTAN",  "SINH",    "COSH",    "TANH",      "INT",    "SGN",      "F1",
        "F2",     "F3",         "F4",      "COT",     "LD",      "ARCSIN",    "ARSINH", "ARCOSH",   "ARTANH",
        "SEC",    "GAMMA",      "GAUSS",   "MCARLO",  "CI",      "EI",        "BETA",   "BESSJ0",   "BESSJ1",
        "WURZEL", "WURZEL3",    "EHOCH",   "WURZEL4", "W3",      "W4",        "LOG",    "CSC",      "WP",
        "F5",     "VORZEICHEN", "FRAC",    "EXPP",    "GAMMALN", "HEAVISIDE", "SINW",   "COSW",     "TANW",
        "COTW",   "ARCTANW",    "ARCSINW", "GSUMME",  "SN",      "CN",        "DN",     "EULERPHI", "AI",
        "BI",     "ARCCOT",     "ARCSEC"};
    std::set<std::string> used;
    for (const Case& c : cases)
        used.insert(c.text.substr(0, c.text.find('(')));
    int seen = 0;
    for (const char* k : keywords) {
        EXPECT_TRUE(used.count(k)) << k;
        ++seen;
    }
    EXPECT_EQ(seen, 66);
}

TEST(FormulaKeywords, LogarithmAndPowersOfTheParameter) {
    FormulaParams params;
    for (double p : {0.0, -2.0, 1.0}) {
        params.P = p;
        EXPECT_EQ(Eval("LOG(8)", params).error, kFormulaDomain) << p;
    }
    params.P = 0; // P^x needs ln P
    EXPECT_EQ(Eval("EXPP(2)", params).error, kFormulaDomain);
    EXPECT_EQ(Eval("WP(2)", params).error, kFormulaDomain);
    params.P = 10; // x ln P >= 50
    EXPECT_EQ(Eval("EXPP(22)", params).error, kFormulaDomain);
    EXPECT_NEAR(Eval("EXPP(9)", params).value, 1e9, 1e-5);
    params.P = 0.01; // |ln x / P| >= 50
    EXPECT_EQ(Eval("WP(2)", params).error, kFormulaDomain);
}

// --- special functions against tables ---------------------------------------------------------------------

struct Reference {
    const char* text;
    double value;
    double tolerance; // absolute
};

int CheckReferences(const std::vector<Reference>& table, const FormulaParams& params = {}) {
    int run = 0;
    for (const Reference& r : table) {
        const FormulaResult result = Eval(r.text, params);
        EXPECT_EQ(result.error, kFormulaOk) << r.text;
        EXPECT_NEAR(result.value, r.value, r.tolerance) << r.text;
        ++run;
    }
    return run;
}

TEST(SpecialFunctions, GammaAndLogGamma) {
    // Γ: the A&S 6.1.36 polynomial is good to 3e-7 relative; the reductions keep that.
    // ln Γ: the six-term Lanczos series is good to 2e-10.
    const std::vector<Reference> table = {
        {"GAMMA(0.5)", std::sqrt(kPi), 1.7724538509 * 4e-7},
        {"GAMMA(1.5)", 0.886226925452758, 0.886226925452758 * 4e-7},
        {"GAMMA(-0.5)", -3.544907701811032, 3.544907701811032 * 4e-7},
        {"GAMMA(-1.5)", 2.363271801207355, 2.363271801207355 * 4e-7},
        {"GAMMA(0.1)", 9.513507698668732, 9.513507698668732 * 4e-7},
        {"GAMMA(10.3)", 716430.6890623764, 716430.6890623764 * 4e-7},
        {"GAMMA(5)", 24, 24 * 4e-7},
        {"GAMMA(1)", 1, 4e-7},
        {"GAMMALN(0.5)", 0.5723649429247001, 1e-9},
        {"GAMMALN(3.7)", 1.428072326665388, 1e-9},
        {"GAMMALN(10)", 12.801827480081470, 1e-9},
        {"GAMMALN(-1.5)", 0.860047015376481, 1e-8}, // ln|Γ(-1.5)|: the series is a little worse left of 0
    };
    EXPECT_EQ(CheckReferences(table), 12);
}

TEST(SpecialFunctions, SineCosineAndExponentialIntegrals) {
    // Series end with the first term below 1e-4, so the next (ignored) terms amount to ~1e-5; Ci and Ei
    // add Euler's constant as 0.57722 and 0.57722156649 (off by 4e-6 and 6e-6). Above 20 Si and Ci come
    // from their asymptotic expansions, good to 1e-9 there.
    const std::vector<Reference> table = {
        {"SI(1)", 0.946083070367183, 2e-5},   {"SI(5)", 1.549931244944674, 2e-5},
        {"SI(0.1)", 0.099944461108070, 2e-5}, {"SI(30)", 1.566756540030351, 1e-8},
        {"SI(45)", 1.558715000896413, 1e-8},  {"CI(1)", 0.337403922900968, 2e-5},
        {"CI(5)", -0.190029749656644, 2e-5},  {"CI(0.1)", -1.727868386657297, 2e-5},
        {"CI(30)", -0.033032417282071, 1e-8}, {"CI(45)", 0.018631743703557, 1e-8},
        {"EI(1)", 1.895117816355937, 2e-5},   {"EI(5)", 40.18527535580318, 2e-5},
        {"EI(10)", 2492.228976241878, 3e-5},  {"EI(0.5)", 0.454219904863173, 2e-5},
    };
    EXPECT_EQ(CheckReferences(table), 14);
    // Ei(20) by relative accuracy.
    EXPECT_NEAR(Eval("EI(20)").value / 25615652.66405659, 1.0, 1e-9);
}

TEST(SpecialFunctions, BesselJ0J1) {
    // The rational and asymptotic approximations are good to ~1e-8 absolute.
    const std::vector<Reference> table = {
        {"BESSJ0(1)", 0.765197686557967, 1e-7},     {"BESSJ0(5)", -0.177596771314338, 1e-7},
        {"BESSJ0(10)", -0.245935764451348, 1e-7},   {"BESSJ0(-3)", -0.260051954901933, 1e-7},
        {"BESSJ0(100)", 0.019985850304223, 1e-7},   {"BESSJ0(2.404825557695773)", 0, 1e-7}, // first zero
        {"BESSJ1(1)", 0.440050585744934, 1e-7},     {"BESSJ1(10)", 0.043472746168861, 1e-7},
        {"BESSJ1(-2.5)", -0.497094102464274, 1e-7}, {"BESSJ1(100)", -0.077145352014112, 1e-7},
        {"BESSJ1(8)", 0.234636346853915, 1e-7},
    };
    EXPECT_EQ(CheckReferences(table), 11);
}

TEST(SpecialFunctions, NormalDistribution) {
    // The closed formula for Φ is good to about 3e-5.
    const std::vector<Reference> table = {
        {"GSUMME(1)", 0.841344746068543, 5e-5},
        {"GSUMME(-1)", 0.158655253931457, 5e-5},
        {"GSUMME(2)", 0.977249868051821, 5e-5},
        {"GSUMME(0.5)", 0.691462461274013, 5e-5},
        {"GSUMME(-3)", 0.001349898031630, 5e-5},
        {"GSUMME(0)", 0.5, 0},
        {"GSUMME(100)", 1, 0},
        {"GSUMME(0.000000001)", 0.5, 1e-8},
    };
    EXPECT_EQ(CheckReferences(table), 8);
    // Symmetry Φ(-x) = 1 - Φ(x) holds exactly by construction of the formula's two branches.
    for (double x : {0.3, 1.7, 4.2}) {
        const double up = Evaluate("GSUMME(X)", x).value, down = Evaluate("GSUMME(-X)", x).value;
        EXPECT_NEAR(up + down, 1.0, 1e-15) << x;
    }
}

TEST(SpecialFunctions, Airy) {
    // Power series and asymptotic expansions both converge to ~1e-11 here.
    const std::vector<Reference> table = {
        {"AI(0)", 0.355028053887817, 1e-9},   {"BI(0)", 0.614926627446001, 1e-9},
        {"AI(1)", 0.135292416312881, 1e-9},   {"BI(1)", 1.207423594952871, 1e-9},
        {"AI(-1)", 0.535560883292352, 1e-9},  {"BI(-1)", 0.103997389496945, 1e-9},
        {"AI(-5)", 0.350761009024114, 1e-9},  {"BI(-5)", -0.138369134901601, 1e-9},
        {"AI(-10)", 0.040241238486443, 1e-9}, {"BI(-10)", -0.314679829643839, 1e-9},
        {"AI(-3)", -0.378814293677658, 1e-9}, {"BI(-3)", -0.198289626374927, 1e-9},
        {"BI(5)", 657.7920441711712, 1e-7},   {"AI(-100)", 0.176753393239553, 1e-9},
    };
    EXPECT_EQ(CheckReferences(table), 14);
    // Far right, Ai is tiny: check it relative to A&S values.
    EXPECT_NEAR(Eval("AI(5)").value / 1.083444281360744e-4, 1.0, 1e-8);
    EXPECT_NEAR(Eval("AI(10)").value / 1.104753255289869e-10, 1.0, 1e-8);
}

TEST(SpecialFunctions, JacobiEllipticWithModulusQ) {
    // The Landen/AGM iteration runs to full double precision.
    FormulaParams params;
    params.Q = 0.5; // m = 0.25
    const std::vector<Reference> quarter = {
        {"SN(1)", 0.822635578129862, 1e-12},
        {"CN(1)", 0.568568998095171, 1e-12},
        {"DN(1)", 0.911492005669132, 1e-12},
    };
    EXPECT_EQ(CheckReferences(quarter, params), 3);

    params.Q = std::sqrt(0.5); // m = 0.5, the A&S table: sn(1|0.5) = 0.80300 18249
    const std::vector<Reference> half = {
        {"SN(1)", 0.803001824895644, 1e-12},
        {"CN(1)", 0.595976567672141, 1e-12},
        {"DN(1)", 0.823161001631596, 1e-12},
    };
    EXPECT_EQ(CheckReferences(half, params), 3);

    params.Q = 0.8; // near the quarter period K(0.64) = 1.9953
    const std::vector<Reference> near = {
        {"SN(2)", 0.999996028482355, 1e-12},
        {"CN(2)", -0.002818336303025, 1e-12},
        {"DN(2)", 0.600004236262121, 1e-12},
    };
    EXPECT_EQ(CheckReferences(near, params), 3);

    params.Q = 1; // degenerate: tanh and sech
    EXPECT_NEAR(Eval("SN(1)", params).value, std::tanh(1.0), 1e-15);
    EXPECT_NEAR(Eval("CN(1)", params).value, 1 / std::cosh(1.0), 1e-15);
    EXPECT_NEAR(Eval("DN(1)", params).value, 1 / std::cosh(1.0), 1e-15);

    params.Q = 2; // modulus above 1 by the reciprocal transformation
    const std::vector<Reference> above = {
        {"SN(0.3)", 0.278866901185531, 1e-12},
        {"CN(0.3)", 0.960329761812670, 1e-12},
        {"DN(0.3)", 0.830019882709274, 1e-12},
    };
    EXPECT_EQ(CheckReferences(above, params), 3);

    // sn² + cn² = 1 and dn² + m sn² = 1 across a period.
    params.Q = 0.9;
    for (double x = -4; x <= 4; x += 0.5) {
        const double sn = Evaluate("SN(X)", x, params).value, cn = Evaluate("CN(X)", x, params).value,
                     dn = Evaluate("DN(X)", x, params).value;
        EXPECT_NEAR(sn * sn + cn * cn, 1.0, 1e-14) << x;
        EXPECT_NEAR(dn * dn + 0.81 * sn * sn, 1.0, 1e-14) << x;
    }
}

TEST(SpecialFunctions, EulerPhi) {
    const std::vector<Case> cases = {
        {"EULERPHI(1)", 1},
        {"EULERPHI(10)", 4},
        {"EULERPHI(9973)", 9972},
        {"EULERPHI(10000)", 4000},
        {"EULERPHI(12.5)", 4},
        {"EULERPHI(13.5)", 6},
        {"EULERPHI(10000.5)", 4000}, // ties to even
        {"EULERPHI(0.4)", 0, kFormulaSyntax},
        {"EULERPHI(10001)", 0, kFormulaSyntax},
        {"EULERPHI(-5)", 0, kFormulaSyntax},
        {"EULERPHI(99999999999999999999999999999999999999)", 0, kFormulaSyntax},
    };
    EXPECT_EQ(RunCases(cases), 11);
}

TEST(SpecialFunctions, MonteCarloDrawsStayInRange) {
    std::set<double> seen;
    for (int i = 0; i < 300; ++i) {
        const double v = Eval("MCARLO(6)").value;
        EXPECT_EQ(v, std::trunc(v));
        EXPECT_GE(v, 0.0);
        EXPECT_LE(v, 5.0);
        seen.insert(v);
        const double u = Eval("MCARLO(0)").value;
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
        const double n = Eval("MCARLO(-3)").value;
        EXPECT_TRUE(n == 0.0 || n == -1.0 || n == -2.0) << n;
    }
    EXPECT_EQ(seen.size(), 6u); // all six values come up in 300 draws (a miss has probability < 1e-20)
    EXPECT_EQ(Eval("MCARLO(0.7)").value, 0.0);
    EXPECT_EQ(Eval("MCARLO(99999999999999999999)").error, kFormulaDomain); // beyond 2^53
}

// --- stored formulas ------------------------------------------------------------------------------------

TEST(StoredFormulas, NestedEvaluation) {
    FormulaParams params;
    params.F[0] = "X^2";
    params.F[1] = "F1(X)+1";
    params.F[2] = "SQRT(X)";
    EXPECT_EQ(Eval("F1(3)", params).value, 9.0);
    EXPECT_EQ(Eval("F(3)", params).value, 9.0); // "F" is the shortened "F1"
    EXPECT_EQ(Eval("F2(3)*2", params).value, 20.0);
    EXPECT_EQ(Eval("F1(-2,5)", params).value, 6.25); // prepared like any text
    // The nested evaluation's code replaces the caller's: an error before the call is lost ...
    EXPECT_EQ(Eval("SQRT(-1)+F1(2)", params).value, 4.0);
    EXPECT_EQ(Eval("SQRT(-1)+F1(2)", params).error, kFormulaOk);
    // ... and an error inside it stays.
    EXPECT_EQ(Eval("F3(-4)+1", params).error, kFormulaDomain);
    EXPECT_EQ(Eval("F4(1)", params).error, kFormulaSyntax);
}

TEST(StoredFormulas, SelfReferenceAndRunawayCallsEnd) {
    FormulaParams params;
    params.F[0] = "F1(X)+1"; // calls itself
    auto start = std::chrono::steady_clock::now();
    FormulaResult r = Eval("F1(1)", params);
    EXPECT_EQ(r.error, kFormulaSyntax);
    EXPECT_EQ(r.value, 0.0);
    EXPECT_EQ(Eval("SGN(F1(1))", params).error, kFormulaSyntax); // not cleared while unwinding

    // A cycle through all five formulas ends at the nesting limit as well.
    params.F = {"F2(X)", "F3(X)", "F4(X)", "F5(X)", "F1(X)"};
    EXPECT_EQ(Eval("F1(1)", params).error, kFormulaSyntax);

    // Each formula calls the next ten times: more than 1000 calls end with error 2, quickly.
    const std::string ten = "+F2(X)+F2(X)+F2(X)+F2(X)+F2(X)+F2(X)+F2(X)+F2(X)+F2(X)+F2(X)";
    params.F[0] = ten;
    params.F[1] = ten;
    params.F[2] = ten;
    params.F[3] = ten;
    for (std::size_t k = 0; k < 4; ++k)
        for (std::size_t at = params.F[k].find("F2"); at != std::string::npos;
             at = params.F[k].find("F2", at + 2))
            params.F[k][at + 1] = static_cast<char>('2' + k);
    params.F[4] = "X+1";
    EXPECT_EQ(Eval("F4(1)", params).value, 20.0);           // 10 calls of F5
    EXPECT_EQ(Eval("F3(1)", params).value, 200.0);          // 110 calls
    EXPECT_EQ(Eval("F2(1)", params).error, kFormulaDomain); // 1110 calls
    r = Eval("F1(1)", params);
    EXPECT_EQ(r.error, kFormulaDomain);
    EXPECT_EQ(r.value, 0.0);
    EXPECT_LT(Seconds(start), 0.5);
}

// --- limits: every result is finite, every loop ends ------------------------------------------------------

TEST(FormulaLimits, RemainderRoundsBeforeDividing) {
    EXPECT_EQ(Eval("7%0.4").error, kFormulaDomain);
    EXPECT_EQ(Eval("7%0.4").value, 1e10);
    EXPECT_EQ(Eval("7.4%2").value, 1.0); // 7 % 2
}

TEST(FormulaLimits, LongLoopsEndQuickly) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<Case> cases = {
        {"2~10000000000000000", 0},
        {"0.5~10000000000000000", 1e10, kFormulaDomain}, // 10^16 factors, none of them 0: out of range
        {"10000000000000000~10000000000000000", 1},      // every factor is 1
        {"999999.5~999999", 1128.379026048348},          // a million factors, still computed
        {"2000000.5~2000000", 1e10, kFormulaDomain},     // more factors than the bound
        {"1^2000000000", 1},
        {"(-1)^2000000001", -1},
        {"0.5^2000000000", 0},
        {"1.0000001^2000000000", 1e10, kFormulaClipped},
        {"(-1.0000001)^2000000001", 1e10, kFormulaClipped}, // its even partial products exceed 1e10
        {"1.0000001^5000", std::pow(1.0000001, 5000)},
        {"GAMMA(-1000000000000000.5)", 0}, // underflows: |Γ| < 1e-330 below -190
    };
    EXPECT_EQ(RunCases(cases, 1e-9), 12);
    // Long products in closed form: 0.9999999999 is stored to ~1e-16, which 2e9 multiplications magnify.
    EXPECT_NEAR(Eval("0.9999999999^2000000000").value, std::exp(-0.2), 1e-6);
    EXPECT_NEAR(Eval("GAMMA(-100.5)").value / -3.353691086464584e-159, 1.0, 4e-7);
    // A million factors whose partial products pass far below the smallest double and grow back:
    // C(1/2, 10^6) = -2.8209489755948e-10.
    EXPECT_NEAR(Eval("0.5~1000000").value / -2.8209489755948e-10, 1.0, 1e-9);
    EXPECT_NEAR(Eval("(0-0.5)~1000").value, 0.0178390111458543, 1e-12);
    EXPECT_LT(Seconds(start), 0.5);
}

TEST(FormulaLimits, WorkPerEvaluationIsBounded) {
    // Each of these products takes a million factors; twelve of them exceed the work one evaluation may
    // do (10^7 steps), which ends it with error 2 instead of running on.
    std::string text = "999999.5~999999";
    EXPECT_EQ(Eval(text).error, kFormulaOk);
    for (int i = 0; i < 11; ++i)
        text += "+999999.5~999999";
    const auto start = std::chrono::steady_clock::now();
    const FormulaResult r = Eval(text);
    EXPECT_EQ(r.error, kFormulaDomain);
    EXPECT_EQ(r.value, 0.0);
    EXPECT_EQ(Eval("SGN(" + text + ")").error, kFormulaDomain); // not cleared while unwinding
    EXPECT_LT(Seconds(start), 0.5);
}

TEST(FormulaLimits, DeepNestingIsASyntaxError) {
    const std::string deep(5000, '(');
    EXPECT_EQ(Eval(deep + "1").error, kFormulaSyntax);
    EXPECT_EQ(Eval(deep + "1").value, 0.0);
    EXPECT_EQ(Eval("SGN(" + deep + "1").error, kFormulaSyntax);
    std::string functions;
    for (int i = 0; i < 5000; ++i)
        functions += "SIN(";
    EXPECT_EQ(Eval(functions + "1").error, kFormulaSyntax);
    // 150 levels are fine.
    EXPECT_EQ(Eval(std::string(150, '(') + "2" + std::string(150, ')') + "*3").value, 6.0);
}

TEST(FormulaLimits, ResultsAreAlwaysFinite) {
    const std::string huge(400, '9');
    const std::string tiny = "0." + std::string(400, '0') + "1";      // underflows to 0
    const std::string subnormal = "0." + std::string(319, '0') + "1"; // 1e-320
    const std::vector<Case> cases = {
        {huge, 1e10, kFormulaClipped},
        {("-" + huge), -1e10, kFormulaClipped},
        {(huge + "-" + huge), 0, kFormulaClipped},
        {tiny, 0},
        {("1/" + tiny), 1e10, kFormulaDomain},
        {("(" + std::string(300, '9') + ")^2"), 1e10, kFormulaDomain},
        {("|" + std::string(308, '9') + "|+" + std::string(308, '9')), 1e10, kFormulaDomain},
        {("SQR(" + tiny + ")"), 0},
        {("GAMMA(" + subnormal + ")"), 1e10, kFormulaDomain},
        {("[-" + std::string(300, '9') + "]+1"), -1e300},
        {("ARSINH(-" + std::string(20, '9') + ")"), -std::asinh(1e20)},
        {("ARCOSH(" + std::string(200, '9') + ")"), std::acosh(1e200)},
    };
    EXPECT_EQ(RunCases(cases, 1e-12), 12);

    // Nothing the parameters hold can make a result infinite either.
    FormulaParams params;
    params.P = INFINITY;
    params.Q = NAN;
    EXPECT_EQ(Eval("P+1", params).error, kFormulaDomain);
    EXPECT_TRUE(std::isfinite(Eval("SN(1)+LOG(2)+EXPP(2)+WP(2)+BETA(2)", params).value));
    EXPECT_EQ(Evaluate("X", NAN).error, kFormulaDomain);
}

TEST(FormulaLimits, ConcurrentEvaluationsDoNotInterfere) {
    // No state is shared between evaluations: each thread sees its own parameters and codes.
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            FormulaParams params;
            params.P = t + 2;
            for (int i = 0; i < 500; ++i) {
                const FormulaResult a = Evaluate("P*X+SQRT(-1)", i, params);
                const FormulaResult b = Evaluate("P^2", i, params);
                if (a.value != (t + 2.0) * i || a.error != kFormulaDomain) ++failures[t];
                if (b.value != (t + 2.0) * (t + 2.0) || b.error != kFormulaOk) ++failures[t];
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(failures[t], 0) << t;
}

// The handbook explains the formula language: every keyword has its line there.
TEST(Formula, TheHandbookNamesEveryKeyword) {
    std::ifstream in(std::string(TRIMORA_SOURCE_DIR) + "/docs/handbuch.html");
    const std::string handbook{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(handbook.empty());
    const auto keywords = FormulaKeywords();
    ASSERT_EQ(keywords.size(), 66u);
    for (std::string_view k : keywords) {
        const std::regex named("<code>([A-Z0-9 ,…]*[ ,])?" + std::string(k) + "(,[^<]*)?</code>");
        EXPECT_TRUE(std::regex_search(handbook, named)) << k;
    }
}

} // namespace
} // namespace trimora
