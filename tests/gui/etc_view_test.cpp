// The ETC numbers in the window: the menu "Ansicht" and the element lists' tooltips.
#include "app/main_window.h"
#include "app/results_view.h"
#include "base/catalogue.h"
#include "shown_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>

#include <memory>

namespace trimora {
namespace {

class EtcView : public ShownWindow {
  protected:
    QListWidgetItem* Item(const QString& name) {
        for (int t = 0; t < kTabCount; ++t) {
            const auto hits = window->TabListWidget(t)->findItems(name, Qt::MatchExactly);
            if (!hits.isEmpty()) return hits.front();
        }
        return nullptr;
    }
};

TEST_F(EtcView, TheMenuAnsichtFollowsErgebnisseAndSwitchesTheMarks) {
    QStringList menus;
    for (QAction* a : window->menuBar()->actions())
        menus << a->text().remove('&');
    EXPECT_EQ(menus.indexOf("Ansicht"), menus.indexOf("Ergebnisse") + 1) << menus.join(", ").toStdString();

    QListWidgetItem* centroid = Item("Schwerpunkt");
    ASSERT_NE(centroid, nullptr);
    centroid->setCheckState(Qt::Checked);
    window->ShowResults();
    auto centroidLine = [&] {
        for (int row = 0; row < window->Results()->rowCount(); ++row)
            if (window->Results()->Line(row).startsWith("Schwerpunkt S\t"))
                return window->Results()->Line(row);
        return QString();
    };
    EXPECT_FALSE(centroidLine().contains("[X("));
    QAction* etc = window->Action("etcNumbers");
    ASSERT_NE(etc, nullptr);
    EXPECT_TRUE(etc->isCheckable());
    etc->trigger();
    EXPECT_TRUE(etc->isChecked());
    EXPECT_TRUE(window->GetSession().doc.view.showEtc);
    EXPECT_TRUE(centroidLine().endsWith(" ) [X(2)]")) << centroidLine().toStdString();
    etc->trigger();
    EXPECT_FALSE(centroidLine().contains("[X("));
}

TEST_F(EtcView, TooltipsNameTheCentresNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"Feuerbach-Punkt", "Feuerbach-Punkt X(5)"},
        {"Lémoine-Punkt", "Lémoine-Punkt X(6)"},
        {"Brocard-Kreismittelpunkt", "Brocard-Kreismittelpunkt X(182)"},
        {"Umkreis", "Umkreis"},               // a circle, not a centre
        {"Höhenfußpunkte", "Höhenfußpunkte"}, // feet are no centres
    };
    for (const auto& [name, tip] : cases) {
        QListWidgetItem* item = Item(QString::fromUtf8(name));
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->toolTip(), QString::fromUtf8(tip));
    }
}

} // namespace
} // namespace trimora
