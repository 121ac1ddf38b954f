// The loci in the window, as a user meets them: the dialog from the menu, points chosen in the
// picture and by searching, the trace on its thread into the picture and the results, forgotten
// with another triangle; cancelled, abandoned with the window, and the animation's trace.
#include "app/drawing_area.h"
#include "app/loci_panel.h"
#include "app/results_view.h"
#include "base/catalogue.h"
#include "draw/point_table.h"
#include "shown_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>
#include <QUndoStack>

namespace trimora {
namespace {

class WindowLoci : public ShownWindow {
  protected:
    LociPanel* OpenPanel(std::initializer_list<const char*> entries) {
        for (const char* name : entries)
            window->GetSession().doc.SetOn(FindCatalogueEntry(name));
        window->Repaint();
        window->Action("locus")->trigger();
        LociPanel* panel = window->LociDialog();
        EXPECT_TRUE(panel && panel->isVisible());
        for (int wait = 0; panel && panel->List()->count() == 0 && wait < 100; ++wait)
            QTest::qWait(20);
        return panel;
    }
    void Choose(LociPanel* panel, const char* name) {
        const auto found = panel->List()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        found[0]->setSelected(true);
    }
};

TEST_F(WindowLoci, ChooseTraceSeeAndForget) {
    LociPanel* panel = OpenPanel({"Höhenschnittpunkt", "Schwerpunkt"});
    ASSERT_TRUE(panel);
    // A click on H in the picture chooses it; the search finds the centroid.
    const RealPoint h = window->GetSession().doc.points.precise[kSlotOrthocentre];
    QTest::mouseClick(window->Drawing(), Qt::LeftButton, {}, QPoint(int(h.x) + 2, int(h.y) - 1));
    EXPECT_EQ(panel->ChosenNames(), std::vector<std::string>{"Höhenschnittpunkt"});
    panel->Search()->setText("schwer");
    int shown = 0;
    for (int row = 0; row < panel->List()->count(); ++row)
        shown += !panel->List()->item(row)->isHidden();
    EXPECT_EQ(shown, 1);
    Choose(panel, "Schwerpunkt S");
    panel->Search()->clear();
    EXPECT_EQ(panel->ChosenNames().size(), 2u);

    panel->VertexChoice()->setCurrentIndex(2);
    panel->PathChoice()->setCurrentIndex(static_cast<int>(VertexPath::Circumcircle));
    QSignalSpy done(panel, &LociPanel::Finished);
    panel->Start();
    ASSERT_TRUE(done.wait(30000));
    const auto& loci = window->GetSession().doc.loci;
    ASSERT_TRUE(loci);
    ASSERT_EQ(loci->curves.size(), 2u);
    EXPECT_EQ(panel->Status()->text(), "2 Ortslinien gezeichnet.");
    // In the picture, in their own colours.
    const QImage picture = window->Drawing()->Image();
    int coloured = 0;
    const Color c = LocusPen(0).color;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            coloured += picture.pixel(x, y) == qRgb(c.r, c.g, c.b);
    EXPECT_GT(coloured, 300);
    // And under "Ortslinien" in the results.
    window->ShowResults();
    const QStringList lines = window->Results()->Lines();
    const auto at = lines.indexOf("Ortslinien");
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines[at + 1], "Bahn\tC auf dem Umkreis");
    EXPECT_TRUE(lines[at + 3].startsWith("Ortslinie von Höhenschnittpunkt\tKreis, Mittelpunkt "))
        << lines[at + 3].toStdString();
    window->ShowPicture();
    // Another triangle forgets them.
    window->Field(0)->setText("0,5");
    window->ApplyCoordinates();
    EXPECT_FALSE(window->GetSession().doc.loci);
}

// Tracing is an undo step of its own: undo takes the loci away, redo brings them back, and so
// does undoing a step that dropped them.
TEST_F(WindowLoci, TracingIsAnUndoStep) {
    LociPanel* panel = OpenPanel({"Höhenschnittpunkt"});
    ASSERT_TRUE(panel);
    Choose(panel, "Höhenschnittpunkt");
    QSignalSpy done(panel, &LociPanel::Finished);
    panel->Start();
    ASSERT_TRUE(done.wait(30000));
    const std::shared_ptr<const Loci> traced = window->GetSession().doc.loci;
    ASSERT_TRUE(traced);
    QUndoStack* undo = window->UndoStack();
    EXPECT_EQ(undo->undoText(), "Ortslinie");
    undo->undo();
    EXPECT_FALSE(window->GetSession().doc.loci);
    undo->redo();
    EXPECT_EQ(window->GetSession().doc.loci, traced);
    window->Field(0)->setText("0,5"); // another triangle drops them
    window->ApplyCoordinates();
    EXPECT_FALSE(window->GetSession().doc.loci);
    undo->undo();
    EXPECT_EQ(window->GetSession().doc.loci, traced);
    window->Action("lociClear")->trigger();
    EXPECT_FALSE(window->GetSession().doc.loci);
    EXPECT_EQ(undo->undoText(), "Ortslinien löschen");
    undo->undo();
    EXPECT_EQ(window->GetSession().doc.loci, traced);
}

// One place, one entry: the circumcentre that its entry marks is not listed again beside the
// circumcircle's centre.
TEST_F(WindowLoci, TheCircumcentreIsListedOnce) {
    LociPanel* panel = OpenPanel({"Umkreis", "Umkreismittelpunkt"});
    ASSERT_TRUE(panel);
    QStringList names;
    for (int row = 0; row < panel->List()->count(); ++row) names << panel->List()->item(row)->text();
    EXPECT_EQ(names.filter("Umkreis"), QStringList{"Umkreismittelpunkt"}) << names.join(", ").toStdString();
}

TEST_F(WindowLoci, CancelLeaveAndTheAnimationsTrace) {
    window->GetSession().doc.checked.set();
    LociPanel* panel = OpenPanel({});
    ASSERT_TRUE(panel);
    // The incentre is noted last of all: every position is a whole repaint of every entry.
    Choose(panel, "Inkreismittelpunkt");
    panel->PathChoice()->setCurrentIndex(static_cast<int>(VertexPath::Circumcircle));
    QSignalSpy done(panel, &LociPanel::Finished);
    panel->Start();
    EXPECT_TRUE(panel->Busy());
    QApplication::processEvents(); // the window answers meanwhile
    panel->Cancel();
    ASSERT_TRUE(done.wait(30000));
    EXPECT_EQ(panel->Status()->text(), "Abgebrochen.");
    EXPECT_FALSE(window->GetSession().doc.loci);

    // "Spur": the animation leaves the trace of the chosen point.
    window->ClearSelect();
    window->GetSession().doc.SetOn(FindCatalogueEntry("Höhenschnittpunkt"));
    window->Repaint();
    panel->DocumentChanged();
    for (int wait = 0;
         panel->List()->findItems("Höhenschnittpunkt", Qt::MatchExactly).isEmpty() && wait < 100; ++wait)
        QTest::qWait(20);
    Choose(panel, "Höhenschnittpunkt");
    panel->TrailChoice()->setChecked(true);
    window->ToggleAnimation();
    QTest::qWait(300);
    window->ToggleAnimation();
    const auto& trail = window->GetSession().doc.loci;
    ASSERT_TRUE(trail);
    ASSERT_EQ(trail->curves.size(), 1u);
    EXPECT_TRUE(trail->curves[0].trail);
    ASSERT_FALSE(trail->curves[0].pieces.empty());
    EXPECT_GT(trail->curves[0].pieces[0].size(), 5u);

    // A window closed while its loci are traced waits for nothing and leaves nothing behind.
    window->GetSession().doc.checked.set();
    panel->DocumentChanged();
    QTest::qWait(400);
    Choose(panel, "Inkreismittelpunkt");
    panel->Start();
    EXPECT_TRUE(panel->Busy());
    window.reset();
}

} // namespace
} // namespace trimora
