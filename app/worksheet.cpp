#include "app/worksheet.h"

#include "app/picture_export.h"
#include "output/print_layout.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace trimora {

QByteArray RenderWorksheet(Document& doc, int width, int height, const QString& title, const QDate& date,
                           const QStringList& resultLines) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setCreator("Trimora");
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                  QPageLayout::Millimeter));
    QPainter painter(&pdf);
    const int pageWidth = pdf.width(), pageHeight = pdf.height(); // the area within the margins
    const double dots = pdf.resolution() / 72.0;                  // per point

    // Title and date.
    QFont titleFont("Verdana");
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    titleFont.setStyleStrategy(QFont::PreferNoShaping);
    painter.setFont(titleFont);
    const QFontMetrics titleMetrics(titleFont, &pdf);
    painter.drawText(QPoint(0, titleMetrics.ascent()), title);
    const QString day = date.toString("dd.MM.yyyy");
    const int headTop = titleMetrics.height() + static_cast<int>(8 * dots);
    std::vector<std::string> prepared;
    for (const QString& line : resultLines) prepared.push_back(PrepareLine(line.toStdString()));

    // The results in two columns below the picture. To keep them on the one page, the picture
    // gives up room first, then the text gets smaller, down to 7 pt; an entry is never split.
    // What does not fit even so continues on further pages.
    struct Layout {
        QFont font;
        double scale = 1;            // of the picture
        int top = 0, lineHeight = 1; // of the results
        int gap = 0, column = 1;
        std::vector<int> x;
        std::vector<std::vector<std::string>> entries; // the rows of each line
        bool fits = false;
    };
    auto layOut = [&](double points, double share) {
        Layout l;
        l.font = QFont("Verdana");
        l.font.setPointSizeF(points);
        // Without shaping Qt does not join "fl" and "fi" into ligatures, which a PDF reader's
        // search would not find.
        l.font.setStyleStrategy(QFont::PreferNoShaping);
        const QFontMetrics m(l.font, &pdf);
        l.scale = std::min(pageWidth / double(width), pageHeight * share / height);
        l.top = headTop + static_cast<int>(height * l.scale + 12 * dots);
        l.gap = m.averageCharWidth() * 2;
        l.column = (pageWidth - l.gap) / 2;
        auto textWidth = [&](std::string_view f) {
            return m.horizontalAdvance(QString::fromUtf8(f.data(), static_cast<qsizetype>(f.size())));
        };
        l.x = ColumnPositionsWithin(prepared, l.column, textWidth);
        for (const std::string& line : prepared) l.entries.push_back(WrapToColumn({line}, l.x, l.column, textWidth));
        l.lineHeight = m.height() + m.leading() + static_cast<int>(dots);
        const int perColumn = (pageHeight - l.top) / l.lineHeight;
        int side = 0, row = 0;
        for (const auto& rows : l.entries) {
            const int n = static_cast<int>(rows.size());
            if (row + n > perColumn) ++side, row = 0;
            row += n;
            if (side > 1 || n > perColumn) return l;
        }
        l.fits = true;
        return l;
    };
    static constexpr struct {
        double points, pictureShare; // of the page's height
    } kTries[] = {{9, 2.0 / 3}, {9, 0.55}, {8.5, 0.55}, {8, 0.5}, {8, 0.45}, {7.5, 0.45}, {7, 0.4}, {7, 0.35}};
    Layout sheet;
    for (const auto& t : kTries) {
        sheet = layOut(t.points, t.pictureShare);
        if (sheet.fits) break;
    }

    painter.setFont(sheet.font);
    const QFontMetrics metrics(sheet.font, &pdf);
    painter.drawText(QPoint(pageWidth - metrics.horizontalAdvance(day), titleMetrics.ascent()), day);

    // The picture over the page's width, with a frame.
    painter.save();
    painter.translate(0, headTop);
    painter.scale(sheet.scale, sheet.scale);
    painter.setClipRect(0, 0, width, height);
    PaintVector(painter, doc, width, height);
    painter.restore();
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(QRectF(0, headTop, width * sheet.scale, height * sheet.scale));

    painter.setFont(sheet.font);
    int top = sheet.top, side = 0, row = 0;
    auto perColumn = [&] { return std::max(1, (pageHeight - top) / sheet.lineHeight); };
    auto nextColumn = [&] {
        row = 0;
        if (++side > 1) {
            pdf.newPage();
            top = 0, side = 0;
        }
    };
    for (const auto& rows : sheet.entries) {
        if (row > 0 && row + static_cast<int>(rows.size()) > perColumn()) nextColumn();
        for (const std::string& r : rows) {
            if (row >= perColumn()) nextColumn(); // an entry longer than a whole column
            const std::vector<std::string> fields = SplitFields(r);
            for (std::size_t k = 0; k < fields.size() && k < sheet.x.size(); ++k)
                if (!fields[k].empty())
                    painter.drawText(QPoint(side * (sheet.column + sheet.gap) + sheet.x[k],
                                            top + row * sheet.lineHeight + metrics.ascent()),
                                     QString::fromStdString(fields[k]));
            ++row;
        }
    }
    painter.end();
    return bytes;
}

} // namespace trimora
