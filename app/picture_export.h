// Saving, copying and printing the picture and the results: the platform side (Qt's SVG, PDF,
// clipboard and printer) around the encoders and layouts of the core.
#pragma once

#include "output/picture_encoders.h"
#include "output/savefile.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <string>

class QPainter;
class QPrinter;

namespace trimora {

struct Document;

// The file formats of "Abbildung speichern", by their place in the dialog's filter list.
enum class PictureFormat { Bmp = 1, Bmp16 = 2, Jpeg = 3, Gif = 4, Png = 5, Wmf = 6, Svg = 7, Pdf = 8, Tex = 9 };
inline constexpr int kPictureFormats = 9;

// The dialog's filters in order, and the suffix of each.
QStringList PictureFilters();
QString PictureSuffix(PictureFormat format);
// From a file name's extension ("bmp", "jpg", "gif", "png", "wmf", "svg", "pdf"); false if none fits.
bool PictureFormatFromPath(const QString& path, bool bmp16, PictureFormat& format);

RgbImage ToRgbImage(const QImage& image);

// How large the picture comes out: raster formats at `dpi` (96 is one image pixel per pixel of
// the drawing area; more draws the same figure with more pixels), SVG and PDF with one world unit
// `cmPerUnit` centimetres long on paper (0: 96 pixels per inch, as on the screen).
struct PictureScale {
    int dpi = 96;
    double cmPerUnit = 0;
    bool tikzBodyOnly = false; // TikZ: the tikzpicture alone, for \input
};
bool IsRasterFormat(PictureFormat format);

// The picture of a width x height drawing area drawn anew in the given format.
Encoded EncodePicture(Document& doc, int width, int height, PictureFormat format, PictureScale scale = {});
// ... and written to `path` (bytes, as the file system names the file: QFile::encodeName) through
// a temporary file; returns a German message on failure.
QString ExportPicture(Document& doc, int width, int height, PictureFormat format, const std::string& path,
                      PictureScale scale = {}, SpecialFiles special = SpecialFiles::Refuse);

// The picture as vectors on a painter, in the drawing area's pixels, over a white background.
void PaintVector(QPainter& painter, Document& doc, int width, int height);

// The raster picture at `dpi`, and the vector graphic (for the clipboard without a scale).
QImage RenderImage(Document& doc, int width, int height, int dpi = 96);
QByteArray RenderSvg(Document& doc, int width, int height, double cmPerUnit = 0);

// Results: the lines joined with CR LF (clipboard), and printing with the column layout.
QString ResultsText(const QStringList& lines);
void PrintResults(QPrinter& printer, const QStringList& lines, bool twoColumns, int firstPage, int lastPage);
int ResultsPageCount(QPrinter& printer, int lines, bool twoColumns);
// ... of these lines, as PrintResults lays them out (long labels and values take further rows).
int ResultsPageCount(QPrinter& printer, const QStringList& lines, bool twoColumns);

// Picture prints: the screen image scaled down in steps until it fits between the margins, and
// the vector picture stretched over the page's width.
void PrintBitmap(QPrinter& printer, const QImage& image);
void PrintVector(QPrinter& printer, Document& doc, int width, int height);
// The scale of the bitmap print: dpi / 60 reduced by 0.02 until width * scale fits `available`.
double BitmapPrintScale(int imageWidth, int dpi, int available);

} // namespace trimora
