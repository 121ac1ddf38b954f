// The web edition's command line, run by Node (scripts/web-cli.sh): the desktop's options, with
// TikZ and SVG (written without Qt) as its picture formats.
#include "cli/cli.h"
#include "output/savefile.h"
#include "output/svg_canvas.h"

#include <iostream>

namespace {

bool EndsWithSvg(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".svg";
}

} // namespace

int main(int argc, char** argv) {
    const trimora::PictureExporter exporter = [](trimora::Document& doc, const trimora::PictureRequest& request) {
        if (request.animationFrames > 0) return std::string("Animationen speichert die Web-Ausgabe nicht.");
        if (request.worksheet) return std::string("Arbeitsblätter speichert die Web-Ausgabe nicht.");
        if (!EndsWithSvg(request.path))
            return "Die Web-Ausgabe speichert Bilder nur als SVG (.svg) und TikZ (.tex): " + request.path;
        return trimora::WriteFileAtomically(request.path,
                                            trimora::EncodeSvg(doc, request.width, request.height, request.cmPerUnit));
    };
    return trimora::RunCommandLine(argc, argv, std::cout, std::cerr, exporter);
}
