// The field reader: the value of a vertex field's text (UTF-8), 0 on any error.
#pragma once

#include "formula/formula.h"

#include <string_view>

namespace trimora {

// Letters a..z become capitals, "," becomes ".", the text is evaluated with X = 1; any error gives
// the value 0. The error code is kept so that the window can mark the field.
FormulaResult ReadField(std::string_view utf8Text);

// A German description of an error code for the field's tooltip ("" for no error).
const char* FieldErrorText(FormulaError error);

} // namespace trimora
