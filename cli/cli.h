// The command line front end: builds a document from options, paints once and writes the results.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace trimora {

struct Document;

// Writes the picture of `doc` (width x height) to `path` in the format of its extension;
// returns a German message on failure. The program supplies it (it draws with Qt).
using PictureExporter =
    std::function<std::string(Document& doc, int width, int height, const std::string& path, bool bmp16)>;

// The file extensions --export understands.
bool IsPictureExtension(const std::string& path);

// Returns the process exit code: 0 success, 1 a failed read or write, 2 bad arguments.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const PictureExporter& exporter = {});

} // namespace trimora
