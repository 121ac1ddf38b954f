// The relations list narrowed in the window: the filter with its count, the relations through one
// marked point (chosen in the list or by a click in the picture), and Esc back to all of them.
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/results_view.h"
#include "base/catalogue.h"
#include "shown_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

class RelationsNarrowed : public ShownWindow {
  protected:
    void List(std::initializer_list<const char*> entries) {
        for (const char* name : entries) {
            ASSERT_GE(FindCatalogueEntry(name), 0) << name;
            window->GetSession().doc.SetOn(FindCatalogueEntry(name));
        }
        window->ShowResults();
        window->Action("relations")->trigger();
        ASSERT_TRUE(window->Relations().Listed());
    }
    // The relations the list shows now, by their index in the set.
    std::vector<int> ShownRelations() const {
        const RelationsList& list = window->Relations();
        EXPECT_EQ(window->RelationsModel()->rowCount(), list.ShownLines().size());
        std::vector<int> shown;
        for (int row = 0; row < list.ShownLines().size(); ++row)
            if (const int r = list.RelationOf(list.ShownLine(row)); r >= 0) shown.push_back(r);
        return shown;
    }
    // Straight from the set: the general relations through `point` (all of them for -1).
    int RelationsThrough(int point) const {
        const auto& relations = window->Relations().Set().relations;
        return static_cast<int>(std::count_if(relations.begin(), relations.end(), [&](const Relation& r) {
            return r.general &&
                   (point < 0 || std::find(r.members.begin(), r.members.end(), point) != r.members.end());
        }));
    }
    QString Count() const { return window->RelationsCount()->text(); }
};

// The Euler line alone: the filter keeps it for every word it holds, whatever the letter case,
// accents and ß, and the count says how many of how many.
TEST_F(RelationsNarrowed, FilterAndCount) {
    List({"Schwerpunkt", "Umkreis", "Höhenschnittpunkt"});
    ASSERT_EQ(RelationsThrough(-1), 1);
    EXPECT_EQ(Count(), "1 Zusammenhang");
    const struct {
        const char* filter;
        int shown;
    } cases[] = {{"euler", 1}, {"HOHENSCHNITTPUNKT", 1}, {"  gerade   schwerpunkt ", 1}, {"euler inkreis", 0}};
    for (const auto& c : cases) {
        window->RelationsFilter()->setText(c.filter);
        EXPECT_EQ(ShownRelations().size(), static_cast<std::size_t>(c.shown)) << c.filter;
        EXPECT_EQ(Count(), QString("%1 von 1 Zusammenhang").arg(c.shown)) << c.filter;
        if (c.shown == 0) {
            EXPECT_EQ(window->RelationsModel()->Lines().back(), "Keine passenden Zusammenhänge");
        }
    }
    QTest::keyClick(window->RelationsFilter(), Qt::Key_Escape);
    EXPECT_TRUE(window->RelationsFilter()->text().isEmpty());
    EXPECT_TRUE(window->isVisible()); // Esc in the filter does not close the window
    EXPECT_EQ(Count(), "1 Zusammenhang");
    // Nor does Esc in the point choice, its list open or closed.
    QComboBox* choice = window->RelationsPointChoice();
    choice->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(choice->view()->window()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(choice->view()->isVisible());
    QTest::keyClick(choice, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
}

// More points: the list for each point holds exactly the relations through it, the heading names
// it and the filter narrows it further.
TEST_F(RelationsNarrowed, OnePointsRelations) {
    List({"Schwerpunkt", "Umkreis", "Höhenschnittpunkt", "Inkreismittelpunkt", "Nagel-Punkt", "Feuerbach-Kreis",
          "Seitenmittelpunkte", "Höhenfußpunkte"});
    const int all = RelationsThrough(-1);
    ASSERT_GE(all, 3);
    EXPECT_EQ(Count(), QString("%1 Zusammenhänge").arg(all));
    const RelationSet& set = window->Relations().Set();
    QComboBox* choice = window->RelationsPointChoice();
    ASSERT_EQ(choice->count(), static_cast<int>(set.points.size()) + 1);
    int checked = 0;
    for (int point = 0; point < static_cast<int>(set.points.size()); ++point) {
        choice->setCurrentIndex(point + 1);
        const std::vector<int> shown = ShownRelations();
        EXPECT_EQ(static_cast<int>(shown.size()), RelationsThrough(point)) << point;
        for (int r : shown) {
            const std::vector<int>& members = set.relations[static_cast<std::size_t>(r)].members;
            EXPECT_NE(std::find(members.begin(), members.end(), point), members.end()) << point;
        }
        const QString name = QString::fromStdString(set.points[static_cast<std::size_t>(point)].names.front());
        EXPECT_EQ(window->RelationsTitle()->text(), "Zusammenhänge durch " + name);
        EXPECT_EQ(Count(), QString("%1 von %2 Zusammenhängen").arg(shown.size()).arg(all));
        checked += !shown.empty();
    }
    EXPECT_GE(checked, 3);
    // The filter combines with the point.
    choice->setCurrentIndex(1 + static_cast<int>(std::find_if(set.points.begin(), set.points.end(), [](const MarkedPoint& p) {
                                                    return p.names.front() == "Schwerpunkt S";
                                                }) - set.points.begin()));
    const std::size_t throughCentroid = ShownRelations().size();
    window->RelationsFilter()->setText("euler");
    EXPECT_EQ(ShownRelations().size(), 1u);
    EXPECT_LT(1u, throughCentroid);
    choice->setCurrentIndex(0);
    EXPECT_EQ(Count(), "1 von " + QString::number(all) + " Zusammenhängen");
    // ß is ss, accents and letter case do not count.
    window->RelationsFilter()->setText("HOHENFUSSPUNKT feuerbach-kreis");
    EXPECT_EQ(Count(), "1 von " + QString::number(all) + " Zusammenhängen");
}

// In the picture a click on a marked point chooses it, a click beside every point and Esc return
// to all points.
TEST_F(RelationsNarrowed, ClickInThePicture) {
    List({"Schwerpunkt", "Umkreis", "Höhenschnittpunkt", "Inkreismittelpunkt", "Nagel-Punkt"});
    window->ShowPicture();
    const RelationSet& set = window->Relations().Set();
    // A point that lies in some relation and has no other within the reach of the click.
    int target = -1;
    for (int p = 0; p < static_cast<int>(set.points.size()) && target < 0; ++p) {
        const RealPoint at = set.points[static_cast<std::size_t>(p)].p;
        const bool alone = std::none_of(set.points.begin(), set.points.end(), [&](const MarkedPoint& q) {
            const double d = std::hypot(q.p.x - at.x, q.p.y - at.y);
            return d > 0 && d < 12;
        });
        if (alone && RelationsThrough(p) > 0) target = p;
    }
    ASSERT_GE(target, 0);
    const RealPoint at = set.points[static_cast<std::size_t>(target)].p;
    DrawingArea* drawing = window->Drawing();
    QTest::mouseClick(drawing, Qt::LeftButton, {}, QPoint(static_cast<int>(std::lround(at.x + 3)),
                                                          static_cast<int>(std::lround(at.y - 2))));
    EXPECT_EQ(window->Relations().ChosenPoint(), target);
    ASSERT_TRUE(drawing->ChosenPoint());
    EXPECT_NEAR(drawing->ChosenPoint()->x(), at.x, 1e-9);
    EXPECT_EQ(window->RelationsPointChoice()->currentIndex(), target + 1);
    EXPECT_EQ(static_cast<int>(ShownRelations().size()), RelationsThrough(target));

    QTest::keyClick(drawing, Qt::Key_Escape);
    EXPECT_EQ(window->Relations().ChosenPoint(), -1);
    EXPECT_FALSE(drawing->ChosenPoint());
    EXPECT_TRUE(window->isVisible());

    QTest::mouseClick(drawing, Qt::LeftButton, {}, QPoint(static_cast<int>(at.x), static_cast<int>(at.y)));
    EXPECT_EQ(window->Relations().ChosenPoint(), target);
    QTest::mouseClick(drawing, Qt::LeftButton, {}, QPoint(5, 5)); // the corner: beside every point
    EXPECT_EQ(window->Relations().ChosenPoint(), -1);
    EXPECT_EQ(static_cast<int>(ShownRelations().size()), RelationsThrough(-1));
}

// A kind that is neither a line nor a circle (here the midpoints of the sides, which are also
// three of the nine Feuerbach points) is drawn as rings round its points only.
TEST_F(RelationsNarrowed, ACoincidenceIsDrawnAsRingsOnly) {
    List({"Seitenmittelpunkte", "9-Feuerbach-Punkte"});
    const QStringList lines = window->RelationsModel()->Lines();
    const auto coincidence = std::find_if(lines.begin(), lines.end(),
                                          [](const QString& l) { return l.startsWith("fallen zusammen\t"); });
    ASSERT_NE(coincidence, lines.end()) << lines.join("\n").toStdString();
    window->ChooseRelationRow(static_cast<int>(coincidence - lines.begin()));
    ASSERT_TRUE(window->Drawing()->Highlight());
    EXPECT_EQ(window->Drawing()->Highlight()->figure, RelationHighlight::Figure::None);
    EXPECT_FALSE(window->Drawing()->Highlight()->points.empty());
}

} // namespace
} // namespace trimora
