// The GIF encoders (giflib): a still picture and the animation, frame by frame, each with an exact
// palette where it has at most 256 colours.
#include "output/picture_encoders.h"

#include <gif_lib.h>

#include <algorithm>
#include <functional>
#include <map>
#include <unordered_map>

namespace trimora {
namespace {

bool Valid(const RgbImage& image) {
    return image.width > 0 && image.height > 0 && image.width <= 65535 && image.height <= 65535 &&
           image.pixels.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

Encoded Invalid() { return {{}, "Das Bild hat eine ungültige Größe."}; }

int GifWrite(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}


} // namespace

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
            exact.emplace(StandardPalette16()[i], 0);
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

namespace {
std::string TooLarge(std::size_t maxBytes) {
    return "Die Animation wird zu groß: mehr als " + std::to_string(maxBytes >> 20) + " MB.";
}
} // namespace

struct GifAnimation::Impl {
    GifFileType* gif = nullptr;
    int width = 0, height = 0, delay = 4;
    std::string* bytes = nullptr;
    std::size_t maxBytes = 0;
    bool tooLarge = false;
    std::string error;
};

namespace {
int GifWriteLimited(GifFileType* gif, const GifByteType* data, int length) {
    auto* impl = static_cast<GifAnimation::Impl*>(gif->UserData);
    if (impl->bytes->size() + static_cast<std::size_t>(length) > impl->maxBytes) {
        impl->tooLarge = true;
        return 0;
    }
    impl->bytes->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}
} // namespace

GifAnimation::GifAnimation(int width, int height, int delayCentiseconds, std::size_t maxBytes)
    : impl_(std::make_unique<Impl>()) {
    impl_->width = width, impl_->height = height, impl_->delay = std::clamp(delayCentiseconds, 2, 65535);
    impl_->bytes = &bytes_, impl_->maxBytes = maxBytes;
    int error = 0;
    impl_->gif = EGifOpen(impl_.get(), GifWriteLimited, &error);
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
        impl_->error = impl_->tooLarge ? TooLarge(impl_->maxBytes)
                                       : std::string("GIF-Fehler: ") + GifErrorString(impl_->gif->Error);
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
        if (!closed && impl_->error.empty())
            impl_->error = impl_->tooLarge ? TooLarge(impl_->maxBytes) : std::string("GIF-Fehler: ") + GifErrorString(error);
    }
    if (!impl_->error.empty()) return {{}, impl_->error};
    if (frames_ == 0) return {{}, "GIF-Fehler: Die Animation hat kein Bild."};
    return {std::move(bytes_), {}};
}


} // namespace trimora
