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
    QFont textFont("Verdana");
    textFont.setPointSize(9);
    // Without shaping Qt does not join "fl" and "fi" into ligatures, which a PDF reader's search
    // would not find.
    textFont.setStyleStrategy(QFont::PreferNoShaping);
    painter.setFont(textFont);
    const QFontMetrics metrics(textFont, &pdf);
    const QString day = date.toString("dd.MM.yyyy");
    painter.drawText(QPoint(pageWidth - metrics.horizontalAdvance(day), titleMetrics.ascent()), day);
    int top = titleMetrics.height() + static_cast<int>(8 * dots);

    // The picture over the page's width (no higher than two thirds of the page), with a frame.
    const double scale = std::min(pageWidth / double(width), pageHeight * 2.0 / 3.0 / height);
    painter.save();
    painter.translate(0, top);
    painter.scale(scale, scale);
    painter.setClipRect(0, 0, width, height);
    PaintVector(painter, doc, width, height);
    painter.restore();
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(QRectF(0, top, width * scale, height * scale));
    top += static_cast<int>(height * scale + 12 * dots);

    // The results in two columns, as printed, filling the room below the picture and then pages.
    painter.setFont(textFont);
    const int gap = metrics.averageCharWidth() * 2;
    const int column = (pageWidth - gap) / 2;
    std::vector<std::string> prepared;
    for (const QString& line : resultLines) prepared.push_back(PrepareLine(line.toStdString()));
    auto textWidth = [&](std::string_view f) {
        return metrics.horizontalAdvance(QString::fromUtf8(f.data(), static_cast<qsizetype>(f.size())));
    };
    const std::vector<int> x = ColumnPositionsWithin(prepared, column, textWidth);
    const std::vector<std::string> rows = WrapToColumn(prepared, x, column, textWidth);
    const int lineHeight = metrics.height() + metrics.leading() + static_cast<int>(dots);
    std::size_t next = 0;
    while (next < rows.size()) {
        const int perColumn = std::max(1, (pageHeight - top) / lineHeight);
        for (int side = 0; side < 2 && next < rows.size(); ++side)
            for (int r = 0; r < perColumn && next < rows.size(); ++r, ++next) {
                const std::vector<std::string> fields = SplitFields(rows[next]);
                for (std::size_t k = 0; k < fields.size() && k < x.size(); ++k)
                    if (!fields[k].empty())
                        painter.drawText(QPoint(side * (column + gap) + x[k], top + r * lineHeight + metrics.ascent()),
                                         QString::fromStdString(fields[k]));
            }
        if (next < rows.size()) {
            pdf.newPage();
            top = 0;
        }
    }
    painter.end();
    return bytes;
}

} // namespace trimora
