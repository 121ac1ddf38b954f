#include "base/field.h"

#include "base/codepage.h"

namespace trimora {

FormulaResult ReadField(std::string_view utf8Text) { return ReadFieldText(Utf8ToCp1252(utf8Text)); }

const char* FieldErrorText(FormulaError error) {
    switch (error) {
    case kFormulaOk:
        return "";
    case kFormulaSyntax:
        return "Syntaxfehler: Der Ausdruck kann nicht gelesen werden.";
    case kFormulaDomain:
        return "Rechenfehler: Ein Wert liegt außerhalb des Definitionsbereichs.";
    case kFormulaStep:
        return "Treppenfunktion (INT, HEAVISIDE) ist hier nicht erlaubt.";
    case kFormulaClipped:
        return "Wert zu groß oder außerhalb des zulässigen Bereichs.";
    }
    return "";
}

} // namespace trimora
