#include "output/picture_encoders.h"

#include "base/format.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <map>

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

} // namespace trimora
