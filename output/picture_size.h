// The size of a saved picture: the limits of raster images and of the pages of vector pictures.
#pragma once

#include <algorithm>
#include <string>

namespace trimora {

// The largest picture drawn or saved: 16384 pixels a side and 64 million pixels, 256 MB at four
// bytes a pixel. Larger requests are refused before anything is allocated.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 64'000'000;

// Pictures drawn at another resolution than the screen's 96 dpi: one side of `side` drawing-area
// pixels becomes this many image pixels at `dpi` (at least 1).
inline constexpr int kMinExportDpi = 24, kMaxExportDpi = 2400;
inline long long ScaledPictureSide(int side, int dpi) {
    return std::max(1LL, (static_cast<long long>(side) * dpi + 48) / 96);
}

// The page of a vector picture (SVG, PDF) measures between 1 and 14400 points a side: PDF readers
// accept no larger page, and a smaller one holds nothing to see.
inline constexpr double kMinPagePoints = 1, kMaxPagePoints = 14400;
// Points of the page per drawing-area pixel: with a scale one world unit (100 * stretch pixels)
// is `cmPerUnit` centimetres long; without one a PDF gives a point, an SVG a pixel at 96 dpi.
double PagePointsPerPixel(bool pdf, double stretch, double cmPerUnit);
// "" when a page of width x height drawing-area pixels fits, else the German refusal.
std::string CheckPageSize(int width, int height, double pointsPerPixel);

} // namespace trimora
