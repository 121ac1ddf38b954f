// Picture encoders and the metafile canvas, read back by the libraries' own decoders.
#include "output/emf_canvas.h"
#include "output/picture_encoders.h"
#include "output/savefile.h"

#include <gtest/gtest.h>

#include <gif_lib.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <jpeglib.h>

namespace trimora {
namespace {

// A small picture with a few colours, like the drawing: white ground, a grey fill, coloured lines.
RgbImage TestPicture(int w = 37, int h = 23) {
    RgbImage img{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), 0xFFFFFF)};
    for (int y = 5; y < 18; ++y)
        for (int x = 4; x < 30; ++x) img.pixels[static_cast<std::size_t>(y * w + x)] = 0xF0F0F0;
    for (int x = 0; x < w; ++x) img.pixels[static_cast<std::size_t>(10 * w + x)] = 0xFF0000;
    for (int y = 0; y < h; ++y) img.pixels[static_cast<std::size_t>(y * w + 7)] = 0x0000FF;
    img.pixels[0] = 0xFFFF00;
    return img;
}

std::uint32_t U32(const std::string& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
    std::uint16_t v;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}

TEST(PictureEncoders, Bmp24And16Colours) {
    const RgbImage img = TestPicture();
    const Encoded e = EncodeBmp24(img);
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(e.bytes.substr(0, 2), "BM");
    EXPECT_EQ(U32(e.bytes, 2), e.bytes.size());
    EXPECT_EQ(U16(e.bytes, 28), 24);
    const std::uint32_t offset = U32(e.bytes, 10), row = (37 * 3 + 3) & ~3u;
    // The bottom row comes first; pixel (0, 0) is the first of the last row: yellow as B, G, R.
    const std::size_t topLeft = offset + row * 22;
    EXPECT_EQ(static_cast<unsigned char>(e.bytes[topLeft]), 0x00);
    EXPECT_EQ(static_cast<unsigned char>(e.bytes[topLeft + 1]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(e.bytes[topLeft + 2]), 0xFF);

    const Encoded f = EncodeBmp16Colours(img);
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(U16(f.bytes, 28), 4);      // bits per pixel
    EXPECT_EQ(U32(f.bytes, 46), 16u);    // palette entries
    EXPECT_EQ(U32(f.bytes, 10), 14u + 40u + 64u);
    const std::uint32_t row4 = ((37 + 1) / 2 + 3) & ~3u;
    EXPECT_EQ(f.bytes.size(), 14u + 40u + 64u + row4 * 23u);
    // Yellow is palette colour 11, white 15; the light grey fill maps to white, the nearest.
    const std::size_t top = 118 + row4 * 22;
    EXPECT_EQ(static_cast<unsigned char>(f.bytes[top]), 0xBF);
    EXPECT_EQ(static_cast<unsigned char>(f.bytes[118 + row4 * (22 - 6) + 3]) >> 4, 15); // x = 6, y = 6
}

TEST(PictureEncoders, PngDecodesToTheSamePixels) {
    const RgbImage img = TestPicture();
    const Encoded e = EncodePng(img);
    ASSERT_TRUE(e.ok());
    png_image decoded{};
    decoded.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&decoded, e.bytes.data(), e.bytes.size()));
    decoded.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> buf(PNG_IMAGE_SIZE(decoded));
    ASSERT_TRUE(png_image_finish_read(&decoded, nullptr, buf.data(), 0, nullptr));
    ASSERT_EQ(decoded.width, 37u);
    ASSERT_EQ(decoded.height, 23u);
    for (std::size_t i = 0; i < img.pixels.size(); ++i)
        ASSERT_EQ((buf[3 * i] << 16) | (buf[3 * i + 1] << 8) | buf[3 * i + 2], img.pixels[i]) << i;
}

int ReadFromString(GifFileType* gif, GifByteType* out, int n) {
    auto* src = static_cast<std::pair<const std::string*, std::size_t>*>(gif->UserData);
    const int take = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(n), src->first->size() - src->second));
    std::memcpy(out, src->first->data() + src->second, static_cast<std::size_t>(take));
    src->second += static_cast<std::size_t>(take);
    return take;
}

std::vector<std::uint32_t> DecodeGif(const std::string& bytes, int& w, int& h) {
    std::pair<const std::string*, std::size_t> src{&bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&src, ReadFromString, &error);
    EXPECT_NE(gif, nullptr);
    if (!gif) return {};
    EXPECT_EQ(DGifSlurp(gif), GIF_OK);
    w = gif->SWidth;
    h = gif->SHeight;
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w * h));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const GifColorType c = map->Colors[frame.RasterBits[i]];
        out[i] = (static_cast<std::uint32_t>(c.Red) << 16) | (c.Green << 8) | c.Blue;
    }
    DGifCloseFile(gif, &error);
    return out;
}

TEST(PictureEncoders, GifKeepsExactColoursAndQuantisesRichPictures) {
    const RgbImage img = TestPicture();
    const Encoded e = EncodeGif(img);
    ASSERT_TRUE(e.ok());
    int w = 0, h = 0;
    EXPECT_EQ(DecodeGif(e.bytes, w, h), img.pixels);
    EXPECT_EQ(w, 37);

    // 300 colours: quantised to at most 256, still close to the original.
    RgbImage rich{30, 10, {}};
    for (std::uint32_t i = 0; i < 300; ++i)
        rich.pixels.push_back(((i * 7) % 256) << 16 | ((i * 13) % 256) << 8 | (i * 29) % 256);
    const Encoded q = EncodeGif(rich);
    ASSERT_TRUE(q.ok());
    const auto back = DecodeGif(q.bytes, w, h);
    ASSERT_EQ(back.size(), 300u);
    // The quantiser works on 5 bits a channel: each channel stays within a few steps of 8.
    for (std::size_t i = 0; i < back.size(); ++i)
        for (int shift : {16, 8, 0})
            EXPECT_NEAR(static_cast<int>((back[i] >> shift) & 0xFF), static_cast<int>((rich.pixels[i] >> shift) & 0xFF), 40);
}

TEST(PictureEncoders, GifQuantisingKeepsWhiteBlackThePenColoursAndTheFillsExact) {
    // An anti-aliased picture: 400 light shades, the 16 standard colours, a light grey fill and
    // white. The quantiser alone would merge white and the fill with the shades around them.
    RgbImage img{40, 30, {}};
    for (std::uint32_t i = 0; i < 400; ++i)
        img.pixels.push_back(0xE0E0E0 + (i % 32) + ((i / 32) << 8));
    for (int c = 0; c < 16; ++c)
        img.pixels.push_back(StandardPalette16()[c]);
    img.pixels.resize(800, 0xF0F0F0);
    img.pixels.resize(1200, 0xFFFFFF);
    const Encoded e = EncodeGif(img);
    ASSERT_TRUE(e.ok());
    int w = 0, h = 0;
    const auto back = DecodeGif(e.bytes, w, h);
    ASSERT_EQ(back.size(), img.pixels.size());
    for (std::size_t i = 400; i < back.size(); ++i)
        EXPECT_EQ(back[i], img.pixels[i]) << i;
}

TEST(PictureEncoders, JpegIsBaselineWithTheRightSize) {
    const RgbImage img = TestPicture(64, 48);
    const Encoded e = EncodeJpeg(img, 100);
    ASSERT_TRUE(e.ok());
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(e.bytes.data()), static_cast<unsigned long>(e.bytes.size()));
    ASSERT_EQ(jpeg_read_header(&cinfo, TRUE), JPEG_HEADER_OK);
    EXPECT_EQ(cinfo.image_width, 64u);
    EXPECT_EQ(cinfo.image_height, 48u);
    EXPECT_FALSE(cinfo.progressive_mode);
    EXPECT_EQ(cinfo.num_components, 3);
    jpeg_destroy_decompress(&cinfo);
    // The baseline frame marker SOF0.
    EXPECT_NE(e.bytes.find("\xFF\xC0"), std::string::npos);
}

TEST(PictureEncoders, EmptyPicturesAreRefused) {
    const RgbImage empty;
    EXPECT_FALSE(EncodePng(empty).ok());
    EXPECT_FALSE(EncodeGif(empty).ok());
    EXPECT_FALSE(EncodeJpeg(empty).ok());
    EXPECT_FALSE(EncodeBmp24(empty).ok());
}

TEST(Metafile, HeaderRecordsAndUmlauts) {
    const Encoded e = RenderMetafile(200, 100, [](Canvas& c) {
        c.SetPenColor(kRed);
        c.Ellipse(10, 10, 50, 50);
        c.MoveTo(0, 0);
        c.LineTo(100, 50);
        c.SetBrushStyle(BrushStyle::BDiagonal);
        const IntPoint tri[3] = {{1, 1}, {20, 1}, {1, 20}};
        c.Polygon(tri);
        c.SetBrushStyle(BrushStyle::Clear);
        c.TextOut(5, 5, "Höhe ä");
    });
    ASSERT_TRUE(e.ok()) << e.error;
    ASSERT_GE(e.bytes.size(), 88u);
    EXPECT_EQ(U32(e.bytes, 0), 1u);          // EMR_HEADER
    EXPECT_EQ(e.bytes.substr(40, 4), " EMF"); // signature
    EXPECT_EQ(U32(e.bytes, 48), e.bytes.size());
    // Walk the records: the ellipse, the line, the polygon and the text are there.
    std::set<std::uint32_t> kinds;
    for (std::size_t at = 0; at + 8 <= e.bytes.size();) {
        const std::uint32_t type = U32(e.bytes, at), size = U32(e.bytes, at + 4);
        ASSERT_GE(size, 8u);
        kinds.insert(type);
        at += size;
    }
    for (std::uint32_t k : {42u /* ellipse */, 54u /* line to */, 3u /* polygon16 */, 84u /* text */, 14u /* eof */})
        EXPECT_TRUE(kinds.count(k) || (k == 3u && kinds.count(86u)) || (k == 3u && kinds.count(4u))) << k;
    // "ä" as the UTF-16 code unit 0x00E4.
    EXPECT_NE(e.bytes.find(std::string("\xE4\x00", 2)), std::string::npos);
}

// A reader places the drawing by the header's reference device and the mapping records: the
// picture's far corner must land on the frame's, on the millimetre.
TEST(Metafile, TheDrawingFillsItsFrame) {
    const int width = 821, height = 660;
    const Encoded e = RenderMetafile(width, height, [](Canvas&) {});
    ASSERT_TRUE(e.ok()) << e.error;
    auto i32 = [&](std::size_t at) { return static_cast<std::int32_t>(U32(e.bytes, at)); };
    const double frameRight = i32(32) / 100.0, frameBottom = i32(36) / 100.0; // rclFrame, 0.01 mm
    const double devicePixelsX = i32(72), devicePixelsY = i32(76), deviceMmX = i32(80), deviceMmY = i32(84);
    double windowX = 1, windowY = 1, viewportX = 1, viewportY = 1; // MM_TEXT: one to one
    int mapMode = 1;
    for (std::size_t at = 0; at + 8 <= e.bytes.size();) {
        const std::uint32_t type = U32(e.bytes, at), size = U32(e.bytes, at + 4);
        ASSERT_GE(size, 8u);
        if (type == 17) mapMode = i32(at + 8);                              // EMR_SETMAPMODE
        if (type == 9) windowX = i32(at + 8), windowY = i32(at + 12);      // EMR_SETWINDOWEXTEX
        if (type == 11) viewportX = i32(at + 8), viewportY = i32(at + 12); // EMR_SETVIEWPORTEXTEX
        at += size;
    }
    EXPECT_EQ(mapMode, 8); // MM_ANISOTROPIC
    const double cornerX = width * viewportX / windowX * deviceMmX / devicePixelsX;
    const double cornerY = height * viewportY / windowY * deviceMmY / devicePixelsY;
    EXPECT_NEAR(cornerX, frameRight, 0.5);
    EXPECT_NEAR(cornerY, frameBottom, 0.5);
    EXPECT_NEAR(frameRight, width * 25.4 / 96, 0.5);
}

} // namespace
} // namespace trimora
