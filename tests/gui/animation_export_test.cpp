// The animation as an animated GIF: read back with Qt's GIF reader it has the frames asked for,
// loops for ever, and its first and last frames are the still GIF pictures of the run's first
// and last positions; too many pixels are refused.
#include "app/animation_export.h"
#include "app/core/session.h"
#include "app/picture_export.h"
#include "base/resource.h"
#include "output/picture_encoders.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>

namespace trimora {
namespace {

QImage StillGif(Session s, const std::array<std::string, 6>& fields) {
    s.doc.fields = fields;
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
        EXPECT_EQ(frames.front(), StillGif(s, run.front()));
        EXPECT_EQ(frames.back(), StillGif(s, run.back()));
        EXPECT_NE(frames.front(), frames[static_cast<std::size_t>(c.frames / 2)]) << "the vertex moves";
    }
    Session s;
    InitSession(s, 821, 660);
    QTemporaryDir dir;
    EXPECT_TRUE(ExportAnimation(s, 821, 660, 200, dir.filePath("zu-gross.gif").toStdString()).contains("zu groß"));
}

} // namespace
} // namespace trimora
