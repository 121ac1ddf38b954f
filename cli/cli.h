// The command line front end: builds a document from options, paints once and writes the results.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace trimora {

struct Document;

// What --export asks for: the file (its extension names the format), the drawing area's size and
// the picture's scale.
struct PictureRequest {
    std::string path;
    int width = 821, height = 660; // the drawing area in pixels
    bool bmp16 = false;
    int dpi = 96;         // raster formats: 96 draws one image pixel per drawing-area pixel
    double cmPerUnit = 0; // SVG and PDF: centimetres on paper per world unit; 0 keeps 96 pixels per inch
    // A worksheet instead of a picture: an A4 page with the title, the picture and these results.
    bool worksheet = false;
    std::string title;
    std::vector<std::string> resultLines;
    // An animated GIF instead: this many frames of one run of `vertex` (0 A, 1 B, 2 C) in
    // `direction` (0 waagerecht, 1 senkrecht, 2 um den Ursprung).
    int animationFrames = 0;
    int vertex = 0, direction = 0;
};

// Writes the picture of `doc`; returns a German message on failure. The program supplies it (it
// draws with Qt).
using PictureExporter = std::function<std::string(Document& doc, const PictureRequest& request)>;

// The program's name and version, as --version prints it.
std::string VersionText();

// The file extensions --export understands.
bool IsPictureExtension(const std::string& path);

// Returns the process exit code: 0 success, 1 a failed read or write, 2 bad arguments.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const PictureExporter& exporter = {});

} // namespace trimora
