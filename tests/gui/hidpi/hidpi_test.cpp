// The window on a screen with a device pixel ratio of 2: the drawing area is drawn with all the
// screen's pixels, and the mouse still picks the vertices at their logical positions.
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/qpainter_canvas.h"
#include "draw/slots.h"
#include "../offscreen_screen.h"
#include "../tools_in_reach.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QScreen>
#include <QTest>
#include <QToolBar>

namespace trimora {
namespace {

// Blocks of 2 x 2 pixels that are not of one colour: none in a picture only enlarged.
int MixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 2 <= image.height(); y += 2)
        for (int x = 0; x + 2 <= image.width(); x += 2)
            mixed += image.pixel(x, y) != image.pixel(x + 1, y) ||
                     image.pixel(x, y) != image.pixel(x, y + 1) ||
                     image.pixel(x, y) != image.pixel(x + 1, y + 1);
    return mixed;
}

TEST(HighDensity, DrawingAreaIsSharpAndVerticesArePickedWhereTheyAre) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    DrawingArea* area = window.Drawing();
    ASSERT_EQ(area->devicePixelRatioF(), 2.0);

    // The picture has twice the pixels of the area in each direction and is the picture drawn at
    // that size, not the small one enlarged.
    const QImage& shown = area->Image();
    EXPECT_EQ(shown.size(), area->size() * 2);
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    EXPECT_GT(MixedBlocks(shown), 500);
    Document doc = window.GetSession().doc;
    QImage plain(shown.size(), QImage::Format_RGB32);
    plain.setDevicePixelRatio(2);
    RenderPicture(doc, plain, false, true);
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            differing += plain.pixel(x, y) != shown.pixel(x, y);
    EXPECT_LT(differing,
              plain.width() * plain.height() / 100); // the fast path smooths a few edges differently

    // Vertex A is where the document has it, in logical pixels: the black outline around its
    // yellow mark sits at twice those coordinates in the image.
    const IntPoint a = window.GetSession().doc.points.screen[kSlotA];
    const QColor centre(shown.pixel(2 * a.x, 2 * a.y));
    EXPECT_GT(centre.red(), 200);
    EXPECT_GT(centre.green(), 200);
    EXPECT_LT(centre.blue(), 100);

    // Pressing on it and dragging moves it by the mouse's logical distance.
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(a.x + 1, a.y + 1));
    QTest::mouseMove(area, QPoint(a.x + 41, a.y + 31));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(a.x + 41, a.y + 31));
    EXPECT_EQ(window.GetSession().doc.points.screen[kSlotA], (IntPoint{a.x + 41, a.y + 31}));
}

// A notebook's screen of 2560 x 1440 pixels at display scale 2 is 1280 x 720 logical pixels: the
// window opens within it, and can be made smaller still, with room for a title bar, also while
// the relations are listed; every tool stays in reach.
TEST(HighDensity, TheWindowFitsASmallScreen) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    ASSERT_EQ(window.screen()->availableGeometry().size(), QSize(1280, 720));
    constexpr int kTitleBar = 36;
    EXPECT_LE(window.frameGeometry().width(), 1280);
    EXPECT_LE(window.height() + kTitleBar, 720);

    window.Action("relations")->trigger();
    ASSERT_TRUE(window.RelationsDock()->isVisible());
    window.resize(1, 1); // as small as it goes
    QApplication::processEvents();
    EXPECT_LE(window.width(), 1240);
    EXPECT_LE(window.height(), 660);

    auto* bar = window.findChild<QToolBar*>("toolbar");
    EXPECT_TRUE(EveryToolInReach(bar));
    window.ShowResults();
    EXPECT_TRUE(EveryToolInReach(bar));
}

} // namespace
} // namespace trimora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", trimora::OffscreenPlatform(2560, 1440));
    qputenv("QT_SCALE_FACTOR", "2"); // a screen of twice the usual density
    QApplication app(argc, argv);
    trimora::RegisterFontFallbacks();
    QFont font("Verdana");
    font.setPixelSize(13);
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
