// The worksheet: an A4 page whose text (read back with poppler's pdftotext) holds every result
// line, with the picture as vectors (no image object in the PDF).
#include "app/core/session.h"
#include "app/worksheet.h"
#include "base/presets.h"
#include "base/resource.h"
#include "draw/recording_canvas.h"
#include "paint/paint.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace trimora {
namespace {

QString Tool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString WithoutSpaces(QString text) { return text.remove(QRegularExpression("\\s")); }

TEST(Worksheet, AnA4PageWhoseTextHoldsEveryResultLine) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "poppler-utils missing";
    Session s;
    InitSession(s, 821, 660);
    ASSERT_TRUE(ApplyTopic(s, "Feuerbach-Kreis", LoadResourceLines("WTRIMORA")));
    Document measured = s.doc;
    RecordingCanvas canvas(821, 660);
    PaintDocument(measured, canvas, true);
    QStringList lines;
    for (const std::string& line : measured.results.Lines()) lines << QString::fromStdString(line);
    ASSERT_GT(lines.size(), 40);

    QTemporaryDir dir;
    const QString path = dir.filePath("blatt.pdf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RenderWorksheet(s.doc, 821, 660, "Feuerbach-Kreis", QDate(2026, 12, 8), lines));
    file.close();

    EXPECT_TRUE(Tool("pdfinfo", {path}).contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 842(\\.\\d+)? pts")));
    // One page, as the handbook promises for a topic.
    EXPECT_TRUE(Tool("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n"))) << Tool("pdfinfo", {path}).toStdString();
    const QStringList images = Tool("pdfimages", {"-list", path}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << "only the heading of the list: no image object";
    const QString text = WithoutSpaces(Tool("pdftotext", {path, "-"}));
    EXPECT_TRUE(text.contains("Feuerbach-Kreis08.12.2026") || (text.contains("Feuerbach-Kreis") && text.contains("08.12.2026")));
    // Every line's label and value; one that was wrapped onto further rows is read back in its
    // pieces (broken at spaces and hyphens), which pdftotext reads row by row.
    int whole = 0;
    for (const QString& line : lines)
        for (const QString& part : line.split('\t', Qt::SkipEmptyParts)) {
            if (text.contains(WithoutSpaces(part))) {
                ++whole;
                continue;
            }
            for (const QString& piece : part.split(QRegularExpression("(?<=-)|\\s+"), Qt::SkipEmptyParts)) {
                // A word too long for its room is broken between two letters.
                bool found = text.contains(piece);
                for (int at = 2; !found && at + 2 <= piece.size(); ++at)
                    found = text.contains(piece.left(at)) && text.contains(piece.mid(at));
                EXPECT_TRUE(found) << piece.toStdString() << " of " << line.toStdString();
            }
        }
    EXPECT_GT(whole, lines.size()); // most lines are read back whole
}

} // namespace
} // namespace trimora
