#include "cli/cli.h"

#include <ostream>

namespace trimora {

int RunCommandLine(int, const char* const*, std::ostream&, std::ostream& err) {
    err << "Trimora: Befehlszeile noch nicht verfügbar\n";
    return 2;
}

} // namespace trimora
