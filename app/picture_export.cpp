#include "app/picture_export.h"

#include "app/qpainter_canvas.h"
#include "draw/document.h"
#include "paint/paint.h"
#include "output/emf_canvas.h"
#include "output/tikz_canvas.h"
#include "output/print_layout.h"
#include "output/savefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cmath>

namespace trimora {
namespace {

constexpr const char* kJobTitle = "Kalkora 2013";

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Picture pixels per world unit: 100 at a stretch factor of 1.
double PixelsPerUnit(const Document& doc) {
    return 100.0 * doc.view.stretchFactor;
}

// The number as SVG writes lengths: up to four decimals with a point, no trailing zeros.
QString SvgNumber(double v) {
    QString text = QString::number(v, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    return text;
}


QByteArray RenderPdf(Document& doc, int width, int height, double cmPerUnit) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle("Trimora");
    pdf.setCreator("Trimora");
    // Without a scale the page is given in points (72 per inch) and the picture is drawn at 96
    // pixels per inch. With one, the page is the picture's size on paper (the PDF rounds it to
    // whole points) and the figure is scaled from the centimetres, not from the rounded page.
    const double cm = cmPerUnit > 0 ? cmPerUnit / PixelsPerUnit(doc) : 0; // per picture pixel
    pdf.setResolution(cm > 0 ? 1200 : 96);
    const QSizeF page = cm > 0 ? QSizeF(width * cm * 10, height * cm * 10) : QSizeF(width, height);
    pdf.setPageSize(
        QPageSize(page, cm > 0 ? QPageSize::Millimeter : QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    const double scale = cm > 0 ? cm / 2.54 * pdf.resolution() : pdf.width() / static_cast<double>(width);
    painter.scale(scale, scale);
    PaintVector(painter, doc, width, height);
    painter.end();
    return bytes;
}

// Margins count from the paper's edge, less the unprintable border; the rows fill the printable
// height between them.
PageLayout LayoutFor(const QPrinter& printer) {
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    return ComputePageLayout(printer.logicalDpiX(), printer.logicalDpiY(), page.left() - paper.left(),
                             page.top() - paper.top(), paper.bottom() - page.bottom(), page.height());
}

} // namespace

void PaintVector(QPainter& painter, Document& doc, int width, int height) {
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    QPainterCanvas canvas(painter, width, height, true);
    canvas.SetFont("Verdana", 10);
    canvas.SetBrushStyle(BrushStyle::Clear);
    PaintDocument(doc, canvas, false);
}

QStringList PictureFilters() {
    return {"Abbildung (*.bmp)",     "Abbildung,16 Farben (*.bmp)", "Abbildung (*.jpg)",
            "GIF-Abbildung (*.gif)", "PNG-Grafik (*.png)",          "Vektorgrafik (*.wmf)",
            "SVG-Vektorgrafik (*.svg)", "PDF-Dokument (*.pdf)",          "TikZ für LaTeX (*.tex)"};
}

QString PictureSuffix(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp:
    case PictureFormat::Bmp16: return "bmp";
    case PictureFormat::Jpeg: return "jpg";
    case PictureFormat::Gif: return "gif";
    case PictureFormat::Png: return "png";
    case PictureFormat::Wmf: return "wmf";
    case PictureFormat::Svg: return "svg";
    case PictureFormat::Pdf: return "pdf";
    case PictureFormat::Tex: return "tex";
    }
    return "gif";
}

bool PictureFormatFromPath(const QString& path, bool bmp16, PictureFormat& format) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == "bmp") format = bmp16 ? PictureFormat::Bmp16 : PictureFormat::Bmp;
    else if (ext == "jpg" || ext == "jpeg") format = PictureFormat::Jpeg;
    else if (ext == "gif") format = PictureFormat::Gif;
    else if (ext == "png") format = PictureFormat::Png;
    else if (ext == "wmf" || ext == "emf") format = PictureFormat::Wmf;
    else if (ext == "svg") format = PictureFormat::Svg;
    else if (ext == "pdf") format = PictureFormat::Pdf;
    else if (ext == "tex") format = PictureFormat::Tex;
    else return false;
    return true;
}

RgbImage ToRgbImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    RgbImage out;
    out.width = image.width();
    out.height = image.height();
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x)
            out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) + static_cast<std::size_t>(x)] =
                line[x] & 0xFFFFFFu;
    }
    return out;
}

bool IsRasterFormat(PictureFormat format) {
    return format != PictureFormat::Wmf && format != PictureFormat::Svg && format != PictureFormat::Pdf &&
           format != PictureFormat::Tex;
}

QImage RenderImage(Document& doc, int width, int height, int dpi) {
    const int w = static_cast<int>(ScaledPictureSide(width, dpi)),
              h = static_cast<int>(ScaledPictureSide(height, dpi));
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // The figure is drawn anew at the finer resolution: pens and fonts grow with it.
    painter.scale(w / static_cast<double>(width), h / static_cast<double>(height));
    QPainterCanvas canvas(painter, width, height, true);
    PaintDocument(doc, canvas, false);
    return image;
}

QByteArray RenderSvg(Document& doc, int width, int height, double cmPerUnit) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    const double ppu = PixelsPerUnit(doc);
    // With a scale the view box counts world units, so that one unit is cmPerUnit on paper.
    if (cmPerUnit > 0)
        svg.setViewBox(QRectF(0, 0, width / ppu, height / ppu));
    else
        svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(96);
    svg.setTitle("Trimora");
    QPainter painter(&svg);
    if (cmPerUnit > 0) painter.scale(1 / ppu, 1 / ppu);
    PaintVector(painter, doc, width, height);
    painter.end();
    if (cmPerUnit > 0) {
        // The generator gives the size in whole millimetres of its integer resolution; the exact one
        // in centimetres replaces it.
        const qsizetype open = bytes.indexOf("<svg");
        const qsizetype close = open < 0 ? -1 : bytes.indexOf('>', open);
        if (close > open) {
            QString head = QString::fromUtf8(bytes.mid(open, close - open));
            head.replace(QRegularExpression(R"(\bwidth="[^"]*")"),
                         QString("width=\"%1cm\"").arg(SvgNumber(width / ppu * cmPerUnit)));
            head.replace(QRegularExpression(R"(\bheight="[^"]*")"),
                         QString("height=\"%1cm\"").arg(SvgNumber(height / ppu * cmPerUnit)));
            bytes.replace(open, close - open, head.toUtf8());
        }
    }
    return bytes;
}

Encoded EncodePicture(Document& doc, int width, int height, PictureFormat format, PictureScale scale) {
    if (width <= 0 || height <= 0) return {{}, "Die Abbildung hat keine Fläche."};
    switch (format) {
    case PictureFormat::Wmf:
        return RenderMetafile(width, height, [&](Canvas& canvas) { PaintDocument(doc, canvas, false); });
    case PictureFormat::Svg: {
        const QByteArray b = RenderSvg(doc, width, height, scale.cmPerUnit);
        return {b.toStdString(), {}};
    }
    case PictureFormat::Pdf: {
        const QByteArray b = RenderPdf(doc, width, height, scale.cmPerUnit);
        return {b.toStdString(), {}};
    }
    case PictureFormat::Tex:
        return {EncodeTikz(doc, width, height, {scale.cmPerUnit > 0 ? scale.cmPerUnit : 1, scale.tikzBodyOnly}), {}};
    default: break;
    }
    const RgbImage image = ToRgbImage(RenderImage(doc, width, height, scale.dpi));
    switch (format) {
    case PictureFormat::Bmp: return EncodeBmp24(image);
    case PictureFormat::Bmp16: return EncodeBmp16Colours(image);
    case PictureFormat::Jpeg: return EncodeJpeg(image, 100);
    case PictureFormat::Gif: return EncodeGif(image);
    default: return EncodePng(image);
    }
}

QString ExportPicture(Document& doc, int width, int height, PictureFormat format, const std::string& path,
                      PictureScale scale, SpecialFiles special) {
    if (scale.dpi < kMinExportDpi || scale.dpi > kMaxExportDpi || !std::isfinite(scale.cmPerUnit) ||
        scale.cmPerUnit < 0 || scale.cmPerUnit > 1000)
        return "Ungültige Auflösung oder ungültiger Maßstab der Abbildung.";
    if (!IsRasterFormat(format)) scale.dpi = 96;
    const long long w = ScaledPictureSide(width, scale.dpi), h = ScaledPictureSide(height, scale.dpi);
    if (width < 1 || height < 1 || w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels)
        return "Die Abbildung ist zu groß (höchstens 16384 Pixel je Seite und 64 Millionen Pixel).";
    if (format == PictureFormat::Svg || format == PictureFormat::Pdf) {
        const std::string page = CheckPageSize(
            width, height,
            PagePointsPerPixel(format == PictureFormat::Pdf, doc.view.stretchFactor, scale.cmPerUnit));
        if (!page.empty()) return Q(page);
    }
    try {
        const Encoded e = EncodePicture(doc, width, height, format, scale);
        if (!e.ok()) return Q(e.error);
        return Q(WriteFileAtomically(path, e.bytes, special));
    } catch (const std::bad_alloc&) {
        return "Nicht genug Arbeitsspeicher für diese Abbildung.";
    }
}

QString ResultsText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + "\r\n";
    return text;
}

int ResultsPageCount(QPrinter& printer, int lines, bool twoColumns) {
    const PageLayout l = LayoutFor(printer);
    return twoColumns ? TwoColumnPages(lines, l.linesPerPage) : SingleColumnPages(lines, l.linesPerPage);
}

namespace {

// The printed rows of the results: laid out in columns of the page's (or half the page's) width,
// long labels and values wrapped onto rows of their own. `x` gets the fields' starts.
std::vector<std::string> PrintedRows(QPrinter& printer, const QStringList& lines, bool twoColumns,
                                     const QFontMetrics& metrics, std::vector<int>& x) {
    const PageLayout l = LayoutFor(printer);
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    const int available = twoColumns ? (page.width() - l.leftMargin) / 2 - metrics.averageCharWidth() * 2
                                     : page.width() - l.leftMargin - metrics.averageCharWidth();
    std::vector<std::string> prepared;
    prepared.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) prepared.push_back(PrepareLine(line.toStdString()));
    auto width = [&](std::string_view f) {
        return metrics.horizontalAdvance(QString::fromUtf8(f.data(), static_cast<qsizetype>(f.size())));
    };
    x = ColumnPositionsWithin(prepared, available, width);
    return WrapToColumn(prepared, x, available, width);
}

QFont PrintFont() {
    QFont font("Verdana");
    font.setPointSize(9);
    font.setStyleStrategy(QFont::PreferNoShaping); // no "fl" ligatures: a printed PDF stays searchable
    return font;
}

} // namespace

int ResultsPageCount(QPrinter& printer, const QStringList& lines, bool twoColumns) {
    std::vector<int> x;
    const QFontMetrics metrics(PrintFont(), &printer);
    return ResultsPageCount(printer, static_cast<int>(PrintedRows(printer, lines, twoColumns, metrics, x).size()),
                            twoColumns);
}

void PrintResults(QPrinter& printer, const QStringList& lines, bool twoColumns, int firstPage, int lastPage) {
    printer.setDocName(kJobTitle);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // The painter's origin is the printable area's corner.
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    const PageLayout l = LayoutFor(printer);
    const QFont font = PrintFont();
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(font, &printer);
    std::vector<int> x;
    const std::vector<std::string> prepared = PrintedRows(printer, lines, twoColumns, metrics, x);

    auto printLine = [&](const std::string& line, int row, int offsetX) {
        if (line.empty()) return;
        const std::vector<std::string> fields = SplitFields(line);
        for (std::size_t k = 0; k < fields.size() && k < x.size(); ++k) {
            if (fields[k].empty()) continue;
            painter.drawText(QPoint(x[k] + offsetX, row * l.lineHeight + l.topMargin + metrics.ascent()), Q(fields[k]));
        }
    };
    const int perPage = twoColumns ? 2 * l.linesPerPage : l.linesPerPage;
    const int rightHalf = l.leftMargin + (page.width() - l.leftMargin) / 2;
    firstPage = std::max(1, firstPage);
    for (int p = firstPage; p <= lastPage; ++p) {
        if (p != firstPage) printer.newPage();
        const int start = (p - 1) * perPage;
        for (int i = 0; i < perPage && start + i < static_cast<int>(prepared.size()); ++i) {
            const bool right = twoColumns && i >= l.linesPerPage;
            printLine(prepared[static_cast<std::size_t>(start + i)], right ? i - l.linesPerPage : i,
                      right ? rightHalf : l.leftMargin);
        }
    }
    painter.end();
}

double BitmapPrintScale(int imageWidth, int dpi, int available) {
    double scale = dpi / 60.0;
    // Each step takes 0.02 off; a scale that runs out becomes 1.
    while (imageWidth * scale > available && scale > 0) scale -= 0.02;
    if (scale <= 0) scale = 1;
    return scale;
}

void PrintBitmap(QPrinter& printer, const QImage& image) {
    if (image.isNull() || image.width() == 0) return;
    // A high-density screen's picture prints at the size of the drawing area, with all its pixels.
    const QSizeF size = image.deviceIndependentSize();
    printer.setDocName(kJobTitle);
    printer.setPageOrientation(QPageLayout::Portrait);
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    if (paper.width() <= 0) return; // no printer
    const int dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
    auto dots = [](double mm, int dpi) { return static_cast<int>(std::nearbyint(mm * dpi / 25.4)); };
    const int left = std::max(0, dots(25, dpiX) - (page.left() - paper.left()));
    const int right = std::max(0, dots(15, dpiX) - (paper.right() - page.right()));
    const int top = std::max(0, dots(10, dpiY) - (page.top() - paper.top()));
    const double sx = BitmapPrintScale(qRound(size.width()), dpiX, page.width() - left - right);
    const double sy = sx * dpiY / static_cast<double>(std::max(1, dpiX));
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect target(left, top, static_cast<int>(std::nearbyint(size.width() * sx)),
                       static_cast<int>(std::nearbyint(size.height() * sy)));
    painter.drawImage(target, image);
    painter.end();
}

void PrintVector(QPrinter& printer, Document& doc, int width, int height) {
    if (width <= 0 || height <= 0) return;
    printer.setDocName(kJobTitle);
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    if (page.width() <= 40) return; // no printer, or no room
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // The picture stretched over the page's width between 20-dot borders; what runs outside the
    // picture is clipped away instead of being covered by white strips.
    const int h = static_cast<int>(std::nearbyint((page.width() - 20.0) / width * height));
    const QRect target(20, 20, page.width() - 40, std::max(1, h - 20));
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(target.width() / static_cast<double>(width), target.height() / static_cast<double>(height));
    QPainterCanvas canvas(painter, width, height, true);
    canvas.SetFont("Verdana", 10);
    canvas.SetBrushStyle(BrushStyle::Clear);
    PaintDocument(doc, canvas, false);
    painter.end();
}

} // namespace trimora
