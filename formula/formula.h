// Formula interpreter: turns a typed expression such as "SQRT(2)*SIN(PI/6)+1,5" into a real number.
// Works on Windows-1252 bytes, the code page of the typed texts; failures set an error code.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

enum FormulaError : std::uint8_t {
    kFormulaOk = 0,
    kFormulaSyntax = 1,   // a character that cannot start a factor, unknown function, empty text ...
    kFormulaDomain = 2,   // domain or overflow error of an operator or function
    kFormulaStep = 3,     // a step function was used ("INT", "HEAVISIDE")
    kFormulaClipped = 4,  // a value was clipped or is out of range
};

// The interpreter's parameters. Nothing in the program sets them: P, Q, R, K1..K5 are 0, F1..F5 empty.
struct FormulaParams {
    double P = 0.0, Q = 0.0, R = 0.0;
    std::array<double, 5> K{};
    std::array<std::string, 5> F{};
    // The most work one evaluation may do, stored formulas included: loop iterations count one step
    // each, a stored formula its length, a function call 20 to 500. Beyond it the value is 0 with
    // error 2. Texts typed into a field stay far below the default.
    long maxSteps = 10'000'000;
};

struct FormulaResult {
    double value = 0.0;
    FormulaError error = kFormulaOk;
};

// Evaluates `text` (Windows-1252) with the variable X = x.
FormulaResult Evaluate(std::string_view text, double x, const FormulaParams& params = {});

// The 66 function keywords, in the interpreter's order ("SQR", "SQRT", "EXP", …).
std::vector<std::string_view> FormulaKeywords();

// The field reader: capitals for a..z, "," -> ".", evaluated with X = 1; any error gives the value 0
// (the error is still reported so that the window can mark the field).
FormulaResult ReadFieldText(std::string_view text, long maxSteps = FormulaParams{}.maxSteps);

} // namespace trimora
