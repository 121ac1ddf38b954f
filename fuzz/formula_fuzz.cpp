// libFuzzer target: any byte string evaluates to a finite value with an error code from 0 to 4, with the
// default parameters, with non-zero parameters and with stored formulas, and the field reader gives 0
// for every failure. Run it with the seeds: formula_fuzz -max_total_time=180 -timeout=2 CORPUS
// fuzz/formula_seeds
#include "formula/formula.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(const trimora::FormulaResult& r) {
    if (!std::isfinite(r.value) || r.error > trimora::kFormulaClipped) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // A smaller work budget than the field's 10^7 steps: the same paths, among them the one that
    // stops a long evaluation, in a fraction of the time, so that a run covers many more inputs.
    trimora::FormulaParams params;
    params.maxSteps = 100'000;
    Check(trimora::Evaluate(text, 1.0, params));

    params.P = 2.5;
    params.Q = 0.7;
    params.R = -3;
    params.K = {1, -2, 3.5, 1e9, -1e-9};
    Check(trimora::Evaluate(text, -2.5, params));
    params.P = -0.5;
    params.Q = 3; // modulus above 1
    Check(trimora::Evaluate(text, 1e15, params));

    // The text as a stored formula that the others call (and that may call itself).
    params.F = {std::string(text), "F1(X)*X", "F2(X)+F1(X)", "", "F5(X)"};
    Check(trimora::Evaluate(text, 0.5, params));
    Check(trimora::Evaluate("F3(2)", 0.5, params));

    const trimora::FormulaResult field = trimora::ReadFieldText(text, params.maxSteps);
    Check(field);
    if (field.error != trimora::kFormulaOk && field.value != 0.0) std::abort();
    return 0;
}
