// The relations command in the window: listed under the results, a chosen line highlighted over
// the picture until the triangle changes.
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/results_view.h"
#include "base/catalogue.h"

#include <gtest/gtest.h>

#include <QAction>
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
    EXPECT_EQ(lines[heading + 1], "Euler-Gerade\tSchwerpunkt S, Umkreis … Mittelpunkt, Höhenschnittpunkt");

    // The heading chooses nothing; the relation shows the picture with its line.
    window.ChooseResultLine(heading);
    EXPECT_FALSE(window.Drawing()->Highlight());
    window.ChooseResultLine(heading + 1);
    ASSERT_TRUE(window.Drawing()->Highlight());
    EXPECT_FALSE(window.Drawing()->Highlight()->circle);
    EXPECT_EQ(window.Drawing()->Highlight()->points.size(), 3u);
    EXPECT_TRUE(window.Drawing()->isVisible());

    // Back to the results the list is still there; another triangle forgets it.
    window.ShowResults();
    EXPECT_TRUE(window.Results()->Lines().contains("Zusammenhänge"));
    window.Field(0)->setText("0,5");
    window.ApplyCoordinates();
    EXPECT_FALSE(window.Results()->Lines().contains("Zusammenhänge"));
    EXPECT_FALSE(window.Drawing()->Highlight());
}

} // namespace
} // namespace trimora
