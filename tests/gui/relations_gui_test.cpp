// The relations command in the window: listed under the results, a chosen line highlighted over
// the picture until the triangle changes.
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/results_view.h"
#include "base/catalogue.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace trimora {
namespace {

TEST(RelationsWindow, ListChooseAndForget) {
    MainWindow window;
    window.SetMessageBoxesEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"Schwerpunkt", "Umkreis", "Höhenschnittpunkt"})
        window.GetSession().doc.SetOn(FindCatalogueEntry(name));
    window.ShowResults();
    window.Action("relations")->trigger();

    const QStringList lines = window.Results()->Lines();
    const int heading = static_cast<int>(lines.indexOf("Zusammenhänge"));
    ASSERT_GE(heading, 0);
    ASSERT_EQ(lines.size(), heading + 2);
    EXPECT_EQ(lines[heading + 1], "Euler-Gerade\tSchwerpunkt S [X(2)], Umkreis … Mittelpunkt [X(3)], Höhenschnittpunkt [X(4)]");

    // The heading chooses nothing; the relation shows the picture with its line.
    window.ChooseResultLine(heading);
    EXPECT_FALSE(window.Drawing()->Highlight());
    window.ChooseResultLine(heading + 1);
    ASSERT_TRUE(window.Drawing()->Highlight());
    EXPECT_EQ(window.Drawing()->Highlight()->figure, RelationHighlight::Figure::Line);
    EXPECT_EQ(window.Drawing()->Highlight()->points.size(), 3u);
    EXPECT_TRUE(window.Drawing()->isVisible());

    // Back to the results the list is still there at the chosen line, and saved with them; another
    // triangle forgets it and the status line names it no longer.
    window.ShowResults();
    EXPECT_TRUE(window.Results()->Lines().contains("Zusammenhänge"));
    EXPECT_EQ(window.findChild<QListView*>("resultsView")->currentIndex().row(), heading + 1);
    QTemporaryDir dir;
    ASSERT_TRUE(window.SaveResults(dir.filePath("ergebnisse.txt"), false));
    QFile saved(dir.filePath("ergebnisse.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(saved.readAll()).contains("Euler-Gerade\tSchwerpunkt S"));
    window.Field(0)->setText("0,5");
    window.ApplyCoordinates();
    EXPECT_FALSE(window.Results()->Lines().contains("Zusammenhänge"));
    EXPECT_FALSE(window.Drawing()->Highlight());
    EXPECT_FALSE(window.StatusPanel()->text().contains("Euler-Gerade"));
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
    const QStringList lines = window.Results()->Lines();
    const int euler = static_cast<int>(lines.indexOf("Euler-Gerade\tSchwerpunkt S [X(2)], Umkreismittelpunkt [X(3)], "
                                                     "Höhenschnittpunkt [X(4)]"));
    ASSERT_GE(euler, 0) << lines.join('\n').toStdString();
    const QString tip = window.Results()->data(window.Results()->index(euler), Qt::ToolTipRole).toString();
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
    const int heading = static_cast<int>(window.Results()->Lines().indexOf("Zusammenhänge"));
    ASSERT_GE(heading, 0);
    EXPECT_EQ(window.Results()->Lines().size(), heading + 2);

    window.Action("relationsAll")->trigger();
    const QStringList lines = window.Results()->Lines();
    ASSERT_EQ(lines.size(), heading + 5);
    EXPECT_EQ(lines[heading + 1], "gilt für jedes Dreieck");
    EXPECT_EQ(lines[heading + 3], "nur für dieses Dreieck");
    window.ChooseResultLine(heading + 3);
    EXPECT_FALSE(window.Drawing()->Highlight());
    window.ChooseResultLine(heading + 4);
    ASSERT_TRUE(window.Drawing()->Highlight());
    EXPECT_EQ(window.Drawing()->Highlight()->points.size(), 5u);
    window.Action("relationsAll")->trigger(); // off again
}

} // namespace
} // namespace trimora
