// Encoders of the picture file formats, on a plain RGB image: 24-bit and 16-colour BMP, JPEG
// (libjpeg, quality 100, baseline), GIF (giflib, gif_encoder.cpp) and PNG (libpng).
#pragma once

#include "output/picture_size.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace trimora {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB, rows from the top
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

struct Encoded {
    std::string bytes;
    std::string error; // German; empty on success
    bool ok() const { return error.empty(); }
};

Encoded EncodeBmp24(const RgbImage& image);
// 4 bits per pixel with the 16 standard colours; each pixel takes the nearest one.
Encoded EncodeBmp16Colours(const RgbImage& image);
Encoded EncodeJpeg(const RgbImage& image, int quality = 100);
// An exact palette when the picture has at most 256 colours, otherwise giflib's quantiser.
Encoded EncodeGif(const RgbImage& image);

// An animated GIF written frame by frame (each with the palette the still GIF would have), looping
// for ever, with a delay between the frames in hundredths of a second. Only the encoded file is
// kept, at most `maxBytes` of it (more is the error "zu groß").
class GifAnimation {
  public:
    GifAnimation(int width, int height, int delayCentiseconds, std::size_t maxBytes = std::size_t(1) << 30);
    ~GifAnimation();
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;
    bool AddFrame(const RgbImage& image); // false: an error, which Finish returns
    int Frames() const { return frames_; }
    Encoded Finish();

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
    std::string bytes_;
    int frames_ = 0;
};

// PNG; pictures of more than kQuickPngPixels are packed for speed rather than size.
inline constexpr long long kQuickPngPixels = 16'000'000;
Encoded EncodePng(const RgbImage& image);

// The 16 standard colours of a 4-bit bitmap, in palette order.
const std::uint32_t* StandardPalette16();

} // namespace trimora
