#include "output/picture_size.h"

#include "base/format.h"

namespace trimora {

double PagePointsPerPixel(bool pdf, double stretch, double cmPerUnit) {
    if (cmPerUnit > 0) return cmPerUnit / (100.0 * stretch) / 2.54 * 72.0;
    return pdf ? 1.0 : 0.75;
}

std::string CheckPageSize(int width, int height, double pointsPerPixel) {
    const double w = width * pointsPerPixel, h = height * pointsPerPixel;
    if (w >= kMinPagePoints && h >= kMinPagePoints && w <= kMaxPagePoints && h <= kMaxPagePoints) return {};
    return "Die Seite der Abbildung wäre " + FormatReal(w, 3) + " x " + FormatReal(h, 3) +
           " pt groß; SVG und PDF erlauben 1 bis 14400 pt je Seite.";
}

} // namespace trimora
