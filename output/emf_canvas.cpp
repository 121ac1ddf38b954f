#include "output/emf_canvas.h"

#include <cmath> // before the platform headers, whose min and max are macros

#include <libEMF/emf.h>
// The platform headers name their text functions by macro; our canvas has a TextOut of its own.
#undef TextOut

#include <string>
#include <vector>

namespace trimora {
namespace {

COLORREF Ref(Color c) { return RGB(c.r, c.g, c.b); }

HBRUSH Hatched(LONG hatch, Color c) {
    LOGBRUSH lb{};
    lb.lbStyle = BS_HATCHED;
    lb.lbColor = Ref(c);
    lb.lbHatch = static_cast<decltype(lb.lbHatch)>(hatch);
    return CreateBrushIndirect(&lb);
}

// UTF-8 -> UTF-16 code units (invalid sequences become U+FFFD).
std::vector<WCHAR> ToUtf16(std::string_view s) {
    std::vector<WCHAR> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        std::size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 6 && i + 1 < s.size()) {
            cp = ((c & 0x1F) << 6) | (s[i + 1] & 0x3F), len = 2;
        } else if ((c >> 4) == 14 && i + 2 < s.size()) {
            cp = ((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F), len = 3;
        } else if ((c >> 3) == 30 && i + 3 < s.size()) {
            cp = ((c & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) | (s[i + 3] & 0x3F), len = 4;
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<WCHAR>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<WCHAR>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<WCHAR>(cp));
        }
    }
    return out;
}

} // namespace

struct EmfCanvas::Impl {
    std::FILE* file = nullptr;
    HDC dc = 0;
    HPEN pen = 0;
    HBRUSH brush = 0;
    HFONT font = 0;
    Pen selectedPen;
    Brush selectedBrush;
    Font selectedFont;
    bool anySelected = false;
    bool fontSelected = false;
};

EmfCanvas::EmfCanvas(int width, int height) : Canvas(width, height), impl_(std::make_unique<Impl>()) {
    impl_->file = std::tmpfile();
    if (!impl_->file) return;
    // The frame in hundredths of a millimetre, at 96 pixels per inch.
    RECT frame{0, 0, static_cast<LONG>(width * 2540L / 96), static_cast<LONG>(height * 2540L / 96)};
    const std::vector<WCHAR> description = ToUtf16(std::string("Trimora") + '\0' + "Abbildung" + '\0' + '\0');
    impl_->dc = CreateEnhMetaFileWithFILEW(0, impl_->file, &frame, description.data());
    if (!impl_->dc) return;
    // The header names libEMF's reference device, 1024 x 768 pixels on 320 x 240 millimetres, and
    // readers turn device units into millimetres through it: drawn in its pixels, the picture came
    // out 1.18 times too large and cut off. The picture's pixels are mapped onto the frame instead.
    constexpr double kDevicePixelsPerMm = 1024.0 / 320.0;
    constexpr double kMmPerPixel = 25.4 / 96;
    SetMapMode(impl_->dc, MM_ANISOTROPIC);
    SetWindowExtEx(impl_->dc, width, height, nullptr);
    SetViewportExtEx(impl_->dc, static_cast<INT>(std::lround(width * kMmPerPixel * kDevicePixelsPerMm)),
                     static_cast<INT>(std::lround(height * kMmPerPixel * kDevicePixelsPerMm)), nullptr);
}

EmfCanvas::~EmfCanvas() {
    if (impl_->dc) {
        if (HENHMETAFILE mf = CloseEnhMetaFileWithFILE(impl_->dc)) DeleteEnhMetaFile(mf);
    }
    for (HGDIOBJ o : {static_cast<HGDIOBJ>(impl_->pen), static_cast<HGDIOBJ>(impl_->brush), static_cast<HGDIOBJ>(impl_->font)})
        if (o) DeleteObject(o);
    if (impl_->file) std::fclose(impl_->file);
}

// Brings the metafile's pen, brush and font in line with the canvas state.
void EmfCanvas::Select() {
    Impl& m = *impl_;
    if (!m.dc) return;
    if (!m.anySelected || CurrentPen() != m.selectedPen) {
        const Pen& p = CurrentPen();
        const int style = p.style == PenStyle::Clear ? PS_NULL : p.style == PenStyle::Dot ? PS_DOT : PS_SOLID;
        HPEN pen = CreatePen(style, p.width, Ref(p.color));
        SelectObject(m.dc, pen);
        if (m.pen) DeleteObject(m.pen);
        m.pen = pen;
        m.selectedPen = p;
    }
    if (!m.anySelected || CurrentBrush() != m.selectedBrush) {
        const Brush& b = CurrentBrush();
        HBRUSH brush = 0;
        switch (b.style) {
        case BrushStyle::Solid: brush = CreateSolidBrush(Ref(b.color)); break;
        case BrushStyle::Clear: brush = 0; break;
        case BrushStyle::BDiagonal: brush = Hatched(HS_BDIAGONAL, b.color); break;
        case BrushStyle::FDiagonal: brush = Hatched(HS_FDIAGONAL, b.color); break;
        case BrushStyle::Horizontal: brush = Hatched(HS_HORIZONTAL, b.color); break;
        }
        SelectObject(m.dc, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
        if (m.brush) DeleteObject(m.brush);
        m.brush = brush;
        m.selectedBrush = b;
    }
    m.anySelected = true;
}

void EmfCanvas::MoveTo(int x, int y) {
    if (impl_->dc) MoveToEx(impl_->dc, x, y, nullptr);
}

void EmfCanvas::LineTo(int x, int y) {
    Select();
    if (impl_->dc) ::LineTo(impl_->dc, x, y);
}

void EmfCanvas::Ellipse(int left, int top, int right, int bottom) {
    Select();
    if (impl_->dc) ::Ellipse(impl_->dc, left, top, right, bottom);
}

void EmfCanvas::Polygon(std::span<const IntPoint> points) {
    Select();
    if (!impl_->dc || points.empty()) return;
    std::vector<POINT> p;
    p.reserve(points.size());
    for (const IntPoint& q : points) p.push_back({q.x, q.y});
    ::Polygon(impl_->dc, p.data(), static_cast<INT>(p.size()));
}

void EmfCanvas::Rectangle(int left, int top, int right, int bottom) {
    Select();
    if (impl_->dc) ::Rectangle(impl_->dc, left, top, right, bottom);
}

void EmfCanvas::TextOut(int x, int y, std::string_view text) {
    Impl& m = *impl_;
    if (!m.dc) return;
    Select();
    if (!m.fontSelected || CurrentFont() != m.selectedFont) {
        const Font& f = CurrentFont();
        const std::vector<WCHAR> face = ToUtf16(f.name + '\0');
        // A negative height asks for the character height: points at 96 pixels per inch.
        HFONT font = CreateFontW(-(f.pointSize * 96 + 36) / 72, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                 face.data());
        SelectObject(m.dc, font);
        if (m.font) DeleteObject(m.font);
        m.font = font;
        m.selectedFont = f;
        m.fontSelected = true;
    }
    SetTextColor(m.dc, RGB(0, 0, 0));
    if (CurrentBrush().style == BrushStyle::Clear) {
        SetBkMode(m.dc, TRANSPARENT);
    } else {
        SetBkMode(m.dc, OPAQUE);
        SetBkColor(m.dc, Ref(CurrentBrush().color));
    }
    const std::vector<WCHAR> wide = ToUtf16(text);
    TextOutW(m.dc, x, y, wide.data(), static_cast<INT>(wide.size()));
}

Encoded EmfCanvas::Finish() {
    Impl& m = *impl_;
    if (!m.file || !m.dc) return {{}, "Die Vektorgrafik kann nicht angelegt werden."};
    HENHMETAFILE mf = CloseEnhMetaFileWithFILE(m.dc);
    m.dc = 0;
    if (!mf) return {{}, "Die Vektorgrafik kann nicht geschrieben werden."};
    DeleteEnhMetaFile(mf);
    Encoded e;
    if (std::fflush(m.file) != 0 || std::fseek(m.file, 0, SEEK_SET) != 0)
        return {{}, "Die Vektorgrafik kann nicht gelesen werden."};
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, m.file)) > 0) e.bytes.append(buffer, n);
    if (std::ferror(m.file)) return {{}, "Die Vektorgrafik kann nicht gelesen werden."};
    return e;
}

} // namespace trimora
