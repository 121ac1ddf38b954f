// The relations command in the window: listed in a dock beside the picture, a chosen row
// highlighted over the picture while the list stays open, both following the triangle.
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/results_view.h"
#include "base/catalogue.h"
#include "draw/slots.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QTest>

#include <cmath>

namespace trimora {
namespace {

TEST(RelationsWindow, ListChooseAndFollow) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    for (const char* name : {"Schwerpunkt", "Umkreis", "Höhenschnittpunkt"})
        window.GetSession().doc.SetOn(FindCatalogueEntry(name));
    window.ShowResults();
    window.Action("relations")->trigger();

    const char* euler = "Euler-Gerade\tSchwerpunkt S [X(2)], Umkreis … Mittelpunkt [X(3)], Höhenschnittpunkt [X(4)]";
    EXPECT_EQ(window.RelationsModel()->Lines(), QStringList({"Zusammenhänge", euler}));
    EXPECT_FALSE(window.Results()->Lines().contains("Zusammenhänge"));

    // The heading chooses nothing; a click on the relation highlights its line in the picture, the
    // list staying beside it with the keyboard.
    QListView* list = window.RelationsView();
    window.ChooseRelationRow(0);
    EXPECT_FALSE(window.Drawing()->Highlight());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(window.RelationsModel()->index(1)).center());
    ASSERT_TRUE(window.Drawing()->Highlight());
    EXPECT_EQ(window.Drawing()->Highlight()->figure, RelationHighlight::Figure::Line);
    EXPECT_EQ(window.Drawing()->Highlight()->points.size(), 3u);
    EXPECT_TRUE(window.Drawing()->isVisible());
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(list->hasFocus());
    // The status line cuts nothing away for good: the tooltip holds the whole row.
    const QString status = window.StatusPanel()->toolTip().isEmpty() ? window.StatusPanel()->text()
                                                                     : window.StatusPanel()->toolTip();
    EXPECT_EQ(status, QString(euler).replace('\t', ": "));

    // The relations are saved with the results.
    QTemporaryDir dir;
    ASSERT_TRUE(window.SaveResults(dir.filePath("ergebnisse.txt"), false));
    QFile saved(dir.filePath("ergebnisse.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(saved.readAll()).contains("Euler-Gerade\tSchwerpunkt S"));

    // Vertex A dragged: the Euler line still holds and is drawn through the centres where they are
    // now.
    const QPointF before = window.Drawing()->Highlight()->points[0];
    const IntPoint a = window.GetSession().doc.points.screen[kSlotA];
    QTest::mousePress(window.Drawing(), Qt::LeftButton, {}, QPoint(a.x, a.y));
    QTest::mouseMove(window.Drawing(), QPoint(a.x + 40, a.y - 30));
    QTest::mouseRelease(window.Drawing(), Qt::LeftButton, {}, QPoint(a.x + 40, a.y - 30));
    ASSERT_NE(window.GetSession().doc.points.screen[kSlotA], a);
    ASSERT_TRUE(window.Drawing()->Highlight());
    const RelationHighlight moved = *window.Drawing()->Highlight();
    EXPECT_GT(std::hypot(moved.points[0].x() - before.x(), moved.points[0].y() - before.y()), 5);
    for (const QPointF& p : moved.points) // every centre on the drawn line
        EXPECT_NEAR((p.x() - moved.centre.x()) * moved.direction.y() - (p.y() - moved.centre.y()) * moved.direction.x(),
                    0, 1e-6);
    EXPECT_EQ(list->currentIndex().row(), 1);

    // New coordinates and Ctrl+F12 find the relations again instead of dropping them.
    window.Field(0)->setText("0,5");
    window.ApplyCoordinates();
    EXPECT_EQ(window.RelationsModel()->Lines(), QStringList({"Zusammenhänge", euler}));
    EXPECT_TRUE(window.Drawing()->Highlight());
    window.BulkSelect();
    EXPECT_TRUE(window.Relations().Listed());
    EXPECT_GT(window.RelationsModel()->rowCount(), 2);
    // The Euler line holds still, through more points now.
    ASSERT_TRUE(window.Drawing()->Highlight());
    EXPECT_EQ(window.Drawing()->Highlight()->figure, RelationHighlight::Figure::Line);
    EXPECT_GT(window.Drawing()->Highlight()->points.size(), 3u);
    EXPECT_TRUE(window.RelationsModel()->Line(list->currentIndex().row()).startsWith("Euler-Gerade\t"));
    EXPECT_TRUE(window.RelationsDock()->isVisible());

    // Closing the dock ends them.
    window.RelationsDock()->close();
    EXPECT_FALSE(window.Relations().Listed());
    EXPECT_FALSE(window.Drawing()->Highlight());
}

// A relation that no longer holds after a drag goes from the picture without a word.
TEST(RelationsWindow, AHighlightThatNoLongerHoldsGoesQuietly) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Isosceles: the apex and the centres lie on its axis, for this triangle only.
    const char* vertices[] = {"0", "2", "-1,5", "-1", "1,5", "-1"};
    for (int k = 0; k < 6; ++k)
        window.Field(k)->setText(vertices[k]);
    window.ApplyCoordinates();
    for (const char* name : {"Schwerpunkt", "Umkreis", "Höhenschnittpunkt", "Inkreis"})
        window.GetSession().doc.SetOn(FindCatalogueEntry(name));
    window.Action("relationsAll")->trigger();
    window.ListRelations();
    const int axis = static_cast<int>(window.RelationsModel()->Lines().indexOf("nur für dieses Dreieck")) + 1;
    ASSERT_GT(axis, 0) << window.RelationsModel()->Lines().join('\n').toStdString();
    window.ChooseRelationRow(axis);
    ASSERT_TRUE(window.Drawing()->Highlight());

    const IntPoint a = window.GetSession().doc.points.screen[kSlotA];
    QTest::mousePress(window.Drawing(), Qt::LeftButton, {}, QPoint(a.x, a.y));
    QTest::mouseMove(window.Drawing(), QPoint(a.x + 37, a.y));
    QTest::mouseRelease(window.Drawing(), Qt::LeftButton, {}, QPoint(a.x + 37, a.y));
    EXPECT_FALSE(window.Drawing()->Highlight());
    EXPECT_TRUE(window.Relations().Listed());
    EXPECT_TRUE(window.LastMessage().isEmpty());
    window.Action("relationsAll")->trigger(); // off again
}

TEST(RelationsWindow, APlaceGoesByOneNameAndTheTipGivesTheOthers) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"Schwerpunkt", "Umkreis", "Umkreismittelpunkt", "Höhenschnittpunkt"})
        window.GetSession().doc.SetOn(FindCatalogueEntry(name));
    window.ShowResults();
    window.Action("relations")->trigger();
    const QStringList lines = window.RelationsModel()->Lines();
    const int euler = static_cast<int>(lines.indexOf("Euler-Gerade\tSchwerpunkt S [X(2)], Umkreismittelpunkt [X(3)], "
                                                     "Höhenschnittpunkt [X(4)]"));
    ASSERT_GE(euler, 0) << lines.join('\n').toStdString();
    const QString tip = window.RelationsModel()->data(window.RelationsModel()->index(euler), Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains("Umkreismittelpunkt [X(3)]: Umkreis … Mittelpunkt = ")) << tip.toStdString();
}

// An isosceles triangle: its axis through the centres is listed only with the switch, under its
// own heading, and can be chosen like any other relation.
TEST(RelationsWindow, TheSwitchListsWhatHoldsForThisTriangleOnly) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const char* vertices[] = {"0", "2", "-1,5", "-1", "1,5", "-1"};
    for (int k = 0; k < 6; ++k)
        window.Field(k)->setText(vertices[k]);
    window.ApplyCoordinates();
    for (const char* name : {"Schwerpunkt", "Umkreis", "Höhenschnittpunkt", "Inkreis"})
        window.GetSession().doc.SetOn(FindCatalogueEntry(name));
    window.ShowResults();
    window.Action("relations")->trigger();
    const int heading = static_cast<int>(window.RelationsModel()->Lines().indexOf("Zusammenhänge"));
    ASSERT_EQ(heading, 0);
    EXPECT_EQ(window.RelationsModel()->Lines().size(), heading + 2);

    window.Action("relationsAll")->trigger();
    const QStringList lines = window.RelationsModel()->Lines();
    ASSERT_EQ(lines.size(), heading + 5);
    EXPECT_EQ(lines[heading + 1], "gilt für jedes Dreieck");
    EXPECT_EQ(lines[heading + 3], "nur für dieses Dreieck");
    window.ChooseRelationRow(heading + 3);
    EXPECT_FALSE(window.Drawing()->Highlight());
    window.ChooseRelationRow(heading + 4);
    ASSERT_TRUE(window.Drawing()->Highlight());
    EXPECT_EQ(window.Drawing()->Highlight()->points.size(), 5u);
    window.Action("relationsAll")->trigger(); // off again
}

// The rows name unnamed places by their coordinates: in world units, whatever the zoom.
TEST(RelationsWindow, TheZoomChangesNoCoordinate) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.GetSession().doc.checked.set();
    window.Action("relations")->trigger();
    const QStringList plain = window.RelationsModel()->Lines();
    ASSERT_TRUE(plain.join("\n").contains(" | ")) << plain.join("\n").toStdString(); // a place by its coordinates
    window.Action("stretchUp")->trigger();
    window.Action("stretchUp")->trigger();
    ASSERT_NE(window.GetSession().doc.view.stretchFactor, 1.0);
    window.Action("relations")->trigger();
    EXPECT_EQ(window.RelationsModel()->Lines(), plain);

    // A hundred rows, then one that opens the rest.
    ASSERT_EQ(plain.size(), 102); // the heading, 100 rows, "… und N weitere"
    EXPECT_TRUE(plain.back().startsWith("… und ")) << plain.back().toStdString();
    window.ChooseRelationRow(101);
    EXPECT_GT(window.RelationsModel()->Lines().size(), 1000);
}

} // namespace
} // namespace trimora
