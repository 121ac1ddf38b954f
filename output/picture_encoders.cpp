#include "output/picture_encoders.h"

#include "base/format.h"

#include <gif_lib.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <unordered_map>

// libjpeg's header expects the standard definitions first.
#include <jpeglib.h>

namespace trimora {

namespace {

constexpr std::uint32_t kPalette16[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                          0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                          0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

bool Valid(const RgbImage& image) {
    return image.width > 0 && image.height > 0 && image.width <= 65535 && image.height <= 65535 &&
           image.pixels.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

Encoded Invalid() { return {{}, "Das Bild hat eine ungültige Größe."}; }

void Put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// File header and BITMAPINFOHEADER of a bottom-up bitmap.
std::string BmpHeaders(const RgbImage& image, int bitsPerPixel, std::uint32_t paletteEntries, std::uint32_t rowBytes) {
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    const std::uint32_t offset = 14 + 40 + 4 * paletteEntries;
    std::string out = "BM";
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(out, 0); // no compression
    Put32(out, imageBytes);
    Put32(out, 3780); // 96 dots per inch
    Put32(out, 3780);
    Put32(out, paletteEntries);
    Put32(out, 0);
    return out;
}

int NearestOf16(std::uint32_t rgb) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        const long dr = static_cast<long>((rgb >> 16) & 0xFF) - ((kPalette16[i] >> 16) & 0xFF);
        const long dg = static_cast<long>((rgb >> 8) & 0xFF) - ((kPalette16[i] >> 8) & 0xFF);
        const long db = static_cast<long>(rgb & 0xFF) - (kPalette16[i] & 0xFF);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

// ---- JPEG: libjpeg reports errors through a jump out of the library.
struct JpegError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// ---- PNG
void PngWrite(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}
void PngFlush(png_structp) {}

// ---- GIF
int GifWrite(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

} // namespace

const std::uint32_t* StandardPalette16() { return kPalette16; }

Encoded EncodeBmp24(const RgbImage& image) {
    if (!Valid(image)) return Invalid();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    Encoded e;
    e.bytes = BmpHeaders(image, 24, 0, rowBytes);
    e.bytes.reserve(e.bytes.size() + rowBytes * static_cast<std::size_t>(image.height));
    for (int y = image.height - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.At(x, y);
            e.bytes += static_cast<char>(p & 0xFF); // blue, green, red
            e.bytes += static_cast<char>((p >> 8) & 0xFF);
            e.bytes += static_cast<char>((p >> 16) & 0xFF);
            written += 3;
        }
        e.bytes.append(rowBytes - written, '\0');
    }
    return e;
}

Encoded EncodeBmp16Colours(const RgbImage& image) {
    if (!Valid(image)) return Invalid();
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(image.width) + 1) / 2 + 3) & ~3u;
    Encoded e;
    e.bytes = BmpHeaders(image, 4, 16, rowBytes);
    for (std::uint32_t c : kPalette16) {
        e.bytes += static_cast<char>(c & 0xFF);
        e.bytes += static_cast<char>((c >> 8) & 0xFF);
        e.bytes += static_cast<char>((c >> 16) & 0xFF);
        e.bytes += '\0';
    }
    std::map<std::uint32_t, int> nearest; // the picture has few colours: remember each mapping
    std::string row(rowBytes, '\0');
    for (int y = image.height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), '\0');
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.At(x, y);
            auto it = nearest.find(p);
            if (it == nearest.end()) it = nearest.emplace(p, NearestOf16(p)).first;
            const auto index = static_cast<unsigned char>(it->second);
            auto& byte = reinterpret_cast<unsigned char&>(row[static_cast<std::size_t>(x / 2)]);
            byte |= x % 2 == 0 ? static_cast<unsigned char>(index << 4) : index;
        }
        e.bytes += row;
    }
    return e;
}

Encoded EncodeJpeg(const RgbImage& image, int quality) {
    if (!Valid(image)) return Invalid();
    jpeg_compress_struct cinfo;
    JpegError err{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<unsigned char> row(static_cast<std::size_t>(image.width) * 3);
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = JpegErrorExit;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return {{}, std::string("JPEG-Fehler: ") + err.message};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE); // baseline tables, no progressive scans
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.At(x, y);
            row[static_cast<std::size_t>(3 * x)] = static_cast<unsigned char>(p >> 16);
            row[static_cast<std::size_t>(3 * x + 1)] = static_cast<unsigned char>(p >> 8);
            row[static_cast<std::size_t>(3 * x + 2)] = static_cast<unsigned char>(p);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Encoded e;
    e.bytes.assign(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return e;
}

Encoded EncodePng(const RgbImage& image) {
    if (!Valid(image)) return Invalid();
    Encoded e;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return {{}, "PNG-Fehler: kein Speicher."};
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> row(static_cast<std::size_t>(image.width) * 3);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {{}, "PNG-Fehler beim Schreiben."};
    }
    png_set_write_fn(png, &e.bytes, PngWrite, PngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // A large picture is packed for speed: a line drawing on white gains nothing from row filters
    // (without them the file even comes out smaller), and a lighter zlib level halves the time.
    if (static_cast<long long>(image.width) * image.height > kQuickPngPixels) {
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        png_set_compression_level(png, 3);
    }
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.At(x, y);
            row[static_cast<std::size_t>(3 * x)] = static_cast<png_byte>(p >> 16);
            row[static_cast<std::size_t>(3 * x + 1)] = static_cast<png_byte>(p >> 8);
            row[static_cast<std::size_t>(3 * x + 2)] = static_cast<png_byte>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return e;
}

namespace {

// One picture as at most 256 colours: the colour map (a power of two long) and an index per pixel.
struct IndexedPicture {
    std::vector<GifColorType> colours;
    std::vector<GifByteType> indices;
};

bool IndexPicture(const RgbImage& image, IndexedPicture& out) {
    const std::size_t count = image.pixels.size();
    std::vector<GifByteType>& indices = out.indices;
    indices.assign(count, 0);
    std::vector<GifColorType>& colours = out.colours;
    colours.clear();

    // 1. An exact palette when there are at most 256 colours.
    std::map<std::uint32_t, int> palette;
    for (std::uint32_t p : image.pixels) {
        if (palette.size() > 256) break;
        palette.emplace(p, 0);
    }
    if (palette.size() <= 256) {
        int next = 0;
        for (auto& [rgb, index] : palette) {
            index = next++;
            colours.push_back({static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                               static_cast<GifByteType>(rgb)});
        }
        for (std::size_t i = 0; i < count; ++i) indices[i] = static_cast<GifByteType>(palette[image.pixels[i]]);
    } else {
        // 2. Otherwise white, black and the 16 standard pen colours and the most frequent other
        // colours (the fills) keep exact entries of their own at the end of the palette, and the
        // quantiser reduces the rest: the background stays pure white, pens and fills keep
        // their colours, only the shades of anti-aliased edges are approximated.
        constexpr std::size_t kFrequentKept = 32;
        std::map<std::uint32_t, int> exact;
        for (int i = 0; i < 16; ++i)
            exact.emplace(kPalette16[i], 0);
        std::unordered_map<std::uint32_t, std::size_t> histogram;
        for (std::uint32_t p : image.pixels)
            ++histogram[p];
        std::vector<std::pair<std::size_t, std::uint32_t>> byCount;
        for (const auto& [rgb, n] : histogram)
            if (!exact.contains(rgb)) byCount.emplace_back(n, rgb);
        const std::size_t kept = std::min(kFrequentKept, byCount.size());
        std::partial_sort(byCount.begin(), byCount.begin() + static_cast<std::ptrdiff_t>(kept), byCount.end(),
                          std::greater<>());
        for (std::size_t i = 0; i < kept; ++i)
            exact.emplace(byCount[i].second, 0);
        std::vector<GifByteType> r, g, b;
        for (std::uint32_t p : image.pixels)
            if (!exact.contains(p)) {
                r.push_back(static_cast<GifByteType>(p >> 16));
                g.push_back(static_cast<GifByteType>(p >> 8));
                b.push_back(static_cast<GifByteType>(p));
            }
        int size = 256 - static_cast<int>(exact.size());
        colours.resize(static_cast<std::size_t>(size));
        std::vector<GifByteType> quantised(r.size());
        if (GifQuantizeBuffer(static_cast<unsigned>(r.size()), 1, &size, r.data(), g.data(), b.data(),
                              quantised.data(), colours.data()) != GIF_OK)
            return false;
        colours.resize(static_cast<std::size_t>(size));
        for (auto& [rgb, index] : exact) {
            index = static_cast<int>(colours.size());
            colours.push_back({static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                               static_cast<GifByteType>(rgb)});
        }
        std::size_t next = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const auto found = exact.find(image.pixels[i]);
            indices[i] = static_cast<GifByteType>(found != exact.end() ? found->second : quantised[next++]);
        }
    }
    // The colour map's size must be a power of two.
    std::size_t mapSize = 2;
    while (mapSize < colours.size()) mapSize *= 2;
    colours.resize(mapSize, GifColorType{0, 0, 0});
    return true;
}

bool PutPicture(GifFileType* gif, const IndexedPicture& picture, int width, int height, bool localMap) {
    ColorMapObject* map =
        localMap ? GifMakeMapObject(static_cast<int>(picture.colours.size()), picture.colours.data()) : nullptr;
    if (localMap && !map) return false;
    bool ok = EGifPutImageDesc(gif, 0, 0, width, height, false, map) == GIF_OK;
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, const_cast<GifByteType*>(picture.indices.data()) + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                         width) == GIF_OK;
    if (map) GifFreeMapObject(map);
    return ok;
}

} // namespace

Encoded EncodeGif(const RgbImage& image) {
    if (!Valid(image)) return Invalid();
    IndexedPicture picture;
    if (!IndexPicture(image, picture)) return {{}, "GIF-Fehler: Die Farben lassen sich nicht verringern."};
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(picture.colours.size()), picture.colours.data());
    if (!map) return {{}, "GIF-Fehler: kein Speicher."};

    Encoded e;
    int error = 0;
    GifFileType* gif = EGifOpen(&e.bytes, GifWrite, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return {{}, std::string("GIF-Fehler: ") + GifErrorString(error)};
    }
    bool ok = EGifPutScreenDesc(gif, image.width, image.height, 8, 0, map) == GIF_OK &&
              PutPicture(gif, picture, image.width, image.height, false);
    if (!ok) error = gif->Error;
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    GifFreeMapObject(map);
    if (!ok) return {{}, std::string("GIF-Fehler: ") + GifErrorString(error)};
    return e;
}

struct GifAnimation::Impl {
    GifFileType* gif = nullptr;
    int width = 0, height = 0, delay = 4;
    std::string error;
};

GifAnimation::GifAnimation(int width, int height, int delayCentiseconds) : impl_(std::make_unique<Impl>()) {
    impl_->width = width, impl_->height = height, impl_->delay = std::clamp(delayCentiseconds, 2, 65535);
    int error = 0;
    impl_->gif = EGifOpen(&bytes_, GifWrite, &error);
    if (!impl_->gif) {
        impl_->error = std::string("GIF-Fehler: ") + GifErrorString(error);
        return;
    }
    EGifSetGifVersion(impl_->gif, true); // GIF89a: delays and the loop
    // No global colour map: each frame carries its own, as the still picture does.
    static const GifByteType kLoop[3] = {1, 0, 0}; // sub-block 1, repeat forever
    const bool ok = EGifPutScreenDesc(impl_->gif, width, height, 8, 0, nullptr) == GIF_OK &&
                    EGifPutExtensionLeader(impl_->gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
                    EGifPutExtensionBlock(impl_->gif, 11, "NETSCAPE2.0") == GIF_OK &&
                    EGifPutExtensionBlock(impl_->gif, 3, kLoop) == GIF_OK &&
                    EGifPutExtensionTrailer(impl_->gif) == GIF_OK;
    if (!ok) impl_->error = std::string("GIF-Fehler: ") + GifErrorString(impl_->gif->Error);
}

GifAnimation::~GifAnimation() {
    if (impl_->gif) {
        int error = 0;
        EGifCloseFile(impl_->gif, &error);
    }
}

bool GifAnimation::AddFrame(const RgbImage& image) {
    if (!impl_->error.empty()) return false;
    if (!Valid(image) || image.width != impl_->width || image.height != impl_->height) {
        impl_->error = "GIF-Fehler: Die Bilder der Animation sind nicht gleich groß.";
        return false;
    }
    IndexedPicture picture;
    if (!IndexPicture(image, picture)) {
        impl_->error = "GIF-Fehler: Die Farben lassen sich nicht verringern.";
        return false;
    }
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, impl_->delay, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(impl_->gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK ||
        !PutPicture(impl_->gif, picture, impl_->width, impl_->height, true)) {
        impl_->error = std::string("GIF-Fehler: ") + GifErrorString(impl_->gif->Error);
        return false;
    }
    ++frames_;
    return true;
}

Encoded GifAnimation::Finish() {
    if (impl_->gif) {
        int error = 0;
        const bool closed = EGifCloseFile(impl_->gif, &error) == GIF_OK;
        impl_->gif = nullptr;
        if (!closed && impl_->error.empty()) impl_->error = std::string("GIF-Fehler: ") + GifErrorString(error);
    }
    if (!impl_->error.empty()) return {{}, impl_->error};
    if (frames_ == 0) return {{}, "GIF-Fehler: Die Animation hat kein Bild."};
    return {std::move(bytes_), {}};
}

} // namespace trimora
