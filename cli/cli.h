// The command line front end: builds a document from options, paints once and writes the results.
#pragma once

#include <iosfwd>

namespace trimora {

// Returns the process exit code: 0 success, 1 a failed write, 2 bad arguments.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace trimora
