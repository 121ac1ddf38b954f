// The built-in resources: zlib inflation, line splitting, code page conversion.
#include "base/resource.h"

#include "base/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace trimora {
namespace {

std::string ReadSourceFile(const std::string& relative) {
    std::ifstream in(std::string(TRIMORA_SOURCE_DIR) + "/" + relative, std::ios::binary);
    EXPECT_TRUE(in.good()) << relative;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A zlib stream built by hand from stored (uncompressed) deflate blocks, independent of zlib.
std::vector<unsigned char> StoredZlib(const std::string& data) {
    std::vector<unsigned char> out = {0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(data.size() - pos, 65535);
        const bool last = pos + n == data.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<unsigned char>(n & 0xFF));
        out.push_back(static_cast<unsigned char>(n >> 8));
        out.push_back(static_cast<unsigned char>(~n & 0xFF));
        out.push_back(static_cast<unsigned char>((~n >> 8) & 0xFF));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
                   data.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < data.size());
    std::uint32_t a = 1, b = 0; // Adler-32
    for (unsigned char c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    const std::uint32_t adler = (b << 16) | a;
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(adler >> shift));
    return out;
}

TEST(Resource, CatalogueInflatesToItsSourceFile) {
    const std::string source = ReadSourceFile("resources/xtrimora.txt");
    ASSERT_FALSE(source.empty());
    EXPECT_EQ(LoadResourceBytes("XTRIMORA"), source);
}

TEST(Resource, TopicsInflateToTheirSourceFile) {
    const std::string source = ReadSourceFile("resources/wtrimora.txt");
    ASSERT_FALSE(source.empty());
    EXPECT_EQ(LoadResourceBytes("WTRIMORA"), source);
}

TEST(Resource, SourceFilesAreWindows1252WithCrLf) {
    for (const char* file : {"resources/xtrimora.txt", "resources/wtrimora.txt"}) {
        const std::string text = ReadSourceFile(file);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << file;
        std::size_t lf = 0, crlf = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++lf;
                if (i > 0 && text[i - 1] == '\r') ++crlf;
            }
            if (text[i] == '\r') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << file << " at " << i;
            }
        }
        EXPECT_EQ(lf, crlf) << file;
        EXPECT_FALSE(IsValidUtf8(text)) << file << " holds UTF-8 umlauts instead of Windows-1252";
    }
    const std::string catalogue = ReadSourceFile("resources/xtrimora.txt");
    EXPECT_EQ(std::count(catalogue.begin(), catalogue.end(), '\n'), 507);
    EXPECT_NE(catalogue.find("L\xE9moine-Punkt\r\n"), std::string::npos);
}

TEST(Resource, LinesAreDecodedToUtf8) {
    const std::vector<std::string> lines = LoadResourceLines("XTRIMORA");
    ASSERT_EQ(lines.size(), 507u);
    EXPECT_EQ(lines[6], "Dreieck ausfüllen");
    EXPECT_EQ(lines[28], "Höhenfußpunkte");
    EXPECT_EQ(lines[478], "Bézier-Inparabeln");
    EXPECT_EQ(lines[506], "Antikomplementärlinien");
}

TEST(Resource, NameIsMatchedIgnoringCase) {
    EXPECT_EQ(LoadResourceBytes("xTrimora"), LoadResourceBytes("XTRIMORA"));
    EXPECT_EQ(LoadResourceLines("wtrimora"), LoadResourceLines("WTRIMORA"));
}

TEST(Resource, MissingResourceIsReported) {
    EXPECT_THROW(LoadResourceLines("ZTRIMORA"), ResourceError);
    EXPECT_THROW(LoadResourceBytes(""), ResourceError);
    EXPECT_THROW(LoadResourceBytes("XTRIMORA "), ResourceError);
    try {
        LoadResourceBytes("ZTRIMORA");
    } catch (const ResourceError& e) {
        EXPECT_NE(std::string(e.what()).find("ZTRIMORA"), std::string::npos);
    }
}

TEST(Inflate, HandBuiltStreams) {
    EXPECT_EQ(InflateZlib(StoredZlib(""), "T"), "");
    EXPECT_EQ(InflateZlib(StoredZlib("Punkt A\r\n"), "T"), "Punkt A\r\n");
    // Larger than one stored block and than the inflater's output buffer.
    std::string big;
    for (int i = 0; big.size() < 200000; ++i)
        big += std::to_string(i * 7919 % 1000003) + "\r\n";
    EXPECT_EQ(InflateZlib(StoredZlib(big), "T"), big);
}

TEST(Inflate, DamagedStreamsAreReported) {
    const std::vector<unsigned char> good = StoredZlib("Seite a\r\nSeite b\r\n");
    EXPECT_THROW(InflateZlib({}, "T"), ResourceError);

    std::vector<unsigned char> truncated(good.begin(), good.end() - 5);
    EXPECT_THROW(InflateZlib(truncated, "T"), ResourceError);

    std::vector<unsigned char> badChecksum = good;
    badChecksum.back() ^= 0x01;
    EXPECT_THROW(InflateZlib(badChecksum, "T"), ResourceError);

    std::vector<unsigned char> badHeader = good;
    badHeader[1] = 0x02; // header check bits no longer fit
    EXPECT_THROW(InflateZlib(badHeader, "T"), ResourceError);

    std::vector<unsigned char> trailing = good;
    trailing.push_back(0);
    EXPECT_THROW(InflateZlib(trailing, "T"), ResourceError);

    const std::vector<unsigned char> raw = {'P', 'u', 'n', 'k', 't'};
    EXPECT_THROW(InflateZlib(raw, "T"), ResourceError);
}

TEST(SplitLines, LineEnds) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n#\r\n"), (Lines{"a", "", "#"}));
    EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\rb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("1\r2\r#\r"), (Lines{"1", "2", "#"}));
}

} // namespace
} // namespace trimora
