// The rows of the results and relations lists show their whole text: a row too long for the list
// wraps and grows, beside its label or, in a narrow list, under it.
#include "app/results_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QListView>
#include <QTest>

#include <cstdlib>
#include <memory>

namespace trimora {
namespace {

TEST(ResultRows, ALongRowWrapsInsteadOfBeingCut) {
    ResultsModel model;
    model.SetLines(QStringList{"Seite a\t3,4",
                               "Ortslinie von Höhenschnittpunkt\tParabel, Scheitel ( -0,2 | 0,203 ), "
                               "Brennpunkt ( -0,2 | -0,452 ), Achse X = -0,2",
                               "Zusammenhänge"});
    QListView* view = MakeLinesView(&model, nullptr);
    const std::unique_ptr<QListView> owner(view);
    const int line = view->fontMetrics().height();
    // Lines of text per row: in the narrow list the values go under their labels.
    const struct {
        int width;
        int shortLines, parabolaLines;
    } cases[] = {{1400, 1, 1}, {700, 1, 2}, {330, 2, 3}};
    int checked = 0;
    for (const auto& c : cases) {
        view->resize(c.width, 400);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
        // The rows are laid out again for the new width, in batches.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return std::abs(view->visualRect(model.index(2)).width() - view->viewport()->width()) <= 1;
        }));
        const QRect shortRow = view->visualRect(model.index(0));
        const QRect parabola = view->visualRect(model.index(1));
        EXPECT_EQ(shortRow.height() / line, c.shortLines) << c.width;
        EXPECT_EQ(parabola.height() / line, c.parabolaLines) << c.width;
        EXPECT_LE(parabola.right(), view->viewport()->width()) << c.width; // nothing to scroll to
        EXPECT_GE(view->visualRect(model.index(2)).top(), parabola.bottom()) << c.width;
        ++checked;
    }
    EXPECT_EQ(checked, 3);
}

} // namespace
} // namespace trimora
