// The animation as an animated GIF: read back with Qt's GIF reader it has the frames asked for,
// loops for ever, and its first and last frames are the still GIF pictures of the run's first
// and last positions; too many pixels are refused.
#include "app/animation_export.h"
#include "app/core/session.h"
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/picture_export.h"
#include "base/resource.h"
#include "output/picture_encoders.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

namespace trimora {
namespace {

QImage StillGif(Session s, const AnimationRunSteps& run, std::size_t step) {
    ApplyAnimationStep(s, run, step);
    ApplyTypedCoordinates(s);
    const Encoded e = EncodeGif(ToRgbImage(RenderImage(s.doc, s.width, s.height)));
    return QImage::fromData(QByteArray::fromStdString(e.bytes), "GIF").convertToFormat(QImage::Format_RGB32);
}

TEST(AnimationExport, FramesLoopAndTheRunsEnds) {
    struct Case {
        int vertex;
        AnimationDirection direction;
        int frames;
    } cases[] = {{2, AnimationDirection::Horizontal, 12}, {0, AnimationDirection::AroundOrigin, 7}};
    for (const Case& c : cases) {
        Session s;
        InitSession(s, 320, 240);
        ASSERT_TRUE(ApplyTopic(s, "Feuerbach-Kreis", LoadResourceLines("WTRIMORA")));
        s.animation.vertex = c.vertex, s.animation.direction = c.direction;
        QTemporaryDir dir;
        const QString path = dir.filePath("lauf.gif");
        ASSERT_EQ(ExportAnimation(s, 320, 240, c.frames, path.toStdString()), QString());
        QImageReader reader(path, "GIF");
        ASSERT_TRUE(reader.supportsAnimation());
        EXPECT_EQ(reader.imageCount(), c.frames);
        EXPECT_EQ(reader.loopCount(), -1) << "loops for ever";
        std::vector<QImage> frames;
        for (QImage frame; reader.read(&frame);) frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
        ASSERT_EQ(static_cast<int>(frames.size()), c.frames);
        const auto run = AnimationRun(s);
        ASSERT_GT(run.size(), 100u);
        EXPECT_EQ(frames.front(), StillGif(s, run, 0));
        EXPECT_EQ(frames.back(), StillGif(s, run, run.size() - 1));
        EXPECT_NE(frames.front(), frames[static_cast<std::size_t>(c.frames / 2)]) << "the vertex moves";
    }
    Session s;
    InitSession(s, 821, 660);
    QTemporaryDir dir;
    // A frame beyond the picture limit, or frames that together would take too long.
    EXPECT_TRUE(ExportAnimation(s, 9000, 9000, 2, dir.filePath("zu-gross.gif").toStdString()).contains("zu groß"));
    EXPECT_TRUE(ExportAnimation(s, 821, 660, 10000, dir.filePath("zu-gross.gif").toStdString()).contains("zu groß"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("zu-gross.gif")));
}

// "Animation als GIF speichern" at the window's first size, and what a full screen asks; a run
// cancelled on the way writes nothing.
TEST(AnimationExport, TheWindowsDefaultRunIsWrittenWholeOrCancelled) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.ChooseTopic("Feuerbach-Kreis");
    ASSERT_EQ(window.Drawing()->size(), QSize(821, 660));
    QTemporaryDir dir;
    const QString path = dir.filePath("standard.gif");
    ASSERT_TRUE(window.SaveAnimation(path)) << window.LastMessage().toStdString();
    QImageReader reader(path, "GIF");
    EXPECT_EQ(reader.imageCount(), kDefaultAnimationFrames);
    EXPECT_EQ(reader.size(), QSize(821, 660));
    EXPECT_LE(120LL * 3840 * 2160, kMaxAnimationPixels) << "a 4K screen's run fits";
    int heard = 0;
    const QString cancelled = ExportAnimation(window.GetSession(), 821, 660, kDefaultAnimationFrames,
                                              dir.filePath("halb.gif").toStdString(), SpecialFiles::Refuse,
                                              [&](int done, int) { return (heard = done) < 3; });
    EXPECT_TRUE(cancelled.contains("abgebrochen"));
    EXPECT_EQ(heard, 3);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("halb.gif")));
}

// Only the moving vertex's texts are kept per tick: the others may be as long as they like.
TEST(AnimationExport, TheRunKeepsTheMovingVertexOnly) {
    Session s;
    InitSession(s, 400, 300);
    for (int n = 0; n < 20000; ++n) s.doc.fields[0] += "0+"; // long, worth 1
    s.doc.fields[0] += "1";
    ApplyTypedCoordinates(s);
    s.animation.vertex = 2;
    const AnimationRunSteps run = AnimationRun(s);
    ASSERT_GT(run.size(), 100u);
    EXPECT_EQ(run.vertex, 2);
    Session at = s;
    ApplyAnimationStep(at, run, run.size() / 2);
    EXPECT_EQ(at.doc.fields[0], s.doc.fields[0]);
    EXPECT_NE(at.doc.fields[4], s.doc.fields[4]);
    ApplyAnimationStep(at, run, run.size() + 5); // beyond the end: the last tick
    EXPECT_EQ(at.doc.fields[4], run.texts.back()[0]);
}

} // namespace
} // namespace trimora
