// Whether every tool the tool bar shows in its mode is in reach: in sight, or behind the bar's
// extension button (in its menu, or in the bar that the button unfolds). The widgets in the bar
// are not counted: the read-outs, and the button "Objektauswahl", whose command the menu "Datei"
// has as "Auswahlliste".
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

namespace trimora {

inline QList<QAction*> ToolsOutOfSight(QToolBar* bar) {
    QList<QAction*> out;
    for (QAction* a : bar->actions())
        if (a->isVisible() && !a->isSeparator() && !qobject_cast<QWidgetAction*>(a) &&
            !bar->widgetForAction(a)->isVisible())
            out << a;
    return out;
}

inline ::testing::AssertionResult EveryToolInReach(QToolBar* bar) {
    const QList<QAction*> out = ToolsOutOfSight(bar);
    if (out.isEmpty()) return ::testing::AssertionSuccess();
    auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
    if (!more || !more->isVisible())
        return ::testing::AssertionFailure()
               << out.size() << " tools out of sight without the extension button";
    if (QMenu* menu = more->menu()) {
        for (QAction* a : out)
            if (!menu->actions().contains(a))
                return ::testing::AssertionFailure()
                       << "not in the extension menu: " << a->toolTip().toStdString();
        return ::testing::AssertionSuccess();
    }
    more->click();
    const bool unfolded = QTest::qWaitFor([&] { return ToolsOutOfSight(bar).isEmpty(); });
    more->click();
    if (!unfolded) return ::testing::AssertionFailure() << "the unfolded bar still hides tools";
    return ::testing::AssertionSuccess();
}

} // namespace trimora
