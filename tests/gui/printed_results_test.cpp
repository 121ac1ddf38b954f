// Printed results keep their columns apart: printed to a PDF file and read back word by word
// (poppler's pdftotext), no word of a row overlaps the next one, in one or two columns, also with
// the longest labels and the trilinear coordinates.
#include "app/core/session.h"
#include "app/picture_export.h"
#include "draw/recording_canvas.h"
#include "paint/paint.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>

namespace trimora {
namespace {

struct Word {
    double left, right;
    QString text;
};

TEST(PrintedResults, NoLabelRunsIntoItsValue) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext missing";
    Session s;
    InitSession(s, 821, 660);
    s.doc.checked.set();
    s.doc.view.showTrilinear = true;
    RecordingCanvas canvas(821, 660);
    PaintDocument(s.doc, canvas, true);
    QStringList lines;
    for (const std::string& line : s.doc.results.Lines()) lines << QString::fromStdString(line);
    for (bool twoColumns : {false, true}) {
        SCOPED_TRACE(twoColumns ? "two columns" : "one column");
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("ergebnisse.pdf"));
        const int pages = ResultsPageCount(printer, lines, twoColumns);
        PrintResults(printer, lines, twoColumns, 1, pages);
        QProcess p;
        p.start("pdftotext", {"-bbox", dir.filePath("ergebnisse.pdf"), dir.filePath("woerter.html")});
        ASSERT_TRUE(p.waitForFinished(60000));
        QFile html(dir.filePath("woerter.html"));
        ASSERT_TRUE(html.open(QIODevice::ReadOnly));
        // <word xMin="…" yMin="…" xMax="…" yMax="…">text</word>, grouped by page and row.
        static const QRegularExpression word(
            R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
        std::map<std::pair<int, long>, std::vector<Word>> rows;
        int page = 0, words = 0;
        for (auto it = word.globalMatch(QString::fromUtf8(html.readAll())); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(0).startsWith("<page")) {
                ++page;
                continue;
            }
            rows[{page, std::lround(m.captured(2).toDouble() * 2)}].push_back(
                {m.captured(1).toDouble(), m.captured(3).toDouble(), m.captured(4)});
            ++words;
        }
        EXPECT_EQ(page, pages);
        EXPECT_GT(words, 10000);
        for (auto& [where, row] : rows) {
            std::sort(row.begin(), row.end(), [](const Word& a, const Word& b) { return a.left < b.left; });
            for (std::size_t i = 1; i < row.size(); ++i)
                EXPECT_LT(row[i - 1].right, row[i].left + 0.01)
                    << "page " << where.first << ": " << row[i - 1].text.toStdString() << " | " << row[i].text.toStdString();
        }
    }
}

} // namespace
} // namespace trimora
