// The main window on the offscreen platform: real widgets, real actions, real mouse events.
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/qpainter_canvas.h"
#include "app/results_view.h"
#include "grund/catalogue.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace trimora {
namespace {

class Gui : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>();
        window->SetMessageBoxesEnabled(false);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
    }
    Session& session() { return window->GetSession(); }
    QListWidget* list(const char* name) {
        for (int t = 0; t < kTabCount; ++t)
            if (window->TabListWidget(t)->objectName() == name) return window->TabListWidget(t);
        return nullptr;
    }
    int CheckedCount(QListWidget* w) {
        int n = 0;
        for (int i = 0; i < w->count(); ++i) n += w->item(i)->checkState() == Qt::Checked;
        return n;
    }
    std::unique_ptr<MainWindow> window;
};

TEST_F(Gui, StartUpCheckMarksAndFields) {
    QListWidget* general = list("CL1x");
    ASSERT_NE(general, nullptr);
    for (int i = 0; i < general->count(); ++i) EXPECT_EQ(general->item(i)->checkState() == Qt::Checked, i < 7) << i;
    for (int e = 0; e < kEntryCount; ++e) EXPECT_EQ(session().doc.IsOn(e), e <= 6) << e;
    // The fields are written from the start pixels around the drawing area's centre.
    const IntPoint a = session().doc.points.screen[kSlotA];
    EXPECT_EQ(a, (IntPoint{290, 190}));
    EXPECT_FALSE(window->Field(0)->text().isEmpty());
    EXPECT_TRUE(window->ZoomPanel()->text().startsWith("Streckungsfaktor 1"));
}

TEST_F(Gui, TogglingAnItemCopiesTheWholeList) {
    QListWidget* aToM = list("CL3x");
    session().doc.SetOn(247); // as a topic may have left it
    aToM->item(12)->setCheckState(Qt::Checked);
    const int entry = TabLists()[1].items[12];
    EXPECT_TRUE(session().doc.IsOn(entry));
    EXPECT_FALSE(session().doc.IsOn(247));
}

TEST_F(Gui, BulkSelectionTwiceAndClearButton) {
    window->Action("bulk")->trigger();
    EXPECT_EQ(CheckedCount(list("CL3x")), 206);
    EXPECT_EQ(CheckedCount(list("CL4x")), 140);
    EXPECT_EQ(CheckedCount(list("CL2x")), 0);
    window->Action("bulk")->trigger();
    EXPECT_EQ(CheckedCount(list("CL1x")), 7);
    EXPECT_EQ(CheckedCount(list("CL3x")), 0);

    list("CL4x")->item(0)->setCheckState(Qt::Checked);
    window->findChild<QToolButton*>("clearSelection")->click();
    EXPECT_EQ(CheckedCount(list("CL4x")), 0);
    EXPECT_EQ(CheckedCount(list("CL1x")), 7);
}

TEST_F(Gui, EscapeStopsTheAnimationFirstThenCloses) {
    window->Action("animation")->trigger();
    EXPECT_TRUE(window->AnimationTimer()->isActive());
    QTest::qWait(40);
    window->Action("exit")->trigger();
    EXPECT_FALSE(window->AnimationTimer()->isActive());
    EXPECT_TRUE(window->isVisible());
    window->Action("exit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Gui, AnimationMovesTheVertexField) {
    window->Field(0)->setText("0");
    window->Field(1)->setText("0");
    window->Action("animation")->trigger();
    QTest::qWait(100);
    window->Action("animation")->trigger();
    EXPECT_NE(window->Field(0)->text(), "0");
    EXPECT_FALSE(window->AnimationTimer()->isActive());
}

TEST_F(Gui, DraggingAVertexRewritesAllSixFields) {
    DrawingArea* area = window->Drawing();
    for (int n = 0; n < 6; ++n) window->Field(n)->setText("7");
    const IntPoint c = session().doc.points.screen[kSlotC];
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(c.x + 2, c.y + 2));
    QTest::mouseMove(area, QPoint(c.x + 40, c.y - 30));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(c.x + 40, c.y - 30));
    EXPECT_EQ(session().doc.points.screen[kSlotC], (IntPoint{c.x + 40, c.y - 30}));
    for (int n = 0; n < 6; ++n) EXPECT_NE(window->Field(n)->text(), "7") << n;
}

TEST_F(Gui, RightButtonSelectsButDoesNotDrag) {
    DrawingArea* area = window->Drawing();
    const IntPoint a = session().doc.points.screen[kSlotA];
    QTest::mousePress(area, Qt::RightButton, {}, QPoint(a.x, a.y));
    QTest::mouseMove(area, QPoint(a.x + 30, a.y + 30));
    EXPECT_EQ(session().doc.points.screen[kSlotA], a);
}

TEST_F(Gui, StretchStepsAndGrids) {
    for (int n = 0; n < 12; ++n) window->Action("stretchDown")->trigger();
    EXPECT_DOUBLE_EQ(session().doc.view.stretchFactor, 0.2);
    EXPECT_EQ(window->ZoomPanel()->text(), "Streckungsfaktor 0,2");
    window->Action("grid")->trigger();
    window->Action("mmgrid")->trigger();
    EXPECT_TRUE(window->Action("mmgrid")->isChecked());
    EXPECT_FALSE(window->Action("grid")->isChecked());
    window->Action("basic")->trigger();
    EXPECT_DOUBLE_EQ(session().doc.view.stretchFactor, 1.0);
}

TEST_F(Gui, ResultsModeFillsTheListAndCounts) {
    window->Action("stretchUp")->trigger();
    window->ShowResults();
    EXPECT_DOUBLE_EQ(session().doc.view.stretchFactor, 1.0);
    const int lines = window->Results()->rowCount();
    EXPECT_GT(lines, 10);
    EXPECT_EQ(window->EntryCounter()->text(), QString("%1 Einträge").arg(lines));
    EXPECT_TRUE(window->Results()->Line(0).startsWith("Punkt A\t( "));
    window->ShowPicture();
    EXPECT_TRUE(window->Drawing()->isVisible());
}

TEST_F(Gui, TopicFromTheMenu) {
    window->ChooseTopic("Grunddreieck");
    EXPECT_EQ(window->Field(0)->text(), "1");
    EXPECT_EQ(window->Field(3)->text(), "-1");
    EXPECT_TRUE(session().doc.IsOn(67)); // "Lémoine-Punkt"
    EXPECT_EQ(CheckedCount(list("CL1x")), 28);
}

TEST_F(Gui, FieldErrorsAreMarked) {
    window->Field(2)->setText("SQRT(-1)");
    EXPECT_TRUE(window->Field(2)->styleSheet().contains("red"));
    EXPECT_TRUE(window->Field(2)->toolTip().contains("0"));
    window->Field(2)->setText("1,5");
    EXPECT_TRUE(window->Field(2)->styleSheet().isEmpty());
}

TEST_F(Gui, DataFilesRoundTripAndFailedSavesKeepTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("dreieck.tmo");
    window->Field(0)->setText("SQRT(2)");
    list("CL4x")->item(3)->setCheckState(Qt::Checked);
    ASSERT_TRUE(window->SaveDataFile(path));

    MainWindow other;
    other.SetMessageBoxesEnabled(false);
    ASSERT_TRUE(other.LoadDataFile(path));
    EXPECT_EQ(other.Field(0)->text(), "SQRT(2)");
    EXPECT_EQ(other.GetSession().tabChecked, session().tabChecked);

    // A save that cannot be written reports in German and leaves the old file as it was.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    window->Field(0)->setText("5");
    const bool saved = window->SaveDataFile(path);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!saved) { // root may write anyway
        EXPECT_TRUE(window->LastMessage().contains("konnte nicht geschrieben werden"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
    }
    EXPECT_FALSE(window->SaveDataFile(dir.filePath("fehlt/x.tmo")));
    EXPECT_TRUE(window->LastMessage().contains("konnte nicht geschrieben werden"));

    EXPECT_FALSE(window->LoadDataFile(dir.filePath("gibt-es-nicht.tmo")));
    EXPECT_TRUE(window->LastMessage().contains("kann nicht geöffnet werden"));
}

TEST_F(Gui, SelectionPanelCollapsesAndKeepsWorldCoordinates) {
    const QString before = window->Field(0)->text();
    window->ToggleSelectionPanel();
    QApplication::processEvents();
    EXPECT_LE(window->SelectionPanel()->width(), 1);
    EXPECT_FALSE(window->Action("panel")->isChecked());
    EXPECT_EQ(window->Field(0)->text(), before);
    window->ToggleSelectionPanel();
    QApplication::processEvents();
    EXPECT_GT(window->SelectionPanel()->width(), 100);
}

TEST(Picture, RasterImageShowsTheTriangle) {
    Document doc;
    InitDocument(doc, 821, 660);
    QImage image(821, 660, QImage::Format_RGB32);
    RenderPicture(doc, image, false, false);
    // Light grey fill at the centroid, white outside, a black side between B and C.
    EXPECT_EQ(QColor(image.pixel(357, 343)), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(400, 420)), QColor(Qt::black));
}

} // namespace
} // namespace trimora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    trimora::RegisterFontFallbacks();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
